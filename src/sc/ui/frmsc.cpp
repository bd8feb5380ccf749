#include "sc/ui/frmsc.h"

#include "ui_frmsc.h"

#include "calculation/steps.h"
#include "forms/ui/colours.h"
#include "forms/ui/fitting_widgets.h"
#include "forms/ui/font.h"
#include "forms/ui/label_fit.h"
#include "forms/ui/message_box.h"
#include "forms/ui/twips.h"
#include "forms/ui/window_commands.h"
#include "program/messages.h"
#include "program/ui/program.h"
#include "sc/captions.h"
#include "sc/hint_rules.h"
#include "sc/ui/selection_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace kandelo::sc {

namespace {

QColor buttonTextColour()
{
    return QApplication::palette().color(QPalette::ButtonText);
}

// Opens the window 標準容量の選定: a key that no text box takes for itself on
// any platform (Ctrl+U deletes the line on X11, Ctrl+K, Ctrl+E and Ctrl+D
// edit it there, the Mac's Control keys move in it).
const QKeySequence SelectionShortcut(Qt::CTRL | Qt::Key_T);

// Sets a text that the load produced; one it did not reach keeps its design text.
template <typename Control, typename Setter>
void setIfProduced(Control* control, const std::optional<std::string>& produced, Setter setter)
{
    if (produced)
        (control->*setter)(QString::fromStdString(*produced));
}

} // namespace

FrmSc::FrmSc(program::Program& program)
    : WindowForm("frmSc", program)
    , program_(program)
{
}

FrmSc::~FrmSc() = default;

