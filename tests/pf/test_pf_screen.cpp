#include "app/frmtimer.h"
#include "forms/ui/twips.h"
#include "forms/ui/fitting_widgets.h"
#include "pf/ui/pf_dial.h"
#include "support/ink.h"
#include "support/session.h"
#include "support/texts.h"

#include <QAccessible>
#include <QGroupBox>
#include <QRadioButton>
#include <QtTest>

using namespace kandelo;
using program::InputMode;

namespace {

using namespace texts;

const QColor White(255, 255, 255);
const QColor Black(0, 0, 0);
const QColor Red(255, 0, 0);

QColor textColour(const QWidget* w)
{
    return w->palette().color(QPalette::WindowText);
}

// The power-factor screen of a session, read as the user sees it.
struct PfView {
    Session& s;
    template <typename T> T* get(const char* name) { return Session::control<T>(s.pfScreen(), name); }
    QLabel* label(const char* name) { return get<QLabel>(name); }
    QRadioButton* option1() { return get<QRadioButton>("Option1"); }
    QPushButton* button(const char* name) { return get<QPushButton>(name); }
    pf::PfDial* dial() { return get<pf::PfDial>("dial"); }
};

} // namespace

class TestPfScreen : public QObject {
    Q_OBJECT

private slots:
    void cleanup();

    void laggingScreenAfterTheReactiveEnergy();
    void layoutFollowsTheDesign();
    void leadingScreenRefusesTheSizing();
    void noteForNinetyNinePointFiveAndMore();
    void option1WhenLaggingOffersTheGrowingImproveButton();
    void improveLeadsToHoursAndTarget();
    void targetEqualToPresentPowerFactorIsAccepted();
    void targetOfHundredIsAccepted();
    void recalculateStartsAgainAtTheActiveEnergy();
    void endButtonEndsTheProgram();
    void closeBoxEndsTheProgram();
    void closingTheSizingScreenEndsTheProgram();
    void keyboardAloneReachesTheHoursPrompt();
    void valuesAreNamedForScreenReaders();
    void option1ByAScreenReadersToggle_data();
    void option1ByAScreenReadersToggle();
    void everyFormGoneWhileTheLeadRefusalShows();
    void longFiguresShowWhole_data();
    void longFiguresShowWhole();
    void fittedFiguresKeepClearOfTheirFrame();
};

void TestPfScreen::cleanup()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestPfScreen::laggingScreenAfterTheReactiveEnergy()
{
    Session s;
    QVERIFY(s.reachPowerFactor("1000", "484.3"));
    PfView pf{s};
    QCOMPARE(s.openForms(), (QStringList{"frmTimer", "frmPf"}));
    QVERIFY(!s.dialog());
    QCOMPARE(pf.s.pfScreen()->windowTitle(), texts::Title);
    QVERIFY(qAbs(s.app.calculation.intPf - 90.00078) < 1e-5);
    QCOMPARE(pf.label("lblKwh")->text(), QStringLiteral("1,000.00"));
    QCOMPARE(pf.label("lblKvarh")->text(), QStringLiteral("484.30"));
    QCOMPARE(pf.label("lblPf")->text(), QStringLiteral("90.00"));
    QCOMPARE(textColour(pf.label("lblPf")), White);
    QCOMPARE(pf.label("lblPhase")->text(), QStringLiteral(" Lag"));
    QCOMPARE(textColour(pf.label("lblPhase")), Black);
    QVERIFY(!pf.label("lblComent")->isVisible());
    QVERIFY(pf.option1()->isVisible());
    QVERIFY(!pf.option1()->isChecked());
    QVERIFY(!pf.button("cmdImprove")->isVisible());
    QVERIFY(pf.button("Command2")->hasFocus());

    const pf::TwipPoint tip = pf.dial()->needleTip();
    const pf::TwipPoint expected = pf::needleTip(s.app.calculation.intPf, 484.3);
    QCOMPARE(tip.x, expected.x);
    QCOMPARE(tip.y, expected.y);
    QCOMPARE(QString::number(tip.x, 'f', 0), QStringLiteral("5219"));
    QCOMPARE(pf.dial()->accessibleDescription(), QStringLiteral("力率 90.00%、遅れ（LAG）"));
    QVERIFY(s.messages.texts.isEmpty());
}

