#include "sc/ui/frmsc.h"

#include "ui_frmsc.h"

#include "app/app.h"
#include "app/messages.h"
#include "app/report_commands.h"
#include "core/plain_number.h"
#include "forms/ui/colours.h"
#include "forms/ui/fitting_widgets.h"
#include "forms/ui/font.h"
#include "forms/ui/label_fit.h"
#include "forms/ui/message_box.h"
#include "forms/ui/twips.h"
#include "pf/ui/frmpf.h"
#include "sc/capacitance_calc.h"
#include "sc/hint_rules.h"
#include "sc/sizing_calc.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace kandelo::sc {

namespace {

constexpr std::size_t TypedVoltageRow = 5;

QColor buttonTextColour()
{
    return QApplication::palette().color(QPalette::ButtonText);
}

// Sets a text that the load produced; one it did not reach keeps its design text.
template <typename Control, typename Setter>
void setIfProduced(Control* control, const std::optional<std::string>& produced, Setter setter)
{
    if (produced)
        (control->*setter)(QString::fromStdString(*produced));
}

} // namespace

FrmSc::FrmSc(app::App& app)
    : WindowForm("frmSc", app)
    , app_(app)
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
    describeReactorLabel();
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

    for (QLabel* head : {ui_->Label16, ui_->Label15, ui_->Label14, ui_->Label13, ui_->Label12})
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

    app_.reportCommands().install(window);

    connect(ui_->Command1, &QPushButton::clicked, this, [this] { app_.run([this] { Command1_Click(); }); });
    connect(ui_->Command2, &QPushButton::clicked, this, [this] { app_.run([this] { Command2_Click(); }); });
    connect(ui_->Option1, &QRadioButton::clicked, this, [this] { app_.run([this] { Option1_Click(); }); });
    connect(ui_->Option2, &QRadioButton::clicked, this, [this] { app_.run([this] { Option2_Click(); }); });
    connect(ui_->Text1, &QLineEdit::textChanged, this, [this] { app_.run([this] { Text1_Change(); }); });
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

report::ScScreenTexts FrmSc::reportTexts() const
{
    report::ScScreenTexts texts;
    if (!ui_)
        return texts;
    const auto text = [](const QWidget* control) {
        if (const auto* label = qobject_cast<const QLabel*>(control))
            return label->text().toStdString();
        if (const auto* box = qobject_cast<const QLineEdit*>(control))
            return box->text().toStdString();
        return qobject_cast<const QGroupBox*>(control)->title().toStdString();
    };
    texts.hours = text(ui_->lblHours);
    texts.target = core::plainNumberText(app_.frmPf().intTargetPf);
    texts.kwCaption = text(ui_->lblKwh);
    texts.kw = text(ui_->lblKw);
    texts.kvarCaption = text(ui_->lblKvar);
    texts.kvar = text(ui_->lblLagKvar);
    texts.kvaCaption = text(ui_->Label1);
    texts.kva = text(ui_->lblKVA);
    texts.sentence = text(ui_->lblPf);
    texts.scCaption = text(ui_->lblSc);
    texts.scKvar = text(ui_->txtScKvar);
    texts.reactor = text(ui_->lblL);
    texts.sc2Caption = text(ui_->Label3);
    texts.scKvar2 = text(ui_->txtScKvar2);
    texts.lCaption = text(ui_->Label4);
    texts.lKvar = text(ui_->txtLKvar);
    texts.withReactor = ui_->Option1->isChecked();
    texts.tableCaption = text(ui_->Frame2);
    texts.tableHeadings = {text(ui_->Label11), text(ui_->Label10), text(ui_->Label9)};
    const std::array<const QLabel*, 5> heads{ui_->Label16, ui_->Label15, ui_->Label14, ui_->Label13, ui_->Label12};
    const auto row = [this](std::size_t list, int index) {
        const QListWidgetItem* item = lstbxScMf_[list]->item(index);
        return item ? item->text().trimmed().toStdString() : std::string();
    };
    for (int index = 0; index < lstbxScMf_[0]->count(); ++index) {
        const bool typed = index == static_cast<int>(TypedVoltageRow);
        const std::string volts =
            typed ? ui_->Text1->text().trimmed().toStdString() : text(heads[static_cast<std::size_t>(index)]);
        if (typed && row(0, index).empty())
            continue;
        texts.rows.push_back({volts, row(0, index), row(1, index)});
    }
    texts.currentCaption = text(ui_->Frame3);
    texts.current = text(ui_->lblCurrent);
    texts.basicCaption = text(ui_->Frame4);
    texts.basic = text(ui_->lblBasic);
    return texts;
}

void FrmSc::formLoad()
{
    calculatedAt_ = QDateTime::currentDateTime();
    LoadTexts texts;
    bool failed = false;
    try {
        computeLoad(texts);
    } catch (...) {
        // Every failure of the load, not only an arithmetic one, ends it here.
        failed = true;
    }

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
        showTable(*texts.table);
    for (QLabel* sentence : {ui_->lblPf, ui_->lblCurrent, ui_->lblBasic})
        forms::growToText(sentence);

    if (failed)
        app_.messageBox().show(QString::fromUtf8(app::message::Failure));
}

void FrmSc::computeLoad(LoadTexts& texts)
{
    const auto& pf = app_.frmPf();
    computeSizing(
        pf, pf.lblPfCaption().toStdString(), lblLCaption().toStdString(), ui_->Option2->isChecked(), sizing_, texts);
}

