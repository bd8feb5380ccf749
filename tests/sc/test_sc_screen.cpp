#include "forms/ui/fitting_widgets.h"
#include "forms/ui/twips.h"
#include "sc/sizing_calc.h"
#include "support/session.h"
#include "support/texts.h"

#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QGroupBox>
#include <QListWidget>
#include <QRadioButton>
#include <QtTest>

using namespace kandelo;

namespace {

using namespace texts;

const QString JisHint = QStringLiteral("実際の選定に際してはJIS規定による定格容量の標準値があります");
const QString DirectHint = QStringLiteral("負荷直結は電力会社の取付け容量基準があります");

// The capacitor sizing screen of a session, read as the user sees it.
struct ScView {
    Session& s;
    template <typename T> T* get(const char* name) { return Session::control<T>(s.scScreen(), name); }
    QString text(const char* name)
    {
        if (auto* label = get<QLabel>(name))
            return label->text();
        return get<QLineEdit>(name)->text();
    }
    QString frame2() { return get<QGroupBox>("Frame2")->title(); }
    QList<QListWidget*> lists()
    {
        auto lists = s.scScreen()->findChildren<QListWidget*>(QStringLiteral("lstbxScMf"));
        std::sort(lists.begin(), lists.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
        return lists;
    }
    QStringList rows(int list)
    {
        QStringList r;
        for (int i = 0; i < lists()[list]->count(); ++i)
            r << lists()[list]->item(i)->text();
        return r;
    }
    QStringList heads()
    {
        return {text("Label16"), text("Label15"), text("Label14"), text("Label13"), text("Label12")};
    }
    QLabel* lblL() { return get<QLabel>("lblL"); }
    QRadioButton* option(const char* name) { return get<QRadioButton>(name); }
    QLineEdit* text1() { return get<QLineEdit>("Text1"); }
};

// The worked example: 100000 kWh, 48430 kvarh, 392 h, target 95 %.
[[nodiscard]] bool reachWorkedExample(Session& s)
{
    return s.reachSizing("100000", "48430", "392", "95");
}

// A sizing screen whose load fails in its computation with a failure that
// is not an arithmetic one.
class OutOfMemorySc : public sc::FrmSc {
public:
    using FrmSc::FrmSc;

protected:
    sc::SizingLoad computeLoad() override { throw std::bad_alloc(); }
};

QColor textColour(const QWidget* w)
{
    return w->palette().color(QPalette::WindowText);
}

} // namespace

class TestScScreen : public QObject {
    Q_OBJECT

private slots:
    void cleanup();

