#pragma once

#include <cstddef>
#include <string>

// The batch itself: the input judged whole, then computed row by row and
// written as it goes, in flat memory.

namespace kandelo::batch {

class ByteSink;
class ByteSource;
struct Options;

// Told how far a run has come.
class Progress {
public:
    virtual ~Progress() = default;
    virtual void row(std::size_t rows) = 0;
    virtual void done(std::size_t rows) = 0;
};

struct RunSummary {
    std::size_t rows = 0;
    bool anyRefused = false;            // some row carries a message in the error column
    std::size_t replacedCharacters = 0; // written as "?", as CP932 cannot hold them
};

// Reads the input once to judge it: its encoding, as stated or told from the
// whole input (UTF-8, with or without a byte-order mark, else CP932), and its
// quotes. A byte of no encoding, or a quote never closed, raises BatchError
// before anything is written. Then reads it again and writes the heading
// with the result headings and, for each row, its fields with the result
// cells. The rows of the result always stand under their headings:
// - a row whose every field is empty is written as it is, with empty results;
// - empty fields past the heading are dropped; a row with others there keeps
//   its place, is cut to the heading, and carries a message instead of results;
// - a row shorter than the heading reads its missing fields as empty.
// Nothing is committed here; the caller commits output.
RunSummary runBatch(const Options& options, ByteSource& input, ByteSink& output, Progress* progress);

} // namespace kandelo::batch
