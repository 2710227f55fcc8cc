#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "Timeline.h"

namespace rules {

// The lines of a run told step by step, worded alike for the console and the rules, so
// that two runs of one timeline read side by side.
using TraceSink = std::function<void(std::int64_t us, const std::string& line)>;

// Prints a line with its USB time.
void printTraceLine(std::int64_t us, const std::string& line);

std::string pressLine(const Step& press, const char* how);
std::string actionLine(const Step& action);
std::string commandLine(int position, int command);
// The report check took the press of a module, which reached the console at `arrivalUs`.
std::string takeLine(int position, std::int64_t arrivalUs);
// What the operator sees: the names shown and the module of a held second responder (0 for
// none).
std::string showsLine(const std::string& name, const std::string& team, int waitingModule);

}  // namespace rules
