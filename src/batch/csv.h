#pragma once

#include "batch/encoding.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Comma-separated values as RFC 4180 has them: fields in double quotes may
// hold commas, quotes (doubled) and line breaks; records end in CR LF or LF.
// An empty line is a record of one empty field; the end of the text is none.

namespace kandelo::batch {

struct CsvRecord {
    std::vector<std::string> fields;
    std::size_t line = 1; // where it begins, counted as a text editor counts
};

// Splits text, fed in pieces of any size, into records. The text may be
// UTF-8 or CP932: neither has a comma, a quote or a line break inside another
// character.
class CsvReader {
public:
    // Takes the next piece of text. Complete records are then in records().
    void feed(std::string_view text);
    // The input has ended: a last record without a line break is completed.
    void finish();

    // The records completed so far; the caller takes them.
    std::vector<CsvRecord>& records() noexcept { return records_; }
    // Once finished: the line where a quoted field opened that never closed.
    std::optional<std::size_t> unclosedQuote() const noexcept { return unclosedQuote_; }

private:
    void endField();
    void endRecord();

    std::vector<CsvRecord> records_;
    CsvRecord record_;
    std::string field_;
    LineCounter lines_;
    std::size_t quoteLine_ = 0;
    std::optional<std::size_t> unclosedQuote_;
    bool quoted_ = false;    // inside a quoted field
    bool quoteSeen_ = false; // a quote inside a quoted field: its end, or the first of two
    bool fieldStarted_ = false;
    bool recordStarted_ = false;
    bool carriageReturn_ = false; // a CR ended the last record; an LF right after belongs to it
};

// One record as a line of CSV, ending in CR LF. A field is quoted when it
// holds a comma, a quote, a line break or a leading or trailing blank.
void appendCsvRecord(std::string& out, const std::vector<std::string>& fields);

} // namespace kandelo::batch
