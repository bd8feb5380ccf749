#pragma once

#include <string>
#include <string_view>

namespace kandelo::report {

// Appends text to HTML with its &, <, > and " written as entities.
void appendEscaped(std::string& out, std::string_view text);

} // namespace kandelo::report