void TestPfScreen::layoutFollowsTheDesign()
{
    Session s;
    QVERIFY(s.reachPowerFactor("1000", "484.3"));
    PfView pf{s};
    QCOMPARE(s.pfScreen()->size(), QSize(forms::twipsToPixels(6855), forms::twipsToPixels(5130)));
    QCOMPARE(pf.label("lblKwh")->geometry(), forms::twipsRect(2760, 480, 1815, 375));
    QCOMPARE(pf.label("lblKvarh")->geometry(), forms::twipsRect(2760, 1200, 1815, 375));
    QCOMPARE(pf.get<QGroupBox>("Frame1")->geometry(), forms::twipsRect(480, 2160, 2055, 1695));
    QCOMPARE(pf.label("lblPf")->geometry(), forms::twipsRect(480, 720, 1095, 375));
    QCOMPARE(pf.button("Command1")->geometry(), forms::twipsRect(5160, 440, 1215, 495));
    QCOMPARE(pf.button("Command2")->geometry(), forms::twipsRect(5160, 1160, 1215, 495));
    QCOMPARE(pf.option1()->geometry(), forms::twipsRect(1440, 4080, 255, 255));
    QCOMPARE(pf.button("cmdImprove")->geometry(), forms::twipsRect(1440, 4080, 255, 255));
    QCOMPARE(pf.dial()->geometry(), forms::twipsRect(3185, 2030, 2730, 2530));

    QCOMPARE(pf.label("Label1")->text(), QStringLiteral("有効電力量kWh"));
    QCOMPARE(pf.label("Label2")->text(), QStringLiteral("無効電力量kvarh"));
    QCOMPARE(pf.get<QGroupBox>("Frame1")->title(), QStringLiteral("力率は"));
    QCOMPARE(pf.label("Label4")->text(), QStringLiteral("％"));
    QCOMPARE(pf.label("lblComent")->text(), QStringLiteral("99.5以上　→　100%"));
    QCOMPARE(pf.button("Command1")->text(), QStringLiteral("終　了"));
    QCOMPARE(pf.button("Command2")->text(), QStringLiteral("再計算"));
    QCOMPARE(pf.button("cmdImprove")->text(), QStringLiteral("力率改善"));
    QCOMPARE(pf.option1()->toolTip(), QStringLiteral("力率改善用ＳＣ容量を試算します"));

    QCOMPARE(pf.label("Label1")->palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0));
    QCOMPARE(pf.label("lblKwh")->palette().color(QPalette::Window), QColor(0, 0xC0, 0));
    QCOMPARE(textColour(pf.label("lblKwh")), White);
    QCOMPARE(textColour(pf.label("lblComent")), Red);
    QCOMPARE(pf.label("lblKwh")->font().pointSizeF(), 14.25);
    QVERIFY(pf.label("lblPf")->font().bold());
    QCOMPARE(pf.label("lblPhase")->font().pointSizeF(), 11.25);
    QCOMPARE(pf.button("Command1")->font().pointSizeF(), 12.0);

    QCOMPARE(pf.button("Command2")->nextInFocusChain(), pf.option1());
    QCOMPARE(pf.option1()->nextInFocusChain(), pf.button("cmdImprove"));
    QCOMPARE(pf.button("cmdImprove")->nextInFocusChain(), pf.button("Command1"));
}

void TestPfScreen::leadingScreenRefusesTheSizing()
{
    Session s;
    QVERIFY(s.reachPowerFactor("1000", "-484.3"));
    PfView pf{s};
    QCOMPARE(pf.label("lblPf")->text(), QStringLiteral("90.00"));
    QCOMPARE(textColour(pf.label("lblPf")), Red);
    QCOMPARE(pf.label("lblPhase")->text(), QStringLiteral("Lead"));
    QCOMPARE(textColour(pf.label("lblPhase")), Red);
    QCOMPARE(pf.dial()->needleTip().y, pf::needleTip(s.app.calculation.intPf, -484.3).y);
    QVERIFY(pf.dial()->needleTip().x < 4560);
    QCOMPARE(pf.dial()->accessibleDescription(), QStringLiteral("力率 90.00%、進み（LEAD）"));

    for (int attempt = 1; attempt <= 2; ++attempt) {
        QTest::mouseClick(pf.option1(), Qt::LeftButton);
        QCOMPARE(s.messages.texts, QStringList(attempt, LeadRefusal));
        QVERIFY(!pf.option1()->isChecked());
        QVERIFY(pf.option1()->isVisible());
        QVERIFY(!pf.button("cmdImprove")->isVisible());
        QVERIFY(!s.app.frmTimer().isPfImproveArmed());
    }
}

