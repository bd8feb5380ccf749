#pragma once

#include "sc/unit_selection.h"

#include <QWidget>

#include <memory>

namespace Ui {
class SelectionWindow;
}

namespace kandelo::sc {

// The window "標準容量の選定": the standard unit of each frequency for the
// sizing screen's required capacity, its ratings, the power factor it gives
// and the saving, beside the figures it asks for. It shows what it is given
// and tells when the user edits a field; the sizing screen does the rest.
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
    std::unique_ptr<Ui::SelectionWindow> ui_;
};

} // namespace kandelo::sc
