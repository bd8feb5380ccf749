#include "forms/ui/desktop.h"
#include "report/report.h"
#include "report/ui/report_commands.h"
#include "sc/ui/selection_window.h"
#include "support/selection_table.h"
#include "support/session.h"
#include "support/typing.h"
#include "support/texts.h"

#include <QAccessible>
#include <QClipboard>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QMenu>
#include <QMimeData>
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
    // Whether the window becomes the active one. (A window's own QWindow counts
    // as active while the sizing screen it belongs to is, so that is not asked.)
    bool active()
    {
        return QTest::qWaitFor([this] { return window() && QApplication::activeWindow() == window(); });
    }
    // A cell of the table: the row whose caption begins so, at 50 Hz (0) or 60 Hz (1).
    QString cell(const QString& caption, int column) { return SelectionTable(window()).cell(caption, column); }
    QLineEdit* box(const char* name) { return Session::control<QLineEdit>(window(), name); }
    void type(const char* name, const QString& typed) { typeInto(box(name), typed); }
    void clear(const char* name)
    {
        QLineEdit* field = box(name);
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
    }
    // Pastes text into a box from the clipboard, as Ctrl+V does.
    void paste(const char* name, const QString& text)
    {
        QGuiApplication::clipboard()->setText(text);
        QLineEdit* field = box(name);
        field->setFocus();
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    }
};

// The save and print dialogs, which the test answers by cancelling; it
// notes which window they were asked for.
class CancellingDesktop : public forms::DesktopService {
public:
    QList<QWidget*> savedFrom;
    QList<QWidget*> printedFrom;
    QString saveFileName(QWidget* parent, const QString&, const QString&, const QString&) override
    {
        savedFrom << parent;
        return {};
    }
    forms::PrintOutcome printPage(QWidget* parent, const std::function<void(QPaintDevice&)>&) override
    {
        printedFrom << parent;
        return forms::PrintOutcome::Cancelled;
    }
    QString openFileName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    forms::SaveAnswer askToSave(QWidget*, const QString&) override { return forms::SaveAnswer::Cancel; }
    void tell(QWidget*, const QString&) override {}
};

// The window is opened with the program's shortcut.
void openSelection(Session& s)
{
    QTest::keyClick(s.scScreen(), Qt::Key_T, Qt::ControlModifier);
}

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
    void shortcutLeavesEveryTextBoxAlone();
    void resultCommandsInTheWindow();
    void showsBothFrequencies();
    void followsTheReactorOfTheSizingScreen();
    void savingAndLightLoadAsTyped();
    void badInputIsToldInTheWindow_data();
    void badInputIsToldInTheWindow();
    void reportHoldsTheSelection();
    void closesWithTheSizingScreen();
    void typedFiguresOutliveTheScreen();
    void pastedTextIsOneLine();
    void longTextIsCutAndSaid();
    void boxesAreNamedAfterTheirCaptions();
    void resultsReadByRowAndFrequency();
    void warningIsAnnounced();
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
        (QStringList{"コピー|Ctrl+C", "PDFで保存...|Ctrl+S", "印刷...|Ctrl+P", "月別の力率...|Ctrl+M",
            "標準容量の選定...|Ctrl+T"}));
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
    QTest::keyClick(sc, Qt::Key_T, Qt::ControlModifier);
    QVERIFY(view.window()->isVisible());
    QCOMPARE(s.openForms(), formsBefore);
    QVERIFY(sc->isVisible());
    QVERIFY(s.messages.texts.isEmpty());
}

// Ctrl+U deletes the line in a text box on X11, and Ctrl+K, Ctrl+E and
// Ctrl+D edit it there: the window's shortcut is none of them. Pressed in
// any text box of the sizing screen or of the window it opens (or keeps) the
// window and leaves what was typed as it was.
void TestSelectionWindow::shortcutLeavesEveryTextBoxAlone()
{
    Session s;
    QVERIFY(reachWorkedExample(s));
    auto* text1 = Session::control<QLineEdit>(s.scScreen(), "Text1");
    QTest::mouseClick(text1, Qt::LeftButton);
    QTest::keyClicks(text1, QStringLiteral("200"));
    QTest::keyClick(text1, Qt::Key_T, Qt::ControlModifier);
    SelectionView view{s};
    QVERIFY(view.window() && view.window()->isVisible());
    QCOMPARE(text1->text(), QStringLiteral("200"));
    QCOMPARE(s.app.frmSc().result().text1, std::string("200"));

    QVERIFY(view.active());
    for (const char* name : {"lightKw", "lightKvar", "contractKw", "unitPrice", "customer", "site", "person"}) {
        view.type(name, QStringLiteral("12"));
        QTest::keyClick(view.box(name), Qt::Key_T, Qt::ControlModifier);
        QVERIFY2(view.box(name)->text() == u"12", name);
        QVERIFY(view.window()->isVisible());
    }
    QVERIFY(s.messages.texts.isEmpty());
}

