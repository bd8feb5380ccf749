#pragma once

#include "batch/messages.h"

#include <cstddef>
#include <string_view>

// What the months' file and command line say on standard error and in the
// window, in the user's language.

namespace kandelo::months::message {

using batch::Text;

Text noEnergyColumns();
Text moreFieldsThanHeading(std::size_t line);
Text tooManyMonths(std::size_t line);
Text unknownSetting(std::string_view caption, std::string_view value, std::size_t line);
Text frequencyNeeded();
Text targetNeeded();
Text unknownFrequency(std::string_view value);
Text inputNeeded();
Text oneFile(std::string_view argument);
Text onlyWithMonths(std::string_view option);
Text notWithBatch();

} // namespace kandelo::months::message
