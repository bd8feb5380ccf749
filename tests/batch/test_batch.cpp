#include "batch/batch_row.h"
#include "batch/io/command_line.h"
#include "batch/cp932.h"
#include "batch/csv.h"
#include "batch/encoding.h"
#include "batch/io/files.h"
#include "batch/options.h"
#include "batch/headings.h"
#include "forms/ui/fitting_widgets.h"
#include "sc/ui/selection_window.h"
#include "support/selection_table.h"
#include "support/session.h"
#include "support/texts.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QListWidget>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#endif

#include <sstream>
#include <thread>

#if __has_include(<iconv.h>)
#include <iconv.h>
#define KANDELO_SYSTEM_ICONV 1
#endif

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

Run run(const std::vector<std::string>& arguments, const std::string& input = {},
    batch::Language language = batch::Language::English)
{
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    Run r;
    r.status = batch::runCommandLine(arguments, in, out, err, language);
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
    std::vector<std::vector<std::string>> fields;
    for (auto& record : reader.records())
        fields.push_back(std::move(record.fields));
    return fields;
}

const std::string Bom = "\xEF\xBB\xBF";

// The cell of a row under a heading of the result.
QString under(const std::vector<std::vector<std::string>>& out, std::size_t row, std::string_view heading)
{
    const auto& head = out.at(0);
    const auto at = std::find(head.begin(), head.end(), heading);
    if (at == head.end())
        return QStringLiteral("<no heading %1>").arg(q(heading));
    return q(out.at(row).at(static_cast<std::size_t>(at - head.begin())));
}

std::vector<std::string> arguments(const QStringList& list)
{
    std::vector<std::string> args;
    for (const QString& a : list)
        args.push_back(a.toStdString());
    return args;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

const QString MoreFields = QStringLiteral("見出しより項目の多い行のため計算していません（%1 行目）");

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

    void rowsStayUnderTheirHeadings_data();
    void rowsStayUnderTheirHeadings();
    void encodingCutAnywhere_data();
    void encodingCutAnywhere();
    void inputEncodings_data();
    void inputEncodings();
    void inputReadOnceIsKept();
    void headingsNameTheirReading_data();
    void headingsNameTheirReading();
    void commandLines_data();
    void commandLines();
    void messagesInTheUserLanguage_data();
    void messagesInTheUserLanguage();
    void outputFileAsACarefulToolWritesIt();
    void outputFileOnPosixSystems();
    void standardUnits_data();
    void standardUnits();
    void standardUnitsMatchTheWindow_data();
    void standardUnitsMatchTheWindow();
    void itsOwnResultReadBack();
    void monthsWindowOrCommandLine_data();
    void monthsWindowOrCommandLine();
    void monthsOfACustomer();
    void monthsFileReadBack();
    void monthsFileRefused_data();
    void monthsFileRefused();
    void cp932AsTheSystemConvertsIt();
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
    QTest::newRow("empty lines are records") << "a\n\n\r\nb\n" << QStringList{"a", "|", "", "|", "", "|", "b", "|"};
    QTest::newRow("the end is no record") << "a\r\n" << QStringList{"a", "|"};
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
    batch::Decoder decoder(batch::Encoding::Cp932);
    std::string again;
    QVERIFY(decoder.decode(shiftJis.out, &again) && decoder.finish());
    QCOMPARE(again, plain.out);
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
    QCOMPARE(q(version.out), QStringLiteral("kandelo ") + texts::Version + u'\n');
    QVERIFY(batch::wantsCommandLine({"--batch", "x.csv"}));
    QVERIFY(batch::wantsCommandLine({"-h"}));
    QVERIFY(!batch::wantsCommandLine({}));
    QVERIFY(!batch::wantsCommandLine({"-platform", "xcb"}));
}

void TestBatch::rowsStayUnderTheirHeadings_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QStringList>("kwh");    // under 有効電力量kWh, row by row
    QTest::addColumn<QStringList>("errors"); // under エラー, row by row
    QTest::addColumn<int>("status");
    QTest::newRow("a trailing comma") << "kwh,kvarh\n1000,484.3,\n" << QStringList{"1,000.00"} << QStringList{""} << batch::AllRowsComputed;
    QTest::newRow("a refused row with a trailing comma") << "kwh,kvarh\n0,1,,\n" << QStringList{""} << QStringList{ZeroEntry} << batch::SomeRowsRefused;
    QTest::newRow("a comma in an unquoted name") << "name,kwh,kvarh\n山田, 太郎,1000,484.3\n佐藤,1000,484.3\n"
        << QStringList{"", "1,000.00"} << QStringList{MoreFields.arg(2), ""} << batch::SomeRowsRefused;
    QTest::newRow("more fields after a quoted line break") << "memo,kwh,kvarh\n1,1000,484.3\n\"two\nlines\",1000,484.3,x\n"
        << QStringList{"1,000.00", ""} << QStringList{"", MoreFields.arg(3)} << batch::SomeRowsRefused;
    QTest::newRow("a blank spreadsheet row") << "kwh,kvarh,memo\n1000,484.3,a\n,,\n1000,-484.3,b\n"
        << QStringList{"1,000.00", "", "1,000.00"} << QStringList{"", "", ""} << batch::AllRowsComputed;
    QTest::newRow("a blank row wider than the heading") << "kwh,kvarh\n , ,,,,\n" << QStringList{""} << QStringList{""} << batch::AllRowsComputed;
    QTest::newRow("an empty line") << "kwh,kvarh\n1000,484.3\n\n1000,484.3\n"
        << QStringList{"1,000.00", "", "1,000.00"} << QStringList{"", "", ""} << batch::AllRowsComputed;
    QTest::newRow("empty lines at the end, CR LF") << "kwh,kvarh\r\n1000,484.3\r\n\r\n\r\n"
        << QStringList{"1,000.00", "", ""} << QStringList{"", "", ""} << batch::AllRowsComputed;
    QTest::newRow("an empty line before the heading") << "\nkwh,kvarh\n1000,484.3\n"
        << QStringList{"1,000.00"} << QStringList{""} << batch::AllRowsComputed;
    QTest::newRow("a row shorter than the heading") << "kwh,kvarh,memo\n1000,484.3\n1000\n"
        << QStringList{"1,000.00", ""} << QStringList{"", ZeroEntry} << batch::SomeRowsRefused;
}

