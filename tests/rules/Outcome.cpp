#include "Outcome.h"

#include <algorithm>
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

namespace {

std::string sightText(const std::vector<Sight>& sights, std::size_t i) {
    if (i >= sights.size()) {
        return "nothing";
    }
    Outcome one;
    one.sights = {sights[i]};
    const std::string text = describe(one);
    return text.substr(2, text.find('\n') - 2);
}

std::string commandText(const std::vector<int>& commands, std::size_t i) {
    return i < commands.size() ? std::to_string(commands[i]) : "nothing";
}

}  // namespace

std::string firstDifferences(const Outcome& c, const Outcome& r) {
    std::ostringstream out;
    const auto sights =
        std::mismatch(c.sights.begin(), c.sights.end(), r.sights.begin(), r.sights.end());
    if (sights.first != c.sights.end() || sights.second != r.sights.end()) {
        const auto i = static_cast<std::size_t>(sights.first - c.sights.begin());
        out << "  sighting " << i + 1 << ": console " << sightText(c.sights, i) << ", rules "
            << sightText(r.sights, i) << '\n';
    }
    static const std::vector<int> kNone;
    for (std::size_t m = 0; m < std::max(c.commands.size(), r.commands.size()); ++m) {
        const std::vector<int>& a = m < c.commands.size() ? c.commands[m] : kNone;
        const std::vector<int>& b = m < r.commands.size() ? r.commands[m] : kNone;
        const auto at = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
        if (at.first == a.end() && at.second == b.end()) {
            continue;
        }
        const auto i = static_cast<std::size_t>(at.first - a.begin());
        out << "  module " << m + 1 << ", command " << i + 1 << " (after";
        for (std::size_t k = i > 3 ? i - 3 : 0; k < i; ++k) {
            out << ' ' << a[k];
        }
        out << "): console " << commandText(a, i) << ", rules " << commandText(b, i) << '\n';
    }
    if (c.rescueSaves != r.rescueSaves || c.ended != r.ended) {
        out << "  rescue saves: console " << c.rescueSaves << (c.ended ? ", ended" : "")
            << ", rules " << r.rescueSaves << (r.ended ? ", ended" : "") << '\n';
    }
    return out.str();
}

}  // namespace rules
