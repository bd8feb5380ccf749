#include "pf/ui/frmpf.h"

#include "ui_frmpf.h"

#include "calculation/steps.h"
#include "forms/ui/colours.h"
#include "forms/ui/font.h"
#include "forms/ui/label_fit.h"
#include "forms/ui/message_box.h"
#include "forms/ui/twips.h"
#include "program/ui/program.h"
#include "program/version.h"

namespace kandelo::pf {

namespace {

void style(QWidget* control, qreal points, bool bold = false)
{
    control->setFont(forms::gothicFont(points, bold));
}

} // namespace

FrmPf::FrmPf(program::Program& program)
    : WindowForm("frmPf", program)
    , program_(program)
{
}

FrmPf::~FrmPf() = default;

QString FrmPf::lblPfCaption() const
{
    return isLoaded() ? QString::fromStdString(result_.lblPf) : QString();
}

TwipPoint FrmPf::dialNeedleTip() const
{
    return needleTip(program_.calculation.intPf, program_.calculation.intKvarh);
}

void FrmPf::growImproveButton()
{
    setImproveButton(grownImproveButton(improveButton_));
}

void FrmPf::setImproveButton(TwipRect box)
{
    improveButton_ = box;
    if (ui_)
        ui_->cmdImprove->setGeometry(forms::twipsRect(box.left, box.top, box.width, box.height));
}

void FrmPf::createControls()
{
    QWidget* window = createWindow(Qt::Window | Qt::WindowMinimizeButtonHint, [this] { unload(); });
    ui_ = std::make_unique<Ui::frmPf>();
    ui_->setupUi(window);
    window->setWindowTitle(QString::fromUtf8(program::ApplicationTitle));
    window->setFixedSize(window->size());
    window->setFont(forms::gothicFont(12));
    ui_->Label1->setText(QString::fromUtf8(KwhCaption));
    ui_->Label2->setText(QString::fromUtf8(KvarhCaption));
    ui_->lblPhase->setText(QString::fromStdString(phaseCaption(Phase::Lag)));
    for (QLabel* caption : {ui_->Label1, ui_->Label2}) {
        forms::setTextColour(caption, forms::colour::White);
        forms::setBackgroundColour(caption, forms::colour::Olive);
    }
    for (QLabel* value : {ui_->lblKwh, ui_->lblKvarh, ui_->lblPf}) {
        style(value, 14.25, value == ui_->lblPf);
        forms::setTextColour(value, forms::colour::White);
        forms::setBackgroundColour(value, forms::colour::Green);
    }
    style(ui_->lblPhase, 11.25);
    forms::setTextColour(ui_->lblPhase, forms::colour::Black);
    style(ui_->Label4, 11.25);
    ui_->lblComent->setText(QString::fromUtf8(CommentCaption));
    style(ui_->lblComent, 9);
    forms::setTextColour(ui_->lblComent, forms::colour::Red);
    const int margin = forms::twipsToPixels(60);
    forms::fitLabel(ui_->lblComent, ui_->lblComent->x(), ui_->Frame1->width() - margin, margin);

    ui_->dial->setAccessibleName(QStringLiteral("力率計"));
    program_.addResultCommands(window);
    // The option shows only its mark; its hint says what it does.
    ui_->Option1->setAccessibleName(ui_->Option1->toolTip());

    // The request runs whenever the option becomes selected: by a click, the
    // keyboard, or a screen reader's toggle action. Deselecting it runs nothing.
    connect(ui_->Option1, &QRadioButton::toggled, this, [this](bool selected) {
        if (selected)
            program_.run([this] { Option1_Click(); });
    });
    connect(ui_->cmdImprove, &QPushButton::clicked, this, [this] { program_.run([this] { cmdImprove_Click(); }); });
    connect(ui_->Command1, &QPushButton::clicked, this, [this] { program_.run([this] { Command1_Click(); }); });
    connect(ui_->Command2, &QPushButton::clicked, this, [this] { program_.run([this] { Command2_Click(); }); });
}

void FrmPf::releaseControls()
{
    ui_.reset();
}

void FrmPf::shown()
{
    ui_->Command2->setFocus(Qt::ActiveWindowFocusReason);
}

void FrmPf::formLoad()
{
    calculatedAt_ = QDateTime::currentDateTime();
    result_ = calculation::powerFactor(program_.calculation);
    const PfScreen& screen = result_;
    ui_->lblKwh->setText(QString::fromStdString(screen.lblKwh));
    ui_->lblKvarh->setText(QString::fromStdString(screen.lblKvarh));
    forms::setTextColour(ui_->lblPf, forms::colour::White);
    ui_->lblPf->setText(QString::fromStdString(screen.lblPf));
    ui_->lblComent->setVisible(screen.commentVisible);
    if (screen.phase == Phase::Lead) {
        ui_->lblPhase->setText(QString::fromStdString(phaseCaption(Phase::Lead)));
        forms::setTextColour(ui_->lblPhase, forms::colour::Red);
        forms::setTextColour(ui_->lblPf, forms::colour::Red);
    }
    setImproveButton(ImproveButtonStart);
    ui_->dial->setAccessibleDescription(
        QStringLiteral("力率 %1%、%2")
            .arg(ui_->lblPf->text(),
                screen.phase == Phase::Lead ? QStringLiteral("進み（LEAD）") : QStringLiteral("遅れ（LAG）")));
    DrawPfNeedle();
}

void FrmPf::formUnload()
{
    program_.forms().unloadAllFromLast();
}

void FrmPf::DrawPfNeedle()
{
    ui_->dial->setNeedleTip(dialNeedleTip());
}

void FrmPf::Option1_Click()
{
    const auto refusal = calculation::askImprovement(program_.calculation);
    if (!refusal) {
        ui_->Option1->setChecked(false);
        ui_->Option1->setVisible(false);
        ui_->cmdImprove->setVisible(true);
        forms::setTextColour(ui_->lblPf, forms::colour::Red);
        program_.armPfImproveTimer();
        ui_->cmdImprove->setFocus(Qt::OtherFocusReason);
        return;
    }
    program_.messageBox().show(QString::fromUtf8(*refusal));
    if (ui_)
        ui_->Option1->setChecked(false);
}

void FrmPf::cmdImprove_Click()
{
    calculation::startImprovement(program_.calculation);
    hide();
    program_.showInputDialog();
}

void FrmPf::Command1_Click()
{
    unload();
}

void FrmPf::Command2_Click()
{
    unload();
    program_.Main();
}

} // namespace kandelo::pf