// Every result cell stands under its own heading, whatever the width of its row.
void TestBatch::rowsStayUnderTheirHeadings()
{
    QFETCH(QString, input);
    QFETCH(QStringList, kwh);
    QFETCH(QStringList, errors);
    QFETCH(int, status);
    const Run r = run({"--batch", "-", "--encoding", "utf-8"}, input.toStdString());
    QCOMPARE(r.status, status);
    QVERIFY(r.err.empty());
    const auto out = records(r.out);
    QCOMPARE(out.size(), std::size_t(kwh.size() + 1));
    for (std::size_t row = 1; row < out.size(); ++row) {
        QCOMPARE(out[row].size(), out[0].size());
        QCOMPARE(under(out, row, "有効電力量kWh"), kwh[int(row - 1)]);
        QCOMPARE(under(out, row, "エラー"), errors[int(row - 1)]);
        if (!errors[int(row - 1)].startsWith(MoreFields.left(8)))
            continue;
        // A refused wider row keeps its first fields and has no result at all.
        QCOMPARE(q(out[row][0]), QString::fromStdString(records(input.toStdString())[row][0]));
        for (std::size_t column = out[0].size() - batch::resultHeadings().size(); column + 1 < out[0].size(); ++column)
            QCOMPARE(q(out[row][column]), QString());
    }
}

void TestBatch::encodingCutAnywhere_data()
{
    QTest::addColumn<QByteArray>("utf8");
    QTest::addColumn<QByteArray>("cp932");
    QTest::addColumn<int>("replaced");
    QTest::newRow("Japanese") << QByteArray("有効") << QByteArray("\x97\x4C\x8C\xF8") << 0;
    QTest::newRow("a stray lead byte before a comma") << QByteArray("A\xE3,1000,484.3") << QByteArray("A?,1000,484.3") << 1;
    QTest::newRow("a sequence cut short") << QByteArray("\xE3\x81,x") << QByteArray("?,x") << 1;
    QTest::newRow("an emoji") << QByteArray("A\xF0\x9F\x98\x80" "B") << QByteArray("A?B") << 1;
    QTest::newRow("bytes of no sequence") << QByteArray("\xFF\xFE\x80") << QByteArray("???") << 3;
    QTest::newRow("an incomplete character at the end") << QByteArray("x\xE6\x9C") << QByteArray("x?") << 1;
}

// Writing CP932, a text gives the same bytes however it is cut into pieces;
// what CP932 cannot hold becomes one "?" and nothing else goes.
void TestBatch::encodingCutAnywhere()
{
    QFETCH(QByteArray, utf8);
    QFETCH(QByteArray, cp932);
    QFETCH(int, replaced);
    const std::string text = utf8.toStdString();
    for (std::size_t piece = 1; piece <= text.size(); ++piece) {
        for (std::size_t first = 0; first <= text.size(); first += piece == 1 ? 1 : text.size() + 1) {
            // Two pieces cut at `first`, or pieces of `piece` bytes each.
            batch::Encoder encoder(batch::Encoding::Cp932);
            std::string out;
            if (piece == 1) {
                encoder.encode(std::string_view(text).substr(0, first), out);
                encoder.encode(std::string_view(text).substr(first), out);
            } else {
                for (std::size_t at = 0; at < text.size(); at += piece)
                    encoder.encode(std::string_view(text).substr(at, piece), out);
            }
            encoder.finish(out);
            QCOMPARE(QByteArray::fromStdString(out), cp932);
            QCOMPARE(int(encoder.replaced()), replaced);
        }
    }

    // On the command line, where the input is UTF-8, standard error tells once how many went.
    batch::Decoder utf8Input(batch::Encoding::Utf8);
    if (!utf8Input.decode(text, nullptr) || !utf8Input.finish())
        return;
    const Run r = run({"--batch", "-", "--encoding", "cp932"}, "name,kwh,kvarh\n" + text + ",1000,484.3\nB,1000,484.3\n");
    QCOMPARE(r.status, batch::AllRowsComputed);
    QCOMPARE(q(r.err), replaced == 0 ? QString() : QStringLiteral("kandelo: %1 character%2 that CP932 cannot hold written as \"?\"\n")
                           .arg(replaced).arg(replaced == 1 ? "" : "s"));
    QVERIFY(QByteArray::fromStdString(r.out).contains(cp932 + ",1000,484.3,\"1,000.00\",484.30,90.00,Lag,"));
}

void TestBatch::inputEncodings_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message"); // on standard error, or the name of the last row as read
    const QByteArray head = "顧客名,kwh,kvarh\n山田商店,1000,484.3\n";
    const QByteArray shiftJis = "\x8C\xDA\x8B\x71\x96\xBC,kwh,kvarh\r\n\x8E\x52\x93\x63,1000,484.3\r\n"; // 顧客名 / 山田
    QTest::newRow("UTF-8 with one byte of neither") << head + "佐藤\xFF,1000,484.3\n" << QStringList{} << batch::UsageOrFileError
        << "kandelo: standard input, line 3: byte 0xFF is neither UTF-8 nor Shift_JIS (CP932) (--input-encoding states the encoding)\n";
    QTest::newRow("Shift_JIS with one byte of neither") << shiftJis + "\x8D\xB2\x93\xA1\xFD,1000,484.3\r\n" << QStringList{} << batch::UsageOrFileError
        << "kandelo: standard input, line 3: byte 0xFD is neither UTF-8 nor Shift_JIS (CP932) (--input-encoding states the encoding)\n";
    QTest::newRow("Shift_JIS told from the whole") << shiftJis << QStringList{} << batch::AllRowsComputed << "山田";
    QTest::newRow("UTF-8 stated") << head << QStringList{"--input-encoding", "utf-8"} << batch::AllRowsComputed << "山田商店";
    QTest::newRow("UTF-8 stated, with a byte-order mark") << QByteArray(Bom.c_str()) + head << QStringList{"--input-encoding=UTF-8"} << batch::AllRowsComputed << "山田商店";
    QTest::newRow("UTF-8 stated, Shift_JIS given") << shiftJis << QStringList{"--input-encoding", "utf-8"} << batch::UsageOrFileError
        << "kandelo: standard input, line 1: byte 0x8C is not UTF-8\n";
    QTest::newRow("Shift_JIS stated") << shiftJis << QStringList{"--input-encoding", "cp932"} << batch::AllRowsComputed << "山田";
    QTest::newRow("Shift_JIS stated, a lead byte before a comma") << QByteArray("name,kwh,kvarh\nA\xE3,1000,484.3\n") << QStringList{"--input-encoding", "cp932"}
        << batch::UsageOrFileError << "kandelo: standard input, line 2: byte 0xE3 is not Shift_JIS (CP932)\n";
    QTest::newRow("a byte-order mark, then no UTF-8") << QByteArray(Bom.c_str()) + head + "\x8E\x52,1,1\n" << QStringList{} << batch::UsageOrFileError
        << "kandelo: standard input, line 3: byte 0x8E is not UTF-8\n";
    QTest::newRow("a NUL byte") << QByteArray("kwh,kvarh\n1000,4\0" "84.3\n", 20) << QStringList{} << batch::UsageOrFileError
        << "kandelo: standard input, line 2: byte 0x00 is neither UTF-8 nor Shift_JIS (CP932) (--input-encoding states the encoding)\n";
    QTest::newRow("UTF-16") << QByteArray("\xFF\xFEk\0w\0h\0", 8) << QStringList{} << batch::UsageOrFileError
        << "kandelo: standard input is UTF-16; save it as UTF-8 or Shift_JIS (CP932)\n";
    QTest::newRow("an overlong form is no UTF-8") << head + "\xC0\xAF,1,1\n" << QStringList{"--input-encoding", "utf-8"} << batch::UsageOrFileError
        << "kandelo: standard input, line 3: byte 0xC0 is not UTF-8\n";
}