void TestPfScreen::noteForNinetyNinePointFiveAndMore()
{
    Session s;
    QVERIFY(s.reachPowerFactor("100", "10"));
    PfView pf{s};
    QCOMPARE(pf.label("lblPf")->text(), QStringLiteral("99.50"));
    QLabel* note = pf.label("lblComent");
    QVERIFY(note->isVisible());
    // The whole note shows inside its frame.
    QVERIFY(note->width() >= note->sizeHint().width());
    QVERIFY(note->geometry().right() < pf.get<QGroupBox>("Frame1")->width());
}

void TestPfScreen::option1WhenLaggingOffersTheGrowingImproveButton()
{
    Session s;
    QVERIFY(s.reachPowerFactor("1000", "484.3"));
    PfView pf{s};
    QTest::mouseClick(pf.option1(), Qt::LeftButton);
    QVERIFY(!pf.option1()->isVisible());
    QVERIFY(!pf.option1()->isChecked());
    QPushButton* improve = pf.button("cmdImprove");
    QVERIFY(improve->isVisible());
    QVERIFY(improve->hasFocus());
    QCOMPARE(textColour(pf.label("lblPf")), Red);
    QVERIFY(s.app.frmTimer().isPfImproveArmed());
    QCOMPARE(improve->geometry(), forms::twipsRect(1440, 4080, 255, 255));

    QCOMPARE(s.app.frmTimer().tmrPfImprove()->interval(), 150);
    QTRY_COMPARE_WITH_TIMEOUT(improve->geometry(), forms::twipsRect(1000, 3992, 1135, 475), 1000);
    QVERIFY(!s.app.frmTimer().isPfImproveArmed());
    QCOMPARE(s.app.frmPf().improveButton(), (pf::TwipRect{1000, 3992, 1135, 475}));
    QVERIFY(s.messages.texts.isEmpty());
}

void TestPfScreen::improveLeadsToHoursAndTarget()
{
    Session s;
    QVERIFY(s.reachPowerFactor("1000", "484.3"));
    PfView pf{s};
    QTest::mouseClick(pf.option1(), Qt::LeftButton);
    QTest::mouseClick(pf.button("cmdImprove"), Qt::LeftButton);

    QCOMPARE(s.app.calculation.strInputMode, InputMode::Hours);
    QVERIFY(s.app.frmPf().isLoaded());
    QVERIFY(!s.pfScreen()->isVisible());
    QVERIFY(s.showsPrompt(texts::HoursPrompt));
    QCOMPARE(s.openForms(), (QStringList{"frmTimer", "frmPf", "frmInputBox"}));
    QVERIFY(s.control<QLabel>("Label3")->isVisible());
    QVERIFY(s.control<QLabel>("Label3")->text().contains(QStringLiteral("２８日: ３９２H")));
    QVERIFY(s.dialog()->height() >= forms::clientHeightForOuterTwips(3400));
    QVERIFY(QTest::qWaitForWindowActive(s.dialog()));

    QVERIFY(s.enter("392", texts::TargetPrompt));
    QCOMPARE(s.app.calculation.intHours, 392.0);
    QCOMPARE(s.openForms(), (QStringList{"frmTimer", "frmPf", "frmInputBox"}));

    for (const QString& refused : {QStringLiteral("90"), QStringLiteral("100.5"), QStringLiteral("0.5")}) {
        s.messages.texts.clear();
        QVERIFY(s.enter(refused));
        QCOMPARE(s.messages.texts, QStringList{TargetOutOfRange});
        QVERIFY(s.text1()->text().isEmpty());
        QVERIFY(!s.app.frmSc().isLoaded());
    }

    s.messages.texts.clear();
    QVERIFY(s.enter("95"));
    QVERIFY(s.messages.texts.isEmpty());
    QCOMPARE(s.app.calculation.intTargetPf, 95.0);
    QVERIFY(s.scScreen() && s.scScreen()->isVisible());
    QVERIFY(!s.dialog());
    QVERIFY(!s.pfScreen()->isVisible());
    QCOMPARE(s.openForms(), (QStringList{"frmTimer", "frmPf", "frmSc"}));
}

