#include "report/report.h"

#include <QtTest>

using namespace kandelo::report;

namespace {

QString q(const std::string& s)
{
    return QString::fromStdString(s);
}

PfScreenTexts laggingPf()
{
    return {"100,000.00", "48,430.00", "90.00", "Lag", std::nullopt};
}

ScScreenTexts workedExample()
{
    ScScreenTexts sc;
    sc.hours = "392";
    sc.target = "95";
    sc.kwCaption = "平均有効電力（ｋW）：";
    sc.kw = "255.10";
    sc.kvarCaption = "平均無効電力（kvar）：";
    sc.kvar = "123.55";
    sc.kvaCaption = "平均皮相電力（kVA）：";
    sc.kva = "283.44";
    sc.sentence = "現状の力率 90.00%を 95% に改善するのに必要な平均容量は、";
    sc.scCaption = "SC定格設備容量（kvar）：";
    sc.scKvar = "39.7";
    sc.reactor = "Ｌ＝ ６％";
    sc.sc2Caption = "SC定格容量（kvar）：";
    sc.scKvar2 = "42.2";
    sc.lCaption = "直列リアクトル定格容量（kvar）：";
    sc.lKvar = "2.53";
    sc.tableCaption = "静電容量　μF    (39.7kvar)";
    sc.tableHeadings = {"電圧Ｖ", "50Ｈｚ", "60Ｈｚ"};
    sc.rows = {{"100", "12,600", "10,500"}, {"200", "3,160", "2,630"}};
    sc.currentCaption = "力率改善のメリット   電流   ";
    sc.current = "現状より、約 5.3 ％ 少なくなります";
    sc.basicCaption = "基本料金 （電力会社の算出時間の力率として）";
    sc.basic = "現状より、約 5 ％ 割引されます";
    return sc;
}

} // namespace

class TestReportModel : public QObject {
    Q_OBJECT

private slots:
    void powerFactorAlone();
    void withTheSizing();
    void plainTextPastesCellByCell();
    void htmlEscapesAndHoldsTheSameContent();
};

void TestReportModel::powerFactorAlone()
{
    PfScreenTexts pf = laggingPf();
    pf.phase = "Lead";
    const Report report = buildReport(pf, std::nullopt, "2026年12月10日 3:44");
    QCOMPARE(q(report.title), QStringLiteral("力率の計算"));
    QCOMPARE(report.sections.size(), std::size_t(2));
    QCOMPARE(q(report.sections[0].items[0].value), QStringLiteral("100,000.00"));
    QCOMPARE(q(report.sections[1].items[1].value), QStringLiteral("Lead"));
    QVERIFY(report.sections[1].notes.empty());
}

void TestReportModel::withTheSizing()
{
    PfScreenTexts pf = laggingPf();
    pf.note = "99.5以上　→　100%";
    const Report report = buildReport(pf, workedExample(), "2026年12月10日 3:44");
    QCOMPARE(report.sections.size(), std::size_t(5));
    QCOMPARE(q(report.sections[0].items[2].label), QStringLiteral("積算時間（H）"));
    QCOMPARE(q(report.sections[0].items[3].value), QStringLiteral("95"));
    QCOMPARE(q(report.sections[1].notes.at(0)), QStringLiteral("99.5以上　→　100%"));
    // The screen's captions, without the colon that leads to the value.
    QCOMPARE(q(report.sections[2].items[0].label), QStringLiteral("平均有効電力（ｋW）"));
    QCOMPARE(q(report.sections[3].items[0].label), QStringLiteral("SC定格設備容量（kvar）"));
    QCOMPARE(q(report.sections[3].items[4].value), QStringLiteral("コンデンサ単体"));
    QVERIFY(report.sections[3].table);
    QCOMPARE(report.sections[3].table->rows.size(), std::size_t(2));
    QCOMPARE(q(report.sections[4].items[0].label), QStringLiteral("力率改善のメリット   電流"));
}

void TestReportModel::plainTextPastesCellByCell()
{
    const QString text = q(plainText(buildReport(laggingPf(), workedExample(), "2026年12月10日 3:44")));
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    QVERIFY(lines.contains(QStringLiteral("計算日時\t2026年12月10日 3:44")));
    QVERIFY(lines.contains(QStringLiteral("有効電力量kWh\t100,000.00")));
    QVERIFY(lines.contains(QStringLiteral("SC定格設備容量（kvar）\t39.7")));
    QVERIFY(lines.contains(QStringLiteral("電圧Ｖ\t50Ｈｚ\t60Ｈｚ")));
    QVERIFY(lines.contains(QStringLiteral("100\t12,600\t10,500")));
    QVERIFY(lines.contains(QStringLiteral("現状の力率 90.00%を 95% に改善するのに必要な平均容量は、")));
    QVERIFY(!text.contains(u'\n') || text.count(u'\n') == text.count(QStringLiteral("\r\n")));
}

void TestReportModel::htmlEscapesAndHoldsTheSameContent()
{
    ScScreenTexts sc = workedExample();
    sc.basic = "<b>&\"";
    const QString page = q(html(buildReport(laggingPf(), sc, "2026年12月10日 3:44")));
    QVERIFY(page.contains(QStringLiteral("<th>SC定格設備容量（kvar）</th><td>39.7</td>")));
    QVERIFY(page.contains(QStringLiteral("<tr><td>100</td><td>12,600</td><td>10,500</td></tr>")));
    QVERIFY(page.contains(QStringLiteral("&lt;b&gt;&amp;&quot;")));
    QVERIFY(!page.contains(QStringLiteral("<b>&")));
}

QTEST_APPLESS_MAIN(TestReportModel)
#include "test_report_model.moc"
