#include "forms/ui/page_output.h"

#include "forms/ui/desktop.h"
#include "forms/ui/message_box.h"

#include <QDir>
#include <QPdfWriter>
#include <QSaveFile>
#include <QStandardPaths>

namespace kandelo::forms {

QString documentsFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return folder.isEmpty() || !QDir(folder).exists() ? QDir::homePath() : folder;
}

void saveAsPdf(DesktopService& desktop, MessageBoxService& messages, QWidget* parent, const QString& proposed,
    const PdfDocument& document, const std::function<void(QPaintDevice&)>& paint)
{
    const QString path =
        desktop.saveFileName(parent, QStringLiteral("PDFで保存"), proposed, QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    bool written = file.open(QIODevice::WriteOnly);
    if (written) {
        {
            QPdfWriter writer(&file);
            writer.setPageSize(QPageSize(QPageSize::A4));
            writer.setPageOrientation(document.orientation);
            writer.setResolution(600);
            writer.setTitle(document.title);
            writer.setCreator(document.creator);
            paint(writer);
        }
        written = file.commit();
    }
    if (written)
        desktop.tell(parent, QStringLiteral("PDFを保存しました：%1").arg(QDir::toNativeSeparators(path)));
    else
        messages.show(QStringLiteral("PDFを保存できませんでした：%1").arg(QDir::toNativeSeparators(path)));
}

void print(DesktopService& desktop, MessageBoxService& messages, QWidget* parent,
    const std::function<void(QPaintDevice&)>& paint)
{
    if (desktop.printPage(parent, paint) == PrintOutcome::Unavailable)
        messages.show(QStringLiteral("印刷できませんでした：印刷の部品（kandelo_print）が見つかりません"));
}

} // namespace kandelo::forms
