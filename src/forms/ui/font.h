#pragma once

#include <QFont>

namespace kandelo::forms {

// The design font of every control, the proportional Japanese Gothic
// "ＭＳ Ｐゴシック", mapped to one that is installed.
QFont gothicFont(qreal pointSize, bool bold = false);

} // namespace kandelo::forms
