#include "app/app.h"
#include "app/frmtimer.h"
#include "app/qt_translation.h"
#include "core/arithmetic_error.h"
#include "forms/ui/twips.h"
#include "input/ui/frminputbox.h"
#include "pf/ui/frmpf.h"
#include "forms/ui/fitting_widgets.h"
#include "support/ink.h"
#include "support/session.h"
#include "support/texts.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

using namespace kandelo;
using program::InputMode;

namespace {

using namespace texts;

const QColor White(255, 255, 255);
const QColor LightGrey(224, 224, 224);

// An input dialog whose load step fails after it has prepared the prompt.
template <typename Failure>
class FailingInputBox : public input::FrmInputBox {
public:
    FailingInputBox(app::App& app, Failure failure) : FrmInputBox(app), failure_(std::move(failure)) {}

protected:
    void formLoad() override
    {
        FrmInputBox::formLoad();
        throw failure_;
    }

private:
    Failure failure_;
};

template <typename Failure>
app::App::InputBoxFactory failingWith(Failure failure)
{
    return [failure](app::App& app) { return std::make_unique<FailingInputBox<Failure>>(app, failure); };
}

QColor background(const QLineEdit* box)
{
    return box->palette().color(QPalette::Base);
}

int outerHeight(int twips)
{
    return forms::clientHeightForOuterTwips(twips);
}

} // namespace

Q_DECLARE_METATYPE(InputMode)
Q_DECLARE_METATYPE(app::App::InputBoxFactory)

class TestInputDialog : public QObject {
    Q_OBJECT

private slots:
    void cleanup();

    void startShowsOnlyTheActiveEnergyPrompt();
    void layoutFollowsTheDesign();
    void activeEnergyReopensTheDialogForReactiveEnergy();
    void okRefusals_data();
    void okRefusals();
    void pastedFiguresThatNoKeyCouldType_data();
    void pastedFiguresThatNoKeyCouldType();
    void minusKeyIsForReactiveEnergyOnly();
    void refusedKeysEmptyTheBox_data();
    void refusedKeysEmptyTheBox();
    void tabMovesFocusWithoutTheRules();
    void enterMovesToOkAndSecondEnterStores();
    void powerFactorEntryGivesReactiveEnergy();
    void powerFactorOfHundredIsRefusedOnThirdDigit();
    void enteringText1AgainEmptiesBothBoxes();
    void hoursStepExplainsHoursAndAsksForTarget();
    void targetBelowPresentOrAbove100IsRefused();
    void cancelAtFirstPromptEndsTheProgram();
    void cancelWithPowerFactorScreenHiddenEndsTheProgram();
    void closeBoxActsLikeCancel();
    void failingFirstLoadReportsAndEnds_data();
    void failingFirstLoadReportsAndEnds();
    void failureEscapingAHandlerIsReportedAndEnds();
    void boxesAreNamedAfterTheirCaptions();
    void keysTypedWhileTheDialogReopens_data();
    void keysTypedWhileTheDialogReopens();
    void refusalsPressedByAScreenReaderEmptyText1_data();
    void refusalsPressedByAScreenReaderEmptyText1();
    void qtOwnTextsAreJapanese();
    void everyFormGoneWhileAMessageShows_data();
    void everyFormGoneWhileAMessageShows();
    void liveKeyWaitsBehindTheHeldOnes();
    void keysAtMachineSpeedKeepTheirOrder();
    void reopenedDialogStandsWhereTheLastOneStood();
    void convertedFigureShowsWhole();
};

void TestInputDialog::cleanup()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestInputDialog::startShowsOnlyTheActiveEnergyPrompt()
{
    Session s;
    QVERIFY(s.activeWindow);
    QCOMPARE(s.openForms(), QStringList{"frmInputBox"});
    QVERIFY(s.dialog()->isVisible());
    QVERIFY(!s.app.frmPf().isLoaded());
    QVERIFY(!s.app.frmTimer().isLoaded());
    QCOMPARE(s.app.calculation.strInputMode, InputMode::Kwh);
    QCOMPARE(s.label1()->text(), KwhPrompt);
    QCOMPARE(s.dialog()->height(), outerHeight(2520));
    QCOMPARE(s.dialog()->windowTitle(), texts::Title);
    QVERIFY(!s.control<QLabel>("Label2")->isVisible());
    QVERIFY(!s.txtPf()->isVisible());
    QVERIFY(!s.control<QLabel>("Label3")->isVisible());
    QVERIFY(s.text1()->text().isEmpty());
    QTRY_VERIFY(s.text1()->hasFocus());
    QCOMPARE(background(s.text1()), White);
    QCOMPARE(background(s.txtPf()), LightGrey);
    QVERIFY(s.messages.texts.isEmpty());
    QVERIFY(s.ended.isEmpty());
}

