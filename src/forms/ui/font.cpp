#include "forms/ui/font.h"

#include <QCoreApplication>
#include <QFile>
#include <QFontDatabase>
#include <QStringList>

namespace kandelo::forms {

QFont gothicFont(qreal pointSize, bool bold)
{
    static const QStringList families{
#ifdef Q_OS_WIN
        // Every Japanese Windows has the design font itself.
        QStringLiteral("MS PGothic"),
        QStringLiteral("ＭＳ Ｐゴシック"),
#endif
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
    // Unhinted outlines: hinting a large CJK face makes FreeType read much of
    // the font file at start-up (1.3 MiB of resident memory), for a difference
    // in the glyphs that is hard to see at these sizes.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void loadCarriedFont()
{
    const QString carried = QCoreApplication::applicationDirPath() + QStringLiteral("/fonts/ipagp.ttf");
    if (!QFile::exists(carried) || QFontDatabase::families().contains(QStringLiteral("MS PGothic")))
        return;
    QFontDatabase::addApplicationFont(carried);
}

} // namespace kandelo::forms
