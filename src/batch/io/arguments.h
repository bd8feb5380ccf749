#pragma once

#include "batch/options.h"

#include <string>
#include <vector>

namespace kandelo::batch {

// Reads the command line's arguments (the program's name not among them)
// with QCommandLineParser: --batch=IN and --batch IN, -oOUT, -o=OUT and -o
// OUT, "--" ends the options; Qt's own options for the screens are passed
// over. Raises BatchError for a usage error: an unknown option, an argument
// that is no option, an option without its value or given twice.
Invocation parseArguments(const std::vector<std::string>& arguments);

} // namespace kandelo::batch
