#include "forms/ui/desktop.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QLibrary>
#include <QMessageBox>
#include <QPushButton>
#include <QToolTip>
#include <QWidget>

namespace kandelo::forms {

namespace {

// The print module's function, loaded at the first call; nothing when the
// module is not installed.
PrintPageFunction printModule()
{
    static const PrintPageFunction function = [] {
        // Beside the executable in a build, in the library folder once installed.
        const QString beside = QCoreApplication::applicationDirPath();
        for (const QString& folder : {beside, beside + QStringLiteral("/" KANDELO_MODULE_DIR)}) {
            QLibrary module(folder + QStringLiteral("/kandelo_print"));
            if (auto* found = reinterpret_cast<PrintPageFunction>(module.resolve("kandeloPrintPage")))
                return found;
        }
        return PrintPageFunction{};
    }();
    return function;
}

} // namespace

QString SystemDesktop::saveFileName(
    QWidget* parent, const QString& caption, const QString& proposed, const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, caption, proposed, filter);
}

QString SystemDesktop::openFileName(
    QWidget* parent, const QString& caption, const QString& folder, const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

SaveAnswer SystemDesktop::askToSave(QWidget* parent, const QString& question)
{
    QMessageBox box(QMessageBox::Warning, parent ? parent->windowTitle() : QString(), question,
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.button(QMessageBox::Save)->setText(QStringLiteral("保存する(&S)"));
    box.button(QMessageBox::Discard)->setText(QStringLiteral("保存しない(&N)"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("キャンセル"));
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        return SaveAnswer::Save;
    case QMessageBox::Discard:
        return SaveAnswer::Discard;
    default:
        return SaveAnswer::Cancel;
    }
}

PrintOutcome SystemDesktop::printPage(QWidget* parent, const std::function<void(QPaintDevice&)>& paintPage)
{
    const PrintPageFunction print = printModule();
    if (!print)
        return PrintOutcome::Unavailable;
    return print(parent, paintPage) ? PrintOutcome::Printed : PrintOutcome::Cancelled;
}

void SystemDesktop::tell(QWidget* window, const QString& text)
{
    constexpr int ShownForMs = 8000;
    if (!window)
        return;
    const QPoint bottomLeft = window->mapToGlobal(QPoint(0, window->height()));
    QToolTip::showText(bottomLeft, text, window, QRect(), ShownForMs);
}

} // namespace kandelo::forms