// A file is read in the encoding it has throughout, or not at all: no byte is guessed.
void TestBatch::inputEncodings()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, options);
    QFETCH(int, status);
    QFETCH(QString, message);
    const Run r = run(arguments(QStringList{"--batch", "-", "--encoding", "utf-8"} + options), file.toStdString());
    QCOMPARE(r.status, status);
    if (status == batch::UsageOrFileError) {
        QCOMPARE(q(r.err), message);
        QVERIFY(r.out.empty());
        return;
    }
    QVERIFY(r.err.empty());
    const auto out = records(r.out);
    QCOMPARE(q(out.back()[0]), message);
    QVERIFY(QString::fromStdString(r.out).contains(QStringLiteral("1,000.00")));
}

// What can be read only once is kept and read again: standard input judged
// whole, however long it stays ASCII, and longer than what memory keeps.
void TestBatch::inputReadOnceIsKept()
{
    std::string input = "name,kwh,kvarh\r\n";
    const std::string longName(1000, 'n');
    while (input.size() <= batch::SpoolMemoryBound + 65536)
        input += longName + ",1000,484.3\r\n";
    input += "\x8C\xDA\x8B\x71,1000,484.3\r\n"; // 顧客 in Shift_JIS, the first byte of no ASCII
    const Run r = run({"--batch", "-", "--encoding", "utf-8"}, input);
    QCOMPARE(r.status, batch::AllRowsComputed);
    QVERIFY(r.err.empty());
    const auto out = records(r.out);
    QCOMPARE(out.size(), records(input).size());
    QCOMPARE(q(out.back()[0]), QStringLiteral("顧客"));
    QCOMPARE(under(out, out.size() - 2, "力率（％）"), QStringLiteral("90.00"));
}

void TestBatch::headingsNameTheirReading_data()
{
    QTest::addColumn<QString>("heading");
    QTest::addColumn<int>("reading"); // -1: none
    const int kwh = int(batch::Reading::Kwh);
    const int kvarh = int(batch::Reading::Kvarh);
    const int hours = int(batch::Reading::Hours);
    const int target = int(batch::Reading::Target);
    QTest::newRow("the name") << "有効電力量" << kwh;
    QTest::newRow("name and unit") << "有効電力量kWh" << kwh;
    QTest::newRow("unit in brackets") << "有効電力量(kWh)" << kwh;
    QTest::newRow("unit in full-width brackets") << "有効電力量（kWh）" << kwh;
    QTest::newRow("English") << "kwh" << kwh;
    QTest::newRow("English in another case") << "KWh" << kwh;
    QTest::newRow("blanks around") << "　 有効電力量 kWh " << kwh;
    QTest::newRow("English with its unit") << "kvarh (kvarh)" << kvarh;
    QTest::newRow("reactive") << "無効電力量kvarh" << kvarh;
    QTest::newRow("hours") << "積算時間（H）" << hours;
    QTest::newRow("hours in English") << "Hours" << hours;
    QTest::newRow("target") << "目標力率％" << target;
    QTest::newRow("target in English") << "target(%)" << target;
    QTest::newRow("only begins with a name") << "有効電力量（前月）" << -1;
    QTest::newRow("another unit") << "有効電力量MWh" << -1;
    QTest::newRow("a longer English word") << "kwhs" << -1;
    QTest::newRow("unclosed bracket") << "有効電力量(kWh" << -1;
    QTest::newRow("the power factor") << "力率（％）" << -1;
    const int contract = int(batch::Reading::ContractKw);
    const int price = int(batch::Reading::UnitPrice);
    QTest::newRow("the contract with a full-width k") << "契約電力（ｋW）" << contract;
    QTest::newRow("the contract with full-width letters") << "契約電力ＫＷ" << contract;
    QTest::newRow("the unit price in yen") << "基本料金単価（円）" << price;
    QTest::newRow("the unit price after a blank, full width") << "基本料金単価 円／ｋW" << price;
    QTest::newRow("the unit price after an ideographic space") << "基本料金単価　(円/kW)" << price;
    QTest::newRow("full-width English") << "ｃｏｎｔｒａｃｔ＿ｋｗ" << contract;
    QTest::newRow("a figure's name with more") << "契約電力の実績" << -1;
    QTest::newRow("a full-width other unit") << "有効電力量（ＭＷｈ）" << -1;
}

void TestBatch::headingsNameTheirReading()
{
    QFETCH(QString, heading);
    QFETCH(int, reading);
    const auto named = batch::readingNamed(heading.toStdString());
    QCOMPARE(named ? int(*named) : -1, reading);
}