void FrmSc::createControls()
{
    QWidget* window = createWindow(Qt::Window | Qt::WindowMinimizeButtonHint, [this] { unload(); });
    ui_ = std::make_unique<Ui::frmSc>();
    ui_->setupUi(window);
    window->setFixedSize(window->size());
    window->setFont(forms::gothicFont(12));
    lstbxScMf_ = {ui_->lstbxScMf_0, ui_->lstbxScMf_1};
    for (const auto& [caption, name] :
        {std::pair{ui_->lblDays, HoursCaption}, std::pair{ui_->lblKwh, KwCaption}, std::pair{ui_->lblKvar, KvarCaption},
            std::pair{ui_->Label1, KvaCaption}, std::pair{ui_->lblSc, ScKvarCaption},
            std::pair{ui_->Label3, ScKvar2Caption}, std::pair{ui_->Label4, LKvarCaption},
            std::pair{ui_->Label11, VoltageHead}, std::pair{ui_->Label10, FrequencyHeads[0]},
            std::pair{ui_->Label9, FrequencyHeads[1]}, std::pair{ui_->lblL, ReactorSixCaption}})
        caption->setText(QString::fromUtf8(name));
    ui_->Frame3->setTitle(QString::fromUtf8(CurrentCaption));
    ui_->Frame4->setTitle(QString::fromUtf8(BasicCaption));
    const std::array<QLabel*, 5> heads{ui_->Label16, ui_->Label15, ui_->Label14, ui_->Label13, ui_->Label12};
    for (std::size_t row = 0; row < heads.size(); ++row)
        heads[row]->setText(QString::fromStdString(designRowHeads()[row]));
    for (QLabel* value : {ui_->lblHours, ui_->lblKw, ui_->lblLagKvar, ui_->lblKVA}) {
        value->setFont(forms::gothicFont(14.25));
        forms::setBackgroundColour(value, forms::colour::Green);
        forms::setTextColour(value, forms::colour::Yellow);
    }
    for (QLineEdit* capacity : {ui_->txtScKvar, ui_->txtScKvar2, ui_->txtLKvar}) {
        capacity->setFont(forms::gothicFont(14.25, true));
        forms::setBackgroundColour(capacity, forms::colour::Green);
        forms::setTextColour(capacity, forms::colour::White);
        capacity->setMouseTracking(true);
        capacity->installEventFilter(this);
    }
    ui_->lblPf->setFont(forms::gothicFont(14.25));
    forms::setTextColour(ui_->lblPf, forms::colour::Orange);
    // The reactor label is also a control for the keyboard: Tab reaches it,
    // Space or Enter toggles it, and it shows a heavier frame while focused.
    ui_->lblL->setFont(forms::gothicFont(11.25));
    ui_->lblL->setMouseTracking(true);
    ui_->lblL->setFocusPolicy(Qt::StrongFocus);
    ui_->lblL->installEventFilter(this);
    // Screen readers tell what the reactor label does, as its hint does.
    ui_->lblL->setAccessibleDescription(QString::fromStdString(hint::reactorLabel(result_.lblL)));
    for (QWidget* small :
        std::initializer_list<QWidget*>{ui_->Frame2, ui_->Frame3, ui_->Frame4, ui_->Label9, ui_->Label10, ui_->Label11})
        small->setFont(forms::gothicFont(11.25));
    for (QLabel* merit : {ui_->lblCurrent, ui_->lblBasic}) {
        merit->setFont(forms::gothicFont(12));
        forms::setTextColour(merit, forms::colour::DarkRed);
    }
    for (QListWidget* list : lstbxScMf_) {
        list->setItemDelegate(new forms::FittingItemDelegate(list));
        list->setObjectName(QStringLiteral("lstbxScMf"));
        list->setFont(forms::gothicFont(12, true));
        forms::setBackgroundColour(list, forms::colour::Olive);
        forms::setTextColour(list, forms::colour::White);
        list->setUniformItemSizes(true);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->viewport()->setMouseTracking(true);
        list->viewport()->installEventFilter(this);
    }

    for (QLabel* head : heads)
        forms::widenToText(head);

    // Screen readers name each box and list after the caption beside it.
    ui_->lblSc->setBuddy(ui_->txtScKvar);
    ui_->Label3->setBuddy(ui_->txtScKvar2);
    ui_->Label4->setBuddy(ui_->txtLKvar);
    ui_->Label11->setBuddy(ui_->Text1);
    ui_->Option2->setAccessibleName(ui_->lblSc->text());
    ui_->Option1->setAccessibleName(ui_->Label3->text());
    // A list takes no buddy; its heading is a fixed caption, so the name cannot go stale.
    ui_->lstbxScMf_0->setAccessibleName(ui_->Label10->text());
    ui_->lstbxScMf_1->setAccessibleName(ui_->Label9->text());

    program_.addResultCommands(window);
    addSelectionCommand(window);

    connect(ui_->Command1, &QPushButton::clicked, this, [this] { program_.run([this] { Command1_Click(); }); });
    connect(ui_->Command2, &QPushButton::clicked, this, [this] { program_.run([this] { Command2_Click(); }); });
    connect(ui_->Option1, &QRadioButton::clicked, this, [this] { program_.run([this] { Option1_Click(); }); });
    connect(ui_->Option2, &QRadioButton::clicked, this, [this] { program_.run([this] { Option2_Click(); }); });
    connect(ui_->Text1, &QLineEdit::textChanged, this, [this] { program_.run([this] { Text1_Change(); }); });
}

void FrmSc::shown()
{
    ui_->Option2->setFocus(Qt::ActiveWindowFocusReason);
}

void FrmSc::releaseControls()
{
    ui_.reset();
    lstbxScMf_ = {};
}

void FrmSc::formLoad()
{
    calculatedAt_ = QDateTime::currentDateTime();
    result_ = SizingResult{};
    try {
        SizingLoad load = computeLoad();
        sizing_ = std::move(load.state);
        result_.texts = std::move(load.texts);
        result_.failed = load.failure.has_value();
    } catch (...) {
        // Every failure of the load, not only an arithmetic one, ends it here.
        result_.failed = true;
    }
    const LoadTexts& texts = result_.texts;
    if (texts.table)
        takeTable(result_, *texts.table);

    setIfProduced(ui_->txtScKvar2, texts.txtScKvar2, &QLineEdit::setText);
    setIfProduced(ui_->txtLKvar, texts.txtLKvar, &QLineEdit::setText);
    setIfProduced(ui_->lblHours, texts.lblHours, &QLabel::setText);
    setIfProduced(ui_->lblKw, texts.lblKw, &QLabel::setText);
    setIfProduced(ui_->lblLagKvar, texts.lblLagKvar, &QLabel::setText);
    setIfProduced(ui_->lblKVA, texts.lblKVA, &QLabel::setText);
    setIfProduced(ui_->txtScKvar, texts.txtScKvar, &QLineEdit::setText);
    setIfProduced(ui_->lblPf, texts.lblPf, &QLabel::setText);
    setIfProduced(ui_->Frame2, texts.frame2, &QGroupBox::setTitle);
    setIfProduced(ui_->lblCurrent, texts.lblCurrent, &QLabel::setText);
    setIfProduced(ui_->lblBasic, texts.lblBasic, &QLabel::setText);
    if (texts.table)
        showTable(false);
    for (QLabel* sentence : {ui_->lblPf, ui_->lblCurrent, ui_->lblBasic})
        forms::growToText(sentence);

    if (result_.failed)
        program_.messageBox().show(QString::fromUtf8(program::message::Failure));
}

