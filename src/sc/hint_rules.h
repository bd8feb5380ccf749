#pragma once

#include <string>
#include <string_view>

// The state-dependent pointer hints of the capacitor sizing screen, set again
// whenever the pointer moves over their control. The fixed hints are part of
// the screen's design.

namespace kandelo::sc::hint {

// txtScKvar, txtScKvar2 and txtLKvar.
std::string capacityBox(std::string_view lblLCaption);
// lblL: names the case that the next click calculates.
std::string reactorLabel(std::string_view lblLCaption);
// Both capacitance lists.
std::string capacitanceLists(bool option2Selected);

} // namespace kandelo::sc::hint
