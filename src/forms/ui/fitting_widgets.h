#pragma once

#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyledItemDelegate>

// Controls that show a computed text of any length whole. A text that fits
// is drawn exactly as a plain control draws it. A wider one is drawn in a
// smaller size of the same face, down to a readable minimum, and only then
// with its middle elided ("1,230…000"), so its first and last characters
// always show; it keeps FittedMargin clear of the control's edges, so that a
// minus sign never reads as part of the border. The control's text itself,
// which tooltips and screen readers read, stays whole.

namespace kandelo::forms {

inline constexpr qreal MinimumFittedPointSize = 8;
// Device-independent pixels, two at 96 dpi.
inline constexpr int FittedMargin = 2;

// How a text is drawn in `width` pixels with a design font: as it is when it
// fits, otherwise within width less FittedMargin on either side.
struct FittedText {
    QFont font;
    QString text;
};
FittedText fitText(const QString& text, const QFont& font, int width);

class FittingLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

    // The text and font as drawn now.
    FittedText shown() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
};

// While it has the focus the box scrolls as usual, so what is typed stays in view.
class FittingLineEdit : public QLineEdit {
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

    FittedText shown() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect textArea() const;
};

class FittingGroupBox : public QGroupBox {
    Q_OBJECT

public:
    using QGroupBox::QGroupBox;

    // The caption and font as drawn now.
    FittedText shown() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
};

// The rows of a list.
class FittingItemDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

} // namespace kandelo::forms