void TestBatch::commandLines_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message"); // the one line on standard error; empty: none
    QTest::newRow("a file without --batch") << QStringList{"readings.csv"} << batch::UsageOrFileError
        << "kandelo: unexpected argument readings.csv (the input file goes after --batch; see kandelo --help)\n";
    QTest::newRow("an unknown short option") << QStringList{"-x"} << batch::UsageOrFileError << "kandelo: unknown option -x (see kandelo --help)\n";
    QTest::newRow("-v is no option") << QStringList{"-v"} << batch::UsageOrFileError << "kandelo: unknown option -v (see kandelo --help)\n";
    QTest::newRow("a long option with one dash") << QStringList{"-batch", "in.csv"} << batch::UsageOrFileError << "kandelo: unknown option -batch (see kandelo --help)\n";
    QTest::newRow("an option given twice") << QStringList{"--batch", "-", "--batch", "-"} << batch::UsageOrFileError << "kandelo: option --batch is given twice (see kandelo --help)\n";
    QTest::newRow("-o and --output") << QStringList{"--batch", "-", "-o", "a.csv", "--output=b.csv"} << batch::UsageOrFileError << "kandelo: option --output is given twice (see kandelo --help)\n";
    QTest::newRow("a value after a flag") << QStringList{"--help=yes"} << batch::UsageOrFileError << "kandelo: unknown option --help (see kandelo --help)\n";
    QTest::newRow("a value missing") << QStringList{"--batch", "-", "-o"} << batch::UsageOrFileError << "kandelo: option -o needs a value (see kandelo --help)\n";
    QTest::newRow("an argument after --") << QStringList{"--batch", "-", "--", "x.csv"} << batch::UsageOrFileError
        << "kandelo: unexpected argument x.csv (the input file goes after --batch; see kandelo --help)\n";
    QTest::newRow("--batch=IN") << QStringList{"--batch=-"} << batch::AllRowsComputed << "";
    QTest::newRow("a value after -o") << QStringList{"--batch", "-", "-o-"} << batch::AllRowsComputed << "";
    QTest::newRow("a value after -o=") << QStringList{"--batch", "-", "-o=-"} << batch::AllRowsComputed << "";
    QTest::newRow("-- ends the options") << QStringList{"--batch", "-", "--"} << batch::AllRowsComputed << "";
    QTest::newRow("-- as a value") << QStringList{"--batch", "--"} << batch::UsageOrFileError
        << "kandelo: cannot read --: No such file or directory\n";
    QTest::newRow("a Qt option along") << QStringList{"--batch", "-", "-platform", "offscreen"} << batch::AllRowsComputed << "";
    QTest::newRow("--target without --months") << QStringList{"--batch", "-", "--target", "95"} << batch::UsageOrFileError
        << "kandelo: --target goes with --months\n";
    QTest::newRow("--months and --batch") << QStringList{"--months", "-", "--batch", "-"} << batch::UsageOrFileError
        << "kandelo: --batch and --months do not go together\n";
    QTest::newRow("two files to --months") << QStringList{"--months", "a.csv", "b.csv"} << batch::UsageOrFileError
        << "kandelo: --months takes one input file: b.csv is one too many (see kandelo --help)\n";
    QTest::newRow("--months without a file") << QStringList{"--months", "-o", "-"} << batch::UsageOrFileError
        << "kandelo: --months needs an input file (\"-\" for standard input)\n";
    QTest::newRow("months without a frequency") << QStringList{"--months", "-", "--target", "95", "-o", "-"}
        << batch::UsageOrFileError << "kandelo: give the frequency with --frequency 50 or --frequency 60 (the file names none)\n";
    QTest::newRow("a frequency of neither") << QStringList{"--months", "-", "--frequency", "55", "-o", "-"}
        << batch::UsageOrFileError << "kandelo: the frequency \"55\" is 50 or 60\n";
    QTest::newRow("months without a target") << QStringList{"--months", "-", "--frequency", "60", "-o", "-"}
        << batch::UsageOrFileError << "kandelo: give the target power factor with --target (the file names none)\n";
    // The one row has no hours: the month is left out, and the plan has none.
    QTest::newRow("a month left out") << QStringList{"--months", "-", "--frequency=60", "--target=95", "-o", "-"}
        << batch::SomeRowsRefused << "";
}

// The command line is read as QCommandLineParser reads one, and anything else
// is a usage error that names the argument.
void TestBatch::commandLines()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, message);
    const std::vector<std::string> args = ::arguments(arguments);
    QVERIFY(batch::wantsCommandLine(args));
    const Run r = run(args, "kwh,kvarh\n1000,484.3\n");
    QCOMPARE(r.status, status);
    QCOMPARE(q(r.err), message);
    QCOMPARE(r.out.empty(), status == batch::UsageOrFileError);
}

void TestBatch::messagesInTheUserLanguage_data()
{
    QTest::addColumn<QStringList>("environment"); // LC_ALL, LC_MESSAGES, LANG
    QTest::addColumn<bool>("japanese");
    QTest::newRow("LANG Japanese") << QStringList{"", "", "ja_JP.UTF-8"} << true;
    QTest::newRow("LANG English") << QStringList{"", "", "en_US.UTF-8"} << false;
    QTest::newRow("nothing set") << QStringList{"", "", ""} << false;
    QTest::newRow("LC_MESSAGES before LANG") << QStringList{"", "ja_JP.UTF-8", "C"} << true;
    QTest::newRow("LC_ALL before both") << QStringList{"C.UTF-8", "ja_JP.UTF-8", "ja_JP.UTF-8"} << false;
}

void TestBatch::messagesInTheUserLanguage()
{
    QFETCH(QStringList, environment);
    QFETCH(bool, japanese);
    const char* variables[] = {"LC_ALL", "LC_MESSAGES", "LANG"};
    QByteArray saved[3];
    for (int i = 0; i < 3; ++i) {
        saved[i] = qgetenv(variables[i]);
        if (environment[i].isEmpty())
            qunsetenv(variables[i]);
        else
            qputenv(variables[i], environment[i].toUtf8());
    }
#ifdef Q_OS_WIN
    // There the user's language is the user interface's; the lines below read in either.
    const batch::Language language = japanese ? batch::Language::Japanese : batch::Language::English;
#else
    const batch::Language language = batch::languageOfUser();
    QCOMPARE(language == batch::Language::Japanese, japanese);
#endif
    for (int i = 0; i < 3; ++i)
        saved[i].isNull() ? qunsetenv(variables[i]) : qputenv(variables[i], saved[i]);

    // Each error line reads in that language.
    const Run r = run({"--batch", "missing.csv"}, {}, language);
    QCOMPARE(q(r.err), japanese ? QStringLiteral("kandelo: missing.csv を読めません：ファイルまたはフォルダーがありません\n")
                                : QStringLiteral("kandelo: cannot read missing.csv: No such file or directory\n"));
    const Run usage = run({"-x"}, {}, language);
    QCOMPARE(q(usage.err), japanese ? QStringLiteral("kandelo: 不明なオプションです：-x（kandelo --help を参照）\n")
                                    : QStringLiteral("kandelo: unknown option -x (see kandelo --help)\n"));
    const Run quote = run({"--batch", "-"}, "kwh,kvarh\n1000,\"484.3\n", language);
    QCOMPARE(q(quote.err), japanese ? QStringLiteral("kandelo: 標準入力 の 2 行目で開いた引用符（\"）が閉じていません\n")
                                    : QStringLiteral("kandelo: standard input, line 2: a quote (\") opened here is never closed\n"));
}