SizingLoad FrmSc::computeLoad()
{
    return calculation::sizing(program_.calculation, program_.powerFactorCaption().toStdString(), result_.lblL,
        result_.option2Selected, sizing_);
}

void FrmSc::formUnload()
{
    program_.unloadPowerFactorScreen();
}

bool FrmSc::eventFilter(QObject* watched, QEvent* event)
{
    if (!ui_)
        return false;
    if (watched == ui_->lblL && reactorLabelEvent(event))
        return true;
    if (event->type() != QEvent::MouseMove)
        return false;
    if (watched == ui_->txtScKvar)
        program_.run([this] { txtScKvar_MouseMove(); });
    else if (watched == ui_->txtScKvar2)
        program_.run([this] { txtScKvar2_MouseMove(); });
    else if (watched == ui_->txtLKvar)
        program_.run([this] { txtLKvar_MouseMove(); });
    else if (watched == ui_->lblL)
        program_.run([this] { lblL_MouseMove(); });
    else if (watched == lstbxScMf_[0]->viewport() || watched == lstbxScMf_[1]->viewport())
        program_.run([this] { lstbxScMf_MouseMove(); });
    return false;
}

// A click on the reactor label, or Space or Enter while it has the focus,
// toggles the reactor. True when the event is used up.
bool FrmSc::reactorLabelEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton || !ui_->lblL->rect().contains(mouse->position().toPoint()))
            return false;
        break;
    }
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        break;
    }
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        ui_->lblL->setLineWidth(event->type() == QEvent::FocusIn ? 2 : 1);
        return false;
    default:
        return false;
    }
    program_.run([this] { lblL_Click(); });
    return true;
}

void FrmSc::Command1_Click()
{
    program_.unloadPowerFactorScreen();
}

void FrmSc::Command2_Click()
{
    unload();
    program_.showPowerFactorScreen();
}

void FrmSc::lblL_Click()
{
    switchReactor(result_);
    showReactor();
    CalcReactorRating();
    if (!result_.option2Selected)
        Option1_Click();
    showSelection();
}

SelectionWindow* FrmSc::selectionWindow() const
{
    return selectionWindow_;
}

void FrmSc::addSelectionCommand(QWidget* window)
{
    forms::addWindowCommands(window,
        {{QString::fromUtf8(SelectionTitle) + QStringLiteral("..."), SelectionShortcut,
            [this] { program_.run([this] { openSelection(); }); }}});
}

void FrmSc::openSelection()
{
    if (!selectionWindow_) {
        selectionWindow_ = new SelectionWindow(window());
        selectionWindow_->setInputs(program_.calculation.selection);
        // The result commands of the sizing screen, with the selection.
        program_.addResultCommands(selectionWindow_);
        addSelectionCommand(selectionWindow_);
        connect(selectionWindow_, &SelectionWindow::inputsEdited, this,
            [this] { program_.run([this] { selection_Change(); }); });
    }
    showSelection();
    selectionWindow_->show();
    selectionWindow_->raise();
    selectionWindow_->activateWindow();
}

void FrmSc::selection_Change()
{
    program_.calculation.selection = selectionWindow_->inputs();
    showSelection();
}

void FrmSc::Option1_Click()
{
    connectionChosen(false);
}

void FrmSc::Option2_Click()
{
    connectionChosen(true);
}