void TestPfScreen::targetEqualToPresentPowerFactorIsAccepted()
{
    Session s;
    QVERIFY(s.reachTargetPrompt("1000", "484.3", "392"));
    const double present = s.app.calculation.intPf;
    QVERIFY(s.enter(QString::number(present, 'g', 17)));
    QVERIFY(s.messages.texts.isEmpty());
    QCOMPARE(s.app.calculation.intTargetPf, present);
    QVERIFY(s.app.frmSc().isVisible());
}

void TestPfScreen::targetOfHundredIsAccepted()
{
    Session s;
    QVERIFY(s.reachTargetPrompt("1000", "484.3", "392"));
    QVERIFY(s.enter("100"));
    QVERIFY(s.messages.texts.isEmpty());
    QCOMPARE(s.app.calculation.intTargetPf, 100.0);
    QVERIFY(s.app.frmSc().isVisible());
}

void TestPfScreen::recalculateStartsAgainAtTheActiveEnergy()
{
    Session s;
    QVERIFY(s.reachPowerFactor("1000", "484.3"));
    PfView pf{s};
    QTest::mouseClick(pf.option1(), Qt::LeftButton);
    QTest::mouseClick(pf.button("Command2"), Qt::LeftButton);

    QCOMPARE(s.openForms(), QStringList{"frmInputBox"});
    QCOMPARE(s.app.calculation.strInputMode, InputMode::Kwh);
    QVERIFY(s.showsPrompt(texts::KwhPrompt));
    QVERIFY(!s.app.frmTimer().isLoaded());
    QVERIFY(s.ended.isEmpty());
    // The figures keep their values until the new pass writes them.
    QCOMPARE(s.app.calculation.intKwh, 1000.0);

    // The next pass loads the screen afresh.
    QVERIFY(QTest::qWaitForWindowActive(s.dialog()));
    QVERIFY(s.reachPowerFactor("100", "10"));
    QVERIFY(pf.option1()->isVisible());
    QVERIFY(!pf.button("cmdImprove")->isVisible());
    QCOMPARE(pf.button("cmdImprove")->geometry(), forms::twipsRect(1440, 4080, 255, 255));
    QCOMPARE(pf.label("lblPf")->text(), QStringLiteral("99.50"));
    QCOMPARE(textColour(pf.label("lblPf")), White);
    QVERIFY(pf.label("lblComent")->isVisible());
}

void TestPfScreen::endButtonEndsTheProgram()
{
    Session s;
    QVERIFY(s.reachPowerFactor("1000", "484.3"));
    QTest::mouseClick(PfView{s}.button("Command1"), Qt::LeftButton);
    QVERIFY(s.openForms().isEmpty());
    QCOMPARE(s.ended.count(), 1);
}

void TestPfScreen::closeBoxEndsTheProgram()
{
    Session s;
    QVERIFY(s.reachPowerFactor("1000", "484.3"));
    QTest::mouseClick(PfView{s}.option1(), Qt::LeftButton);
    QVERIFY(s.app.frmTimer().isPfImproveArmed());
    QVERIFY(!s.pfScreen()->close());
    QVERIFY(s.openForms().isEmpty());
    QCOMPARE(s.ended.count(), 1);
    QVERIFY(!s.app.frmTimer().isPfImproveArmed());
    QVERIFY(!s.app.frmPf().isLoaded());
}

void TestPfScreen::closingTheSizingScreenEndsTheProgram()
{
    Session s;
    QVERIFY(s.reachTargetPrompt("1000", "484.3", "392"));
    QVERIFY(s.enter("95"));
    QVERIFY(!s.scScreen()->close());
    QVERIFY(s.openForms().isEmpty());
    QCOMPARE(s.ended.count(), 1);
}

