#include "batch/batch_row.h"
#include "batch/command_line.h"
#include "batch/csv.h"
#include "forms/ui/fitting_widgets.h"
#include "support/session.h"
#include "support/texts.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QListWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <sstream>

using namespace kandelo;

namespace {

using namespace texts;

QString q(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// The result cell of a heading.
QString cell(const batch::RowResult& result, std::string_view heading)
{
    const auto& headings = batch::resultHeadings();
    const auto at = std::find(headings.begin(), headings.end(), heading);
    return q(result.cells.at(static_cast<std::size_t>(at - headings.begin())));
}

struct Run {
    int status = 0;
    std::string out;
    std::string err;
};

Run run(const std::vector<std::string>& arguments, const std::string& input = {})
{
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    Run r;
    r.status = batch::runCommandLine(arguments, in, out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
}

// The records of a CSV text.
std::vector<std::vector<std::string>> records(std::string_view text)
{
    batch::CsvReader reader;
    reader.feed(text);
    reader.finish();
    return reader.records();
}

const std::string Bom = "\xEF\xBB\xBF";

} // namespace

class TestBatch : public QObject {
    Q_OBJECT

private slots:
    void cleanup();

    void rows_data();
    void rows();
    void rowsMatchTheScreens_data();
    void rowsMatchTheScreens();
    void csvRecords_data();
    void csvRecords();
    void filesAsTheyComeFromAnOffice_data();
    void filesAsTheyComeFromAnOffice();
    void otherColumnsCarriedThrough();
    void shiftJisFarIntoTheFile();
    void outputEncodings();
    void exitStatuses_data();
    void exitStatuses();
    void unreadableAndUnwritableFiles();
    void helpAndVersion();
};

void TestBatch::cleanup()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestBatch::rows_data()
{
    QTest::addColumn<QString>("kwh");
    QTest::addColumn<QString>("kvarh");
    QTest::addColumn<QString>("hours");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("pf");
    QTest::addColumn<QString>("phase");
    QTest::addColumn<QString>("scKvar");
    QTest::addColumn<QString>("firstCapacitance");
    QTest::addColumn<QString>("error");
    QTest::newRow("worked example") << "100000" << "48430" << "392" << "95" << "90.00" << "Lag" << "39.7" << "12,600" << "";
    QTest::newRow("power factor alone") << "1000" << "484.3" << "" << "" << "90.00" << "Lag" << "" << "" << "";
    QTest::newRow("leading, no sizing asked") << "1000" << "-484.3" << "" << "" << "90.00" << "Lead" << "" << "" << "";
    QTest::newRow("leading asks for sizing") << "1000" << "-484.3" << "392" << "95" << "90.00" << "Lead" << "" << "" << LeadRefusal;
    QTest::newRow("target below present") << "1000" << "484.3" << "392" << "80" << "90.00" << "Lag" << "" << "" << TargetOutOfRange;
    QTest::newRow("target above 100") << "1000" << "484.3" << "392" << "100.5" << "90.00" << "Lag" << "" << "" << TargetOutOfRange;
    QTest::newRow("hours without target") << "1000" << "484.3" << "392" << "" << "90.00" << "Lag" << "" << "" << ZeroEntry;
    QTest::newRow("zero energy") << "0" << "1" << "" << "" << "" << "" << "" << "" << ZeroEntry;
    QTest::newRow("not a number") << "1.2.3" << "1" << "" << "" << "" << "" << "" << "" << NotNumeric;
    QTest::newRow("negative active energy") << "-1000" << "1" << "" << "" << "" << "" << "" << "" << NegativeEntry;
    QTest::newRow("huge values: the load fails") << "1" + QString(300, '0') << "4843" + QString(296, '0') << "1" << "95" << "90.00" << "Lag" << "" << "" << Failure;
    QTest::newRow("target equal to 100 at exactly 100") << "9999999" << "0.137" << "1" << "100" << "100.00" << "Lag" << "0.000" << "0.000" << "";
}

void TestBatch::rows()
{
    QFETCH(QString, kwh);
    QFETCH(QString, kvarh);
    QFETCH(QString, hours);
    QFETCH(QString, target);
    QFETCH(QString, pf);
    QFETCH(QString, phase);
    QFETCH(QString, scKvar);
    QFETCH(QString, firstCapacitance);
    QFETCH(QString, error);
    const batch::RowResult result =
        batch::computeRow({kwh.toStdString(), kvarh.toStdString(), hours.toStdString(), target.toStdString()});
    QCOMPARE(result.cells.size(), batch::resultHeadings().size());
    QCOMPARE(cell(result, "力率（％）"), pf);
    QCOMPARE(cell(result, "遅れ・進み"), phase);
    QCOMPARE(cell(result, "SC定格設備容量（kvar）"), scKvar);
    QCOMPARE(cell(result, "静電容量μF 50Ｈｚ 100V"), firstCapacitance);
    QCOMPARE(cell(result, "エラー"), error);
    QCOMPARE(result.refused, !error.isEmpty());
}

void TestBatch::rowsMatchTheScreens_data()
{
    QTest::addColumn<QString>("kwh");
    QTest::addColumn<QString>("kvarh");
    QTest::addColumn<QString>("hours");
    QTest::addColumn<QString>("target");
    QTest::newRow("worked example") << "100000" << "48430" << "392" << "95";
    QTest::newRow("the note and a target of 100") << "100" << "10" << "392.5" << "100";
    QTest::newRow("large customer") << "12345678" << "9876543.21" << "720" << "98.5";
}

// The same readings typed into the screens give the same texts, cell by cell.
void TestBatch::rowsMatchTheScreens()
{
    QFETCH(QString, kwh);
    QFETCH(QString, kvarh);
    QFETCH(QString, hours);
    QFETCH(QString, target);
    const batch::RowResult result =
        batch::computeRow({kwh.toStdString(), kvarh.toStdString(), hours.toStdString(), target.toStdString()});
    QVERIFY(!result.refused);

    Session s;
    QVERIFY(s.reachPowerFactor(kwh, kvarh));
    QWidget* pf = s.pfScreen();
    const auto pfText = [pf](const char* name) { return Session::control<QLabel>(pf, name)->text(); };
    QCOMPARE(cell(result, "有効電力量kWh"), pfText("lblKwh"));
    QCOMPARE(cell(result, "無効電力量kvarh"), pfText("lblKvarh"));
    QCOMPARE(cell(result, "力率（％）"), pfText("lblPf"));
    QCOMPARE(cell(result, "遅れ・進み"), pfText("lblPhase").trimmed());
    QCOMPARE(cell(result, "99.5以上　→　100%"),
        Session::control<QLabel>(pf, "lblComent")->isVisibleTo(pf) ? pfText("lblComent") : QString());

    QTest::mouseClick(Session::control<QWidget>(pf, "Option1"), Qt::LeftButton);
    QTest::mouseClick(Session::control<QWidget>(pf, "cmdImprove"), Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowActive(s.dialog()));
    QVERIFY(s.enter(hours, TargetPrompt));
    QVERIFY(s.enter(target));
    QWidget* sc = s.scScreen();
    QVERIFY(sc);
    const auto scText = [sc](const char* name) {
        if (auto* label = Session::control<QLabel>(sc, name))
            return label->text();
        return Session::control<QLineEdit>(sc, name)->text();
    };
    QCOMPARE(cell(result, "積算時間（H）"), scText("lblHours"));
    QCOMPARE(cell(result, "平均有効電力（ｋW）"), scText("lblKw"));
    QCOMPARE(cell(result, "平均無効電力（kvar）"), scText("lblLagKvar"));
    QCOMPARE(cell(result, "平均皮相電力（kVA）"), scText("lblKVA"));
    QCOMPARE(cell(result, "SC定格設備容量（kvar）"), scText("txtScKvar"));
    QCOMPARE(cell(result, "SC定格容量（kvar）Ｌ＝ ６％"), scText("txtScKvar2"));
    QCOMPARE(cell(result, "直列リアクトル定格容量（kvar）Ｌ＝ ６％"), scText("txtLKvar"));
    QCOMPARE(cell(result, "力率改善のメリット 電流"), scText("lblCurrent"));
    QCOMPARE(cell(result, "力率改善のメリット 基本料金"), scText("lblBasic"));
    auto lists = sc->findChildren<QListWidget*>(QStringLiteral("lstbxScMf"));
    std::sort(lists.begin(), lists.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
    const char* volts[] = {"100V", "200V", "400V", "3300V", "6600V"};
    for (int list = 0; list < 2; ++list)
        for (int row = 0; row < 5; ++row) {
            const std::string heading =
                std::string("静電容量μF ") + (list == 0 ? "50Ｈｚ " : "60Ｈｚ ") + volts[row];
            QCOMPARE(cell(result, heading), lists[list]->item(row)->text().trimmed());
        }
    QVERIFY(s.messages.texts.isEmpty());
}

void TestBatch::csvRecords_data()
{
    QTest::addColumn<QString>("csv");
    QTest::addColumn<QStringList>("flattened"); // fields, records ended by "|"
    QTest::newRow("CR LF") << "a,b\r\nc,d\r\n" << QStringList{"a", "b", "|", "c", "d", "|"};
    QTest::newRow("LF, no last line break") << "a,b\nc,d" << QStringList{"a", "b", "|", "c", "d", "|"};
    QTest::newRow("quoted comma") << "\"山田, 太郎\",1\r\n" << QStringList{"山田, 太郎", "1", "|"};
    QTest::newRow("quoted line break") << "\"two\r\nlines\",x\n" << QStringList{"two\r\nlines", "x", "|"};
    QTest::newRow("doubled quote") << "\"say \"\"hi\"\"\"\n" << QStringList{"say \"hi\"", "|"};
    QTest::newRow("empty fields") << ",,\n" << QStringList{"", "", "", "|"};
    QTest::newRow("blank lines skipped") << "a\n\n\r\nb\n" << QStringList{"a", "|", "b", "|"};
}

void TestBatch::csvRecords()
{
    QFETCH(QString, csv);
    QFETCH(QStringList, flattened);
    QStringList actual;
    for (const auto& record : records(csv.toStdString())) {
        for (const auto& field : record)
            actual << q(field);
        actual << "|";
    }
    QCOMPARE(actual, flattened);

    // Written back and read again, the records are the same.
    std::string written;
    for (const auto& record : records(csv.toStdString()))
        batch::appendCsvRecord(written, record);
    QCOMPARE(records(written), records(csv.toStdString()));
}

void TestBatch::filesAsTheyComeFromAnOffice_data()
{
    QTest::addColumn<QByteArray>("file");
    const QByteArray english = "Customer,KVARH,kWh,Target,Hours\r\nA-1,48430,100000,95,392\r\n";
    QTest::newRow("English headings in any order") << english;
    QTest::newRow("Japanese headings, UTF-8") << QStringLiteral("顧客,無効電力量,有効電力量,目標力率,積算時間\nA-1,48430,100000,95,392\n").toUtf8();
    QTest::newRow("Japanese headings, UTF-8 with BOM") << QByteArray(Bom.c_str()) + QStringLiteral("顧客,無効電力量kvarh,有効電力量kWh,目標力率％,積算時間H\nA-1,48430,100000,95,392\n").toUtf8();
    QTest::newRow("Japanese headings, Shift_JIS")
        << QByteArray("\x8C\xDA\x8B\x71,\x96\xB3\x8C\xF8\x93\x64\x97\xCD\x97\xCA,\x97\x4C\x8C\xF8\x93\x64\x97\xCD\x97\xCA,"
                      "\x96\xDA\x95\x57\x97\xCD\x97\xA6,\x90\xCF\x8E\x5A\x8E\x9E\x8A\xD4\r\nA-1,48430,100000,95,392\r\n");
}

// Whatever the file's headings and encoding, the worked example comes out.
void TestBatch::filesAsTheyComeFromAnOffice()
{
    QFETCH(QByteArray, file);
    const Run r = run({"--batch", "-", "--encoding", "utf-8"}, file.toStdString());
    QCOMPARE(r.status, batch::AllRowsComputed);
    QVERIFY(r.err.empty());
    const auto out = records(r.out);
    QCOMPARE(out.size(), std::size_t(2));
    const std::size_t inputColumns = 5;
    QCOMPARE(out[1].size(), inputColumns + batch::resultHeadings().size());
    QCOMPARE(q(out[1][0]), QStringLiteral("A-1"));
    batch::RowResult result;
    result.cells.assign(out[1].begin() + inputColumns, out[1].end());
    QCOMPARE(cell(result, "SC定格設備容量（kvar）"), QStringLiteral("39.7"));
    QCOMPARE(cell(result, "力率改善のメリット 基本料金"), QStringLiteral("現状より、約 5 ％ 割引されます"));
}

void TestBatch::otherColumnsCarriedThrough()
{
    const std::string input = "番号,kwh,名前,kvarh,メモ\r\n"
                              "1,1000,\"山田, 太郎\",484.3,\"二行の\r\nメモ\"\r\n"
                              "2,1000,佐藤,-484.3\r\n";
    const Run r = run({"--batch", "-", "--encoding", "utf-8"}, input);
    QCOMPARE(r.status, batch::AllRowsComputed);
    const auto out = records(r.out);
    QCOMPARE(out.size(), std::size_t(3));
    QCOMPARE(q(out[0][2]), QStringLiteral("名前"));
    QCOMPARE(q(out[0][5]), QStringLiteral("有効電力量kWh"));
    QCOMPARE(q(out[1][2]), QStringLiteral("山田, 太郎"));
    QCOMPARE(q(out[1][4]), QStringLiteral("二行の\r\nメモ"));
    QCOMPARE(q(out[1][5]), QStringLiteral("1,000.00"));
    // A short row is filled out to the heading's columns, so the results line up.
    QCOMPARE(q(out[2][4]), QString());
    QCOMPARE(q(out[2][8]), QStringLiteral("Lead"));
}

// A Shift_JIS file may hold nothing but ASCII for many rows; its first
// Japanese name comes long after the first piece read.
void TestBatch::shiftJisFarIntoTheFile()
{
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in.csv"));
    QFile file(in);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("name,kwh,kvarh\r\n");
    for (int row = 0; row < 5000; ++row)
        file.write("customer,1000,484.3\r\n");
    file.write("\x8C\xDA\x8B\x71,1000,484.3\r\n"); // 顧客
    file.close();
    QVERIFY(file.size() > 65536);
    const Run r = run({"--batch", in.toStdString(), "--encoding", "utf-8"});
    QCOMPARE(r.status, batch::AllRowsComputed);
    const auto out = records(r.out);
    QCOMPARE(out.size(), std::size_t(5002));
    QCOMPARE(q(out.back()[0]), QStringLiteral("顧客"));
}

void TestBatch::outputEncodings()
{
    const std::string input = "kwh,kvarh\n1000,484.3\n";
    const Run withBom = run({"--batch", "-"}, input);
    QCOMPARE(withBom.out.substr(0, 3), Bom);
    const Run plain = run({"--batch", "-", "--encoding", "UTF-8"}, input);
    QCOMPARE(plain.out, withBom.out.substr(3));
    const Run shiftJis = run({"--batch", "-", "--encoding", "cp932"}, input);
    QVERIFY(shiftJis.out.find("\x97\x4C\x8C\xF8\x93\x64\x97\xCD\x97\xCA") != std::string::npos); // 有効電力量
    // Read back, the Shift_JIS result is the same text.
    const Run again = run({"--batch", "-", "--encoding", "utf-8"}, shiftJis.out);
    QCOMPARE(records(again.out)[1][2], records(plain.out)[1][2]);
}

void TestBatch::exitStatuses_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("status");
    QTest::newRow("every row computed") << QStringList{"--batch", "-"} << "kwh,kvarh\n1000,484.3\n" << batch::AllRowsComputed;
    QTest::newRow("a row refused") << QStringList{"--batch", "-"} << "kwh,kvarh\n1000,484.3\n0,1\n" << batch::SomeRowsRefused;
    QTest::newRow("unknown option") << QStringList{"--batch", "-", "--fast"} << "" << batch::UsageOrFileError;
    QTest::newRow("option without its value") << QStringList{"--batch"} << "" << batch::UsageOrFileError;
    QTest::newRow("unknown encoding") << QStringList{"--batch", "-", "--encoding", "latin1"} << "" << batch::UsageOrFileError;
    QTest::newRow("missing column") << QStringList{"--batch", "-"} << "kwh,hours\n1000,392\n" << batch::UsageOrFileError;
    QTest::newRow("empty file") << QStringList{"--batch", "-"} << "" << batch::UsageOrFileError;
}

void TestBatch::exitStatuses()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, input);
    QFETCH(int, status);
    std::vector<std::string> args;
    for (const QString& a : arguments)
        args.push_back(a.toStdString());
    const Run r = run(args, input.toStdString());
    QCOMPARE(r.status, status);
    if (status == batch::UsageOrFileError) {
        QVERIFY(r.out.empty());
        QCOMPARE(std::count(r.err.begin(), r.err.end(), '\n'), std::ptrdiff_t(1));
        QVERIFY(r.err.rfind("kandelo: ", 0) == 0);
    }
}

