#pragma once

#include <QString>

#include <functional>

class QPaintDevice;
class QWidget;

namespace kandelo::forms {

enum class PrintOutcome { Printed, Cancelled, Unavailable };
enum class SaveAnswer { Save, Discard, Cancel };

// The desktop's own dialogs that a command needs: where to save a file, and
// the print dialog. Replaceable, as the message boxes are.
class DesktopService {
public:
    virtual ~DesktopService() = default;
    // The file chosen in the save dialog, which asks before overwriting one;
    // empty when the user cancels.
    virtual QString saveFileName(
        QWidget* parent, const QString& caption, const QString& proposed, const QString& filter) = 0;
    // The file chosen in the open dialog; empty when the user cancels.
    virtual QString openFileName(
        QWidget* parent, const QString& caption, const QString& folder, const QString& filter) = 0;
    // Asks whether to save the changes before they are closed.
    virtual SaveAnswer askToSave(QWidget* parent, const QString& question) = 0;
    // Prints, painted by paintPage on the printer chosen in the print dialog
    // (a painter may turn the printer's pages).
    virtual PrintOutcome printPage(QWidget* parent, const std::function<void(QPaintDevice&)>& paintPage) = 0;
    // Tells the user something done, without a box to close: a note beside
    // the window that goes by itself.
    virtual void tell(QWidget* window, const QString& text) = 0;
};

// The real dialogs. Printing lives in a module of its own, so that Qt's print
// support is loaded only when the user first prints.
class SystemDesktop final : public DesktopService {
public:
    QString saveFileName(
        QWidget* parent, const QString& caption, const QString& proposed, const QString& filter) override;
    QString openFileName(
        QWidget* parent, const QString& caption, const QString& folder, const QString& filter) override;
    SaveAnswer askToSave(QWidget* parent, const QString& question) override;
    PrintOutcome printPage(QWidget* parent, const std::function<void(QPaintDevice&)>& paintPage) override;
    void tell(QWidget* window, const QString& text) override;
};

// The signature of the function the print module exports as kandeloPrintPage.
using PrintPageFunction = bool (*)(QWidget* parent, const std::function<void(QPaintDevice&)>& paintPage);

} // namespace kandelo::forms
