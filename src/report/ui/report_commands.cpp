#include "report/ui/report_commands.h"

#include "forms/ui/desktop.h"
#include "forms/ui/form_runtime.h"
#include "forms/ui/message_box.h"
#include "forms/ui/window_commands.h"
#include "program/version.h"
#include "report/screen_texts.h"
#include "report/ui/report_page.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QMimeData>
#include <QPdfWriter>
#include <QSaveFile>
#include <QStandardPaths>

namespace kandelo::report {

namespace {

QString dateTimeText(const QDateTime& at)
{
    return at.toString(QStringLiteral("yyyy年M月d日 H:mm"));
}

} // namespace

ReportCommands::ReportCommands(ReportSource& source, forms::FormRuntime& runtime)
    : source_(source)
    , runtime_(runtime)
{
}

void ReportCommands::install(QWidget* window)
{
    forms::addWindowCommands(window,
        {
            {QStringLiteral("コピー"), QKeySequence::Copy, [this] { runtime_.run([this] { copy(); }); }},
            {QStringLiteral("PDFで保存..."), QKeySequence(Qt::CTRL | Qt::Key_S),
                [this, window] { runtime_.run([this, window] { saveAsPdf(window); }); }},
            {QStringLiteral("印刷..."), QKeySequence(Qt::CTRL | Qt::Key_P),
                [this, window] { runtime_.run([this, window] { print(window); }); }},
        });
}

Report ReportCommands::currentReport() const
{
    const pf::PfScreen* pf = source_.powerFactor();
    std::optional<ScScreenTexts> sc;
    if (const sc::SizingResult* sizing = source_.sizing())
        sc = screenTexts(*sizing, source_.figures());
    return buildReport(pf ? screenTexts(*pf) : PfScreenTexts{}, sc, dateTimeText(source_.calculatedAt()).toStdString());
}

void ReportCommands::copy()
{
    const Report report = currentReport();
    auto* data = new QMimeData;
    data->setText(QString::fromStdString(plainText(report)));
    data->setHtml(QString::fromStdString(html(report)));
    QGuiApplication::clipboard()->setMimeData(data);
}

QString ReportCommands::proposedPdfPath(const QDateTime& at)
{
    // The documents folder where there is one; a folder that does not exist
    // would have the dialog fall back on the working folder unnoticed.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    return QDir(folder).filePath(at.toString(QStringLiteral("'力率計算_'yyyy-MM-dd_HHmm'.pdf'")));
}

void ReportCommands::saveAsPdf(QWidget* parent)
{
    const Report report = currentReport();
    const QString path = runtime_.desktop().saveFileName(parent, QStringLiteral("PDFで保存"),
        proposedPdfPath(QDateTime::currentDateTime()), QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    // The page goes to a file beside the chosen one, which takes its place
    // only once it is complete.
    QSaveFile file(path);
    bool written = file.open(QIODevice::WriteOnly);
    if (written) {
        {
            QPdfWriter writer(&file);
            writer.setPageSize(QPageSize(QPageSize::A4));
            writer.setPageOrientation(QPageLayout::Portrait);
            writer.setResolution(600);
            writer.setTitle(QString::fromStdString(report.title));
            writer.setCreator(QString::fromUtf8(program::ApplicationTitle));
            paintReportPage(writer, report, source_.dialNeedleTip());
        }
        written = file.commit();
    }
    if (written)
        runtime_.desktop().tell(parent, QStringLiteral("PDFを保存しました：%1").arg(QDir::toNativeSeparators(path)));
    else
        runtime_.messageBox().show(QStringLiteral("PDFを保存できませんでした：%1").arg(QDir::toNativeSeparators(path)));
}

void ReportCommands::print(QWidget* parent)
{
    const Report report = currentReport();
    const pf::TwipPoint needle = source_.dialNeedleTip();
    const forms::PrintOutcome outcome =
        runtime_.desktop().printPage(parent, [&](QPaintDevice& printer) { paintReportPage(printer, report, needle); });
    if (outcome == forms::PrintOutcome::Unavailable)
        runtime_.messageBox().show(QStringLiteral("印刷できませんでした：印刷の部品（kandelo_print）が見つかりません"));
}

} // namespace kandelo::report