void TestInputDialog::layoutFollowsTheDesign()
{
    Session s;
    QCOMPARE(s.dialog()->width(), forms::twipsToPixels(7125));
    QCOMPARE(s.text1()->geometry(), forms::twipsRect(4680, 240, 2055, 375));
    QCOMPARE(s.ok()->geometry(), forms::twipsRect(5160, 840, 1215, 480));
    QCOMPARE(s.cancel()->geometry(), forms::twipsRect(5160, 1440, 1215, 480));
    QCOMPARE(s.control<QLabel>("Label2")->geometry(), forms::twipsRect(960, 2160, 3255, 255));
    QCOMPARE(s.txtPf()->geometry(), forms::twipsRect(4200, 2100, 1335, 375));
    QCOMPARE(s.ok()->text(), QStringLiteral("OK"));
    QCOMPARE(s.cancel()->text(), QStringLiteral("ｷｬﾝｾﾙ"));
    QCOMPARE(s.control<QLabel>("Label2")->text(), QStringLiteral("力率で計算する場合　力率（％）："));
    QCOMPARE(s.text1()->alignment(), Qt::AlignCenter);

    // The prompt sits left of the entry box, at its design top.
    QVERIFY(s.label1()->geometry().right() < s.text1()->x());
    QCOMPARE(s.label1()->y(), forms::twipsToPixels(360));

#ifdef Q_OS_WIN
    // The design font where Windows has it, else the IPA Gothic the program carries.
    QCOMPARE(s.text1()->font().family(), QStringLiteral("MS PGothic"));
    QVERIFY((QStringList{"MS PGothic", "IPAPGothic"}.contains(QFontInfo(s.label1()->font()).family())));
#else
    QCOMPARE(s.text1()->font().family(), QStringLiteral("IPAPGothic"));
    QCOMPARE(QFontInfo(s.label1()->font()).family(), QStringLiteral("IPAPGothic"));
#endif
    QCOMPARE(s.text1()->font().pointSizeF(), 12.0);
    QCOMPARE(s.control<QLabel>("Label2")->font().pointSizeF(), 11.25);

    QVERIFY(!s.ok()->isDefault());
    QVERIFY(!s.cancel()->isDefault());
    QVERIFY(!s.text1()->testAttribute(Qt::WA_InputMethodEnabled));
    QVERIFY(!s.txtPf()->testAttribute(Qt::WA_InputMethodEnabled));

    QCOMPARE(s.text1()->nextInFocusChain(), s.ok());
    QCOMPARE(s.ok()->nextInFocusChain(), s.cancel());
}

void TestInputDialog::activeEnergyReopensTheDialogForReactiveEnergy()
{
    Session s;
    const QPointer<QWidget> first = s.dialog();
    QTest::keyClicks(s.text1(), QStringLiteral("1000"));
    QTest::mouseClick(s.ok(), Qt::LeftButton);

    // The dialog is unloaded and the timer armed for 50 ms. Its window, whose
    // OK handler unloaded it, stays on the screen without its controls and holds
    // the keyboard until the reopened dialog has the focus.
    QVERIFY(!s.dialog());
    QVERIFY(first && first->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first && first->findChildren<QWidget*>().isEmpty());
    QCOMPARE(s.app.frmTimer().tmrInput()->interval(), 50);
    QCOMPARE(s.openForms(), QStringList{"frmTimer"});
    QVERIFY(s.app.frmTimer().isInputArmed());
    QCOMPARE(s.app.calculation.intKwh, 1000.0);
    QVERIFY(!s.app.frmPf().isLoaded());
    QCOMPARE(s.app.calculation.strInputMode, InputMode::Kvarh);

    QTRY_VERIFY_WITH_TIMEOUT(s.showsPrompt(KvarhPrompt), 1000);
    QCOMPARE(s.openForms(), (QStringList{"frmTimer", "frmInputBox"}));
    QVERIFY(!s.app.frmTimer().isInputArmed());
    QTRY_VERIFY(!first);
    QVERIFY(!s.app.frmTimer().isVisible());
    QCOMPARE(s.dialog()->height(), outerHeight(3100));
    QVERIFY(s.control<QLabel>("Label2")->isVisible());
    QVERIFY(s.txtPf()->isVisible());
    QVERIFY(!s.control<QLabel>("Label3")->isVisible());
    QVERIFY(s.text1()->text().isEmpty());

    // One arming, one reopening.
    const QPointer<QWidget> reopened = s.dialog();
    QTest::qWait(200);
    QCOMPARE(s.dialog(), reopened.data());
    QVERIFY(s.ended.isEmpty());
}

void TestInputDialog::okRefusals_data()
{
    QTest::addColumn<InputMode>("mode");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    for (const auto& [name, mode] : {std::pair{"active energy", InputMode::Kwh},
             std::pair{"reactive energy", InputMode::Kvarh}, std::pair{"hours", InputMode::Hours}}) {
        QTest::addRow("%s: nothing", name) << mode << QString() << ZeroEntry;
        QTest::addRow("%s: 0", name) << mode << "0" << ZeroEntry;
        QTest::addRow("%s: 0.000", name) << mode << "0.000" << ZeroEntry;
        QTest::addRow("%s: 1.2.3", name) << mode << "1.2.3" << NotNumeric;
        QTest::addRow("%s: a lone point", name) << mode << "." << ZeroEntry;
    }
    QTest::newRow("reactive energy: lone minus") << InputMode::Kvarh << "-" << ZeroEntry;
    QTest::newRow("reactive energy: 5-") << InputMode::Kvarh << "5-" << NotNumeric;
}

