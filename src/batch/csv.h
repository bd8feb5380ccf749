#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Comma-separated values as RFC 4180 has them: fields in double quotes may
// hold commas, quotes (doubled) and line breaks; records end in CR LF or LF.

namespace kandelo::batch {

// Splits UTF-8 text, fed in pieces of any size, into records.
class CsvReader {
public:
    // Takes the next piece of text. Complete records are then in records().
    void feed(std::string_view text);
    // The input has ended: a last record without a line break is completed.
    void finish();

    // The records completed so far; the caller takes them.
    std::vector<std::vector<std::string>>& records() noexcept { return records_; }

private:
    void endField();
    void endRecord();

    std::vector<std::vector<std::string>> records_;
    std::vector<std::string> record_;
    std::string field_;
    bool quoted_ = false;    // inside a quoted field
    bool quoteSeen_ = false; // a quote inside a quoted field: its end, or the first of two
    bool fieldStarted_ = false;
    bool carriageReturn_ = false; // a CR ended the last record; an LF right after belongs to it
};

// One record as a line of CSV, ending in CR LF. A field is quoted when it
// holds a comma, a quote, a line break or a leading or trailing blank.
void appendCsvRecord(std::string& out, const std::vector<std::string>& fields);

} // namespace kandelo::batch
