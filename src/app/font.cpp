#include "app/font.h"

#include <QStringList>

namespace kandelo::app {

QFont gothicFont(qreal pointSize, bool bold)
{
    static const QStringList families{
        QStringLiteral("IPAPGothic"),
        QStringLiteral("IPAexGothic"),
        QStringLiteral("MS PGothic"),
        QStringLiteral("ＭＳ Ｐゴシック"),
        QStringLiteral("Noto Sans CJK JP"),
        QStringLiteral("VL PGothic"),
        QStringLiteral("TakaoPGothic"),
        QStringLiteral("IPAGothic"),
        QStringLiteral("sans-serif"),
    };
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace kandelo::app