// -o replaces a file only once the result is whole, and as the file was.
void TestBatch::outputFileAsACarefulToolWritesIt()
{
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in.csv"));
    writeFile(in, "kwh,kvarh\n1000,484.3\n");
    const QByteArray result = QByteArray::fromStdString(run({"--batch", in.toStdString()}).out);
    QVERIFY(result.startsWith(QByteArray::fromStdString(Bom) + "kwh,kvarh,"));
    const auto runTo = [&](const QString& out) { return run({"--batch", in.toStdString(), "-o", out.toStdString()}); };
    const auto files = [&] { return QDir(dir.path()).entryList(QDir::Files | QDir::System | QDir::Hidden); };

    // An existing file is replaced whole.
    const QString replaced = dir.filePath(QStringLiteral("replaced.csv"));
    writeFile(replaced, "an older and longer result than this one, by far, and then some more");
    QCOMPARE(runTo(replaced).status, batch::AllRowsComputed);
    QCOMPARE(readAll(replaced), result);

    // A file marked read-only is refused and left as it was.
    const QString readOnly = dir.filePath(QStringLiteral("read-only.csv"));
    writeFile(readOnly, "old");
    QVERIFY(QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    const Run refused = runTo(readOnly);
    QCOMPARE(refused.status, batch::UsageOrFileError);
    QCOMPARE(q(refused.err), QStringLiteral("kandelo: %1 is not writable, so it is not replaced\n").arg(readOnly));
    QCOMPARE(readAll(readOnly), QByteArray("old"));

    const Run folder = runTo(dir.path());
    QCOMPARE(folder.status, batch::UsageOrFileError);
    QCOMPARE(q(folder.err), QStringLiteral("kandelo: %1 is a directory\n").arg(dir.path()));

    // A device is written, not replaced.
#ifdef Q_OS_WIN
    QCOMPARE(runTo(QStringLiteral("NUL")).status, batch::AllRowsComputed);
    QCOMPARE(runTo(dir.filePath(QStringLiteral("nul.csv"))).status, batch::AllRowsComputed);
#else
    QCOMPARE(runTo(QStringLiteral("/dev/null")).status, batch::AllRowsComputed);
    QVERIFY(QFileInfo(QStringLiteral("/dev/null")).exists() && !QFileInfo(QStringLiteral("/dev/null")).isFile());
#endif

    // Nothing is left beside the files.
    QCOMPARE(files(), (QStringList{"in.csv", "read-only.csv", "replaced.csv"}));
    QVERIFY(QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
}

// Links, permissions and the kinds of file of a POSIX system.
void TestBatch::outputFileOnPosixSystems()
{
#ifdef Q_OS_UNIX
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in.csv"));
    writeFile(in, "kwh,kvarh\n1000,484.3\n");
    const QByteArray result = QByteArray::fromStdString(run({"--batch", in.toStdString()}).out);
    const auto runTo = [&](const QString& out) { return run({"--batch", in.toStdString(), "-o", out.toStdString()}); };
    const auto files = [&] { return QDir(dir.path()).entryList(QDir::Files | QDir::System | QDir::Hidden); };
    const auto mode = [](const QString& path) {
        struct stat status {};
        return ::stat(path.toLocal8Bit().constData(), &status) == 0 ? int(status.st_mode & 07777) : -1;
    };

    // A symbolic link is followed: it stays a link, its target takes the result.
    const QString target = dir.filePath(QStringLiteral("target.csv"));
    const QString link = dir.filePath(QStringLiteral("link.csv"));
    writeFile(target, "old");
    QVERIFY(QFile::link(target, link));
    QCOMPARE(runTo(link).status, batch::AllRowsComputed);
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(readAll(target), result);
    // A link to nothing yet makes the file it points to.
    const QString dangling = dir.filePath(QStringLiteral("dangling.csv"));
    QVERIFY(QFile::link(dir.filePath(QStringLiteral("made.csv")), dangling));
    QCOMPARE(runTo(dangling).status, batch::AllRowsComputed);
    QVERIFY(QFileInfo(dangling).isSymLink());
    QCOMPARE(readAll(dir.filePath(QStringLiteral("made.csv"))), result);

    // An existing file keeps its permissions; a new one gets 0666 less the umask.
    const QString kept = dir.filePath(QStringLiteral("kept.csv"));
    writeFile(kept, "old");
    QVERIFY(::chmod(kept.toLocal8Bit().constData(), 0604) == 0);
    QCOMPARE(runTo(kept).status, batch::AllRowsComputed);
    QCOMPARE(mode(kept), 0604);
    QCOMPARE(readAll(kept), result);
    const mode_t mask = ::umask(027);
    const Run made = runTo(dir.filePath(QStringLiteral("new.csv")));
    ::umask(mask);
    QCOMPARE(made.status, batch::AllRowsComputed);
    QCOMPARE(mode(dir.filePath(QStringLiteral("new.csv"))), 0640);

    // What is not a regular file is written, not replaced.
    const QString fifo = dir.filePath(QStringLiteral("fifo"));
    QVERIFY(::mkfifo(fifo.toLocal8Bit().constData(), 0600) == 0);
    QByteArray throughFifo;
    std::thread reader([&] { throughFifo = readAll(fifo); });
    const Run toFifo = runTo(fifo);
    reader.join();
    QCOMPARE(toFifo.status, batch::AllRowsComputed);
    QCOMPARE(throughFifo, result);
    QVERIFY(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile());
    if (::geteuid() == 0) {
        // A device node of its own, the null device: as root a rename would replace it.
        const QString device = dir.filePath(QStringLiteral("null"));
        QVERIFY(::mknod(device.toLocal8Bit().constData(), S_IFCHR | 0666, makedev(1, 3)) == 0);
        QCOMPARE(runTo(device).status, batch::AllRowsComputed);
        struct stat status {};
        QVERIFY(::stat(device.toLocal8Bit().constData(), &status) == 0 && S_ISCHR(status.st_mode));
    }

    // Nothing is left beside the files.
    QStringList expected{"dangling.csv", "fifo", "in.csv", "kept.csv", "link.csv", "made.csv", "new.csv", "target.csv"};
    if (::geteuid() == 0)
        expected << "null";
    expected.sort();
    QCOMPARE(files(), expected);
#else
    QSKIP("symbolic links, modes, FIFOs and device nodes are a POSIX system's");
#endif
}

void TestBatch::standardUnits_data()
{
    QTest::addColumn<QStringList>("readings"); // kwh, kvarh, hours, target, contract, price
    QTest::addColumn<QStringList>("cells");    // the eight selection columns, 50 Hz then 60 Hz, then the savings
    QTest::addColumn<QString>("error");
    const QStringList workedExample{"50", "50", "96.09", "50", "50", "96.09"};
    QTest::newRow("the worked example, 200 kW at 1,800 円/kW") << QStringList{"100000", "48430", "392", "95", "200", "1800"}
        << workedExample + QStringList{"21600", "21600"} << "";
    QTest::newRow("a unit price grouped as the program writes it") << QStringList{"100000", "48430", "392", "95", "200", "\"1,800\""}
        << workedExample + QStringList{"21600", "21600"} << "";
    QTest::newRow("no contract given") << QStringList{"100000", "48430", "392", "95", "", ""}
        << workedExample + QStringList{"", ""} << "";
    QTest::newRow("only the unit price") << QStringList{"100000", "48430", "392", "95", "", "1800"}
        << workedExample + QStringList{"", ""} << "";
    QTest::newRow("a unit that leads") << QStringList{"100", "8", "1", "100", "", ""}
        << QStringList{"10", "10", "99.98 Lead", "12", "12", "99.92 Lead", "", ""} << "";
    QTest::newRow("several units") << QStringList{"1000000", "850000", "720", "99.5", "", ""}
        << QStringList{"1,050", "500×2＋50", "99.56", "1,050", "500×2＋50", "99.56", "", ""} << "";
    QTest::newRow("a target of the present power factor") << QStringList{"1000", "484.3", "392", "90.00078044965157", "100", "1000"}
        << QStringList{"", "", "90.00", "", "", "90.00", "0", "0"} << "";
    QTest::newRow("a contract that is no number") << QStringList{"100000", "48430", "392", "95", "2OO", "1800"}
        << workedExample + QStringList{"", ""} << "契約電力（kW）：半角の数字を入力してください";
    QTest::newRow("a negative unit price") << QStringList{"100000", "48430", "392", "95", "200", "-1800"}
        << workedExample + QStringList{"", ""} << "基本料金単価（円/kW）：0以上の数字を入力してください";
    QTest::newRow("both wrong") << QStringList{"100000", "48430", "392", "95", "abc", "-5"}
        << workedExample + QStringList{"", ""} << "契約電力（kW）：半角の数字を入力してください／基本料金単価（円/kW）：0以上の数字を入力してください";
    QTest::newRow("a saving too large to work out") << QStringList{"100000", "48430", "392", "95", QString(200, u'9'), QString(200, u'9')}
        << workedExample + QStringList{"", ""} << "数字が大きすぎて計算できません";
    QTest::newRow("the power factor alone") << QStringList{"1000", "484.3", "", "", "200", "1800"}
        << QStringList{"", "", "", "", "", "", "", ""} << "";
    QTest::newRow("the power factor alone, a contract wrong") << QStringList{"1000", "484.3", "", "", "abc", "-5"}
        << QStringList{"", "", "", "", "", "", "", ""} << "契約電力（kW）：半角の数字を入力してください／基本料金単価（円/kW）：0以上の数字を入力してください";
    QTest::newRow("a refused row, a contract wrong") << QStringList{"1000", "-484.3", "392", "95", "abc", ""}
        << QStringList{"", "", "", "", "", "", "", ""} << "進み力率のため、計算できません！／契約電力（kW）：半角の数字を入力してください";
    const QString e22 = "1" + QString(22, u'0');
    QTest::newRow("a need too large to select") << QStringList{e22, e22, "1", "100", "100", "1000"}
        << QStringList{"", "", "", "", "", "", "", ""} << "数字が大きすぎて計算できません";
}

// Before the error column, per frequency: the standard unit's total, its
// units and the power factor it gives, then the saving of each.
void TestBatch::standardUnits()
{
    QFETCH(QStringList, readings);
    QFETCH(QStringList, cells);
    QFETCH(QString, error);
    // The headings of the contract and its price as the program itself writes units.
    const std::string csv = "kwh,kvarh,hours,target,契約電力（ｋW）,基本料金単価（円）\n" + readings.join(u',').toStdString() + "\n";
    const Run r = run({"--batch", "-", "--encoding", "utf-8"}, csv);
    QCOMPARE(r.status, error.isEmpty() ? batch::AllRowsComputed : batch::SomeRowsRefused);
    const auto out = records(r.out);
    QCOMPARE(out.size(), std::size_t(2));
    const char* headings[] = {"標準定格設備容量（kvar）50Hz", "構成 50Hz", "設置後の力率（％）50Hz", "標準定格設備容量（kvar）60Hz",
        "構成 60Hz", "設置後の力率（％）60Hz", "基本料金の節減額（円／月）50Hz", "基本料金の節減額（円／月）60Hz"};
    QStringList actual;
    for (const char* heading : headings)
        actual << under(out, 1, heading);
    QCOMPARE(actual, cells);
    QCOMPARE(under(out, 1, "エラー"), error);
    // The columns stand right before the error column, in that order.
    QCOMPARE(q(out[0][out[0].size() - 9]), QString::fromUtf8(headings[0]));
    if (!error.isEmpty() && readings[0] == u"100000")
        QCOMPARE(under(out, 1, "SC定格設備容量（kvar）"), QStringLiteral("39.7")); // the sizing texts stay
}

void TestBatch::standardUnitsMatchTheWindow_data()
{
    QTest::addColumn<QStringList>("readings");
    QTest::newRow("the worked example") << QStringList{"100000", "48430", "392", "95", "200", "1800"};
    QTest::newRow("a large customer") << QStringList{"12345678", "9876543.21", "720", "98.5", "5000", "1650.5"};
}

// The same readings in the selection window give the same figures.
void TestBatch::standardUnitsMatchTheWindow()
{
    QFETCH(QStringList, readings);
    const batch::RowResult result = batch::computeRow({readings[0].toStdString(), readings[1].toStdString(),
        readings[2].toStdString(), readings[3].toStdString(), readings[4].toStdString(), readings[5].toStdString()});
    QVERIFY(!result.refused);

    Session s;
    QVERIFY(s.reachSizing(readings[0], readings[1], readings[2], readings[3]));
    QTest::keyClick(s.scScreen(), Qt::Key_T, Qt::ControlModifier);
    QWidget* window = s.app.frmSc().selectionWindow();
    QVERIFY(window);
    for (const auto& [box, typed] : {std::pair{"contractKw", readings[4]}, std::pair{"unitPrice", readings[5]}})
        QTest::keyClicks(Session::control<QLineEdit>(window, box), typed);
    const SelectionTable shown(window);
    for (const auto& [column, frequency] : {std::pair{0, "50Hz"}, std::pair{1, "60Hz"}}) {
        QCOMPARE(cell(result, (QStringLiteral("標準定格設備容量（kvar）") + frequency).toStdString()), shown.cell("標準定格設備容量", column));
        QCOMPARE(cell(result, (QStringLiteral("構成 ") + frequency).toStdString()), shown.cell("構成", column));
        QCOMPARE(cell(result, (QStringLiteral("設置後の力率（％）") + frequency).toStdString()) + QStringLiteral(" Lag"),
            shown.cell("設置後の力率", column));
        // The batch writes yen as a plain number, the window as the program writes yen.
        QCOMPARE(QLocale(QLocale::English).toString(cell(result, (QStringLiteral("基本料金の節減額（円／月）") + frequency).toStdString()).toLongLong()) + u'円',
            shown.cell("基本料金の節減額（円／月）", column));
    }
    QVERIFY(s.messages.texts.isEmpty());
}

// A result file given to the batch again: its result columns are results,
// made anew from the readings and not doubled, whatever they held.
void TestBatch::monthsWindowOrCommandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("window");
    QTest::addColumn<QString>("file"); // the window's
    QTest::newRow("--months alone") << QStringList{"--months"} << true << "";
    QTest::newRow("with a file") << QStringList{"--months", "a.csv"} << true << "a.csv";
    QTest::newRow("the file first") << QStringList{"a.csv", "--months"} << true << "a.csv";
    QTest::newRow("with Qt's options") << QStringList{"-platform", "offscreen", "--months", "a.csv"} << true << "a.csv";
    QTest::newRow("-o: the command line") << QStringList{"--months", "a.csv", "-o", "-"} << false << "";
    QTest::newRow("a frequency: the command line") << QStringList{"--months", "a.csv", "--frequency", "50"} << false << "";
    QTest::newRow("an option for a file") << QStringList{"--months", "--help"} << false << "";
    QTest::newRow("two files") << QStringList{"--months", "a.csv", "b.csv"} << false << "";
}

// "--months [FILE]" opens the window; anything more is the command line.
void TestBatch::monthsWindowOrCommandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, window);
    QFETCH(QString, file);
    const std::vector<std::string> args = ::arguments(arguments);
    QCOMPARE(batch::wantsCommandLine(args), !window);
    const std::optional<batch::MonthsWindow> opened = batch::monthsWindowOf(args);
    QCOMPARE(opened.has_value(), window);
    if (opened)
        QCOMPARE(q(opened->file.value_or("")), file);
}

