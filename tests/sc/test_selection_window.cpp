#include "report/report.h"
#include "report/ui/report_commands.h"
#include "sc/ui/selection_window.h"
#include "support/session.h"
#include "support/texts.h"

#include <QAccessible>
#include <QMenu>
#include <QtTest>

using namespace kandelo;

namespace {

using namespace texts;

// The selection window of a session, read as the user sees it.
struct SelectionView {
    Session& s;
    QWidget* window() { return s.app.frmSc().selectionWindow(); }
    QString text(const char* name)
    {
        auto* label = Session::control<QLabel>(window(), name);
        return label ? label->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
    }
    QLineEdit* box(const char* name) { return Session::control<QLineEdit>(window(), name); }
    // Types into a box as a user does, any character.
    void type(const char* name, const QString& typed)
    {
        QLineEdit* field = box(name);
        QTest::mouseClick(field, Qt::LeftButton);
        for (const QChar c : typed)
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    void clear(const char* name)
    {
        QLineEdit* field = box(name);
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
    }
};

[[nodiscard]] bool reachWorkedExample(Session& s)
{
    return s.reachSizing("100000", "48430", "392", "95");
}

QString reportText(Session& s)
{
    return QString::fromStdString(report::plainText(s.app.reportCommands().currentReport()));
}

} // namespace

class TestSelectionWindow : public QObject {
    Q_OBJECT

private slots:
    void cleanup();

    void openedFromTheMenuAndTheShortcut();
    void showsBothFrequencies();
    void followsTheReactorOfTheSizingScreen();
    void savingAndLightLoadAsTyped();
    void badInputIsToldInTheWindow_data();
    void badInputIsToldInTheWindow();
    void reportHoldsTheSelection();
    void closesWithTheSizingScreen();
    void boxesAreNamedAfterTheirCaptions();
};

void TestSelectionWindow::cleanup()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The right-click menu of the sizing screen offers it with its shortcut, and
// both open the one window; the screens and the open-forms list stay as they were.
void TestSelectionWindow::openedFromTheMenuAndTheShortcut()
{
    Session s;
    QVERIFY(reachWorkedExample(s));
    QWidget* sc = s.scScreen();
    const QStringList formsBefore = s.openForms();
    QStringList captions;
    for (QAction* action : sc->actions())
        captions << action->text() + u'|' + action->shortcut().toString();
    QCOMPARE(captions,
        (QStringList{"コピー|Ctrl+C", "PDFで保存...|Ctrl+S", "印刷...|Ctrl+P", "標準容量の選定...|Ctrl+U"}));
    QCOMPARE(sc->contextMenuPolicy(), Qt::ActionsContextMenu);

    sc->actions().back()->trigger();
    SelectionView view{s};
    QVERIFY(view.window());
    QVERIFY(QTest::qWaitForWindowExposed(view.window()));
    QCOMPARE(view.window()->windowTitle(), QStringLiteral("標準容量の選定"));
    view.window()->close();
    QVERIFY(!view.window()->isVisible());

    sc->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(sc));
    QTest::keyClick(sc, Qt::Key_U, Qt::ControlModifier);
    QVERIFY(view.window()->isVisible());
    QCOMPARE(s.openForms(), formsBefore);
    QVERIFY(sc->isVisible());
    QVERIFY(s.messages.texts.isEmpty());
}

// The worked example: 50 kvar at both frequencies, giving 96.09 % Lag.
void TestSelectionWindow::showsBothFrequencies()
{
    Session s;
    QVERIFY(reachWorkedExample(s));
    QTest::keyClick(s.scScreen(), Qt::Key_U, Qt::ControlModifier);
    SelectionView view{s};
    QCOMPARE(view.text("frequency50"), QStringLiteral("50Hz"));
    QCOMPARE(view.text("frequency60"), QStringLiteral("60Hz"));
    for (const char* at : {"50", "60"}) {
        const auto cell = [&](const char* name) { return view.text(qPrintable(QString::fromLatin1(name) + at)); };
        QCOMPARE(cell("total"), QStringLiteral("50"));
        QCOMPARE(cell("units"), QStringLiteral("50"));
        QCOMPARE(cell("capacitor"), QStringLiteral("53.2"));
        QCOMPARE(cell("reactor"), QStringLiteral("3.19"));
        QCOMPARE(cell("pf"), QStringLiteral("96.09 Lag"));
        QCOMPARE(cell("lightPf"), QString());
        QCOMPARE(cell("monthly"), QString());
    }
    QCOMPARE(view.text("capacitorCaption"), QStringLiteral("SC定格容量（kvar）Ｌ＝ ６％"));
    QVERIFY(!Session::control<QLabel>(view.window(), "warnings")->isVisibleTo(view.window()));
    QVERIFY(view.text("note").startsWith(QStringLiteral("力率による基本料金の割引・割増の有無と条件はご契約によります")));
}

