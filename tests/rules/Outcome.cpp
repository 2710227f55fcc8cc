#include "Outcome.h"

#include <sstream>

namespace rules {

std::string describe(const Outcome& o) {
    std::ostringstream out;
    for (const Sight& s : o.sights) {
        out << "  [" << s.name << " | " << s.team << " | " << s.rows << ' ' << s.scores
            << (s.secondWaiting ? " waiting" : "") << "]\n";
    }
    for (std::size_t m = 0; m < o.commands.size(); ++m) {
        out << "  module " << m + 1 << ':';
        for (int c : o.commands[m]) {
            out << ' ' << c;
        }
        out << '\n';
    }
    out << "  rescue saves " << o.rescueSaves << (o.ended ? ", ended" : "") << '\n';
    return out.str();
}

}  // namespace rules