// A year of months with its bills (worked by hand in test_months_calc):
// each month's columns, then the plan as caption-and-value rows.
void TestBatch::monthsOfACustomer()
{
    const Run r = run({"--months", KANDELO_MONTHS_YEAR, "--frequency", "50", "--target", "95"});
    QCOMPARE(r.status, batch::AllRowsComputed);
    QVERIFY(r.err.empty());
    QVERIFY(r.out.rfind(Bom, 0) == 0);
    const auto out = records(std::string_view(r.out).substr(Bom.size()));
    QCOMPARE(out.size(), std::size_t(1 + 12 + 1 + 11 + 3 + 2)); // heading, months, empty row, plan, settings, notes
    QCOMPARE(q(out[0].back()), QStringLiteral("注意"));
    QCOMPARE(under(out, 5, "必要容量（kvar）"), QStringLiteral("111"));
    QCOMPARE(under(out, 5, "節減額 固定のみ（円）"), QStringLiteral("74250")); // 4,125 円 a point, 18 points
    QCOMPARE(under(out, 6, "請求上の力率（％）"), QStringLiteral("94")); // 94.4999993 %
    QCOMPARE(under(out, 7, "請求上の力率（％）"), QStringLiteral("95")); // 94.5000018 %
    QVERIFY(under(out, 10, "注意").startsWith(QStringLiteral("請求書の力率（86％）と合いません")));
    QCOMPARE(out[13], std::vector<std::string>{""});
    QStringList plan;
    for (std::size_t row = 14; row < out.size(); ++row)
        plan << q(out[row].at(0)) + u'=' + q(out[row].at(1));
    QCOMPARE(plan.mid(0, 15),
        (QStringList{"固定のみ（kvar）=150", "構成=150", "固定部分（kvar）=なし", "自動部分（kvar）=150",
            "全体（kvar）=150", "構成=150", "節減額合計 固定のみ（円）=540375", "節減額合計 固定＋自動（円）=346500",
            "月数=12", "年間の節減額 固定のみ（円）=540375", "年間の節減額 固定＋自動（円）=346500",
            "目標力率（％）=95", "周波数=50Hz", "力率による基本料金=85％から1％につき1％（供給約款）",
            "注意=固定のみでは進み力率になる月があります：補償しすぎです"}));
}

