#pragma once

#include "batch/encoding.h"

#include <optional>
#include <string>
#include <vector>

// The program's command line, read as QCommandLineParser reads one:
// --batch=IN and --batch IN, -oOUT, -o=OUT and -o OUT, "--" ends the options.
// Any other argument is a usage error, but Qt's own options for the screens
// (-platform NAME, -style NAME, -reverse, ...), which the screens take.

namespace kandelo::batch {

struct Options {
    std::string input;                         // "-" is standard input
    std::optional<std::string> output;         // standard output without it, or for "-"
    Encoding encoding = Encoding::Utf8WithBom; // of the result
    std::optional<Encoding> inputEncoding;     // told apart by itself without it
};

struct Invocation {
    enum class Kind { Help, Version, Batch };
    Kind kind = Kind::Batch;
    Options options;
};

// True unless the arguments (the program's name not among them) are none, or
// only Qt's own options with their values: then the screens open.
bool wantsCommandLine(const std::vector<std::string>& arguments);

// Reads the arguments. Raises BatchError for a usage error: an unknown option,
// an argument that is no option, an option without its value or given twice.
Invocation parseArguments(const std::vector<std::string>& arguments);

} // namespace kandelo::batch
