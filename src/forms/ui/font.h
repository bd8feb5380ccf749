#pragma once

#include <QFont>

namespace kandelo::forms {

// The design font of every control, the proportional Japanese Gothic
// "ＭＳ Ｐゴシック", mapped to one that is installed.
QFont gothicFont(qreal pointSize, bool bold = false);

// Where the program carries its own Gothic face beside it (fonts/ipagp.ttf,
// in its Windows package) and the system lacks ＭＳ Ｐゴシック, makes the
// carried face available. A system with neither file nor need pays nothing.
void loadCarriedFont();

} // namespace kandelo::forms