// In the window, Ctrl+C, Ctrl+S and Ctrl+P act on the sizing result with the
// selection, as on the sizing screen; Escape closes the window.
void TestSelectionWindow::resultCommandsInTheWindow()
{
    Session s;
    auto desktop = std::make_unique<CancellingDesktop>();
    CancellingDesktop* dialogs = desktop.get();
    s.app.replaceDesktop(std::move(desktop));
    QVERIFY(reachWorkedExample(s));
    openSelection(s);
    SelectionView view{s};
    QVERIFY(view.active());
    view.type("customer", QStringLiteral("山田商店"));
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(view.box("customer"), Qt::Key_C, Qt::ControlModifier);
    const QString copied = QGuiApplication::clipboard()->text();
    QVERIFY(copied.contains(QStringLiteral("お客さま\t山田商店\r\n")));
    QVERIFY(copied.contains(QStringLiteral("\r\n標準容量の選定\r\n")));
    QVERIFY(copied.contains(QStringLiteral("SC定格設備容量（kvar）\t39.7\r\n")));
    // With text selected in a box, Ctrl+C copies that text, as it always does.
    view.box("customer")->selectAll();
    QTest::keyClick(view.box("customer"), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("山田商店"));

    QTest::keyClick(view.box("contractKw"), Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(view.window(), Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(dialogs->savedFrom, QList<QWidget*>{view.window()});
    QCOMPARE(dialogs->printedFrom, QList<QWidget*>{view.window()});

    QTest::keyClick(view.box("contractKw"), Qt::Key_Escape);
    QVERIFY(!view.window()->isVisible());
    QVERIFY(s.scScreen()->isVisible());
    QVERIFY(s.messages.texts.isEmpty());
}

// The worked example: 50 kvar at both frequencies, giving 96.09 % Lag.
void TestSelectionWindow::showsBothFrequencies()
{
    Session s;
    QVERIFY(reachWorkedExample(s));
    openSelection(s);
    SelectionView view{s};
    const SelectionTable table(view.window());
    QCOMPARE(table.table->horizontalHeaderItem(0)->text(), QStringLiteral("50Hz"));
    QCOMPARE(table.table->horizontalHeaderItem(1)->text(), QStringLiteral("60Hz"));
    for (const int at : {0, 1}) {
        QCOMPARE(view.cell("標準定格設備容量（kvar）", at), QStringLiteral("50"));
        QCOMPARE(view.cell("構成", at), QStringLiteral("50"));
        QCOMPARE(view.cell("SC定格容量（kvar）", at), QStringLiteral("53.2"));
        QCOMPARE(view.cell("直列リアクトル定格容量（kvar）", at), QStringLiteral("3.19"));
        QCOMPARE(view.cell("設置後の力率（％）", at), QStringLiteral("96.09 Lag"));
        QCOMPARE(view.cell("軽負荷時の力率（％）", at), QString());
        QCOMPARE(view.cell("基本料金の節減額（円／月）", at), QString());
    }
    QCOMPARE(table.caption("SC定格容量"), QStringLiteral("SC定格容量（kvar）Ｌ＝ ６％"));
    QVERIFY(!Session::control<QLabel>(view.window(), "warnings")->isVisibleTo(view.window()));
    QVERIFY(view.text("note").startsWith(QStringLiteral("力率による基本料金の割引・割増の有無と条件はご契約によります")));
}

// The reactor toggled on the sizing screen is the window's reactor too.
void TestSelectionWindow::followsTheReactorOfTheSizingScreen()
{
    Session s;
    QVERIFY(reachWorkedExample(s));
    openSelection(s);
    SelectionView view{s};
    QTest::mouseClick(Session::control<QWidget>(s.scScreen(), "lblL"), Qt::LeftButton);
    QCOMPARE(SelectionTable(view.window()).caption("SC定格容量"), QStringLiteral("SC定格容量（kvar）Ｌ＝１３％"));
    QCOMPARE(view.cell("SC定格容量", 0), QStringLiteral("57.5"));
    QCOMPARE(view.cell("直列リアクトル定格容量", 1), QStringLiteral("7.47"));
    QTest::mouseClick(Session::control<QWidget>(s.scScreen(), "lblL"), Qt::LeftButton);
    QCOMPARE(view.cell("SC定格容量", 0), QStringLiteral("53.2"));
}

// A contract of 200 kW at 1,800 円/kW saves 21,600 円 a month; a light load
// of 50 kW and 5 kvar leads with 50 kvar, and the window says so.
void TestSelectionWindow::savingAndLightLoadAsTyped()
{
    Session s;
    QVERIFY(reachWorkedExample(s));
    openSelection(s);
    SelectionView view{s};
    view.type("contractKw", QStringLiteral("200"));
    QCOMPARE(view.cell("基本料金の節減額（円／月）", 0), QString()); // one of the two is not yet a saving
    view.type("unitPrice", QStringLiteral("1,800"));
    QCOMPARE(view.cell("基本料金の節減額（円／月）", 0), QStringLiteral("21,600円"));
    QCOMPARE(view.cell("基本料金の節減額（円／年）", 1), QStringLiteral("259,200円"));
    view.type("lightKw", QStringLiteral("50"));
    view.type("lightKvar", QStringLiteral("5"));
    QCOMPARE(view.cell("軽負荷時の力率（％）", 0), QStringLiteral("74.33 Lead"));
    auto* warnings = Session::control<QLabel>(view.window(), "warnings");
    QVERIFY(warnings->isVisibleTo(view.window()));
    QCOMPARE(warnings->text(), QStringLiteral("50Hz：軽負荷時は進み力率になります：このコンデンサは補償しすぎです\n"
                                              "60Hz：軽負荷時は進み力率になります：このコンデンサは補償しすぎです"));
    // What was typed stays when the window is closed and opened again.
    view.window()->close();
    openSelection(s);
    QCOMPARE(view.box("unitPrice")->text(), QStringLiteral("1,800"));
    QCOMPARE(view.cell("基本料金の節減額（円／月）", 1), QStringLiteral("21,600円"));
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
    QTest::newRow("an exponent") << "unitPrice" << "1e3" << "基本料金単価（円/kW）：この書き方の数字は使えません（1800、1,800、0.5 のように入力してください）";
    QTest::newRow("400 digits") << "contractKw" << QString(400, u'9') << "契約電力（kW）：数字が大きすぎます";
    QTest::newRow("a decimal too small to hold") << "lightKvar" << "0." + QString(400, u'0') + "1" << "軽負荷時の平均無効電力（kvar）：0 に近すぎて扱えない数字です";
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
    openSelection(s);
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
    QCOMPARE(view.cell("標準定格設備容量", 0), QStringLiteral("50"));
    QCOMPARE(view.cell("設置後の力率", 1), QStringLiteral("96.09 Lag"));
    const bool saving = box == u"contractKw" || box == u"unitPrice";
    QCOMPARE(view.cell("基本料金の節減額（円／月）", 0).isEmpty(), saving);
    QCOMPARE(view.cell("軽負荷時の力率", 0).isEmpty(), !saving);
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

    openSelection(s);
    SelectionView view{s};
    view.type("contractKw", QStringLiteral("200"));
    view.type("unitPrice", QStringLiteral("1800"));
    view.type("customer", QStringLiteral("山田商店"));
    view.type("person", QStringLiteral("佐藤"));
    const QString with = reportText(s);
    // What the saving rests on, beside it.
    QVERIFY(with.contains(QStringLiteral("\r\n標準容量の選定\r\n力率による基本料金の割引・割増の有無と条件はご契約によります"
                                         "（廃止している電力会社や契約があります）。\r\n"
                                         "契約電力（kW）\t200\r\n基本料金単価（円/kW）\t1,800\r\n\t50Hz\t60Hz\r\n")));
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
    openSelection(s);
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
    openSelection(s);
    const QPointer<QWidget> again = s.app.frmSc().selectionWindow();
    QVERIFY(again && again->isVisible());
    QTest::mouseClick(Session::control<QPushButton>(s.scScreen(), "Command1"), Qt::LeftButton);
    QCOMPARE(s.ended.count(), 1);
    QTRY_VERIFY(!again);
    QVERIFY(s.openForms().isEmpty());
}

// What was typed stays for the calculation: back to the power-factor screen
// to try another target, and to the window again, it is there. 再計算 starts
// another customer's calculation without it.
void TestSelectionWindow::typedFiguresOutliveTheScreen()
{
    Session s;
    QVERIFY(reachWorkedExample(s));
    openSelection(s);
    SelectionView view{s};
    view.type("contractKw", QStringLiteral("200"));
    view.type("unitPrice", QStringLiteral("1800"));
    view.type("customer", QStringLiteral("山田商店"));
    QTest::mouseClick(Session::control<QPushButton>(s.scScreen(), "Command2"), Qt::LeftButton);
    QTRY_VERIFY(!view.window());
    QTest::mouseClick(Session::control<QWidget>(s.pfScreen(), "Option1"), Qt::LeftButton);
    QTest::mouseClick(Session::control<QWidget>(s.pfScreen(), "cmdImprove"), Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowActive(s.dialog()));
    QVERIFY(s.enter(QStringLiteral("392"), TargetPrompt));
    QVERIFY(s.enter(QStringLiteral("98")));
    QVERIFY(s.scScreen() && QTest::qWaitForWindowActive(s.scScreen()));
    // The report carries them before the window is opened again.
    QVERIFY(reportText(s).contains(QStringLiteral("お客さま\t山田商店\r\n")));
    openSelection(s);
    QCOMPARE(view.box("contractKw")->text(), QStringLiteral("200"));
    QCOMPARE(view.box("customer")->text(), QStringLiteral("山田商店"));
    QVERIFY(!view.cell("基本料金の節減額（円／月）", 0).isEmpty());

    // 再計算: the next customer starts with nothing of this one.
    QTest::mouseClick(Session::control<QPushButton>(s.scScreen(), "Command2"), Qt::LeftButton);
    QTRY_VERIFY(!view.window());
    QTest::mouseClick(Session::control<QPushButton>(s.pfScreen(), "Command2"), Qt::LeftButton);
    QVERIFY(s.reachSizing("100000", "48430", "392", "95"));
    QVERIFY(!reportText(s).contains(QStringLiteral("山田商店")));
    openSelection(s);
    for (const char* name : {"contractKw", "unitPrice", "customer"})
        QVERIFY2(view.box(name)->text().isEmpty(), name);
}

// Text pasted from a spreadsheet brings a line break, a tab between cells:
// a number reads without them, a text holds them as spaces, and a text of
// nothing but blanks heads no report.
void TestSelectionWindow::pastedTextIsOneLine()
{
    Session s;
    QVERIFY(reachWorkedExample(s));
    openSelection(s);
    SelectionView view{s};
    view.paste("contractKw", QStringLiteral("200\r\n"));
    view.paste("unitPrice", QStringLiteral("\t1,800\u3000"));
    QCOMPARE(view.cell("基本料金の節減額（円／月）", 0), QStringLiteral("21,600円"));
    view.paste("customer", QStringLiteral("山田商店\t本社\r\n"));
    QCOMPARE(view.box("customer")->text(), QStringLiteral("山田商店 本社 "));
    view.paste("site", QStringLiteral("\u3000\u3000"));
    QVERIFY(Session::control<QLabel>(view.window(), "problems")->isHidden());
    const QString copied = reportText(s);
    QVERIFY(copied.contains(QStringLiteral("\r\nお客さま\t山田商店 本社\r\n")));
    QVERIFY(!copied.contains(QStringLiteral("設置場所")));
    QVERIFY(s.messages.texts.isEmpty());
}

// A text takes 100 characters, as a form on paper would; a longer paste is
// cut there, and the window says so.
void TestSelectionWindow::longTextIsCutAndSaid()
{
    Session s;
    QVERIFY(reachWorkedExample(s));
    openSelection(s);
    SelectionView view{s};
    auto* notice = Session::control<QLabel>(view.window(), "notice");
    view.paste("customer", QString(32767, u'株'));
    QCOMPARE(view.box("customer")->text(), QString(100, u'株'));
    QVERIFY(notice->isVisibleTo(view.window()));
    QCOMPARE(notice->text(), QStringLiteral("お客さま：100文字までのため、後ろを切りました"));
    view.type("site", QStringLiteral("第二工場"));
    QVERIFY(!notice->isVisibleTo(view.window()));
    QVERIFY(reportText(s).contains(QStringLiteral("お客さま\t") + QString(100, u'株') + QStringLiteral("\r\n")));
}

void TestSelectionWindow::boxesAreNamedAfterTheirCaptions()
{
    Session s;
    QVERIFY(reachWorkedExample(s));
    openSelection(s);
    SelectionView view{s};
    const auto name = [](QWidget* w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); };
    QCOMPARE(name(view.box("contractKw")), QStringLiteral("契約電力（kW）"));
    QCOMPARE(name(view.box("unitPrice")), QStringLiteral("基本料金単価（円/kW）"));
    QCOMPARE(name(view.box("customer")), QStringLiteral("お客さま"));
    QCOMPARE(QAccessible::queryAccessibleInterface(view.box("lightKw"))->role(), QAccessible::EditableText);
    QCOMPARE(name(Session::control<QPushButton>(view.window(), "closeButton")), QStringLiteral("閉じる"));
}

// The results are a table: a screen reader reads each cell with the caption
// of its row and its frequency, and the keyboard reaches every cell.
void TestSelectionWindow::resultsReadByRowAndFrequency()
{
    Session s;
    QVERIFY(reachWorkedExample(s));
    openSelection(s);
    SelectionView view{s};
    QTableWidget* table = SelectionTable(view.window()).table;
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(table);
    QVERIFY(accessible && accessible->tableInterface());
    QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("標準容量の選定"));
    QAccessibleTableInterface* cells = accessible->tableInterface();
    QCOMPARE(cells->rowCount(), 8);
    QCOMPARE(cells->columnCount(), 2);
    QAccessibleInterface* pf = cells->cellAt(SelectionTable(view.window()).row("設置後の力率"), 1);
    QVERIFY(pf && pf->tableCellInterface());
    QCOMPARE(pf->text(QAccessible::Name), QStringLiteral("96.09 Lag"));
    const QList<QAccessibleInterface*> rowHeads = pf->tableCellInterface()->rowHeaderCells();
    const QList<QAccessibleInterface*> columnHeads = pf->tableCellInterface()->columnHeaderCells();
    QCOMPARE(rowHeads.size(), 1);
    QCOMPARE(columnHeads.size(), 1);
    QCOMPARE(rowHeads[0]->text(QAccessible::Name), QStringLiteral("設置後の力率（％）"));
    QCOMPARE(columnHeads[0]->text(QAccessible::Name), QStringLiteral("60Hz"));
    // Qt 6.4 makes the header cells anew for each asker and leaves them to it.
    for (QAccessibleInterface* head : rowHeads + columnHeads)
        QAccessible::deleteAccessibleInterface(QAccessible::registerAccessibleInterface(head));

    // Tab reaches the table; the arrow keys go from cell to cell.
    QVERIFY(view.active());
    QVERIFY(table->focusPolicy() & Qt::TabFocus);
    table->setFocus(Qt::TabFocusReason);
    QCOMPARE(table->currentRow(), 0);
    QTest::keyClick(table, Qt::Key_Down);
    QTest::keyClick(table, Qt::Key_Right);
    QCOMPARE(table->currentRow(), 1);
    QCOMPARE(table->currentColumn(), 1);
}

namespace {
QList<QAccessible::Event> alerts;
void recordAlerts(QAccessibleEvent* event)
{
    if (event->type() == QAccessible::Alert)
        alerts << event->type();
}
} // namespace

// A warning that appears is announced to a screen reader, once.
void TestSelectionWindow::warningIsAnnounced()
{
    Session s;
    QVERIFY(reachWorkedExample(s));
    openSelection(s);
    SelectionView view{s};
    alerts.clear();
    // As when a screen reader is running: the platform tells what happens.
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    QAccessible::installUpdateHandler(recordAlerts);
    view.type("lightKw", QStringLiteral("50"));
    QVERIFY(alerts.isEmpty());
    view.type("lightKvar", QStringLiteral("5")); // leads at light load: a warning
    QAccessible::installUpdateHandler(nullptr);
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
    QCOMPARE(alerts.size(), 1);
    QVERIFY(Session::control<QLabel>(view.window(), "warnings")->isVisibleTo(view.window()));
}

QTEST_MAIN(TestSelectionWindow)
#include "test_selection_window.moc"
