#pragma once

#include "batch/encoding.h"

#include <optional>
#include <string>
#include <vector>

// What the program's command line asks for. Qt's own options for the
// screens (-platform NAME, -style NAME, -reverse, ...) are the screens'; the
// rest is read by QCommandLineParser (batch/io/arguments.h).

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

// The arguments without Qt's own options and their values.
std::vector<std::string> withoutQtOptions(const std::vector<std::string>& arguments);

// The encoding a command line names, of the result or of the input. Raises
// BatchError for a name of none.
Encoding encodingValue(const std::string& name, bool forInput);

} // namespace kandelo::batch