void FrmSc::connectionChosen(bool option2)
{
    chooseConnection(result_, option2);
    ui_->Frame2->setTitle(QString::fromStdString(*result_.texts.frame2));
    CalcCapacitanceTable();
    CalcCapacitanceTypedVoltage();
}

void FrmSc::Text1_Change()
{
    CalcCapacitanceTypedVoltage();
}

void FrmSc::txtScKvar_MouseMove()
{
    setCapacityHint(ui_->txtScKvar);
}

void FrmSc::txtScKvar2_MouseMove()
{
    setCapacityHint(ui_->txtScKvar2);
}

void FrmSc::txtLKvar_MouseMove()
{
    setCapacityHint(ui_->txtLKvar);
}

void FrmSc::setCapacityHint(QLineEdit* box)
{
    box->setToolTip(QString::fromStdString(hint::capacityBox(result_.lblL)));
}

void FrmSc::lblL_MouseMove()
{
    ui_->lblL->setToolTip(QString::fromStdString(hint::reactorLabel(result_.lblL)));
}

void FrmSc::lstbxScMf_MouseMove()
{
    const QString hintText = QString::fromStdString(hint::capacitanceLists(result_.option2Selected));
    for (QListWidget* list : lstbxScMf_)
        list->setToolTip(hintText);
}

void FrmSc::CalcReactorRating()
{
    rateReactor(result_, sizing_);
    ui_->txtScKvar2->setText(QString::fromStdString(*result_.texts.txtScKvar2));
    ui_->txtLKvar->setText(QString::fromStdString(*result_.texts.txtLKvar));
}

void FrmSc::CalcCapacitanceTable()
{
    tabulateCapacitance(result_, sizing_);
    showTable(true);
}

void FrmSc::CalcCapacitanceTypedVoltage()
{
    const auto kind = typeVoltage(result_, sizing_, ui_->Text1->text().toStdString());
    if (kind == TypedVoltageRows::Kind::NotNumeric) {
        program_.messageBox().show(QString::fromUtf8(program::message::NotNumeric));
        if (!ui_)
            return;
    }
    if (kind != TypedVoltageRows::Kind::Rows)
        ui_->Text1->setText(QString());
    showTable(false);
    if (kind == TypedVoltageRows::Kind::NotNumeric)
        ui_->Text1->setFocus(Qt::OtherFocusReason);
}

// The reactor label as the result has it, its colour and what it tells a
// screen reader.
void FrmSc::showReactor()
{
    const bool thirteen = result_.lblL == ReactorThirteenCaption;
    ui_->lblL->setText(QString::fromStdString(result_.lblL));
    forms::setTextColour(ui_->lblL, thirteen ? forms::colour::Orange : buttonTextColour());
    ui_->lblL->setAccessibleDescription(QString::fromStdString(hint::reactorLabel(result_.lblL)));
}

// The selection for the sizing as it stands, in its window while it is open.
void FrmSc::showSelection()
{
    if (selectionWindow_)
        selectionWindow_->showSelection(calculation::ratedUnits(program_.calculation, result_.texts, result_.lblL));
}

// The row heads and both lists as the result has them, the lists emptied
// first where the table was made anew.
void FrmSc::showTable(bool emptiedFirst)
{
    const std::array<QLabel*, 5> heads{ui_->Label16, ui_->Label15, ui_->Label14, ui_->Label13, ui_->Label12};
    for (std::size_t row = 1; row < heads.size(); ++row) {
        heads[row]->setText(QString::fromStdString(result_.rowHeads[row]));
        forms::widenToText(heads[row]);
    }
    for (std::size_t list = 0; list < lstbxScMf_.size(); ++list) {
        QListWidget* box = lstbxScMf_[list];
        if (emptiedFirst)
            box->clear();
        const auto& rows = result_.lists[list];
        while (static_cast<std::size_t>(box->count()) < rows.size()) {
            auto* item = new QListWidgetItem(box);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            item->setSizeHint(QSize(0, forms::twipsToPixels(240)));
        }
        for (std::size_t row = 0; row < rows.size(); ++row)
            box->item(static_cast<int>(row))->setText(QString::fromStdString(rows[row]));
    }
}

} // namespace kandelo::sc
