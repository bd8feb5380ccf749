#pragma once

#include <QList>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

// A PDF read back by poppler's tools, as a reader of the file would see it.

// What a poppler tool prints for a PDF file; empty when it fails.
inline QString poppler(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(20000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// poppler's tools read the PDF files back; where there are none (Windows),
// the test of a PDF's text is skipped, the page's layout being tested on an image.
#define REQUIRE_POPPLER()                                                                                            \
    do {                                                                                                             \
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())                                   \
            QSKIP("no pdftotext (poppler-utils) to read the PDF back");                                             \
    } while (false)

struct PdfWord {
    QString text;
    QRectF box; // in points, from the page's top left
};

// The words of a page of a PDF with where they stand (pdftotext -bbox).
inline QList<PdfWord> pdfWords(const QString& file, int page = 1)
{
    const QString xml = poppler(QStringLiteral("pdftotext"),
        {QStringLiteral("-bbox"), QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"), QString::number(page),
            file, QStringLiteral("-")});
    QList<PdfWord> words;
    const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    for (auto match = word.globalMatch(xml); match.hasNext();) {
        const auto m = match.next();
        words.push_back({m.captured(5), QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                            QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
    }
    return words;
}
