#include "sc/ui/selection_window.h"

#include "ui_selection_window.h"

#include "forms/ui/colours.h"
#include "sc/captions.h"

#include <QSignalBlocker>

namespace kandelo::sc {

namespace {

QString pfText(const std::optional<PfWithUnit>& pf)
{
    return pf ? QString::fromStdString(pfWithUnitText(*pf)) : QString();
}

} // namespace

SelectionWindow::SelectionWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , ui_(std::make_unique<Ui::SelectionWindow>())
{
    ui_->setupUi(this);
    setWindowTitle(QString::fromUtf8(SelectionTitle));
    ui_->frequency50->setText(QString::fromUtf8(CatalogueFrequencies[0]));
    ui_->frequency60->setText(QString::fromUtf8(CatalogueFrequencies[1]));
    for (const auto& [label, caption] : {std::pair{ui_->unitTotalCaption, UnitTotalCaption},
             std::pair{ui_->unitsCaption, UnitsCaption}, std::pair{ui_->reactorCaption, UnitReactorCaption},
             std::pair{ui_->pfAfterCaption, PfAfterCaption}, std::pair{ui_->lightLoadPfCaption, LightLoadPfCaption},
             std::pair{ui_->monthlySavingCaption, MonthlySavingCaption},
             std::pair{ui_->yearlySavingCaption, YearlySavingCaption}})
        label->setText(QString::fromUtf8(caption));
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
        connect(boxes[at], &QLineEdit::textEdited, this, &SelectionWindow::inputsEdited);
    }
    // The figures take half-width digits: no input-method composition there.
    for (QLineEdit* figure : {ui_->lightKw, ui_->lightKvar, ui_->contractKw, ui_->unitPrice})
        figure->setAttribute(Qt::WA_InputMethodEnabled, false);
    ui_->given->setTitle(QStringLiteral("入力（どれも省略できます）"));
    ui_->note->setText(QString::fromUtf8(ContractNote));
    forms::setTextColour(ui_->warnings, forms::colour::DarkRed);
    forms::setTextColour(ui_->problems, forms::colour::Red);
    ui_->closeButton->setText(QStringLiteral("閉じる"));
    connect(ui_->closeButton, &QPushButton::clicked, this, &QWidget::close);
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

void SelectionWindow::showSelection(const UnitSelection& selection)
{
    ui_->capacitorCaption->setText(QString::fromUtf8(UnitCapacitorCaption) + QString::fromStdString(selection.reactor));
    const std::array<std::array<QLabel*, 8>, 2> cells{{
        {ui_->total50, ui_->units50, ui_->capacitor50, ui_->reactor50, ui_->pf50, ui_->lightPf50, ui_->monthly50,
            ui_->yearly50},
        {ui_->total60, ui_->units60, ui_->capacitor60, ui_->reactor60, ui_->pf60, ui_->lightPf60, ui_->monthly60,
            ui_->yearly60},
    }};
    for (std::size_t at = 0; at < cells.size(); ++at) {
        const FrequencySelection& chosen = selection.frequencies[at];
        const auto& cell = cells[at];
        cell[0]->setText(QString::fromStdString(chosen.total));
        cell[1]->setText(QString::fromStdString(chosen.composition));
        cell[2]->setText(QString::fromStdString(chosen.capacitorRating));
        cell[3]->setText(QString::fromStdString(chosen.reactorRating));
        cell[4]->setText(pfText(chosen.pf));
        cell[5]->setText(pfText(chosen.lightLoadPf));
        cell[6]->setText(QString::fromStdString(chosen.monthlySaving.value_or(std::string())));
        cell[7]->setText(QString::fromStdString(chosen.yearlySaving.value_or(std::string())));
    }
    const auto lines = [](QLabel* label, const std::vector<std::string>& texts) {
        QStringList shown;
        for (const std::string& line : texts)
            shown << QString::fromStdString(line);
        label->setText(shown.join(u'\n'));
        label->setVisible(!shown.isEmpty());
    };
    lines(ui_->warnings, warningsOf(selection));
    lines(ui_->problems, selection.problems);
}

} // namespace kandelo::sc
