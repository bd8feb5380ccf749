#pragma once

class QCoreApplication;

namespace kandelo::app {

// Installs Qt's own Japanese texts (the text boxes' menus, the standard
// dialogs' buttons) whatever the locale, since every text of the program is
// Japanese. False when the distribution's translation is not installed.
bool installQtJapanese(QCoreApplication& application);

} // namespace kandelo::app