// The reactor toggled on the sizing screen is the window's reactor too.
void TestSelectionWindow::followsTheReactorOfTheSizingScreen()
{
    Session s;
    QVERIFY(reachWorkedExample(s));
    QTest::keyClick(s.scScreen(), Qt::Key_U, Qt::ControlModifier);
    SelectionView view{s};
    QTest::mouseClick(Session::control<QWidget>(s.scScreen(), "lblL"), Qt::LeftButton);
    QCOMPARE(view.text("capacitorCaption"), QStringLiteral("SC定格容量（kvar）Ｌ＝１３％"));
    QCOMPARE(view.text("capacitor50"), QStringLiteral("57.5"));
    QCOMPARE(view.text("reactor60"), QStringLiteral("7.47"));
    QTest::mouseClick(Session::control<QWidget>(s.scScreen(), "lblL"), Qt::LeftButton);
    QCOMPARE(view.text("capacitor50"), QStringLiteral("53.2"));
}

// A contract of 200 kW at 1,800 円/kW saves 21,600 円 a month; a light load
// of 50 kW and 5 kvar leads with 50 kvar, and the window says so.
void TestSelectionWindow::savingAndLightLoadAsTyped()
{
    Session s;
    QVERIFY(reachWorkedExample(s));
    QTest::keyClick(s.scScreen(), Qt::Key_U, Qt::ControlModifier);
    SelectionView view{s};
    view.type("contractKw", QStringLiteral("200"));
    QCOMPARE(view.text("monthly50"), QString()); // one of the two is not yet a saving
    view.type("unitPrice", QStringLiteral("1800"));
    QCOMPARE(view.text("monthly50"), QStringLiteral("21,600円"));
    QCOMPARE(view.text("yearly60"), QStringLiteral("259,200円"));
    view.type("lightKw", QStringLiteral("50"));
    view.type("lightKvar", QStringLiteral("5"));
    QCOMPARE(view.text("lightPf50"), QStringLiteral("74.33 Lead"));
    auto* warnings = Session::control<QLabel>(view.window(), "warnings");
    QVERIFY(warnings->isVisibleTo(view.window()));
    QCOMPARE(warnings->text(), QStringLiteral("50Hz：軽負荷時は進み力率になります：このコンデンサは補償しすぎです\n"
                                              "60Hz：軽負荷時は進み力率になります：このコンデンサは補償しすぎです"));
    // What was typed stays when the window is closed and opened again.
    view.window()->close();
    QTest::keyClick(s.scScreen(), Qt::Key_U, Qt::ControlModifier);
    QCOMPARE(view.box("unitPrice")->text(), QStringLiteral("1800"));
    QCOMPARE(view.text("monthly60"), QStringLiteral("21,600円"));
    QVERIFY(s.messages.texts.isEmpty());
}

void TestSelectionWindow::badInputIsToldInTheWindow_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("problem");
    QTest::newRow("letters") << "contractKw" << "2oo" << "契約電力（kW）：半角の数字を入力してください";
    QTest::newRow("full-width digits") << "unitPrice" << "１８００" << "基本料金単価（円/kW）：半角の数字を入力してください";
    QTest::newRow("a negative price") << "unitPrice" << "-1800" << "基本料金単価（円/kW）：0以上の数字を入力してください";
    QTest::newRow("no light load") << "lightKw" << "0" << "軽負荷時の平均有効電力（kW）：0より大きい数字を入力してください";
}

// What is typed wrong is told in the window, with no box to close, and only
// its own figures go; what was computed stays.
void TestSelectionWindow::badInputIsToldInTheWindow()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, problem);
    Session s;
    QVERIFY(reachWorkedExample(s));
    QTest::keyClick(s.scScreen(), Qt::Key_U, Qt::ControlModifier);
    SelectionView view{s};
    view.type("contractKw", QStringLiteral("200"));
    view.type("unitPrice", QStringLiteral("1800"));
    view.type("lightKw", QStringLiteral("50"));
    view.type("lightKvar", QStringLiteral("5"));
    view.clear(qPrintable(box));
    view.type(qPrintable(box), typed);
    QCOMPARE(view.box(qPrintable(box))->text(), typed);
    auto* problems = Session::control<QLabel>(view.window(), "problems");
    QVERIFY(problems->isVisibleTo(view.window()));
    QCOMPARE(problems->text(), problem);
    QVERIFY(s.messages.texts.isEmpty());
    QCOMPARE(view.text("total50"), QStringLiteral("50"));
    QCOMPARE(view.text("pf60"), QStringLiteral("96.09 Lag"));
    const bool saving = box == u"contractKw" || box == u"unitPrice";
    QCOMPARE(view.text("monthly50").isEmpty(), saving);
    QCOMPARE(view.text("lightPf50").isEmpty(), !saving);
    // Put right, the message goes.
    view.clear(qPrintable(box));
    view.type(qPrintable(box), QStringLiteral("60"));
    QVERIFY(!problems->isVisibleTo(view.window()));
}