void TestInputDialog::okRefusals()
{
    QFETCH(InputMode, mode);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    Session s;
    if (mode == InputMode::Kvarh)
        QVERIFY(s.enter(QStringLiteral("1000"), KvarhPrompt));
    if (mode == InputMode::Hours) {
        s.app.run([&] {
            s.app.frmInputBox().unload();
            s.app.calculation.strInputMode = InputMode::Hours;
            s.app.frmInputBox().show();
        });
        QVERIFY(QTest::qWaitForWindowActive(s.dialog()));
    }
    const auto formsBefore = s.openForms();
    const double kwhBefore = s.app.calculation.intKwh;

    QTest::keyClicks(s.text1(), typed);
    QCOMPARE(s.text1()->text(), typed);
    QTest::mouseClick(s.ok(), Qt::LeftButton);

    QCOMPARE(s.messages.texts, QStringList{message});
    QVERIFY(s.text1()->hasFocus());
    QVERIFY(s.text1()->text().isEmpty());
    QCOMPARE(s.openForms(), formsBefore);
    QCOMPARE(s.app.calculation.strInputMode, mode);
    QCOMPARE(s.app.calculation.intKwh, kwhBefore);
    QCOMPARE(s.app.calculation.intKvarh, 0.0);
    QCOMPARE(s.app.calculation.intHours, 0.0);
    QVERIFY(!s.app.frmTimer().isInputArmed());
}

void TestInputDialog::pastedFiguresThatNoKeyCouldType_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("message");
    QTest::newRow("negative energy") << "-1000" << NegativeEntry;
    QTest::newRow("beyond a double") << QString(400, '9') << NotNumeric;
    QTest::newRow("full-width digits") << QStringLiteral("１０００") << ZeroEntry;
    QTest::newRow("grouped") << "1,000" << NotNumeric;
    QTest::newRow("exponent") << "1e3" << NotNumeric;
    QTest::newRow("tab before the figure") << "\t12" << ZeroEntry;
}

void TestInputDialog::pastedFiguresThatNoKeyCouldType()
{
    QFETCH(QString, pasted);
    QFETCH(QString, message);
    Session s;
    QGuiApplication::clipboard()->setText(pasted);
    s.text1()->paste();
    QCOMPARE(s.text1()->text(), pasted);
    QTest::mouseClick(s.ok(), Qt::LeftButton);
    QCOMPARE(s.messages.texts, QStringList{message});
    QVERIFY(s.text1()->text().isEmpty());
    QCOMPARE(s.app.calculation.intKwh, 0.0);
    QCOMPARE(s.openForms(), QStringList{"frmInputBox"});
}

void TestInputDialog::minusKeyIsForReactiveEnergyOnly()
{
    Session s;
    QTest::keyClicks(s.text1(), QStringLiteral("12"));
    QTest::keyClick(s.text1(), Qt::Key_Minus);
    QCOMPARE(s.messages.texts, QStringList{NegativeEntry});
    QVERIFY(s.text1()->text().isEmpty());
    QTest::keyClick(s.text1(), Qt::Key_Minus, Qt::KeypadModifier);
    QCOMPARE(s.messages.texts.size(), 2);
    QVERIFY(s.text1()->text().isEmpty());
    s.messages.texts.clear();

    QVERIFY(s.enter(QStringLiteral("1000"), KvarhPrompt));
    QTest::keyClick(s.text1(), Qt::Key_Minus);
    QTest::keyClicks(s.text1(), QStringLiteral("250"));
    QCOMPARE(s.text1()->text(), QStringLiteral("-250"));
    QTest::mouseClick(s.ok(), Qt::LeftButton);
    QVERIFY(s.messages.texts.isEmpty());
    QCOMPARE(s.app.calculation.intKvarh, -250.0);
    QVERIFY(s.app.frmPf().isVisible());
    QCOMPARE(s.openForms(), (QStringList{"frmTimer", "frmPf"}));
}

void TestInputDialog::refusedKeysEmptyTheBox_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("refusals");
    QTest::newRow("letter") << int(Qt::Key_A) << int(Qt::NoModifier) << 1;
    QTest::newRow("shift") << int(Qt::Key_Shift) << int(Qt::NoModifier) << 1;
    QTest::newRow("control") << int(Qt::Key_Control) << int(Qt::NoModifier) << 1;
    // Control goes down first and is refused, then V is.
    QTest::newRow("paste shortcut") << int(Qt::Key_V) << int(Qt::ControlModifier) << 2;
    QTest::newRow("shifted digit") << int(Qt::Key_Exclam) << int(Qt::ShiftModifier) << 2;
    QTest::newRow("space") << int(Qt::Key_Space) << int(Qt::NoModifier) << 1;
    QTest::newRow("delete") << int(Qt::Key_Delete) << int(Qt::NoModifier) << 1;
    QTest::newRow("left arrow") << int(Qt::Key_Left) << int(Qt::NoModifier) << 1;
    QTest::newRow("escape") << int(Qt::Key_Escape) << int(Qt::NoModifier) << 1;
    QTest::newRow("comma") << int(Qt::Key_Comma) << int(Qt::NoModifier) << 1;
    QTest::newRow("plus") << int(Qt::Key_Plus) << int(Qt::NoModifier) << 1;
}