// The result is the customer's file: read again (in CP932 too), with the
// target and frequency it holds, it gives itself; a month added is taken up.
void TestBatch::monthsFileReadBack()
{
    const Run first = run({"--months", KANDELO_MONTHS_YEAR, "--frequency", "60", "--target", "95", "--encoding", "utf-8"});
    QCOMPARE(first.status, batch::AllRowsComputed);
    const Run again = run({"--months", "-", "--encoding", "utf-8"}, first.out);
    QCOMPARE(again.status, batch::AllRowsComputed);
    QCOMPARE(q(again.out), q(first.out));
    const Run cp932 = run({"--months", "-", "--encoding", "cp932"}, first.out);
    const Run fromCp932 = run({"--months", "-", "--encoding", "utf-8"}, cp932.out);
    QCOMPARE(q(fromCp932.out), q(first.out));

    std::string added = first.out;
    added.insert(added.find("\r\n\r\n") + 2, "2026年4月,30,84000,50400,250,1650,\r\n");
    const Run next = run({"--months", "-", "--encoding", "utf-8"}, added);
    const auto out = records(next.out);
    QCOMPARE(q(out.at(13).at(0)), QStringLiteral("2026年4月"));
    QCOMPARE(under(out, 13, "請求上の力率（％）"), QStringLiteral("86"));
    QCOMPARE(q(out.at(15).at(0) + "=" + out.at(15).at(1)), QStringLiteral("固定のみ（kvar）=150"));
    QVERIFY(next.out.find("月数,13\r\n") != std::string::npos);
    QVERIFY(next.out.find("年間の節減額の見込み 固定のみ（円）,") != std::string::npos);
}