void TestBatch::unreadableAndUnwritableFiles()
{
    QTemporaryDir dir;
    const std::string in = dir.filePath("in.csv").toStdString();
    const std::string out = dir.filePath("out.csv").toStdString();
    QCOMPARE(run({"--batch", dir.filePath("missing.csv").toStdString(), "-o", out}).status, batch::UsageOrFileError);
    QVERIFY(!QFile::exists(QString::fromStdString(out)));

    QFile file(QString::fromStdString(in));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("kwh,kvarh\n1000,484.3\n");
    file.close();
    QCOMPARE(run({"--batch", in, "-o", dir.filePath("no/such/folder/out.csv").toStdString()}).status,
        batch::UsageOrFileError);

    // A good run replaces OUT.csv whole and leaves nothing else beside it.
    QFile old(QString::fromStdString(out));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    QCOMPARE(run({"--batch", in, "-o", out}).status, batch::AllRowsComputed);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), (QStringList{"in.csv", "out.csv"}));
    QFile result(QString::fromStdString(out));
    QVERIFY(result.open(QIODevice::ReadOnly));
    QVERIFY(result.readAll().startsWith(QByteArray(Bom.c_str()) + "kwh,kvarh,"));
    result.close();

    // A file that fails half-way (a missing column is found before anything is
    // written) leaves OUT.csv as it was.
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("kwh\n1000\n");
    file.close();
    QCOMPARE(run({"--batch", in, "-o", out}).status, batch::UsageOrFileError);
    QVERIFY(result.open(QIODevice::ReadOnly) && result.readAll().startsWith(QByteArray(Bom.c_str()) + "kwh,kvarh,"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), (QStringList{"in.csv", "out.csv"}));
}

void TestBatch::helpAndVersion()
{
    const Run help = run({"--help"});
    QCOMPARE(help.status, 0);
    QVERIFY(q(help.out).contains(QStringLiteral("使い方")));
    QVERIFY(q(help.out).contains(QStringLiteral("Usage")));
    const Run version = run({"--version"});
    QCOMPARE(q(version.out), QStringLiteral("kandelo 1.2\n"));
    QVERIFY(batch::wantsCommandLine({"--batch", "x.csv"}));
    QVERIFY(batch::wantsCommandLine({"-h"}));
    QVERIFY(!batch::wantsCommandLine({}));
    QVERIFY(!batch::wantsCommandLine({"-platform", "xcb"}));
}

QTEST_MAIN(TestBatch)
#include "test_batch.moc"
