#include "input/input_rules.h"
#include "input/key_rules.h"

#include <QtTest>

using namespace kandelo::input;
using kandelo::program::InputMode;

Q_DECLARE_METATYPE(InputMode)
Q_DECLARE_METATYPE(KeyAction)

namespace {
QString q(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
} // namespace

class TestInputRules : public QObject {
    Q_OBJECT

private slots:
    void keyRules_data();
    void keyRules();
    void okEntry_data();
    void okEntry();
    void prompts();
    void kvarhFromPf_data();
    void kvarhFromPf();
    void pfEntryRefusal_data();
    void pfEntryRefusal();
};

void TestInputRules::keyRules_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<InputMode>("mode");
    QTest::addColumn<KeyAction>("action");
    const auto accept = KeyAction::Accept;
    QTest::newRow("num lock") << 144 << InputMode::Kwh << accept;
    QTest::newRow("keypad point") << 110 << InputMode::Kwh << accept;
    QTest::newRow("main full stop") << 190 << InputMode::Hours << accept;
    QTest::newRow("digit 0") << 48 << InputMode::Kwh << accept;
    QTest::newRow("digit 9") << 57 << InputMode::Kwh << accept;
    QTest::newRow("keypad 0") << 96 << InputMode::TargetPf << accept;
    QTest::newRow("keypad 9") << 105 << InputMode::TargetPf << accept;
    QTest::newRow("backspace") << 8 << InputMode::Kwh << accept;
    QTest::newRow("enter") << 13 << InputMode::Kwh << KeyAction::FocusOk;
    QTest::newRow("keypad minus, reactive energy") << 109 << InputMode::Kvarh << accept;
    QTest::newRow("main minus, reactive energy") << 189 << InputMode::Kvarh << accept;
    QTest::newRow("keypad minus, active energy") << 109 << InputMode::Kwh << KeyAction::RefuseMinus;
    QTest::newRow("main minus, hours") << 189 << InputMode::Hours << KeyAction::RefuseMinus;
    QTest::newRow("main minus, target") << 189 << InputMode::TargetPf << KeyAction::RefuseMinus;
    QTest::newRow("letter A") << 65 << InputMode::Kvarh << KeyAction::RefuseNonNumeric;
    QTest::newRow("shift") << 16 << InputMode::Kwh << KeyAction::RefuseNonNumeric;
    QTest::newRow("control") << 17 << InputMode::Kwh << KeyAction::RefuseNonNumeric;
    QTest::newRow("delete") << 46 << InputMode::Kwh << KeyAction::RefuseNonNumeric;
    QTest::newRow("below digits") << 47 << InputMode::Kwh << KeyAction::RefuseNonNumeric;
    QTest::newRow("between digit rows") << 58 << InputMode::Kwh << KeyAction::RefuseNonNumeric;
    QTest::newRow("above keypad digits") << 106 << InputMode::Kwh << KeyAction::RefuseNonNumeric;
    QTest::newRow("unknown key") << 0 << InputMode::Kwh << KeyAction::RefuseNonNumeric;
}

void TestInputRules::keyRules()
{
    QFETCH(int, key);
    QFETCH(InputMode, mode);
    QFETCH(KeyAction, action);
    QCOMPARE(keyActionFor(key, mode), action);
}

void TestInputRules::okEntry_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<InputMode>("mode");
    QTest::addColumn<double>("presentPf");
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<double>("value");
    const QString none;
    const QString zero = q(message::ZeroEntry);
    const QString notNumeric = q(message::NotNumeric);
    const QString negative = q(message::NegativeEntry);
    const QString target = q(message::TargetOutOfRange);

    QTest::newRow("active energy") << "1000" << InputMode::Kwh << 0.0 << none << 1000.0;
    QTest::newRow("empty") << "" << InputMode::Kwh << 0.0 << zero << 0.0;
    QTest::newRow("zero") << "0" << InputMode::Hours << 0.0 << zero << 0.0;
    QTest::newRow("zero with decimals") << "0.00" << InputMode::Kvarh << 0.0 << zero << 0.0;
    QTest::newRow("lone minus") << "-" << InputMode::Kvarh << 0.0 << zero << 0.0;
    QTest::newRow("two points") << "1.2.3" << InputMode::Kwh << 0.0 << notNumeric << 0.0;
    QTest::newRow("letter after digits") << "12a" << InputMode::Kwh << 0.0 << notNumeric << 0.0;
    QTest::newRow("beyond a double") << QString(400, '9') << InputMode::Kwh << 0.0 << notNumeric << 0.0;
    QTest::newRow("negative reactive energy") << "-250" << InputMode::Kvarh << 0.0 << none << -250.0;
    QTest::newRow("converted power factor") << " 750" << InputMode::Kvarh << 0.0 << none << 750.0;
    QTest::newRow("pasted negative energy") << "-1000" << InputMode::Kwh << 0.0 << negative << 0.0;
    QTest::newRow("pasted negative hours") << "-392" << InputMode::Hours << 0.0 << negative << 0.0;
    QTest::newRow("pasted negative target") << "-95" << InputMode::TargetPf << 90.0 << negative << 0.0;
    QTest::newRow("target above present") << "95" << InputMode::TargetPf << 90.00078 << none << 95.0;
    QTest::newRow("target equal to present") << "90.5" << InputMode::TargetPf << 90.5 << none << 90.5;
    QTest::newRow("target 100") << "100" << InputMode::TargetPf << 90.0 << none << 100.0;
    QTest::newRow("target above 100") << "100.5" << InputMode::TargetPf << 90.0 << target << 0.0;
    QTest::newRow("target below present") << "90" << InputMode::TargetPf << 90.00078 << target << 0.0;
    QTest::newRow("no mode stores nothing special") << "5" << InputMode::None << 0.0 << none << 5.0;
}

