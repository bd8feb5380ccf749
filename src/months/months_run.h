#pragma once

#include <optional>
#include <string>

// The months on the command line: a customer's file of months read whole,
// worked out, and written with the columns worked out and the plan.

namespace kandelo::batch {
class ByteSink;
class ByteSource;
struct Options;
} // namespace kandelo::batch

namespace kandelo::months {

struct MonthsSummary {
    bool anyRefused = false; // a month, or the plan, says what is wrong in its notes
    std::size_t replacedCharacters = 0;
};

// Reads the file (its encoding judged as the batch's), takes the target and
// the frequency from the options or else from the file, and writes the
// result in the options' encoding. Raises batch::BatchError for a file or
// usage error, before anything is written. Nothing is committed here.
MonthsSummary runMonths(const batch::Options& options, batch::ByteSource& input, batch::ByteSink& output);

} // namespace kandelo::months