    void workedExample();
    void layoutFollowsTheDesign();
    void reactorToggleWithCapacitorAlone();
    void reactorToggleWithReactor();
    void typedVoltage();
    void typedVoltageThatIsNotANumber();
    void hintsFollowTheState();
    void backReturnsToAFreshPowerFactorScreen();
    void endButtonEndsTheProgram();
    void closeBoxEndsTheProgram();
    void failingLoadShowsTheDesignTexts();
    void valuesAreNamedForScreenReaders();
    void anyFailureOfTheLoadIsReported();
    void typedVoltageWithAPlusSign();
    void everyFormGoneWhileTheVoltageRefusalShows();
    void longFiguresShowWhole();
};

void TestScScreen::cleanup()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestScScreen::workedExample()
{
    Session s;
    QVERIFY(reachWorkedExample(s));
    ScView sc{s};
    QCOMPARE(s.scScreen()->windowTitle(), QStringLiteral("進相コンデンサ（SC）容量計算"));
    QCOMPARE(s.openForms(), (QStringList{"frmTimer", "frmPf", "frmSc"}));
    QVERIFY(!s.pfScreen()->isVisible());
    QCOMPARE(sc.text("lblHours"), QStringLiteral("392"));
    QCOMPARE(sc.text("lblKw"), QStringLiteral("255.10"));
    QCOMPARE(sc.text("lblLagKvar"), QStringLiteral("123.55"));
    QCOMPARE(sc.text("lblKVA"), QStringLiteral("283.44"));
    QCOMPARE(sc.text("txtScKvar"), QStringLiteral("39.7"));
    QCOMPARE(sc.text("txtScKvar2"), QStringLiteral("42.2"));
    QCOMPARE(sc.text("txtLKvar"), QStringLiteral("2.53"));
    QCOMPARE(sc.text("lblPf"), QStringLiteral("現状の力率 90.00%を 95% に改善するのに必要な平均容量は、"));
    QCOMPARE(sc.frame2(), QStringLiteral("静電容量　μF    (39.7kvar)"));
    QCOMPARE(sc.text("lblCurrent"), QStringLiteral("現状より、約 5.3 ％ 少なくなります"));
    QCOMPARE(sc.text("lblBasic"), QStringLiteral("現状より、約 5 ％ 割引されます"));
    QCOMPARE(sc.heads(), (QStringList{"100", "200", "400", "3300", "6600"}));
    QCOMPARE(sc.rows(0), (QStringList{"   12,600", "    3,160", "      790", "     11.6", "     2.90"}));
    QCOMPARE(sc.rows(1), (QStringList{"   10,500", "    2,630", "      659", "     9.68", "     2.42"}));
    QCOMPARE(sc.lists()[0]->item(0)->textAlignment(), int(Qt::AlignRight | Qt::AlignVCenter));

    // The design state: 6 %, the capacitor alone, no typed voltage.
    QCOMPARE(sc.lblL()->text(), Six);
    QVERIFY(sc.option("Option2")->isChecked());
    QVERIFY(!sc.option("Option1")->isChecked());
    QVERIFY(sc.text1()->text().isEmpty());
    QCOMPARE(s.app.frmSc().sizing().dblScKvar, 39.7);
    QVERIFY(s.messages.texts.isEmpty());
}

void TestScScreen::layoutFollowsTheDesign()
{
    Session s;
    QVERIFY(reachWorkedExample(s));
    ScView sc{s};
    QCOMPARE(s.scScreen()->size(), QSize(forms::twipsToPixels(9225), forms::twipsToPixels(7365)));
    QCOMPARE(sc.get<QWidget>("Command1")->geometry(), forms::twipsRect(6480, 360, 1455, 480));
    QCOMPARE(sc.get<QWidget>("lblHours")->geometry(), forms::twipsRect(3360, 240, 1695, 375));
    QCOMPARE(sc.get<QGroupBox>("Frame1")->geometry(), forms::twipsRect(120, 2400, 9015, 4920));
    QCOMPARE(sc.get<QWidget>("txtScKvar")->geometry(), forms::twipsRect(2760, 885, 1815, 420));
    QCOMPARE(sc.get<QGroupBox>("Frame2")->geometry(), forms::twipsRect(5280, 840, 3615, 2640));
    QCOMPARE(sc.lists()[0]->geometry(), forms::twipsRect(960, 700, 1245, 1740));
    QCOMPARE(sc.lists()[1]->geometry(), forms::twipsRect(2300, 700, 1245, 1740));
    QCOMPARE(sc.text1()->geometry(), forms::twipsRect(75, 1950, 765, 360));
    QCOMPARE(sc.get<QPushButton>("Command1")->text(), QStringLiteral("終　了"));
    QCOMPARE(sc.get<QPushButton>("Command2")->text(), QStringLiteral("戻　る"));
    QCOMPARE(sc.text("lblDays"), QStringLiteral("積算時間（H）　　："));
    QCOMPARE(sc.text("Label2"), QStringLiteral("（直列リアクトル                 設置の場合）"));
    QCOMPARE(sc.get<QGroupBox>("Frame3")->title(), QStringLiteral("力率改善のメリット   電流   "));
    QCOMPARE(sc.get<QGroupBox>("Frame4")->title(), QStringLiteral("基本料金 （電力会社の算出時間の力率として）"));
    QVERIFY(sc.get<QGroupBox>("Frame1")->title().isEmpty());

    QCOMPARE(sc.get<QWidget>("lblKw")->palette().color(QPalette::Window), QColor(0, 192, 0));
    QCOMPARE(textColour(sc.get<QWidget>("lblKw")), QColor(255, 255, 0));
    QCOMPARE(sc.get<QWidget>("txtScKvar")->palette().color(QPalette::Base), QColor(0, 192, 0));
    QVERIFY(sc.get<QWidget>("txtScKvar")->font().bold());
    QCOMPARE(textColour(sc.get<QWidget>("lblPf")), QColor(192, 64, 0));
    QCOMPARE(textColour(sc.get<QWidget>("lblBasic")), QColor(192, 0, 0));
    QCOMPARE(sc.lists()[0]->palette().color(QPalette::Base), QColor(192, 192, 0));
    QCOMPARE(sc.get<QWidget>("Frame2")->font().pointSizeF(), 11.25);

    // Captions and sentences show whole with the installed font.
    for (const char* name : {"Label16", "Label15", "Label14", "Label13", "Label12", "lblCurrent", "lblBasic"})
        QVERIFY2(sc.get<QLabel>(name)->width() >= sc.get<QLabel>(name)->sizeHint().width(), name);
    QLabel* sentence = sc.get<QLabel>("lblPf");
    QVERIFY(sentence->height() >= sentence->heightForWidth(sentence->width()));
}

void TestScScreen::reactorToggleWithCapacitorAlone()
{
    Session s;
    QVERIFY(reachWorkedExample(s));
    ScView sc{s};
    const QString frame = sc.frame2();
    const QStringList rows0 = sc.rows(0), heads = sc.heads();

    QTest::mouseClick(sc.lblL(), Qt::LeftButton);
    QCOMPARE(sc.lblL()->text(), Thirteen);
    QCOMPARE(textColour(sc.lblL()), QColor(192, 64, 0));
    QCOMPARE(sc.text("txtScKvar2"), QStringLiteral("45.6"));
    QCOMPARE(sc.text("txtLKvar"), QStringLiteral("5.93"));
    QCOMPARE(sc.text("txtScKvar"), QStringLiteral("39.7"));
    QCOMPARE(sc.frame2(), frame);
    QCOMPARE(sc.rows(0), rows0);
    QCOMPARE(sc.heads(), heads);

    QTest::mouseClick(sc.lblL(), Qt::LeftButton);
    QCOMPARE(sc.lblL()->text(), Six);
    QCOMPARE(textColour(sc.lblL()), QApplication::palette().color(QPalette::ButtonText));
    QCOMPARE(sc.text("txtScKvar2"), QStringLiteral("42.2"));
    QCOMPARE(sc.text("txtLKvar"), QStringLiteral("2.53"));
}

void TestScScreen::reactorToggleWithReactor()
{
    Session s;
    QVERIFY(reachWorkedExample(s));
    ScView sc{s};
    QTest::mouseClick(sc.option("Option1"), Qt::LeftButton);
    QVERIFY(sc.option("Option1")->isChecked());
    QCOMPARE(sc.frame2(), QStringLiteral("静電容量　μF    (42.2kvar)"));
    QCOMPARE(sc.heads(), (QStringList{"100", "234", "468", "3510", "7020"}));
    // 42.2 kvar at 234 V, 50 Hz: 42.2e9 / (234² × 314) = 2454.4… µF.
    QCOMPARE(sc.rows(0).size(), 6);
    QCOMPARE(sc.rows(0)[1], QStringLiteral("    2,450"));
    QCOMPARE(sc.rows(0)[5], QString());
    QCOMPARE(sc.rows(1).size(), 6);

    QTest::keyClicks(sc.text1(), QStringLiteral("234"));
    QCOMPARE(sc.rows(0)[5], sc.rows(0)[1]);
    QCOMPARE(sc.rows(1)[5], sc.rows(1)[1]);

    QTest::mouseClick(sc.lblL(), Qt::LeftButton);
    QCOMPARE(sc.text("txtScKvar2"), QStringLiteral("45.6"));
    QCOMPARE(sc.frame2(), QStringLiteral("静電容量　μF    (45.6kvar)"));
    QCOMPARE(sc.heads(), (QStringList{"100", "253", "506", "3793", "7586"}));
    // 45.6 kvar at 253 V, 50 Hz: 45.6e9 / (253² × 314) = 2268.8… µF; the typed 234 V follows the new capacity.
    QCOMPARE(sc.rows(0)[1], QStringLiteral("    2,270"));
    QCOMPARE(sc.rows(0)[5], QStringLiteral("    2,650"));
    QCOMPARE(sc.text1()->text(), QStringLiteral("234"));

    QTest::mouseClick(sc.option("Option2"), Qt::LeftButton);
    QCOMPARE(sc.frame2(), QStringLiteral("静電容量　μF    (39.7kvar)"));
    QCOMPARE(sc.heads(), (QStringList{"100", "200", "400", "3300", "6600"}));
    QCOMPARE(sc.rows(0)[0], QStringLiteral("   12,600"));
    QCOMPARE(sc.rows(0).size(), 6);
    QVERIFY(s.messages.texts.isEmpty());
}

void TestScScreen::typedVoltage()
{
    Session s;
    QVERIFY(reachWorkedExample(s));
    ScView sc{s};
    QTest::keyClicks(sc.text1(), QStringLiteral("200"));
    QCOMPARE(sc.rows(0).size(), 6);
    QCOMPARE(sc.rows(0)[5], sc.rows(0)[1]);
    QCOMPARE(sc.rows(1)[5], sc.rows(1)[1]);

    // A minus sign in front gives the same row, the voltage being squared.
    QTest::keyClick(sc.text1(), Qt::Key_Home);
    QTest::keyClick(sc.text1(), Qt::Key_Minus);
    QCOMPARE(sc.text1()->text(), QStringLiteral("-200"));
    QCOMPARE(sc.rows(0)[5], sc.rows(0)[1]);

    // "0" as the first character empties the box again at once.
    sc.text1()->clear();
    QCOMPARE(sc.rows(0)[5], QString());
    QTest::keyClicks(sc.text1(), QStringLiteral("0"));
    QVERIFY(sc.text1()->text().isEmpty());
    QCOMPARE(sc.rows(0)[5], QString());
    QCOMPARE(sc.rows(1)[5], QString());

    // Zero written otherwise gives no row and no message.
    sc.text1()->setText(QStringLiteral("0.0"));
    QCOMPARE(sc.rows(0)[5], QString());
    QVERIFY(sc.text1()->text().isEmpty());
    QVERIFY(s.messages.texts.isEmpty());
}

void TestScScreen::typedVoltageThatIsNotANumber()
{
    Session s;
    QVERIFY(reachWorkedExample(s));
    ScView sc{s};
    QTest::keyClicks(sc.text1(), QStringLiteral("4"));
    QCOMPARE(sc.rows(0)[5], QStringLiteral("7,900,000"));
    QTest::keyClicks(sc.text1(), QStringLiteral("a"));
    QCOMPARE(s.messages.texts, QStringList{NotNumeric});
    QVERIFY(sc.text1()->text().isEmpty());
    QCOMPARE(sc.rows(0)[5], QString());
    QCOMPARE(sc.rows(1)[5], QString());
    QVERIFY(sc.text1()->hasFocus());
    QCOMPARE(sc.rows(0)[0], QStringLiteral("   12,600"));
    QCOMPARE(sc.text("txtScKvar2"), QStringLiteral("42.2"));
}

void TestScScreen::hintsFollowTheState()
{
    Session s;
    QVERIFY(reachWorkedExample(s));
    ScView sc{s};
    QLineEdit* boxes[] = {
        sc.get<QLineEdit>("txtScKvar"), sc.get<QLineEdit>("txtScKvar2"), sc.get<QLineEdit>("txtLKvar")};
    for (QLineEdit* box : boxes)
        QVERIFY(box->toolTip().isEmpty());
    QVERIFY(sc.lblL()->toolTip().isEmpty());
    QVERIFY(sc.lists()[0]->toolTip().isEmpty() && sc.lists()[1]->toolTip().isEmpty());
    QCOMPARE(sc.option("Option1")->toolTip(), QStringLiteral("クリックすると静電容量μＦを計算します"));
    QCOMPARE(sc.option("Option2")->toolTip(), QStringLiteral("クリックすると静電容量μＦを計算します"));
    QCOMPARE(sc.text1()->toolTip(), QStringLiteral("任意の電圧を半角数字で入力してください"));
    QCOMPARE(sc.get<QWidget>("Frame4")->toolTip(),
        QStringLiteral("８５％を基準に１％単位の力率割引・割増がある場合の試算です"));
    QCOMPARE(sc.get<QWidget>("lblBasic")->toolTip(),
        QStringLiteral("８５％を基準に１％単位の力率割引・割増がある場合の試算です"));

    for (QLineEdit* box : boxes) {
        QTest::mouseMove(box, QPoint(5, 5));
        QTRY_COMPARE(box->toolTip(), JisHint);
    }
    QTest::mouseMove(sc.lblL(), QPoint(5, 5));
    QTRY_COMPARE(sc.lblL()->toolTip(), QStringLiteral("クリックするとＬ＝１３％の場合を計算します"));
    QTest::mouseMove(sc.lists()[1]->viewport(), QPoint(5, 5));
    QTRY_COMPARE(sc.lists()[0]->toolTip(), DirectHint);
    QCOMPARE(sc.lists()[1]->toolTip(), DirectHint);

    // The reactor label keeps its hint after a click until the pointer moves again.
    QTest::mouseClick(sc.lblL(), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(sc.lblL()->toolTip(), QStringLiteral("クリックするとＬ＝１３％の場合を計算します"));
    QTest::mouseMove(sc.lblL(), QPoint(8, 6));
    QTRY_COMPARE(sc.lblL()->toolTip(), QStringLiteral("クリックするとＬ＝６％の場合を計算します"));
    for (QLineEdit* box : boxes) {
        QTest::mouseMove(box, QPoint(6, 6));
        QTRY_VERIFY(box->toolTip().isEmpty());
    }

    QTest::mouseClick(sc.option("Option1"), Qt::LeftButton);
    QTest::mouseMove(sc.lists()[0]->viewport(), QPoint(6, 6));
    QTRY_VERIFY(sc.lists()[0]->toolTip().isEmpty());
    QVERIFY(sc.lists()[1]->toolTip().isEmpty());
    QTest::mouseClick(sc.option("Option2"), Qt::LeftButton);
    QTest::mouseMove(sc.lists()[0]->viewport(), QPoint(9, 9));
    QTRY_COMPARE(sc.lists()[1]->toolTip(), DirectHint);
}

void TestScScreen::backReturnsToAFreshPowerFactorScreen()
{
    Session s;
    QVERIFY(reachWorkedExample(s));
    ScView sc{s};
    QTest::mouseClick(sc.lblL(), Qt::LeftButton);
    QTest::mouseClick(sc.option("Option1"), Qt::LeftButton);
    QTest::keyClicks(sc.text1(), QStringLiteral("200"));

    QTest::mouseClick(sc.get<QPushButton>("Command2"), Qt::LeftButton);
    QCOMPARE(s.openForms(), QStringList{"frmPf"});
    QVERIFY(!s.app.frmSc().isLoaded());
    QVERIFY(s.pfScreen()->isVisible());
    auto* option1 = Session::control<QRadioButton>(s.pfScreen(), "Option1");
    QVERIFY(option1->isVisible() && !option1->isChecked());
    QVERIFY(!Session::control<QPushButton>(s.pfScreen(), "cmdImprove")->isVisible());
    QCOMPARE(Session::control<QLabel>(s.pfScreen(), "lblPf")->text(), QStringLiteral("90.00"));
    QVERIFY(s.ended.isEmpty());

    // Again into a fresh sizing screen in its design state.
    QVERIFY(QTest::qWaitForWindowActive(s.pfScreen()));
    QTest::mouseClick(option1, Qt::LeftButton);
    QTest::mouseClick(Session::control<QPushButton>(s.pfScreen(), "cmdImprove"), Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowActive(s.dialog()));
    QVERIFY(s.enter("392", texts::TargetPrompt));
    QVERIFY(s.enter("95"));
    QVERIFY(s.scScreen()->isVisible());
    QCOMPARE(s.openForms(), (QStringList{"frmPf", "frmTimer", "frmSc"}));
    QCOMPARE(sc.lblL()->text(), Six);
    QVERIFY(sc.option("Option2")->isChecked());
    QVERIFY(sc.text1()->text().isEmpty());
    QCOMPARE(sc.text("txtScKvar2"), QStringLiteral("42.2"));
    QCOMPARE(sc.frame2(), QStringLiteral("静電容量　μF    (39.7kvar)"));
    QCOMPARE(sc.rows(0).size(), 5);
}

void TestScScreen::endButtonEndsTheProgram()
{
    Session s;
    QVERIFY(reachWorkedExample(s));
    QTest::mouseClick(ScView{s}.get<QPushButton>("Command1"), Qt::LeftButton);
    QVERIFY(s.openForms().isEmpty());
    QCOMPARE(s.ended.count(), 1);
}

void TestScScreen::closeBoxEndsTheProgram()
{
    Session s;
    QVERIFY(reachWorkedExample(s));
    QVERIFY(!s.scScreen()->close());
    QVERIFY(s.openForms().isEmpty());
    QCOMPARE(s.ended.count(), 1);
}

void TestScScreen::failingLoadShowsTheDesignTexts()
{
    // The squares of the average powers overflow.
    Session s;
    QVERIFY(s.reachSizing("1" + QString(300, '0'), "4843" + QString(296, '0'), "1", "95"));
    ScView sc{s};
    QCOMPARE(s.messages.texts, QStringList{texts::Failure});
    QVERIFY(s.ended.isEmpty());
    QCOMPARE(s.openForms(), (QStringList{"frmTimer", "frmPf", "frmSc"}));
    QCOMPARE(sc.text("lblHours"), QStringLiteral("lblHours"));
    QCOMPARE(sc.text("lblKw"), QStringLiteral("lblKw"));
    QCOMPARE(sc.text("txtScKvar"), QStringLiteral("txtScKvar"));
    QCOMPARE(sc.text("txtScKvar2"), QStringLiteral("txtScKvar2"));
    QCOMPARE(sc.text("lblPf"), QStringLiteral("Label4"));
    QCOMPARE(sc.text("lblBasic"), QStringLiteral("lblBasic"));
    QCOMPARE(sc.heads(), (QStringList{"100", "200", "400", "3,300", "6,600"}));
    QCOMPARE(sc.rows(0), QStringList());

    // The screen still answers the user.
    QTest::keyClicks(sc.text1(), QStringLiteral("a"));
    QCOMPARE(s.messages.texts.size(), 2);
    QCOMPARE(sc.rows(0).size(), 6);
}

void TestScScreen::valuesAreNamedForScreenReaders()
{
    Session s;
    QVERIFY(reachWorkedExample(s));
    ScView sc{s};
    const auto name = [](QWidget* w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); };
    QCOMPARE(name(sc.get<QWidget>("txtScKvar")), QStringLiteral("SC定格設備容量（kvar）："));
    QCOMPARE(name(sc.get<QWidget>("txtScKvar2")), QStringLiteral("SC定格容量（kvar）："));
    QCOMPARE(name(sc.get<QWidget>("txtLKvar")), QStringLiteral("直列リアクトル定格容量（kvar）："));
    QCOMPARE(name(sc.text1()), QStringLiteral("電圧Ｖ"));
    QCOMPARE(name(sc.lists()[0]), QStringLiteral("50Ｈｚ"));
    QCOMPARE(name(sc.lists()[1]), QStringLiteral("60Ｈｚ"));
    QCOMPARE(name(sc.get<QWidget>("lblKw")), QStringLiteral("255.10"));
    QCOMPARE(name(sc.lblL()), Six);
}

void TestScScreen::anyFailureOfTheLoadIsReported()
{
    Session s({}, [](app::App& app) { return std::make_unique<OutOfMemorySc>(app); });
    QVERIFY(reachWorkedExample(s));
    QCOMPARE(s.messages.texts, QStringList{texts::Failure});
    QVERIFY(s.ended.isEmpty());
    QCOMPARE(s.openForms(), (QStringList{"frmTimer", "frmPf", "frmSc"}));
    // The computation gave nothing: the screen keeps its design texts.
    QCOMPARE(ScView{s}.text("txtScKvar"), QStringLiteral("txtScKvar"));
}

void TestScScreen::typedVoltageWithAPlusSign()
{
    Session s;
    QVERIFY(reachWorkedExample(s));
    ScView sc{s};
    QGuiApplication::clipboard()->setText(QStringLiteral("+200"));
    sc.text1()->paste();
    QCOMPARE(sc.rows(0)[5], sc.rows(0)[1]);
    QCOMPARE(sc.rows(1)[5], sc.rows(1)[1]);
    // A number beyond a double's range gives no capacitance: no voltage, no message.
    for (const QString& beyond : {"1" + QString(400, '0'), "0." + QString(399, '0') + "1"}) {
        QGuiApplication::clipboard()->setText(beyond);
        sc.text1()->selectAll();
        sc.text1()->paste();
        QVERIFY(sc.text1()->text().isEmpty());
        QCOMPARE(sc.rows(0)[5], QString());
    }
    QVERIFY(s.messages.texts.isEmpty());
}

void TestScScreen::everyFormGoneWhileTheVoltageRefusalShows()
{
    Session s;
    QVERIFY(reachWorkedExample(s));
    ScView sc{s};
    s.messages.whileShown = [&](const QString&) { s.app.forms().unloadAllFromLast(); };
    QTest::keyClicks(sc.text1(), QStringLiteral("2a"));
    QCOMPARE(s.messages.texts, QStringList{NotNumeric});
    QVERIFY(!s.scScreen());
    QVERIFY(s.openForms().isEmpty());
    QCOMPARE(s.ended.count(), 1);
}

// Figures of a very large customer: drawn smaller where they do not fit,
// never cut; the texts themselves stay whole.
void TestScScreen::longFiguresShowWhole()
{
    Session s;
    QVERIFY(s.reachSizing("1" + QString(15, '0'), "4843" + QString(11, '0'), "1", "95"));
    ScView sc{s};
    QCOMPARE(sc.text("lblKw"), QStringLiteral("1,000,000,000,000,000.00"));
    QCOMPARE(sc.text("txtScKvar"), QStringLiteral("156,000,000,000,000"));
    const auto check = [](const forms::FittedText& shown, const QString& text, int width) {
        QVERIFY(QFontMetrics(shown.font).horizontalAdvance(shown.text) <= width);
        QVERIFY(shown.font.pointSizeF() >= forms::MinimumFittedPointSize);
        QCOMPARE(shown.text.front(), text.front());
        QCOMPARE(shown.text.back(), text.back());
    };
    for (const char* name : {"lblHours", "lblKw", "lblLagKvar", "lblKVA"}) {
        auto* label = sc.get<forms::FittingLabel>(name);
        QVERIFY(label);
        check(label->shown(), label->text(), label->contentsRect().width());
    }
    QVERIFY(sc.get<forms::FittingLabel>("lblKw")->shown().font.pointSizeF() < 14.25);
    for (const char* name : {"txtScKvar", "txtScKvar2", "txtLKvar"}) {
        auto* box = sc.get<forms::FittingLineEdit>(name);
        QVERIFY(box);
        QVERIFY(!box->hasFocus());
        check(box->shown(), box->text(), box->contentsRect().width());
        QVERIFY(box->shown().font.pointSizeF() < 14.25);
    }
    auto* frame2 = sc.get<forms::FittingGroupBox>("Frame2");
    QVERIFY(frame2);
    QCOMPARE(frame2->title(), QStringLiteral("静電容量　μF    (156,000,000,000,000kvar)"));
    check(frame2->shown(), frame2->title(), frame2->width());
    // The list rows go through the same fitting: what a row draws fits its width.
    QListWidget* list = sc.lists()[0];
    QStyleOptionViewItem option;
    option.initFrom(list);
    option.rect = list->visualItemRect(list->item(0));
    option.font = list->font();
    const QString row = list->item(0)->text();
    const forms::FittedText rowShown = forms::fitText(row, list->font(), option.rect.width());
    QVERIFY(QFontMetrics(list->font()).horizontalAdvance(row) > option.rect.width());
    check(rowShown, row, option.rect.width());
    QVERIFY(dynamic_cast<forms::FittingItemDelegate*>(list->itemDelegate()));
}

QTEST_MAIN(TestScScreen)
#include "test_sc_screen.moc"
