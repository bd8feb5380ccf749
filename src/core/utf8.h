#pragma once

#include <cstddef>
#include <string_view>

namespace kandelo::core {

// The number of characters of a UTF-8 text.
std::size_t characterCount(std::string_view utf8);

// The first `count` characters of a UTF-8 text.
std::string_view firstCharacters(std::string_view utf8, std::size_t count);

} // namespace kandelo::core