void TestPfScreen::keyboardAloneReachesTheHoursPrompt()
{
    Session s;
    QVERIFY(s.reachPowerFactor("1000", "484.3"));
    PfView pf{s};
    QVERIFY(pf.button("Command2")->hasFocus());
    QTest::keyClick(s.pfScreen()->focusWidget(), Qt::Key_Tab);
    QVERIFY(pf.option1()->hasFocus());
    QTest::keyClick(pf.option1(), Qt::Key_Space);
    QVERIFY(pf.button("cmdImprove")->hasFocus());
    QTest::keyClick(pf.button("cmdImprove"), Qt::Key_Return);
    QVERIFY(s.showsPrompt(texts::HoursPrompt));
}

void TestPfScreen::valuesAreNamedForScreenReaders()
{
    Session s;
    QVERIFY(s.reachPowerFactor("1000", "484.3"));
    PfView pf{s};
    const auto name = [](QWidget* w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); };
    QCOMPARE(name(pf.label("lblKwh")), QStringLiteral("1,000.00"));
    QCOMPARE(name(pf.label("lblKvarh")), QStringLiteral("484.30"));
    QCOMPARE(name(pf.label("lblPf")), QStringLiteral("90.00"));
    QCOMPARE(name(pf.label("lblPhase")), QStringLiteral(" Lag"));
    QCOMPARE(name(pf.dial()), QStringLiteral("力率計"));
    QCOMPARE(QAccessible::queryAccessibleInterface(pf.dial())->text(QAccessible::Description),
        QStringLiteral("力率 90.00%、遅れ（LAG）"));
}

void TestPfScreen::option1ByAScreenReadersToggle_data()
{
    QTest::addColumn<QString>("kvarh");
    QTest::addColumn<bool>("offersImprove");
    QTest::newRow("lagging") << "484.3" << true;
    QTest::newRow("leading") << "-484.3" << false;
}

// A screen reader selects the option through its toggle action, which does
// not click it; the request runs all the same, once.
void TestPfScreen::option1ByAScreenReadersToggle()
{
    QFETCH(QString, kvarh);
    QFETCH(bool, offersImprove);
    Session s;
    QVERIFY(s.reachPowerFactor("1000", kvarh));
    PfView pf{s};
    QAccessibleInterface* option = QAccessible::queryAccessibleInterface(pf.option1());
    QCOMPARE(option->role(), QAccessible::RadioButton);
    QVERIFY(option->actionInterface());
    QVERIFY(option->actionInterface()->actionNames().contains(QAccessibleActionInterface::toggleAction()));
    option->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());

    QVERIFY(!pf.option1()->isChecked());
    QCOMPARE(pf.option1()->isVisible(), !offersImprove);
    QCOMPARE(pf.button("cmdImprove")->isVisible(), offersImprove);
    QCOMPARE(s.app.frmTimer().isPfImproveArmed(), offersImprove);
    QCOMPARE(s.messages.texts, offersImprove ? QStringList() : QStringList{LeadRefusal});
}

void TestPfScreen::everyFormGoneWhileTheLeadRefusalShows()
{
    Session s;
    QVERIFY(s.reachPowerFactor("1000", "-484.3"));
    PfView pf{s};
    s.messages.whileShown = [&](const QString&) { s.app.forms().unloadAllFromLast(); };
    QTest::mouseClick(pf.option1(), Qt::LeftButton);
    QCOMPARE(s.messages.texts, QStringList{LeadRefusal});
    QVERIFY(!s.pfScreen());
    QVERIFY(s.openForms().isEmpty());
    QCOMPARE(s.ended.count(), 1);
}

void TestPfScreen::longFiguresShowWhole_data()
{
    QTest::addColumn<QString>("kwh");
    QTest::addColumn<QString>("kvarh");
    QTest::addColumn<QString>("kwhText");
    QTest::addColumn<QString>("kvarhText");
    QTest::addColumn<bool>("elided");
    QTest::newRow("eight-digit energies") << "10000000" << "-1234567.89" << "10,000,000.00" << "-1,234,567.89" << false;
    QTest::newRow("beyond any meter") << "1" + QString(40, '0') << "1" << "10,000,000,000,000,000,000,000,000,000,000,000,000,000.00" << "1.00" << true;
}