void TestInputRules::okEntry()
{
    QFETCH(QString, text);
    QFETCH(InputMode, mode);
    QFETCH(double, presentPf);
    QFETCH(QString, refusal);
    QFETCH(double, value);
    const auto verdict = checkOkEntry(text.toStdString(), mode, presentPf);
    QCOMPARE(verdict.refusal ? q(*verdict.refusal) : QString(), refusal);
    if (refusal.isEmpty())
        QCOMPARE(verdict.value, value);
}

void TestInputRules::prompts()
{
    QCOMPARE(q(promptFor(InputMode::Kwh)->label1), QStringLiteral("      有効電力量 kWh は？"));
    QCOMPARE(q(promptFor(InputMode::Kvarh)->label1), QStringLiteral("      無効電力量 kvarh は？"));
    QCOMPARE(q(promptFor(InputMode::Hours)->label1), QStringLiteral("   入力した電力量の積算時間(H) は？"));
    QCOMPARE(q(promptFor(InputMode::TargetPf)->label1), QStringLiteral("          目標力率％ は？"));
    QCOMPARE(promptFor(InputMode::Kwh)->windowHeightTwips, 2520);
    QCOMPARE(promptFor(InputMode::Kvarh)->windowHeightTwips, 3100);
    QCOMPARE(promptFor(InputMode::Hours)->windowHeightTwips, 3400);
    QCOMPARE(promptFor(InputMode::TargetPf)->windowHeightTwips, 2520);
    QVERIFY(promptFor(InputMode::Kvarh)->pfEntryVisible);
    QVERIFY(promptFor(InputMode::Hours)->hoursNoteVisible);
    QVERIFY(!promptFor(InputMode::None));

    const QStringList lines = q(hoursNote()).split(QStringLiteral("\r\n"));
    QCOMPARE(lines,
        (QStringList{
            QStringLiteral("電力会社の一日の力率計測時間帯が８：００～２２：００(１４Ｈ)の場合"),
            QString(),
            QStringLiteral("　　　　　　　↓"),
            QStringLiteral("       ２８日: ３９２H"),
            QStringLiteral("       ２９日: ４０６H"),
            QStringLiteral("       ３０日: ４２０H"),
            QStringLiteral("       ３１日: ４３４H"),
        }));
    QVERIFY(!q(hoursNote()).remove(QStringLiteral("\r\n")).contains(QLatin1Char('\n')));
}

void TestInputRules::kvarhFromPf_data()
{
    QTest::addColumn<double>("pf");
    QTest::addColumn<double>("kwh");
    QTest::addColumn<QString>("text");
    QTest::newRow("80 % of 1000 kWh") << 80.0 << 1000.0 << " 750";
    QTest::newRow("100 %") << 100.0 << 1000.0 << " 0";
    QTest::newRow("99.9 %") << 99.9 << 1000.0 << " 44.7549327449585";
    QTest::newRow("zero") << 0.0 << 1000.0 << "";
    QTest::newRow("negative") << -5.0 << 1000.0 << "";
    QTest::newRow("above 100") << 100.5 << 1000.0 << "";
    QTest::newRow("beyond a double") << 1e-300 << 1e300 << "";
}

void TestInputRules::kvarhFromPf()
{
    QFETCH(double, pf);
    QFETCH(double, kwh);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(calcKvarhFromPf(pf, kwh)), text);
}

void TestInputRules::pfEntryRefusal_data()
{
    QTest::addColumn<QString>("pfText");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<QString>("kvarhText");
    QTest::newRow("80") << "80" << false << " 750";
    QTest::newRow("empty") << "" << false << "";
    QTest::newRow("zero") << "0" << false << "";
    QTest::newRow("lone point") << "." << false << "";
    QTest::newRow("99.9") << "99.9" << false << " 44.7549327449585";
    QTest::newRow("100") << "100" << true << "";
    QTest::newRow("long run of digits") << QString(400, '9') << true << "";
    QTest::newRow("negative") << "-1" << true << "";
}

void TestInputRules::pfEntryRefusal()
{
    QFETCH(QString, pfText);
    QFETCH(bool, refused);
    QFETCH(QString, kvarhText);
    const auto text = kvarhTextForPfEntry(pfText.toStdString(), 1000.0);
    QCOMPARE(!text.has_value(), refused);
    if (text)
        QCOMPARE(QString::fromStdString(*text), kvarhText);
}

QTEST_APPLESS_MAIN(TestInputRules)
#include "test_input_rules.moc"
