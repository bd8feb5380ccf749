#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// The program's command line: a batch over a CSV file of meter readings.
//   kandelo --batch IN.csv [-o OUT.csv] [--encoding ENC]
//   kandelo --help | --version

namespace kandelo::batch {

// Exit statuses.
inline constexpr int AllRowsComputed = 0;
inline constexpr int SomeRowsRefused = 1;
inline constexpr int UsageOrFileError = 2;

// True when the arguments ask for the command line rather than the screens:
// the first one is an option of this program (two dashes, or -h, -o).
bool wantsCommandLine(const std::vector<std::string>& arguments);

// Runs the command line over arguments (the program's name not among them).
// Standard input is read for the file name "-"; standard output is written
// when there is no -o. Returns the exit status.
int runCommandLine(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out, std::ostream& err);

} // namespace kandelo::batch
