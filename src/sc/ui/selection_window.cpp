#include "sc/ui/selection_window.h"

#include "ui_selection_window.h"

#include "core/utf8.h"
#include "forms/ui/colours.h"
#include "forms/ui/fitting_widgets.h"
#include "program/typed_text.h"
#include "sc/captions.h"

#include <QAccessible>
#include <QHeaderView>
#include <QKeySequence>
#include <QShortcut>

namespace kandelo::sc {

namespace {

// The rows of the table, top to bottom.
enum Row { Total, Units, Capacitor, Reactor, PfAfter, LightLoadPf, MonthlySaving, YearlySaving, RowCount };

QString pfText(const std::optional<PfWithUnit>& pf)
{
    return pf ? QString::fromStdString(pfWithUnitText(*pf)) : QString();
}

QString yen(const std::optional<double>& yen)
{
    return yen ? QString::fromStdString(yenText(*yen)) : QString();
}

// What a row shows for a frequency.
QString cellText(Row row, const FrequencySelection& chosen)
{
    switch (row) {
    case Total:
        return QString::fromStdString(chosen.total);
    case Units:
        return QString::fromStdString(chosen.composition);
    case Capacitor:
        return QString::fromStdString(chosen.capacitorRating);
    case Reactor:
        return QString::fromStdString(chosen.reactorRating);
    case PfAfter:
        return pfText(chosen.pf);
    case LightLoadPf:
        return pfText(chosen.lightLoadPf);
    case MonthlySaving:
        return yen(chosen.monthlySaving);
    case YearlySaving:
        return yen(chosen.yearlySaving);
    case RowCount:
        break;
    }
    return {};
}

QString rowCaption(Row row, const std::string& reactor)
{
    switch (row) {
    case Total:
        return QString::fromUtf8(UnitTotalCaption);
    case Units:
        return QString::fromUtf8(UnitsCaption);
    case Capacitor:
        return QString::fromUtf8(UnitCapacitorCaption) + QString::fromStdString(reactor);
    case Reactor:
        return QString::fromUtf8(UnitReactorCaption);
    case PfAfter:
        return QString::fromUtf8(PfAfterCaption);
    case LightLoadPf:
        return QString::fromUtf8(LightLoadPfCaption);
    case MonthlySaving:
        return QString::fromUtf8(MonthlySavingCaption);
    case YearlySaving:
        return QString::fromUtf8(YearlySavingCaption);
    case RowCount:
        break;
    }
    return {};
}

} // namespace

SelectionWindow::SelectionWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , ui_(std::make_unique<Ui::SelectionWindow>())
{
    ui_->setupUi(this);
    setWindowTitle(QString::fromUtf8(SelectionTitle));

    QTableWidget* table = ui_->results;
    table->setRowCount(RowCount);
    table->setColumnCount(static_cast<int>(CatalogueFrequencies.size()));
    table->setAccessibleName(QString::fromUtf8(SelectionTitle));
    for (int column = 0; column < table->columnCount(); ++column)
        table->setHorizontalHeaderItem(
            column, new QTableWidgetItem(QString::fromUtf8(CatalogueFrequencies[static_cast<std::size_t>(column)])));
    for (int row = 0; row < RowCount; ++row) {
        auto* caption = new QTableWidgetItem(rowCaption(static_cast<Row>(row), std::string(ReactorSixCaption)));
        caption->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        table->setVerticalHeaderItem(row, caption);
        for (int column = 0; column < table->columnCount(); ++column) {
            auto* cell = new QTableWidgetItem;
            cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            table->setItem(row, column, cell);
        }
    }
    table->setItemDelegate(new forms::FittingItemDelegate(table));
    for (QHeaderView* header : {table->horizontalHeader(), table->verticalHeader()}) {
        header->setSectionResizeMode(QHeaderView::Fixed);
        header->setHighlightSections(false);
    }
    table->setCurrentCell(0, 0);

    const std::pair<QLabel*, std::string_view> inputCaptions[] = {{ui_->lightKwCaption, LightLoadKwCaption},
        {ui_->lightKvarCaption, LightLoadKvarCaption}, {ui_->contractCaption, ContractCaption},
        {ui_->unitPriceCaption, UnitPriceCaption}, {ui_->customerCaption, CustomerCaption},
        {ui_->siteCaption, SiteCaption}, {ui_->personCaption, PersonCaption}};
    const QList<QLineEdit*> boxes{
        ui_->lightKw, ui_->lightKvar, ui_->contractKw, ui_->unitPrice, ui_->customer, ui_->site, ui_->person};
    for (qsizetype at = 0; at < boxes.size(); ++at) {
        inputCaptions[at].first->setText(QString::fromUtf8(inputCaptions[at].second));
        // Screen readers name each box after its caption.
        inputCaptions[at].first->setBuddy(boxes[at]);
        QLineEdit* box = boxes[at];
        connect(box, &QLineEdit::textEdited, this, [this, box] { edited(box); });
    }
    // The figures take half-width digits: no input-method composition there.
    for (QLineEdit* figure : {ui_->lightKw, ui_->lightKvar, ui_->contractKw, ui_->unitPrice})
        figure->setAttribute(Qt::WA_InputMethodEnabled, false);
    ui_->given->setTitle(QStringLiteral("入力（どれも省略できます）"));
    ui_->note->setText(QString::fromUtf8(ContractNote));
    forms::setTextColour(ui_->warnings, forms::colour::DarkRed);
    forms::setTextColour(ui_->problems, forms::colour::Red);
    ui_->notice->hide();
    ui_->closeButton->setText(QStringLiteral("閉じる"));
    connect(ui_->closeButton, &QPushButton::clicked, this, &QWidget::close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
    escape->setContext(Qt::WindowShortcut);
    fitTable();
}

SelectionWindow::~SelectionWindow() = default;

SelectionInputs SelectionWindow::inputs() const
{
    const auto typed = [](const QLineEdit* box) { return box->text().toStdString(); };
    return {typed(ui_->lightKw), typed(ui_->lightKvar), typed(ui_->contractKw), typed(ui_->unitPrice),
        typed(ui_->customer), typed(ui_->site), typed(ui_->person)};
}

void SelectionWindow::setInputs(const SelectionInputs& inputs)
{
    const auto set = [](QLineEdit* box, const std::string& typed) {
        if (box->text().toStdString() != typed)
            box->setText(QString::fromStdString(typed));
    };
    set(ui_->lightKw, inputs.lightKw);
    set(ui_->lightKvar, inputs.lightKvar);
    set(ui_->contractKw, inputs.contractKw);
    set(ui_->unitPrice, inputs.unitPrice);
    set(ui_->customer, inputs.customer);
    set(ui_->site, inputs.site);
    set(ui_->person, inputs.person);
}

// A field holds one line: a tab or a line break pasted in is a space. The
// texts take at most program::MaxTypedTextLength characters; a paste cut to
// that length is said under the fields.
void SelectionWindow::edited(QLineEdit* box)
{
    const std::string typed = box->text().toStdString();
    std::string line = program::oneLine(typed);
    const bool text = box == ui_->customer || box == ui_->site || box == ui_->person;
    const bool cut = text && core::characterCount(line) > program::MaxTypedTextLength;
    if (cut)
        line = core::firstCharacters(line, program::MaxTypedTextLength);
    if (line != typed) {
        const int cursor = box->cursorPosition();
        box->setText(QString::fromStdString(line));
        box->setCursorPosition(std::min(cursor, static_cast<int>(box->text().size())));
    }
    std::vector<std::string> notice;
    if (cut) {
        const QLabel* caption = qobject_cast<QLabel*>(ui_->inputs->labelForField(box));
        notice.push_back(caption->text().toStdString() + "：" + std::to_string(program::MaxTypedTextLength)
            + "文字までのため、後ろを切りました");
    }
    showLines(ui_->notice, notice);
    emit inputsEdited();
}

void SelectionWindow::showSelection(const UnitSelection& selection)
{
    QTableWidget* table = ui_->results;
    table->verticalHeaderItem(Capacitor)->setText(rowCaption(Capacitor, selection.reactor));
    for (int row = 0; row < RowCount; ++row)
        for (std::size_t at = 0; at < selection.frequencies.size(); ++at)
            table->item(row, static_cast<int>(at))->setText(cellText(static_cast<Row>(row), selection.frequencies[at]));
    fitTable();
    showLines(ui_->warnings, warningsOf(selection));
    showLines(ui_->problems, selection.problems);
}

void SelectionWindow::showLines(QLabel* label, const std::vector<std::string>& lines)
{
    QStringList shown;
    for (const std::string& line : lines)
        shown << QString::fromStdString(line);
    const QString text = shown.join(u'\n');
    label->setVisible(!shown.isEmpty());
    if (label->text() == text)
        return;
    label->setText(text);
    if (shown.isEmpty())
        return;
    QAccessibleEvent alert(label, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

// The table as large as its figures: no figure is cut and none scrolls away.
void SelectionWindow::fitTable()
{
    QTableWidget* table = ui_->results;
    const int padding = fontMetrics().averageCharWidth();
    const int least = fontMetrics().horizontalAdvance(QStringLiteral("0")) * 12;
    table->resizeColumnsToContents();
    for (int column = 0; column < table->columnCount(); ++column)
        table->setColumnWidth(column, std::max(least, table->columnWidth(column) + 2 * padding));
    table->resizeRowsToContents();
    const int width = table->verticalHeader()->width() + table->horizontalHeader()->length() + 2 * table->frameWidth();
    const int height =
        table->horizontalHeader()->height() + table->verticalHeader()->length() + 2 * table->frameWidth();
    table->setFixedSize(width, height);
}

} // namespace kandelo::sc
