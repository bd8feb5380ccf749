#pragma once

#include "months/months_calc.h"
#include "months/months_report.h"
#include "months/sheet.h"

#include <QDateTime>
#include <QMainWindow>

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace kandelo::forms {
class DesktopService;
class MessageBoxService;
} // namespace kandelo::forms
namespace kandelo::program {
struct SelectionInputs;
}

namespace kandelo::months {

class ChartsView;

// The window 月別の力率: a customer's months typed, pasted or opened from a
// file, each month's power factor billed and the capacity it needs, and the
// plan of a fixed and an automatic capacitor with what each saves. Every
// figure it shows is read from one result, worked out again at each change.
class MonthsWindow : public QMainWindow {
    Q_OBJECT

public:
    MonthsWindow(forms::DesktopService& desktop, forms::MessageBoxService& messages, QWidget* parent = nullptr);
    ~MonthsWindow() override;

    // The customer, the site and the person in charge, shared with the
    // window 標準容量の選定: shown here, and what is typed here goes there.
    void shareSelection(program::SelectionInputs* selection);
    // The target, as the sizing screen had it.
    void setTarget(const QString& target);
    // Opens a customer's file; says why in a message when it cannot.
    bool openFile(const QString& path);
    bool save();
    bool saveAs();

    Sheet sheet() const;
    const MonthsResult& result() const { return result_; }
    bool isModified() const { return modified_; }

    // Copy, PDF and print of the months as they stand.
    void copy() const;
    void saveAsPdf();
    void print();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    QWidget* buildSettings();
    void edited();
    void recompute();
    // Every cell an item: those of the figures typed editable, those worked
    // out read-only and shaded.
    void completeRows();
    // The columns typed into: the figures of a month, then the file's others.
    int typedColumns() const;
    void showSheet(const Sheet& sheet);
    void paste();
    void deleteSelection();
    bool writeFile(const QString& path);
    void updateTitle();
    MonthsReport currentReport() const;
    QString proposedFolder() const;

    forms::DesktopService& desktop_;
    forms::MessageBoxService& messages_;
    program::SelectionInputs* shared_ = nullptr;
    QLineEdit* customer_;
    QLineEdit* site_;
    QLineEdit* person_;
    QLineEdit* target_;
    QButtonGroup* frequency_;
    QComboBox* rule_;
    QLineEdit* basis_;
    QLineEdit* step_;
    QLineEdit* fixedOnlyCost_;
    QLineEdit* fixedAutoCost_;
    QTableWidget* table_;
    QTableWidget* plan_;
    QLabel* notes_;
    ChartsView* charts_;
    std::vector<std::string> otherHeadings_; // the file's columns the months do not read, kept
    MonthsResult result_;
    QString path_;
    QDateTime calculatedAt_;
    bool modified_ = false;
    bool showing_ = false; // the window fills its fields: no edit of the user's
};

} // namespace kandelo::months
