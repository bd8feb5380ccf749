#pragma once

namespace kandelo::program {

// strInputMode: the figure that the next opening of the input dialog asks for
// ("inputkwh", "inputkvarh", "inputHours", "inputTargetPf"). None until the
// start-up procedure first sets it; the dialog then leaves its prompt as designed.
enum class InputMode { None, Kwh, Kvarh, Hours, TargetPf };

} // namespace kandelo::program
