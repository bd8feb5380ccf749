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
    // The months of a customer: the plan's target and frequency, as typed,
    // instead of the file's own.
    std::optional<std::string> target;
    std::optional<std::string> frequency;
};

struct Invocation {
    enum class Kind { Help, Version, Batch, Months };
    Kind kind = Kind::Batch;
    Options options;
};

// True unless the arguments (the program's name not among them) are none, or
// only Qt's own options with their values, when the screens open, or
// --months with at most a file, when the window of the months opens.
bool wantsCommandLine(const std::vector<std::string>& arguments);

// The window of the months, asked for by "--months [FILE]" (and Qt's own
// options), and the file it opens.
struct MonthsWindow {
    std::optional<std::string> file;
};
std::optional<MonthsWindow> monthsWindowOf(const std::vector<std::string>& arguments);

// The arguments without Qt's own options and their values.
std::vector<std::string> withoutQtOptions(const std::vector<std::string>& arguments);

// The encoding a command line names, of the result or of the input. Raises
// BatchError for a name of none.
Encoding encodingValue(const std::string& name, bool forInput);

} // namespace kandelo::batch
