#include "TraceLines.h"

#include <cstdio>

namespace rules {

void printTraceLine(std::int64_t us, const std::string& line) {
    std::printf("%9lldus %s\n", static_cast<long long>(us), line.c_str());
}

std::string pressLine(const Step& s, const char* how) {
    return "  press module " + std::to_string(s.module + 1) + " team " + std::to_string(s.team) +
           " player " + std::to_string(s.player) + how;
}

std::string actionLine(const Step& s) {
    Timeline one;
    one.steps = {s};
    const std::string line = describe(one);  // its time, then the action
    const std::size_t from = line.find("us ", line.find('\n')) + 3;
    return line.substr(from, line.size() - from - 1);
}

std::string commandLine(int position, int command) {
    return "    module " + std::to_string(position) + " gets " + std::to_string(command);
}

std::string takeLine(int position, std::int64_t arrivalUs) {
    return "    takes the press of module " + std::to_string(position) + " that came at " +
           std::to_string(arrivalUs) + "us";
}

std::string showsLine(const std::string& name, const std::string& team, int waitingModule) {
    return "    shows " + name + " | " + team +
           (waitingModule != 0 ? " | module " + std::to_string(waitingModule) + " waiting" : "");
}

}  // namespace rules