void TestInputDialog::refusedKeysEmptyTheBox()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, refusals);
    Session s;
    QVERIFY(s.enter(QStringLiteral("1000"), KvarhPrompt));
    for (QLineEdit* box : {s.text1(), s.txtPf()}) {
        s.messages.texts.clear();
        box->setFocus();
        QTest::keyClicks(box, QStringLiteral("12"));
        QTest::keyClick(box, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(s.messages.texts, QStringList(refusals, NonNumericKey));
        QVERIFY(box->text().isEmpty());
    }
}

void TestInputDialog::tabMovesFocusWithoutTheRules()
{
    Session s;
    QTRY_VERIFY(s.text1()->hasFocus());
    QTest::keyClicks(s.text1(), QStringLiteral("5"));
    QTest::keyClick(s.text1(), Qt::Key_Tab);
    QVERIFY(s.ok()->hasFocus());
    QTest::keyClick(s.ok(), Qt::Key_Backtab, Qt::ShiftModifier);
    QVERIFY(s.text1()->hasFocus());
    QVERIFY(s.messages.texts.isEmpty());
    // Entering Text1 again starts a fresh entry.
    QVERIFY(s.text1()->text().isEmpty());

    // Keypad digits and the keypad point are numbers too.
    QTest::keyClick(s.text1(), Qt::Key_1, Qt::KeypadModifier);
    QTest::keyClick(s.text1(), Qt::Key_Period, Qt::KeypadModifier);
    QTest::keyClick(s.text1(), Qt::Key_5, Qt::KeypadModifier);
    QTest::keyClick(s.text1(), Qt::Key_NumLock, Qt::KeypadModifier);
    QTest::keyClick(s.text1(), Qt::Key_Backspace);
    QCOMPARE(s.text1()->text(), QStringLiteral("1."));
    QVERIFY(s.messages.texts.isEmpty());
}

