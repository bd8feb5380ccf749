#pragma once

#include "batch/csv.h"
#include "batch/encoding.h"

#include <functional>
#include <optional>
#include <string_view>
#include <vector>

// An input file of CSV read as text, in the encodings of a Japanese office.

namespace kandelo::batch {

class ByteSource;

// Reads the input once to judge it whole: its encoding, as stated or told
// from the whole input (UTF-8, with or without a byte-order mark, else
// CP932), and its quotes. A byte of no encoding, or a quote never closed,
// raises BatchError naming the input by `name`.
Encoding judgeInput(std::string_view name, std::optional<Encoding> statedEncoding, ByteSource& input);

// Reads the input again from its start, in the encoding judged, and hands
// its records over in UTF-8 as they complete; `take` takes them out of the
// vector. Raises BatchError should the input no longer be of that encoding.
void readRecords(std::string_view name, Encoding encoding, ByteSource& input,
    const std::function<void(std::vector<CsvRecord>&)>& take);

} // namespace kandelo::batch
