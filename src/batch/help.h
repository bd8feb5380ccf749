#pragma once

#include <string_view>

namespace kandelo::batch {

// What --help prints: the command line in Japanese and English.
std::string_view helpText();

} // namespace kandelo::batch