void TestInputDialog::enterMovesToOkAndSecondEnterStores()
{
    Session s;
    QTest::keyClicks(s.text1(), QStringLiteral("1000"));
    QTest::keyClick(s.text1(), Qt::Key_Return);
    QVERIFY(s.ok()->hasFocus());
    QCOMPARE(s.text1()->text(), QStringLiteral("1000"));
    QCOMPARE(s.app.calculation.intKwh, 0.0);
    QVERIFY(s.dialog());

    QTest::keyClick(s.ok(), Qt::Key_Return);
    QCOMPARE(s.app.calculation.intKwh, 1000.0);
    QVERIFY(!s.dialog());
    QTRY_VERIFY(s.showsPrompt(KvarhPrompt));

    // The keypad Enter and the Space bar do the same.
    QVERIFY(QTest::qWaitForWindowActive(s.dialog()));
    QTest::keyClicks(s.text1(), QStringLiteral("484.3"));
    QTest::keyClick(s.text1(), Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(s.ok()->hasFocus());
    QTest::keyClick(s.ok(), Qt::Key_Space);
    QCOMPARE(s.app.calculation.intKvarh, 484.3);
    QVERIFY(s.messages.texts.isEmpty());
}

void TestInputDialog::powerFactorEntryGivesReactiveEnergy()
{
    Session s;
    QVERIFY(s.enter(QStringLiteral("1000"), KvarhPrompt));
    QTest::keyClicks(s.text1(), QStringLiteral("9"));
    QTest::mouseClick(s.txtPf(), Qt::LeftButton);
    QVERIFY(s.txtPf()->hasFocus());
    QCOMPARE(background(s.text1()), LightGrey);
    QCOMPARE(background(s.txtPf()), White);
    QVERIFY(s.text1()->text().isEmpty());

    QTest::keyClicks(s.txtPf(), QStringLiteral("80"));
    QCOMPARE(s.text1()->text(), QStringLiteral(" 750"));
    QCOMPARE(s.txtPf()->text(), QStringLiteral("80"));

    QTest::mouseClick(s.ok(), Qt::LeftButton);
    QVERIFY(s.messages.texts.isEmpty());
    QCOMPARE(s.app.calculation.intKvarh, 750.0);
    QVERIFY(!s.dialog());
    QVERIFY(s.app.frmPf().isVisible());
    QCOMPARE(s.openForms(), (QStringList{"frmTimer", "frmPf"}));
}

void TestInputDialog::powerFactorOfHundredIsRefusedOnThirdDigit()
{
    Session s;
    QVERIFY(s.enter(QStringLiteral("1000"), KvarhPrompt));
    QTest::mouseClick(s.txtPf(), Qt::LeftButton);
    QTest::keyClicks(s.txtPf(), QStringLiteral("10"));
    QVERIFY(s.messages.texts.isEmpty());
    QVERIFY(!s.text1()->text().isEmpty());

    QTest::keyClicks(s.txtPf(), QStringLiteral("0"));
    QCOMPARE(s.messages.texts, QStringList{PfOutOfRange});
    QVERIFY(s.txtPf()->text().isEmpty());
    QVERIFY(s.text1()->text().isEmpty());

    QTest::keyClicks(s.txtPf(), QStringLiteral("99.9"));
    QCOMPARE(s.messages.texts.size(), 1);
    QCOMPARE(s.txtPf()->text(), QStringLiteral("99.9"));
    QCOMPARE(s.text1()->text(), QStringLiteral(" 44.7549327449585"));
}

void TestInputDialog::enteringText1AgainEmptiesBothBoxes()
{
    Session s;
    QVERIFY(s.enter(QStringLiteral("1000"), KvarhPrompt));
    QTest::mouseClick(s.txtPf(), Qt::LeftButton);
    QTest::keyClicks(s.txtPf(), QStringLiteral("80"));
    QCOMPARE(s.text1()->text(), QStringLiteral(" 750"));

    QTest::mouseClick(s.text1(), Qt::LeftButton);
    QVERIFY(s.text1()->hasFocus());
    QVERIFY(s.text1()->text().isEmpty());
    QVERIFY(s.txtPf()->text().isEmpty());
    QCOMPARE(background(s.text1()), White);
    QCOMPARE(background(s.txtPf()), LightGrey);
    QVERIFY(s.messages.texts.isEmpty());
}

void TestInputDialog::hoursStepExplainsHoursAndAsksForTarget()
{
    Session s;
    s.app.run([&] {
        s.app.frmInputBox().unload();
        s.app.calculation.strInputMode = InputMode::Hours;
        s.app.frmInputBox().show();
    });
    QVERIFY(QTest::qWaitForWindowActive(s.dialog()));
    QCOMPARE(s.label1()->text(), HoursPrompt);
    QVERIFY(s.dialog()->height() >= outerHeight(3400));
    auto* label3 = s.control<QLabel>("Label3");
    QVERIFY(label3->isVisible());
    QVERIFY(label3->text().startsWith(
        QStringLiteral("電力会社の一日の力率計測時間帯が８：００～２２：００(１４Ｈ)の場合\r\n\r\n")));
    QVERIFY(label3->text().endsWith(QStringLiteral("       ３１日: ４３４H")));
    QCOMPARE(label3->pos(), forms::twipsRect(360, 960, 0, 0).topLeft());
    QCOMPARE(label3->width(), forms::twipsToPixels(4455));
    QVERIFY(label3->geometry().bottom() < s.dialog()->height());
    QVERIFY(!s.txtPf()->isVisible());

    QVERIFY(s.enter(QStringLiteral("392.5"), TargetPrompt));
    QCOMPARE(s.app.calculation.intHours, 392.5);
    QCOMPARE(s.app.calculation.strInputMode, InputMode::TargetPf);
    QCOMPARE(s.dialog()->height(), outerHeight(2520));
    QVERIFY(!s.control<QLabel>("Label3")->isVisible());
}

void TestInputDialog::targetBelowPresentOrAbove100IsRefused()
{
    Session s;
    s.app.calculation.intPf = 90.00078;
    s.app.run([&] {
        s.app.frmInputBox().unload();
        s.app.calculation.strInputMode = InputMode::TargetPf;
        s.app.frmInputBox().show();
    });
    QVERIFY(QTest::qWaitForWindowActive(s.dialog()));
    for (const QString& target : {QStringLiteral("100.5"), QStringLiteral("90"), QStringLiteral("101")}) {
        s.messages.texts.clear();
        QTest::keyClicks(s.text1(), target);
        QTest::mouseClick(s.ok(), Qt::LeftButton);
        QCOMPARE(s.messages.texts, QStringList{TargetOutOfRange});
        QVERIFY(s.text1()->text().isEmpty());
        QVERIFY(s.text1()->hasFocus());
        QCOMPARE(s.app.calculation.intTargetPf, 0.0);
        QCOMPARE(s.app.calculation.strInputMode, InputMode::TargetPf);
    }
}

void TestInputDialog::cancelAtFirstPromptEndsTheProgram()
{
    Session s;
    QTest::mouseClick(s.cancel(), Qt::LeftButton);
    QVERIFY(s.openForms().isEmpty());
    QCOMPARE(s.ended.count(), 1);
    QCOMPARE(s.ended.first().first().toInt(), 0);
    QVERIFY(!s.app.frmPf().isLoaded());
}

void TestInputDialog::cancelWithPowerFactorScreenHiddenEndsTheProgram()
{
    Session s;
    QVERIFY(s.enter(QStringLiteral("1000"), KvarhPrompt));
    // The screen sequence of the improvement path: frmPf loaded and hidden, the dialog in front.
    s.app.run([&] {
        s.app.frmPf().show();
        s.app.frmInputBox().unload();
        s.app.calculation.strInputMode = InputMode::Hours;
        s.app.frmPf().hide();
        s.app.frmInputBox().show();
    });
    QCOMPARE(s.openForms(), (QStringList{"frmTimer", "frmPf", "frmInputBox"}));
    QTest::mouseClick(s.cancel(), Qt::LeftButton);
    QVERIFY(s.openForms().isEmpty());
    QCOMPARE(s.ended.count(), 1);
}

void TestInputDialog::closeBoxActsLikeCancel()
{
    Session s;
    QVERIFY(s.enter(QStringLiteral("1000"), KvarhPrompt));
    QCOMPARE(s.openForms(), (QStringList{"frmTimer", "frmInputBox"}));
    QVERIFY(s.dialog()->close() == false); // the form closes itself
    QVERIFY(s.openForms().isEmpty());
    QCOMPARE(s.ended.count(), 1);
}

void TestInputDialog::failingFirstLoadReportsAndEnds_data()
{
    QTest::addColumn<app::App::InputBoxFactory>("factory");
    QTest::newRow("arithmetic") << failingWith(core::ArithmeticError(core::ArithmeticError::Kind::Overflow));
    QTest::newRow("out of memory") << failingWith(std::bad_alloc());
    QTest::newRow("any other") << failingWith(std::runtime_error("other"));
}

void TestInputDialog::failingFirstLoadReportsAndEnds()
{
    QFETCH(app::App::InputBoxFactory, factory);
    Session s(factory);
    QCOMPARE(s.messages.texts, QStringList{Failure});
    QVERIFY(s.openForms().isEmpty());
    QVERIFY(!s.dialog());
    QCOMPARE(s.ended.count(), 1);
    QCOMPARE(s.ended.first().first().toInt(), 0);
}

void TestInputDialog::failureEscapingAHandlerIsReportedAndEnds()
{
    Session s;
    s.app.run([] { throw std::runtime_error("想定外の失敗"); });
    QCOMPARE(s.messages.texts, QStringList{QStringLiteral("想定外の失敗")});
    QCOMPARE(s.ended.count(), 1);
    QCOMPARE(s.ended.first().first().toInt(), 1);
}

void TestInputDialog::boxesAreNamedAfterTheirCaptions()
{
    Session s;
    const auto name = [](QWidget* w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); };
    QCOMPARE(name(s.text1()), KwhPrompt);
    QVERIFY(s.enter(QStringLiteral("1000"), KvarhPrompt));
    QCOMPARE(name(s.text1()), KvarhPrompt);
    QCOMPARE(name(s.txtPf()), QStringLiteral("力率で計算する場合　力率（％）："));
    QCOMPARE(name(s.ok()), QStringLiteral("OK"));
}