// The report carries the selection with what was given, and its header
// whom it is for.
void TestSelectionWindow::reportHoldsTheSelection()
{
    Session s;
    QVERIFY(reachWorkedExample(s));
    const QString without = reportText(s);
    QVERIFY(without.contains(QStringLiteral("\r\n標準容量の選定\r\n\t50Hz\t60Hz\r\n標準定格設備容量（kvar）\t50\t50\r\n"
                                            "構成\t50\t50\r\nSC定格容量（kvar）Ｌ＝ ６％\t53.2\t53.2\r\n"
                                            "直列リアクトル定格容量（kvar）\t3.19\t3.19\r\n設置後の力率（％）\t96.09 Lag\t96.09 Lag\r\n")));
    QVERIFY(!without.contains(QStringLiteral("節減額")));

    QTest::keyClick(s.scScreen(), Qt::Key_U, Qt::ControlModifier);
    SelectionView view{s};
    view.type("contractKw", QStringLiteral("200"));
    view.type("unitPrice", QStringLiteral("1800"));
    view.type("customer", QStringLiteral("山田商店"));
    view.type("person", QStringLiteral("佐藤"));
    const QString with = reportText(s);
    QVERIFY(with.contains(QStringLiteral("計算日時\t")));
    QVERIFY(with.contains(QStringLiteral("\r\nお客さま\t山田商店\r\n担当者\t佐藤\r\n")));
    QVERIFY(!with.contains(QStringLiteral("設置場所")));
    QVERIFY(with.contains(QStringLiteral("基本料金の節減額（円／月）\t21,600円\t21,600円\r\n")));
    QVERIFY(with.contains(QStringLiteral("基本料金の節減額（円／年）\t259,200円\t259,200円\r\n")));
    QVERIFY(with.contains(QStringLiteral("力率による基本料金の割引・割増の有無と条件はご契約によります")));
    // After the reactor is toggled the report follows, as the window does.
    QTest::mouseClick(Session::control<QWidget>(s.scScreen(), "lblL"), Qt::LeftButton);
    QVERIFY(reportText(s).contains(QStringLiteral("SC定格容量（kvar）Ｌ＝１３％\t57.5\t57.5\r\n")));
}

// The window goes with the sizing screen; the program ends as it did.
void TestSelectionWindow::closesWithTheSizingScreen()
{
    Session s;
    QVERIFY(reachWorkedExample(s));
    QTest::keyClick(s.scScreen(), Qt::Key_U, Qt::ControlModifier);
    const QPointer<QWidget> window = s.app.frmSc().selectionWindow();
    QVERIFY(window && window->isVisible());
    QTest::mouseClick(Session::control<QPushButton>(s.scScreen(), "Command2"), Qt::LeftButton);
    QTRY_VERIFY(!window);
    QVERIFY(s.pfScreen() && s.pfScreen()->isVisible());
    QVERIFY(s.ended.isEmpty());

    // Again to the sizing, the window open, and the end button ends it all.
    QTest::mouseClick(Session::control<QWidget>(s.pfScreen(), "Option1"), Qt::LeftButton);
    QTest::mouseClick(Session::control<QWidget>(s.pfScreen(), "cmdImprove"), Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowActive(s.dialog()));
    QVERIFY(s.enter(QStringLiteral("392"), TargetPrompt));
    QVERIFY(s.enter(QStringLiteral("95")));
    QVERIFY(s.scScreen() && QTest::qWaitForWindowActive(s.scScreen()));
    QTest::keyClick(s.scScreen(), Qt::Key_U, Qt::ControlModifier);
    const QPointer<QWidget> again = s.app.frmSc().selectionWindow();
    QVERIFY(again && again->isVisible());
    QCOMPARE(Session::control<QLineEdit>(again, "contractKw")->text(), QString()); // a new sizing starts empty
    QTest::mouseClick(Session::control<QPushButton>(s.scScreen(), "Command1"), Qt::LeftButton);
    QCOMPARE(s.ended.count(), 1);
    QTRY_VERIFY(!again);
    QVERIFY(s.openForms().isEmpty());
}

void TestSelectionWindow::boxesAreNamedAfterTheirCaptions()
{
    Session s;
    QVERIFY(reachWorkedExample(s));
    QTest::keyClick(s.scScreen(), Qt::Key_U, Qt::ControlModifier);
    SelectionView view{s};
    const auto name = [](QWidget* w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); };
    QCOMPARE(name(view.box("contractKw")), QStringLiteral("契約電力（kW）"));
    QCOMPARE(name(view.box("unitPrice")), QStringLiteral("基本料金単価（円/kW）"));
    QCOMPARE(name(view.box("customer")), QStringLiteral("お客さま"));
    QCOMPARE(QAccessible::queryAccessibleInterface(view.box("lightKw"))->role(), QAccessible::EditableText);
    QCOMPARE(name(Session::control<QPushButton>(view.window(), "closeButton")), QStringLiteral("閉じる"));
}

QTEST_MAIN(TestSelectionWindow)
#include "test_selection_window.moc"