void TestBatch::monthsFileRefused_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("message");
    QTest::newRow("no energies' columns") << "年月,日数,契約電力\n4月,30,250\n"
        << "kandelo: no columns of the active and reactive energy (有効電力量, 無効電力量) or of the register readings (有効指示数, 無効指示数) in the heading\n";
    QTest::newRow("a reading without its pair") << "年月,日数,有効指示数,無効電力量\n4月,30,1,2\n"
        << "kandelo: no columns of the active and reactive energy (有効電力量, 無効電力量) or of the register readings (有効指示数, 無効指示数) in the heading\n";
    QTest::newRow("two columns of days") << "日数,kwh,kvarh,日数（日）\n30,1,2,30\n"
        << "kandelo: columns 1 (日数) and 4 (日数（日）) both name the days\n";
    QTest::newRow("a row longer than the heading") << "kwh,kvarh,日数\n1,2,30,x\n"
        << "kandelo: line 2 has more fields than the heading\n";
    QTest::newRow("37 months") << "kwh,kvarh,日数\n" + QString("1,2,30\n").repeated(37)
        << "kandelo: line 38: at most 36 months\n";
    QTest::newRow("a rule of none") << "kwh,kvarh,日数\n1,2,30\n\n周波数,50Hz\n目標力率（％）,95\n力率による基本料金,半分\n"
        << "kandelo: line 6: cannot read 力率による基本料金 \"半分\"\n";
    QTest::newRow("a frequency of none") << "kwh,kvarh,日数\n1,2,30\n\n周波数,55Hz\n"
        << "kandelo: line 4: cannot read 周波数 \"55Hz\"\n";
}

// A file that cannot be the customer's months is refused whole, in one line.
void TestBatch::monthsFileRefused()
{
    QFETCH(QString, input);
    QFETCH(QString, message);
    const Run r = run({"--months", "-", "--frequency", "50", "--target", "95"}, input.toStdString());
    QCOMPARE(r.status, batch::UsageOrFileError);
    QCOMPARE(q(r.err), message);
    QVERIFY(r.out.empty());
}

void TestBatch::itsOwnResultReadBack()
{
    const std::string input = "顧客番号,有効電力量,無効電力量,積算時間,目標力率,契約電力,基本料金単価\n"
                              "A-1,100000,48430,392,95,200,1800\n"
                              "A-2,1000,-484.3,,,,\n";
    const Run first = run({"--batch", "-", "--encoding", "utf-8"}, input);
    QCOMPARE(first.status, batch::AllRowsComputed);
    // The customer's readings changed since, and a result cell edited by hand.
    std::string edited = first.out;
    edited.replace(edited.find("A-1,100000,48430"), 16, "A-1,100000,58430");
    auto rows = records(edited);
    rows[2][rows[2].size() - 1] = "hand-written";
    std::string again;
    for (const auto& row : rows)
        batch::appendCsvRecord(again, row);
    const Run second = run({"--batch", "-", "--encoding", "utf-8"}, again);
    QCOMPARE(second.status, batch::AllRowsComputed);
    QVERIFY(second.err.empty());
    const auto out = records(second.out);
    const auto firstOut = records(first.out);
    QCOMPARE(out[0], firstOut[0]); // the same heading, no result column twice
    QCOMPARE(under(out, 1, "無効電力量kvarh"), QStringLiteral("58,430.00"));
    QCOMPARE(out[2], firstOut[2]); // the hand-written cell made anew
    // Read back once more, the result is the same.
    QCOMPARE(run({"--batch", "-", "--encoding", "utf-8"}, second.out).out, second.out);
}

// The program's own CP932 reads and writes every character as the system's
// converter (glibc's iconv) does, so that the batch's bytes are the same on
// a system without it.
void TestBatch::cp932AsTheSystemConvertsIt()
{
#ifdef KANDELO_SYSTEM_ICONV
    const auto convert = [](const char* to, const char* from, std::string_view in) -> std::optional<std::string> {
        const iconv_t handle = iconv_open(to, from);
        std::string input(in);
        char* source = input.data();
        std::size_t sourceLeft = input.size();
        char buffer[16];
        char* target = buffer;
        std::size_t targetLeft = sizeof buffer;
        const std::size_t result = iconv(handle, &source, &sourceLeft, &target, &targetLeft);
        iconv_close(handle);
        if (result == std::size_t(-1) || sourceLeft != 0)
            return std::nullopt;
        return std::string(buffer, std::size_t(target - buffer));
    };
    const auto utf32 = [](char32_t c) { return std::string(reinterpret_cast<const char*>(&c), 4); };
    int codes = 0;
    for (int lead = 0; lead < 0x100; ++lead) {
        for (int trail = 0; trail < 0x100; ++trail) {
            const char pair[2] = {char(lead), char(trail)};
            const auto system = convert("UTF-32LE", "CP932", {pair, 2});
            const auto own = batch::cp932::doubleByte((unsigned char)lead, (unsigned char)trail);
            const bool sameCharacter = system && system->size() == 4 && own && utf32(*own) == *system;
            // Two bytes that are two characters (ASCII, katakana) are none of the table's.
            const bool twoSingles = system && system->size() == 8;
            QVERIFY2(sameCharacter || (!own && (!system || twoSingles)),
                qPrintable(QStringLiteral("%1 %2").arg(lead, 2, 16).arg(trail, 2, 16)));
            codes += own ? 1 : 0;
        }
        const char single = char(lead);
        const auto system = convert("UTF-32LE", "CP932", {&single, 1});
        const auto own = batch::cp932::singleByte((unsigned char)lead);
        QCOMPARE(own.has_value(), system.has_value());
        if (own)
            QCOMPARE(utf32(*own), *system);
    }
    QVERIFY(codes > 9000);
    for (char32_t c = 0; c <= 0xFFFF; ++c) {
        if (c >= 0xD800 && c < 0xE000)
            continue;
        const auto system = convert("CP932", "UTF-32LE", utf32(c));
        const auto own = batch::cp932::codeOf(c);
        std::optional<std::string> ownBytes;
        if (own)
            ownBytes = *own > 0xFF ? std::string{char(*own >> 8), char(*own & 0xFF)} : std::string(1, char(*own));
        QVERIFY2(ownBytes == system, qPrintable(QStringLiteral("U+%1").arg(uint(c), 4, 16, QChar(u'0'))));
    }
#else
    QSKIP("no iconv on this system to compare with; the table was made with glibc's");
#endif
}

QTEST_MAIN(TestBatch)
#include "test_batch.moc"
