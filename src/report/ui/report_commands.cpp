#include "report/ui/report_commands.h"

#include "forms/ui/form_runtime.h"
#include "forms/ui/page_output.h"
#include "forms/ui/window_commands.h"
#include "program/version.h"
#include "report/screen_texts.h"
#include "report/ui/report_page.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QMimeData>

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
    return QDir(forms::documentsFolder()).filePath(at.toString(QStringLiteral("'力率計算_'yyyy-MM-dd_HHmm'.pdf'")));
}

void ReportCommands::saveAsPdf(QWidget* parent)
{
    const Report report = currentReport();
    const pf::TwipPoint needle = source_.dialNeedleTip();
    forms::saveAsPdf(runtime_.desktop(), runtime_.messageBox(), parent, proposedPdfPath(QDateTime::currentDateTime()),
        {QString::fromStdString(report.title), QString::fromUtf8(program::ApplicationTitle), QPageLayout::Portrait},
        [&](QPaintDevice& writer) { paintReportPage(writer, report, needle); });
}

void ReportCommands::print(QWidget* parent)
{
    const Report report = currentReport();
    const pf::TwipPoint needle = source_.dialNeedleTip();
    forms::print(runtime_.desktop(), runtime_.messageBox(), parent,
        [&](QPaintDevice& printer) { paintReportPage(printer, report, needle); });
}

} // namespace kandelo::report
