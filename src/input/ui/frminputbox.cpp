#include "input/ui/frminputbox.h"

#include "ui_frminputbox.h"

#include "calculation/steps.h"
#include "forms/ui/colours.h"
#include "forms/ui/font.h"
#include "forms/ui/key_holder.h"
#include "forms/ui/label_fit.h"
#include "forms/ui/message_box.h"
#include "forms/ui/twips.h"
#include "input/input_rules.h"
#include "input/key_rules.h"
#include "input/ui/virtual_key.h"
#include "program/ui/program.h"
#include "program/version.h"

#include <QKeyEvent>

namespace kandelo::input {

FrmInputBox::FrmInputBox(program::Program& program)
    : WindowForm("frmInputBox", program)
    , program_(program)
{
}

FrmInputBox::~FrmInputBox() = default;

void FrmInputBox::createControls()
{
    // Closing the dialog through its frame is its cancel button.
    QWidget* window = createWindow(Qt::Dialog, [this] { CancelButton_Click(); });
    ui_ = std::make_unique<Ui::frmInputBox>();
    ui_->setupUi(window);
    window->setWindowTitle(QString::fromUtf8(program::ApplicationTitle));
    window->setFont(forms::gothicFont(12));
    ui_->Label2->setFont(forms::gothicFont(11.25));
    ui_->Label3->setFont(forms::gothicFont(11.25));
    forms::setBackgroundColour(ui_->txtPf, forms::colour::LightGrey);

    // Half-width digits only: no input-method composition in the entry boxes.
    for (QLineEdit* box : std::initializer_list<QLineEdit*>{ui_->Text1, ui_->txtPf}) {
        box->setAttribute(Qt::WA_InputMethodEnabled, false);
        box->installEventFilter(this);
    }
    for (QWidget* button : {static_cast<QWidget*>(ui_->OKButton), static_cast<QWidget*>(ui_->CancelButton)})
        button->installEventFilter(this);

    // Screen readers name each box after the caption beside it, as it reads now.
    ui_->Label1->setBuddy(ui_->Text1);
    ui_->Label2->setBuddy(ui_->txtPf);

    connect(ui_->OKButton, &QPushButton::clicked, this, [this] { program_.run([this] { OKButton_Click(); }); });
    connect(ui_->CancelButton, &QPushButton::clicked, this, [this] { program_.run([this] { CancelButton_Click(); }); });
    connect(ui_->txtPf, &QLineEdit::textChanged, this, [this] { program_.run([this] { txtPf_Change(); }); });
}

void FrmInputBox::releaseControls()
{
    ui_.reset();
    lastFocused_ = nullptr;
}

void FrmInputBox::shown()
{
    // Keys for this dialog wait behind those typed while it reopened.
    if (heldKeys_)
        heldKeys_->holdFor(window());
    if (!lastFocused_)
        ui_->Text1->setFocus(Qt::ActiveWindowFocusReason);
}

void FrmInputBox::formLoad()
{
    // A reopened dialog stands where the one before it stood.
    if (reopenAt_) {
        window()->move(*reopenAt_);
        reopenAt_.reset();
    }
    if (const auto prompt = promptFor(program_.calculation.strInputMode)) {
        ui_->Label1->setText(QString::fromUtf8(prompt->label1));
        int clientHeight = forms::clientHeightForOuterTwips(prompt->windowHeightTwips);
        if (prompt->pfEntryVisible) {
            ui_->Label2->setVisible(true);
            ui_->txtPf->setVisible(true);
        }
        if (prompt->hoursNoteVisible) {
            // The note wraps within its design width and grows downward to fit;
            // the window grows with it where the installed font needs more lines.
            QLabel* note = ui_->Label3;
            note->setText(QString::fromUtf8(hoursNote()));
            forms::growToText(note);
            note->setVisible(true);
            clientHeight = std::max(clientHeight, note->geometry().bottom() + forms::twipsToPixels(120));
        }
        window()->setFixedSize(window()->width(), clientHeight);
        // The prompt takes the size of its text and stays left of Text1.
        const int gap = forms::twipsToPixels(120);
        forms::fitLabel(ui_->Label1, forms::twipsToPixels(1920), ui_->Text1->x() - gap, gap);
    }
    ui_->Text1->clear();
}

bool FrmInputBox::eventFilter(QObject* watched, QEvent* event)
{
    if (!ui_)
        return false;
    auto* control = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::FocusIn) {
        gotFocus(control);
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* box = qobject_cast<QLineEdit*>(watched);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!box || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
        return false;
    bool consumed = false;
    program_.run([&] { consumed = CheckNumericKey(virtualKeyOf(*key), box); });
    return consumed;
}

// Got-focus happens when the focus comes from another control of the dialog,
// or first enters it; not when the window is merely activated again.
void FrmInputBox::gotFocus(QWidget* control)
{
    if (control == lastFocused_)
        return;
    lastFocused_ = control;
    if (control == ui_->Text1)
        program_.run([this] { Text1_GotFocus(); });
    else if (control == ui_->txtPf)
        program_.run([this] { txtPf_GotFocus(); });
    // Once the focus has settled, what was typed while the dialog reopened follows.
    if (heldKeys_)
        QMetaObject::invokeMethod(
            this, [this] { handOverHeldKeys(); }, Qt::QueuedConnection);
}

// The dialog unloads and the timer shows it again; no window of its own exists
// in between. Its window stays on the screen meanwhile, empty, and keeps what
// is typed, so that no key a fast typist presses goes nowhere.
void FrmInputBox::reopenForNextFigure()
{
    reopenAt_ = window()->pos();
    program_.armInputTimer();
    heldKeys_ = std::make_unique<forms::KeyHolder>(keepWindowThroughUnload());
}

// The held keys are pressed again in the reopened dialog, each through the
// key rules as if typed now.
void FrmInputBox::handOverHeldKeys()
{
    if (!heldKeys_ || !window())
        return;
    const std::unique_ptr<forms::KeyHolder> held = std::move(heldKeys_);
    program_.run([&] { held->handOver(window()); });
}

void FrmInputBox::OKButton_Click()
{
    const calculation::Entry entry = calculation::enterFigure(program_.calculation, ui_->Text1->text().toStdString());
    if (entry.refusal) {
        program_.messageBox().show(QString::fromUtf8(*entry.refusal));
        if (!ui_)
            return;
        // The refused text goes in every case, also when the focus never left
        // Text1 (OK pressed by a screen reader), where the focus rule does not run.
        ui_->Text1->clear();
        ui_->Text1->setFocus(Qt::OtherFocusReason);
        return;
    }
    switch (entry.next) {
    case calculation::Next::AskAgain:
        reopenForNextFigure();
        break;
    case calculation::Next::ShowPowerFactor:
        program_.showPowerFactorScreen();
        break;
    case calculation::Next::ShowSizing:
        program_.showSizingScreen();
        break;
    case calculation::Next::Nothing:
        break;
    }
    unload();
}

void FrmInputBox::CancelButton_Click()
{
    auto& forms = program_.forms();
    for (std::size_t i = forms.count(); i-- > 0;) {
        if (i >= forms.count())
            continue;
        if (forms.at(i).name() == "frmPf")
            break;
        forms.unload(i);
    }
    program_.unloadPowerFactorScreen();
}

void FrmInputBox::Text1_GotFocus()
{
    forms::setBackgroundColour(ui_->Text1, forms::colour::White);
    forms::setBackgroundColour(ui_->txtPf, forms::colour::LightGrey);
    ui_->Text1->clear();
    ui_->txtPf->clear();
}

void FrmInputBox::txtPf_GotFocus()
{
    forms::setBackgroundColour(ui_->Text1, forms::colour::LightGrey);
    forms::setBackgroundColour(ui_->txtPf, forms::colour::White);
    ui_->Text1->clear();
}

void FrmInputBox::txtPf_Change()
{
    const auto kvarh = kvarhTextForPfEntry(ui_->txtPf->text().toStdString(), program_.calculation.intKwh);
    if (!kvarh) {
        program_.messageBox().show(QString::fromUtf8(message::PfOutOfRange));
        if (ui_)
            ui_->txtPf->clear();
        return;
    }
    ui_->Text1->setText(QString::fromStdString(*kvarh));
}

// CheckNumericKey: true when the key must not reach the box.
bool FrmInputBox::CheckNumericKey(int virtualKey, QLineEdit* box)
{
    switch (keyActionFor(virtualKey, program_.calculation.strInputMode)) {
    case KeyAction::Accept:
        return false;
    case KeyAction::FocusOk:
        ui_->OKButton->setFocus(Qt::TabFocusReason);
        return true;
    case KeyAction::RefuseMinus:
        program_.messageBox().show(QString::fromUtf8(message::NegativeEntry));
        break;
    case KeyAction::RefuseNonNumeric:
        program_.messageBox().show(QString::fromUtf8(message::NonNumericKey));
        break;
    }
    if (ui_)
        box->clear();
    return true;
}

} // namespace kandelo::input