void TestInputDialog::keysTypedWhileTheDialogReopens_data()
{
    QTest::addColumn<QString>("typed"); // "\r" is the Enter key
    QTest::addColumn<QString>("text1");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<double>("kvarh");
    QTest::newRow("a figure") << "484.3" << "484.3" << QStringList() << 0.0;
    QTest::newRow("a refused key is still refused") << "48a3" << "3" << QStringList{NonNumericKey} << 0.0;
    QTest::newRow("the minus key, allowed for the reactive energy") << "-250" << "-250" << QStringList() << 0.0;
    QTest::newRow("figure and two Enters store it") << "484.3\r\r" << QString() << QStringList() << 484.3;
}

// Keys pressed right after OK, before the dialog is back, go to whatever
// window of the program has the focus; none of them may be lost.
void TestInputDialog::keysTypedWhileTheDialogReopens()
{
    QFETCH(QString, typed);
    QFETCH(QString, text1);
    QFETCH(QStringList, messages);
    QFETCH(double, kvarh);
    Session s;
    QTest::keyClicks(s.text1(), QStringLiteral("1000"));
    QTest::keyClick(s.text1(), Qt::Key_Return);
    QTest::keyClick(s.ok(), Qt::Key_Return);
    QVERIFY(!s.dialog());
    QVERIFY(QApplication::activeWindow());
    for (const QChar c : typed) {
        if (c == u'\r')
            QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Return);
        else
            QTest::keyClicks(static_cast<QWidget*>(nullptr), QString(c));
    }

    if (kvarh != 0.0) {
        QTRY_COMPARE(s.app.calculation.intKvarh, kvarh);
        QVERIFY(s.app.frmPf().isVisible());
    } else {
        QTRY_VERIFY(s.showsPrompt(KvarhPrompt));
        QTRY_COMPARE(s.text1()->text(), text1);
        QVERIFY(s.text1()->hasFocus());
    }
    QCOMPARE(s.messages.texts, messages);
    QCOMPARE(s.app.calculation.intKwh, 1000.0);
}

void TestInputDialog::refusalsPressedByAScreenReaderEmptyText1_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::newRow("not a number") << "1.2.3" << NotNumeric;
    QTest::newRow("zero") << "0" << ZeroEntry;
}

// A screen reader presses OK through its action while the focus stays in Text1.
void TestInputDialog::refusalsPressedByAScreenReaderEmptyText1()
{
    QFETCH(QString, typed);
    QFETCH(QString, message);
    Session s;
    QTRY_VERIFY(s.text1()->hasFocus());
    QTest::keyClicks(s.text1(), typed);
    QAccessibleActionInterface* ok = QAccessible::queryAccessibleInterface(s.ok())->actionInterface();
    QVERIFY(ok);
    ok->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(s.messages.texts, QStringList{message});
    QVERIFY(s.text1()->hasFocus());
    QVERIFY(s.text1()->text().isEmpty());
    QCOMPARE(s.app.calculation.intKwh, 0.0);
}

