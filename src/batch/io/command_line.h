#pragma once

#include "batch/messages.h"
#include "batch/options.h"

#include <iosfwd>
#include <string>
#include <vector>

// The program's command line: a batch over a CSV file of meter readings.
//   kandelo --batch IN.csv [-o OUT.csv] [--encoding ENC] [--input-encoding ENC]
//   kandelo --help | --version

namespace kandelo::batch {

// Exit statuses.
inline constexpr int AllRowsComputed = 0;
inline constexpr int SomeRowsRefused = 1;
inline constexpr int UsageOrFileError = 2;

// Runs the command line over arguments (the program's name not among them).
// Standard input is read for the file name "-"; standard output is written
// when there is no -o. A usage, file or input error is one line on err, in
// the language given. Returns the exit status.
int runCommandLine(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out, std::ostream& err,
    Language language = languageOfEnvironment());

} // namespace kandelo::batch
