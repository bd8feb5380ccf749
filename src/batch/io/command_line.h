#pragma once

#include "batch/io/system.h"
#include "batch/messages.h"

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
// the language given, and so is any other fault (memory running out, a broken
// invariant), which ends the run: no row is refused for it, and OUT is left
// as it was. Returns the exit status. An interruption while the result's
// temporary file exists removes it and ends the program as the signal would
// have.
int runCommandLine(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out, std::ostream& err,
    Language language = languageOfUser());

} // namespace kandelo::batch