void TestInputDialog::qtOwnTextsAreJapanese()
{
    QVERIFY(app::installQtJapanese(*qApp));
    Session s;
    const std::unique_ptr<QMenu> menu(s.text1()->createStandardContextMenu());
    QStringList captions;
    for (const QAction* action : menu->actions())
        if (!action->isSeparator())
            captions << action->text();
    QVERIFY(!captions.isEmpty());
    for (const char* english : {"Undo", "Paste", "Select All"})
        QVERIFY2(!captions.join(u'|').contains(QLatin1String(english)), qPrintable(captions.join(u'|')));
    QVERIFY2(captions.join(u'|').contains(QStringLiteral("貼り付け")), qPrintable(captions.join(u'|')));
}

void TestInputDialog::everyFormGoneWhileAMessageShows_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("pressOk");
    QTest::addColumn<QString>("message");
    QTest::newRow("OK refuses") << "Text1" << "1.2.3" << true << NotNumeric;
    QTest::newRow("a key is refused") << "Text1" << "1a" << false << NonNumericKey;
    QTest::newRow("a power factor is refused") << "txtPf" << "100" << false << PfOutOfRange;
}

// Whatever a message box leaves behind once its handler goes on: here every
// form is unloaded while the box is open, as closing the program would do.
void TestInputDialog::everyFormGoneWhileAMessageShows()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(bool, pressOk);
    QFETCH(QString, message);
    Session s;
    QVERIFY(s.enter(QStringLiteral("1000"), KvarhPrompt));
    QLineEdit* entry = s.control<QLineEdit>(qPrintable(box));
    QTest::mouseClick(entry, Qt::LeftButton);
    s.messages.whileShown = [&](const QString&) { s.app.forms().unloadAllFromLast(); };
    QTest::keyClicks(entry, typed);
    if (pressOk)
        QTest::mouseClick(s.ok(), Qt::LeftButton);
    QCOMPARE(s.messages.texts, QStringList{message});
    QVERIFY(!s.dialog());
    QVERIFY(s.openForms().isEmpty());
    QCOMPARE(s.ended.count(), 1);
}

// A key that reaches the reopened dialog before the keys held meanwhile have
// been handed over waits behind them: here a key is posted to Text1 as soon
// as it takes the focus, before the hand-over has run.
void TestInputDialog::liveKeyWaitsBehindTheHeldOnes()
{
    Session s;
    QTest::keyClicks(s.text1(), QStringLiteral("1000"));
    QTest::keyClick(s.text1(), Qt::Key_Return);
    QTest::keyClick(s.ok(), Qt::Key_Return);
    QVERIFY(!s.dialog());
    QTest::keyClicks(static_cast<QWidget*>(nullptr), QStringLiteral("48"));

    struct PostOnFocus : QObject {
        bool posted = false;
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (!posted && event->type() == QEvent::FocusIn && watched->objectName() == u"Text1") {
                posted = true;
                QCoreApplication::postEvent(watched, new QKeyEvent(QEvent::KeyPress, Qt::Key_3, Qt::NoModifier, QStringLiteral("3")));
                QCoreApplication::postEvent(watched, new QKeyEvent(QEvent::KeyRelease, Qt::Key_3, Qt::NoModifier, QStringLiteral("3")));
            }
            return false;
        }
    } postOnFocus;
    qApp->installEventFilter(&postOnFocus);
    QTRY_VERIFY(s.showsPrompt(KvarhPrompt));
    QTRY_COMPARE(s.text1()->text(), QStringLiteral("483"));
    qApp->removeEventFilter(&postOnFocus);
    QVERIFY(postOnFocus.posted);
    QTest::qWait(20);
    QCOMPARE(s.text1()->text(), QStringLiteral("483"));
    QVERIFY(s.messages.texts.isEmpty());
}

