#pragma once

#include "sc/unit_selection.h"

#include <QWidget>

#include <memory>

class QLabel;
class QLineEdit;

namespace Ui {
class SelectionWindow;
}

namespace kandelo::sc {

// The window "標準容量の選定": the standard unit of each frequency for the
// sizing screen's required capacity, its ratings, the power factor it gives
// and the saving, as a table of a row for each figure and a column for each
// frequency, beside the figures it asks for. It shows what it is given and
// tells when the user edits a field; the sizing screen does the rest.
class SelectionWindow : public QWidget {
    Q_OBJECT

public:
    explicit SelectionWindow(QWidget* parent);
    ~SelectionWindow() override;

    SelectionInputs inputs() const;
    void setInputs(const SelectionInputs& inputs);
    void showSelection(const UnitSelection& selection);

signals:
    void inputsEdited();

private:
    void edited(QLineEdit* box);
    // Shows lines of text in a label, and has a screen reader announce them
    // when they are new.
    void showLines(QLabel* label, const std::vector<std::string>& lines);
    void fitTable();

    std::unique_ptr<Ui::SelectionWindow> ui_;
};

} // namespace kandelo::sc
