#include "app/report_commands.h"

#include "app/app.h"
#include "app/version.h"
#include "forms/ui/desktop.h"
#include "forms/ui/message_box.h"
#include "forms/ui/window_commands.h"
#include "pf/ui/frmpf.h"
#include "report/ui/report_page.h"
#include "sc/ui/frmsc.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QMimeData>
#include <QPdfWriter>
#include <QSaveFile>
#include <QStandardPaths>

namespace kandelo::app {

namespace {

QString dateTimeText(const QDateTime& at)
{
    return at.toString(QStringLiteral("yyyy年M月d日 H:mm"));
}

} // namespace

ReportCommands::ReportCommands(App& app)
    : app_(app)
{
}

void ReportCommands::install(QWidget* window)
{
    forms::addWindowCommands(window,
        {
            {QStringLiteral("コピー"), QKeySequence::Copy, [this] { app_.run([this] { copy(); }); }},
            {QStringLiteral("PDFで保存..."), QKeySequence(Qt::CTRL | Qt::Key_S),
                [this, window] { app_.run([this, window] { saveAsPdf(window); }); }},
            {QStringLiteral("印刷..."), QKeySequence(Qt::CTRL | Qt::Key_P),
                [this, window] { app_.run([this, window] { print(window); }); }},
        });
}

report::Report ReportCommands::currentReport() const
{
    const pf::FrmPf& pf = app_.frmPf();
    std::optional<report::ScScreenTexts> sc;
    QDateTime at = pf.calculatedAt();
    if (app_.frmSc().isLoaded()) {
        sc = app_.frmSc().reportTexts();
        at = app_.frmSc().calculatedAt();
    }
    return report::buildReport(pf.reportTexts(), sc, dateTimeText(at).toStdString());
}

void ReportCommands::copy()
{
    const report::Report report = currentReport();
    auto* data = new QMimeData;
    data->setText(QString::fromStdString(report::plainText(report)));
    data->setHtml(QString::fromStdString(report::html(report)));
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
    const report::Report report = currentReport();
    const QString path = app_.desktop().saveFileName(parent, QStringLiteral("PDFで保存"),
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
            writer.setCreator(QString::fromUtf8(ApplicationTitle));
            report::paintReportPage(writer, report, app_.frmPf().dialNeedleTip());
        }
        written = file.commit();
    }
    if (written)
        app_.desktop().tell(parent, QStringLiteral("PDFを保存しました：%1").arg(QDir::toNativeSeparators(path)));
    else
        app_.messageBox().show(QStringLiteral("PDFを保存できませんでした：%1").arg(QDir::toNativeSeparators(path)));
}

void ReportCommands::print(QWidget* parent)
{
    const report::Report report = currentReport();
    const pf::TwipPoint needle = app_.frmPf().dialNeedleTip();
    const forms::PrintOutcome outcome = app_.desktop().printPage(
        parent, [&](QPaintDevice& printer) { report::paintReportPage(printer, report, needle); });
    if (outcome == forms::PrintOutcome::Unavailable)
        app_.messageBox().show(QStringLiteral("印刷できませんでした：印刷の部品（kandelo_print）が見つかりません"));
}

} // namespace kandelo::app