// A tester typing at machine speed across the reopening, at every pace from
// 0 to 60 ms a key, with a little jitter: the figure stored is the one typed.
// Each key is pressed by a timer of its own, as the window system delivers
// keys, so one may come in the same pass of the event loop as the timer that
// reopens the dialog. A key's timer starts once the key before it is pressed:
// timers started together need not go off in the order of their times (one
// of 0 ms is a queued call, the others are timers), and the keys must come in
// the order they were typed.
void TestInputDialog::keysAtMachineSpeedKeepTheirOrder()
{
    const quint32 seed = QRandomGenerator::global()->generate();
    QRandomGenerator random(seed);
    const QList<std::pair<Qt::Key, QString>> keys{{Qt::Key_Return, {}}, {Qt::Key_Return, {}}, {Qt::Key_4, "4"},
        {Qt::Key_8, "8"}, {Qt::Key_4, "4"}, {Qt::Key_3, "3"}, {Qt::Key_0, "0"}};
    for (int delay = 0; delay <= 60; delay += 5) {
        for (int run = 0; run < 3; ++run) {
            const QByteArray where = QStringLiteral("seed %1, %2 ms a key, run %3").arg(seed).arg(delay).arg(run).toUtf8();
            Session s;
            QTest::keyClicks(s.text1(), QStringLiteral("100000"));
            QList<int> paces;
            for (qsizetype key = 0; key < keys.size(); ++key)
                paces << std::max(0, delay + int(random.bounded(5)) - 2);
            qsizetype pressed = 0;
            QObject presser; // ends the chain with the run, should a wait give up
            std::function<void()> pressNext = [&] {
                QTimer::singleShot(paces[pressed], Qt::PreciseTimer, &presser, [&] {
                    const auto& [key, text] = keys[pressed];
                    QTest::sendKeyEvent(QTest::Click, static_cast<QWidget*>(nullptr), key, text, Qt::NoModifier);
                    if (++pressed < keys.size())
                        pressNext();
                });
            };
            pressNext();
            QVERIFY2(QTest::qWaitFor([&] { return pressed == keys.size(); }), where);
            QVERIFY2(QTest::qWaitFor([&] { return s.showsPrompt(KvarhPrompt) && !s.text1()->text().isEmpty(); }), where);
            QTest::qWait(10);
            QVERIFY2(s.text1()->text() == u"48430", where + " Text1: " + s.text1()->text().toUtf8());
            QTest::keyClick(s.text1(), Qt::Key_Return);
            QTest::keyClick(s.ok(), Qt::Key_Return);
            QVERIFY2(QTest::qWaitFor([&] { return s.pfScreen() && s.pfScreen()->isVisible(); }), where);
            QVERIFY2(s.app.calculation.intKvarh == 48430, where);
            QVERIFY2(Session::control<QLabel>(s.pfScreen(), "lblKvarh")->text() == u"48,430.00", where);
            QVERIFY2(Session::control<QLabel>(s.pfScreen(), "lblPf")->text() == u"90.00", where);
            QVERIFY2(s.messages.texts.isEmpty(), where);
        }
    }
}

// Each dialog the timer reopens opens where the one before it stood, so a
// click aimed at Cancel still finds it; the heights stay as designed.
void TestInputDialog::reopenedDialogStandsWhereTheLastOneStood()
{
    Session s;
    s.dialog()->move(137, 91);
    const QPoint at = s.dialog()->pos();
    QVERIFY(s.enter(QStringLiteral("1000"), KvarhPrompt));
    QCOMPARE(s.dialog()->pos(), at);
    QCOMPARE(s.dialog()->height(), outerHeight(3100));
    QTest::keyClicks(s.text1(), QStringLiteral("484.3"));
    QTest::mouseClick(s.ok(), Qt::LeftButton);
    QTRY_VERIFY(s.pfScreen() && s.pfScreen()->isVisible());
    QTest::mouseClick(Session::control<QWidget>(s.pfScreen(), "Option1"), Qt::LeftButton);
    QTest::mouseClick(Session::control<QWidget>(s.pfScreen(), "cmdImprove"), Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowActive(s.dialog()));
    s.dialog()->move(211, 63);
    const QPoint hoursAt = s.dialog()->pos();
    QVERIFY(s.enter(QStringLiteral("392"), TargetPrompt));
    QCOMPARE(s.dialog()->pos(), hoursAt);
    QCOMPARE(s.dialog()->height(), outerHeight(2520));
}

// A figure that the program writes into Text1 shows whole, not its end.
void TestInputDialog::convertedFigureShowsWhole()
{
    Session s;
    QVERIFY(s.enter(QStringLiteral("1000"), KvarhPrompt));
    QTest::mouseClick(s.txtPf(), Qt::LeftButton);
    QTest::keyClicks(s.txtPf(), QStringLiteral("85"));
    QCOMPARE(s.text1()->text(), QStringLiteral(" 619.744338403102"));
    auto* text1 = qobject_cast<forms::FittingLineEdit*>(s.text1());
    QVERIFY(text1);
    const forms::FittedText shown = text1->shown();
    QCOMPARE(shown.text, text1->text());
    QVERIFY(shown.font.pointSizeF() < 12);

    // Drawn, the whole text stands clear of both edges of the box.
    const QImage image = drawn(text1);
    const QRect contents = text1->contentsRect();
    const InkSpan ink = inkColumns(image, contents.adjusted(1, 3, -1, -3), LightGrey);
    QVERIFY(!ink.empty());
    QVERIFY2(ink.left >= contents.left() + forms::FittedMargin, qPrintable(QString::number(ink.left)));
    QVERIFY2(ink.right <= contents.right() - forms::FittedMargin, qPrintable(QString::number(ink.right)));
    QVERIFY(ink.width() >= QFontMetrics(shown.font).horizontalAdvance(shown.text.trimmed()) - 3);

    // While the user edits it, it is an ordinary text box again.
    QTest::mouseClick(text1, Qt::LeftButton);
    QVERIFY(text1->hasFocus());
    QCOMPARE(text1->shown().font, text1->font());
}

QTEST_MAIN(TestInputDialog)
#include "test_input_dialog.moc"
