#include "batch/csv.h"

namespace kandelo::batch {

void CsvReader::feed(std::string_view text)
{
    for (const char c : text) {
        const std::size_t line = lines_.line();
        lines_.feed(c);
        if (carriageReturn_) {
            carriageReturn_ = false;
            if (c == '\n')
                continue;
        }
        if (!recordStarted_) {
            recordStarted_ = true;
            record_.line = line;
        }
        if (quoted_) {
            if (quoteSeen_) {
                quoteSeen_ = false;
                if (c == '"') {
                    field_ += '"';
                    continue;
                }
                quoted_ = false; // the closing quote; c is read below as outside quotes
            } else if (c == '"') {
                quoteSeen_ = true;
                continue;
            } else {
                field_ += c;
                continue;
            }
        }
        switch (c) {
        case ',':
            endField();
            break;
        case '\r':
            carriageReturn_ = true;
            endRecord();
            break;
        case '\n':
            endRecord();
            break;
        case '"':
            if (!fieldStarted_) {
                quoted_ = true;
                quoteLine_ = line;
                fieldStarted_ = true;
                break;
            }
            [[fallthrough]];
        default:
            field_ += c;
            fieldStarted_ = true;
        }
    }
}

void CsvReader::finish()
{
    if (quoted_ && !quoteSeen_)
        unclosedQuote_ = quoteLine_;
    quoted_ = quoteSeen_ = false;
    if (fieldStarted_ || !record_.fields.empty())
        endRecord();
}

void CsvReader::endField()
{
    record_.fields.push_back(std::move(field_));
    field_.clear();
    fieldStarted_ = false;
}

void CsvReader::endRecord()
{
    // A line with nothing on it is a record of one empty field.
    recordStarted_ = false;
    endField();
    records_.push_back(std::move(record_));
    record_ = {};
}

namespace {

bool needsQuotes(std::string_view field)
{
    return field.find_first_of(",\"\r\n") != std::string_view::npos
        || (!field.empty() && (field.front() == ' ' || field.back() == ' '));
}

} // namespace

void appendCsvRecord(std::string& out, const std::vector<std::string>& fields)
{
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += ',';
        const std::string& field = fields[i];
        if (!needsQuotes(field)) {
            out += field;
            continue;
        }
        out += '"';
        for (const char c : field) {
            if (c == '"')
                out += '"';
            out += c;
        }
        out += '"';
    }
    out += "\r\n";
}

} // namespace kandelo::batch