// A figure wider than its label is drawn smaller, and only past a readable
// size elided in the middle; its first and last characters always show.
void TestPfScreen::longFiguresShowWhole()
{
    QFETCH(QString, kwh);
    QFETCH(QString, kvarh);
    QFETCH(QString, kwhText);
    QFETCH(QString, kvarhText);
    QFETCH(bool, elided);
    Session s;
    QVERIFY(s.reachPowerFactor(kwh, kvarh));
    PfView pf{s};
    for (const auto& [name, text] : {std::pair{"lblKwh", kwhText}, std::pair{"lblKvarh", kvarhText}}) {
        auto* label = pf.get<forms::FittingLabel>(name);
        QVERIFY(label);
        QCOMPARE(label->text(), text);
        QCOMPARE(label->geometry().size(), forms::twipsRect(0, 0, 1815, 375).size());
        const forms::FittedText shown = label->shown();
        QVERIFY(QFontMetrics(shown.font).horizontalAdvance(shown.text) <= label->contentsRect().width());
        QCOMPARE(shown.text.front(), text.front());
        QCOMPARE(shown.text.back(), text.back());
        QCOMPARE(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name), text);
    }
    const forms::FittedText kwhShown = pf.get<forms::FittingLabel>("lblKwh")->shown();
    QVERIFY(kwhShown.font.pointSizeF() < 14.25);
    QVERIFY(kwhShown.font.pointSizeF() >= forms::MinimumFittedPointSize);
    QCOMPARE(kwhShown.text.contains(QChar(0x2026)), elided);
    QCOMPARE(kwhShown.text == kwhText, !elided);
    // What fits is drawn as designed.
    const forms::FittedText pfShown = pf.get<forms::FittingLabel>("lblPf")->shown();
    QCOMPARE(pfShown.font, pf.label("lblPf")->font());
}

// A figure drawn smaller to fit its label keeps two pixels clear of the
// label's border on both sides, so a minus sign never reads as part of it.
void TestPfScreen::fittedFiguresKeepClearOfTheirFrame()
{
    Session s;
    QVERIFY(s.reachPowerFactor(QStringLiteral("10000000"), QStringLiteral("-1234567.89")));
    PfView pf{s};
    for (const char* name : {"lblKwh", "lblKvarh"}) {
        auto* label = pf.get<forms::FittingLabel>(name);
        QVERIFY(label->shown().font != label->font());
        const QImage image = drawn(label);
        const QRect contents = label->contentsRect();
        const InkSpan ink = inkColumns(image, contents, QColor(0, 192, 0));
        QVERIFY(!ink.empty());
        QVERIFY2(ink.left >= contents.left() + forms::FittedMargin,
            qPrintable(QStringLiteral("%1: ink from %2, contents from %3").arg(name).arg(ink.left).arg(contents.left())));
        QVERIFY2(ink.right <= contents.right() - forms::FittedMargin,
            qPrintable(QStringLiteral("%1: ink to %2, contents to %3").arg(name).arg(ink.right).arg(contents.right())));
    }
    QCOMPARE(pf.label("lblKvarh")->text(), QStringLiteral("-1,234,567.89"));

    // Also where the text would just fit edge to edge in a smaller size, and
    // whichever way the label aligns it.
    const QString text = pf.label("lblKvarh")->text();
    QFont smaller = pf.label("lblKvarh")->font();
    smaller.setPointSizeF(smaller.pointSizeF() - 1.5);
    const int tight = int(std::ceil(QFontMetricsF(smaller).horizontalAdvance(text)));
    for (const Qt::Alignment alignment : {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight}) {
        forms::FittingLabel label(text);
        label.setFont(pf.label("lblKvarh")->font());
        label.setFrameShape(QFrame::Box);
        label.setAlignment(alignment | Qt::AlignVCenter);
        label.resize(tight + 2 * label.frameWidth(), 25);
        QVERIFY(label.shown().font != label.font());
        const QImage image = drawn(&label);
        const QRect contents = label.contentsRect();
        const InkSpan ink = inkColumns(image, contents, label.palette().color(QPalette::Window));
        QVERIFY(!ink.empty());
        QVERIFY2(ink.left >= contents.left() + forms::FittedMargin && ink.right <= contents.right() - forms::FittedMargin,
            qPrintable(QStringLiteral("alignment %1: ink %2 to %3 in %4 to %5")
                           .arg(int(alignment)).arg(ink.left).arg(ink.right).arg(contents.left()).arg(contents.right())));
    }
}

QTEST_MAIN(TestPfScreen)
#include "test_pf_screen.moc"
