#pragma once

namespace kandelo::app {

class App;

// The start-up procedure: starts a new calculation and asks for the active
// energy. Any failure on the way is reported as "エラー　終了します"; with no
// form loaded the program then ends.
void Main(App& app);

} // namespace kandelo::app