void FrmSc::formUnload()
{
    app_.frmPf().unload();
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
        app_.run([this] { txtScKvar_MouseMove(); });
    else if (watched == ui_->txtScKvar2)
        app_.run([this] { txtScKvar2_MouseMove(); });
    else if (watched == ui_->txtLKvar)
        app_.run([this] { txtLKvar_MouseMove(); });
    else if (watched == ui_->lblL)
        app_.run([this] { lblL_MouseMove(); });
    else if (watched == lstbxScMf_[0]->viewport() || watched == lstbxScMf_[1]->viewport())
        app_.run([this] { lstbxScMf_MouseMove(); });
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
    app_.run([this] { lblL_Click(); });
    return true;
}

void FrmSc::Command1_Click()
{
    app_.frmPf().unload();
}

void FrmSc::Command2_Click()
{
    unload();
    app_.frmPf().show();
}

void FrmSc::lblL_Click()
{
    const QString caption = lblLCaption();
    if (caption == QString::fromUtf8(ReactorSixCaption)) {
        ui_->lblL->setText(QString::fromUtf8(ReactorThirteenCaption));
        forms::setTextColour(ui_->lblL, forms::colour::Orange);
    } else if (caption == QString::fromUtf8(ReactorThirteenCaption)) {
        ui_->lblL->setText(QString::fromUtf8(ReactorSixCaption));
        forms::setTextColour(ui_->lblL, buttonTextColour());
    }
    describeReactorLabel();
    CalcReactorRating();
    if (ui_->Option1->isChecked())
        Option1_Click();
}

void FrmSc::Option1_Click()
{
    connectionChosen(ui_->txtScKvar2, sizing_.dblScKvar2);
}

void FrmSc::Option2_Click()
{
    connectionChosen(ui_->txtScKvar, sizing_.dblScKvar);
}

void FrmSc::connectionChosen(const QLineEdit* capacityBox, double q)
{
    ui_->Frame2->setTitle(QString::fromStdString(frame2Caption(capacityBox->text().toStdString())));
    for (QListWidget* list : lstbxScMf_)
        list->clear();
    CalcCapacitanceTable(q);
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
    box->setToolTip(QString::fromStdString(hint::capacityBox(lblLCaption().toStdString())));
}

void FrmSc::lblL_MouseMove()
{
    ui_->lblL->setToolTip(QString::fromStdString(hint::reactorLabel(lblLCaption().toStdString())));
}

void FrmSc::lstbxScMf_MouseMove()
{
    const QString hintText = QString::fromStdString(hint::capacitanceLists(ui_->Option2->isChecked()));
    for (QListWidget* list : lstbxScMf_)
        list->setToolTip(hintText);
}

void FrmSc::CalcReactorRating()
{
    const ReactorTexts texts = sc::reactorRating(sizing_, lblLCaption().toStdString());
    ui_->txtScKvar2->setText(QString::fromStdString(texts.txtScKvar2));
    ui_->txtLKvar->setText(QString::fromStdString(texts.txtLKvar));
}

void FrmSc::CalcCapacitanceTable(double q)
{
    showTable(sc::capacitanceTable(sizing_, q, ui_->Option2->isChecked(), lblLCaption().toStdString()));
}

void FrmSc::showTable(const CapacitanceTable& table)
{
    const std::array<QLabel*, 4> heads{ui_->Label15, ui_->Label14, ui_->Label13, ui_->Label12};
    for (std::size_t i = 0; i < heads.size(); ++i) {
        heads[i]->setText(QString::fromStdString(table.rowHeads[i]));
        forms::widenToText(heads[i]);
    }
    for (std::size_t list = 0; list < table.rows.size(); ++list)
        for (std::size_t row = 0; row < table.rows[list].size(); ++row)
            setListRow(list, row, QString::fromStdString(table.rows[list][row]));
}

void FrmSc::CalcCapacitanceTypedVoltage()
{
    const double q = ui_->Option1->isChecked() ? sizing_.dblScKvar2 : sizing_.dblScKvar;
    const TypedVoltageRows result = sc::typedVoltageRows(sizing_, ui_->Text1->text().toStdString(), q);
    switch (result.kind) {
    case TypedVoltageRows::Kind::Rows:
        for (std::size_t list = 0; list < result.rows.size(); ++list)
            setListRow(list, TypedVoltageRow, QString::fromStdString(result.rows[list]));
        return;
    case TypedVoltageRows::Kind::NotNumeric:
        app_.messageBox().show(QString::fromUtf8(app::message::NotNumeric));
        if (!ui_)
            return;
        break;
    case TypedVoltageRows::Kind::Empty:
        break;
    }
    ui_->Text1->setText(QString());
    for (std::size_t list = 0; list < lstbxScMf_.size(); ++list)
        setListRow(list, TypedVoltageRow, QString());
    if (result.kind == TypedVoltageRows::Kind::NotNumeric)
        ui_->Text1->setFocus(Qt::OtherFocusReason);
}

// Sets the text of a row; a list with exactly that many rows gets it as a new
// last row. Rows that a failed load never filled are added empty before it.
void FrmSc::setListRow(std::size_t list, std::size_t row, const QString& rowText)
{
    QListWidget* box = lstbxScMf_[list];
    while (static_cast<std::size_t>(box->count()) <= row) {
        auto* item = new QListWidgetItem(box);
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        item->setSizeHint(QSize(0, forms::twipsToPixels(240)));
    }
    box->item(static_cast<int>(row))->setText(rowText);
}

// Screen readers tell what the reactor label does, as its hint does.
void FrmSc::describeReactorLabel()
{
    ui_->lblL->setAccessibleDescription(QString::fromStdString(hint::reactorLabel(lblLCaption().toStdString())));
}

QString FrmSc::lblLCaption() const
{
    return ui_->lblL->text();
}

} // namespace kandelo::sc
