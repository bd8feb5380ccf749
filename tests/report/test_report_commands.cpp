#include "forms/ui/desktop.h"
#include "report/report.h"
#include "report/ui/report_commands.h"
#include "report/ui/report_page.h"
#include "support/ink.h"
#include "support/pdf_words.h"
#include "support/session.h"
#include "support/texts.h"

#include <QClipboard>
#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QLibrary>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace kandelo;

namespace {

using namespace texts;

// The save and print dialogs, answered by the test. Printing goes through the
// real page painter to a printer that writes a PDF.
class AnsweringDesktop : public forms::DesktopService {
public:
    QString saveAs;       // the file chosen in the save dialog; empty: cancelled
    QStringList proposed; // the names the save dialog was offered
    QString printTo;      // where the printer's PDF goes
    int printed = 0;
    QStringList told;     // what the program said beside its window

    QString saveFileName(QWidget*, const QString&, const QString& proposedPath, const QString&) override
    {
        proposed << proposedPath;
        return saveAs;
    }
    forms::PrintOutcome printPage(QWidget*, const std::function<void(QPaintDevice&)>& paintPage) override
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printTo);
        printer.setPageSize(QPageSize(QPageSize::A4));
        paintPage(printer);
        ++printed;
        return forms::PrintOutcome::Printed;
    }
    QString openFileName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    forms::SaveAnswer askToSave(QWidget*, const QString&) override { return forms::SaveAnswer::Cancel; }
    void tell(QWidget*, const QString& text) override { told << text; }
};

// A home folder of the test's own, with or without a documents folder.
struct Home {
    explicit Home(bool withDocuments)
        : saved(qgetenv("HOME"))
        , savedConfig(qgetenv("XDG_CONFIG_HOME"))
    {
        qputenv("HOME", folder.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", folder.filePath(QStringLiteral(".config")).toUtf8());
        if (withDocuments)
            QDir(folder.path()).mkdir(QStringLiteral("Documents"));
    }
    ~Home()
    {
        qputenv("HOME", saved);
        savedConfig.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", savedConfig);
    }
    QTemporaryDir folder;
    QByteArray saved;
    QByteArray savedConfig;
};

struct ReportSession : Session {
    ReportSession()
    {
        auto answering = std::make_unique<AnsweringDesktop>();
        desktop = answering.get();
        app.replaceDesktop(std::move(answering));
        desktop->saveAs = folder.filePath(QStringLiteral("報告.pdf"));
        desktop->printTo = folder.filePath(QStringLiteral("printed.pdf"));
    }
    QString reportText() { return QString::fromStdString(report::plainText(app.reportCommands().currentReport())); }

    QTemporaryDir folder;
    AnsweringDesktop* desktop = nullptr;
};

QString pdfText(const QString& file)
{
    return poppler(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
}

// Every text that the sizing screen shows in its value labels, boxes, lists
// and captions.
QStringList sizingScreenTexts(QWidget* sc)
{
    QStringList shown;
    for (const char* name : {"lblHours", "lblKw", "lblLagKvar", "lblKVA", "lblPf", "lblL", "lblCurrent", "lblBasic"})
        shown << Session::control<QLabel>(sc, name)->text();
    for (const char* name : {"txtScKvar", "txtScKvar2", "txtLKvar"})
        shown << Session::control<QLineEdit>(sc, name)->text();
    shown << Session::control<QGroupBox>(sc, "Frame2")->title();
    for (const char* name : {"Label16", "Label15", "Label14", "Label13", "Label12"})
        shown << Session::control<QLabel>(sc, name)->text();
    for (QListWidget* list : sc->findChildren<QListWidget*>(QStringLiteral("lstbxScMf")))
        for (int row = 0; row < list->count(); ++row)
            if (!list->item(row)->text().trimmed().isEmpty())
                shown << list->item(row)->text().trimmed();
    return shown;
}

void verifyHolds(const QString& text, const QStringList& shown)
{
    for (const QString& piece : shown)
        QVERIFY2(text.contains(piece), qPrintable(piece));
}

// A figure of `length` characters as the screens write one, grouped by
// thousands with two decimals, its digits taken from `seed` so that each
// figure of a page is its own.
QString figure(int length, int seed)
{
    int whole = 1;
    while (whole + (whole - 1) / 3 + 3 < length)
        ++whole;
    QString digits = QString::number(10 + seed); // its own first digits
    for (int i = 0; digits.size() < whole + 2; ++i)
        digits += QChar(u'1' + (seed + i * 4) % 9);
    digits.truncate(whole + 2);
    QString text = digits.right(2).prepend(u'.');
    for (int i = whole - 1, n = 0; i >= 0; --i, ++n) {
        if (n > 0 && n % 3 == 0)
            text.prepend(u',');
        text.prepend(digits[i]);
    }
    return text;
}

// The report of the sizing with every figure `length` characters long.
report::Report reportWithFiguresOf(int length)
{
    int seed = 0;
    const auto f = [&] { return figure(length, ++seed).toStdString(); };
    report::Report r;
    r.title = "力率と進相コンデンサ（SC）容量の計算";
    r.calculatedAt = "2026年12月10日 9:30";
    r.sections.push_back({"入力", {}, {{"有効電力量kWh", f()}, {"無効電力量kvarh", f()}, {"積算時間（H）", f()}, {"目標力率（％）", "95"}}, {}});
    r.sections.push_back({"力率", {}, {{"力率（％）", "90.00"}, {"遅れ・進み", "Lag"}}, {}});
    r.sections.push_back({"平均電力", {}, {{"平均有効電力（ｋW）", f()}, {"平均無効電力（kvar）", f()}, {"平均皮相電力（kVA）", f()}}, {}});
    report::Table table{"静電容量　μF    (" + f() + "kvar)", {"電圧Ｖ", "50Ｈｚ", "60Ｈｚ"}, {}};
    for (const char* volts : {"100", "200", "400", "3300", "6600"})
        table.rows.push_back({volts, f(), f()});
    r.sections.push_back({"進相コンデンサ（SC）容量", {"現状の力率 90.00%を 95% に改善するのに必要な平均容量は、"},
        {{"SC定格設備容量（kvar）", f()}, {"直列リアクトル", "Ｌ＝ ６％"}, {"SC定格容量（kvar）", f()},
            {"直列リアクトル定格容量（kvar）", f()}, {"静電容量の計算", "コンデンサ単体"}},
        table});
    r.sections.push_back({"力率改善のメリット", {}, {{"力率改善のメリット   電流", "現状より、約 5.3 ％ 少なくなります"},
        {"基本料金 （電力会社の算出時間の力率として）", "現状より、約 5 ％ 割引されます"}}, {}});
    r.header = {{"お客さま", "山田商店"}, {"設置場所", "第二工場"}, {"担当者", "佐藤"}};
    report::Table units{"", {"", "50Hz", "60Hz"}, {}, true};
    for (const char* caption : {"標準定格設備容量（kvar）", "構成", "SC定格容量（kvar）Ｌ＝ ６％", "直列リアクトル定格容量（kvar）",
             "設置後の力率（％）", "軽負荷時の力率（％）", "基本料金の節減額（円／月）", "基本料金の節減額（円／年）"})
        units.rows.push_back({caption, f(), f()});
    r.sections.push_back({"標準容量の選定", {"50Hz：軽負荷時は進み力率になります：このコンデンサは補償しすぎです"},
        {{"契約電力（kW）", f()}, {"基本料金単価（円/kW）", f()}}, units});
    return r;
}

std::vector<QRectF> tableCells(const report::PageLayout& page)
{
    std::vector<QRectF> cells = page.headingCells;
    cells.insert(cells.end(), page.cells.begin(), page.cells.end());
    return cells;
}

bool isFigure(const report::PageText& text)
{
    using Kind = report::PageText::Kind;
    return text.kind == Kind::Value || text.kind == Kind::TableCell || text.kind == Kind::TableCaption
        || text.kind == Kind::Note;
}

// What a page lays out holds: every figure whole on one line, in its column,
// clear of the dial, of the table's lines and of every other text.
void verifyLayout(const report::PageLayout& page, const QPaintDevice& device, int length)
{
    QStringList figures;
    for (const report::PageText& text : page.texts) {
        const QString where = QStringLiteral("%1 (%2 characters)").arg(text.text).arg(length);
        QVERIFY2(!text.box.intersects(page.dial), qPrintable(where + " under the dial"));
        QVERIFY2(text.box.left() >= 0 && text.box.right() <= device.width() && text.box.bottom() <= device.height(),
            qPrintable(where + " off the page"));
        if (!isFigure(text))
            continue;
        figures << text.text;
        const QFontMetricsF metrics(text.font, &device);
        QVERIFY2(metrics.horizontalAdvance(text.text) <= text.box.width() + 0.5, qPrintable(where + " wider than its box"));
        QVERIFY2(text.box.height() <= metrics.height() * 1.01, qPrintable(where + " on more than one line"));
        QVERIFY2(text.box.left() >= text.column.left() - 0.5 && text.box.right() <= text.column.right() + 0.5,
            qPrintable(where + " out of its column"));
        QVERIFY2(text.font.pointSizeF() >= report::MinimumFigurePoints - 0.01, qPrintable(where + " set too small"));
        for (const QRectF& cell : tableCells(page))
            if (text.box.intersects(cell))
                QVERIFY2(cell.contains(text.box), qPrintable(where + " across a line of the table"));
    }
    for (std::size_t i = 0; i < page.texts.size(); ++i)
        for (std::size_t j = i + 1; j < page.texts.size(); ++j) {
            const QRectF both = page.texts[i].box.intersected(page.texts[j].box);
            QVERIFY2(both.isEmpty() || both.width() * both.height() < 1,
                qPrintable(page.texts[i].text + " over " + page.texts[j].text));
        }
    QVERIFY(figures.size() >= 40);
}

// Painted on an image: nothing is drawn outside the places the page laid
// out, and each figure's ink lies within its box.
void verifyInkWithinLayout(const QImage& page, const report::PageLayout& layout)
{
    QImage rest = page;
    QPainter cover(&rest);
    for (const report::PageText& text : layout.texts)
        cover.fillRect(text.box.adjusted(-2, -2, 2, 2), Qt::white);
    for (const QRectF& cell : tableCells(layout))
        cover.fillRect(cell.adjusted(-3, -3, 3, 3), Qt::white);
    cover.fillRect(layout.dial.adjusted(-2, -2, 2, 2), Qt::white);
    cover.fillRect(QRectF(layout.rule.p1(), layout.rule.p2()).adjusted(-2, -3, 2, 3), Qt::white);
    cover.end();
    const InkSpan stray = inkColumns(rest, rest.rect(), Qt::white);
    QVERIFY2(stray.empty(), qPrintable(QStringLiteral("something drawn from x %1 to %2").arg(stray.left).arg(stray.right)));

    for (const report::PageText& text : layout.texts) {
        if (!isFigure(text))
            continue;
        const QRect box = text.box.toAlignedRect();
        const QColor background = page.pixelColor(box.left() - 1, box.center().y());
        const InkSpan ink = inkColumns(page, box.adjusted(-1, 1, 1, -1), background);
        QVERIFY2(!ink.empty(), qPrintable(QStringLiteral("[%1] kind %2").arg(text.text).arg(int(text.kind))));
        QVERIFY(ink.width() >= int(text.box.width() * 0.8));
    }
}

// An A4 page at 150 dpi.
QImage a4Image()
{
    QImage page(QSize(1240, 1754), QImage::Format_RGB32);
    page.setDotsPerMeterX(5906);
    page.setDotsPerMeterY(5906);
    page.fill(Qt::white);
    return page;
}

} // namespace

class TestReportCommands : public QObject {
    Q_OBJECT

private slots:
    void cleanup();

    void reportFollowsTheScreen();
    void powerFactorScreenAlone();
    void copyPutsTextAndHtmlOnTheClipboard();
    void textBoxesKeepTheirOwnCopy();
    void pdfHoldsTheFiguresAndItsFont();
    void pdfProposedInTheHomeWithoutDocuments();
    void fileThatCannotBeWritten_data();
    void fileThatCannotBeWritten();
    void rightClickMenuAndShortcuts();
    void printingPaintsTheSamePage();
    void pageOnAnImage();
    void pageDrawsEveryFigureWhole_data();
    void pageDrawsEveryFigureWhole();
    void longHeaderWrapsReadably_data();
    void longHeaderWrapsReadably();
    void pdfHoldsEveryFigureWhole_data();
    void pdfHoldsEveryFigureWhole();
    void printModuleIsThere();
};

void TestReportCommands::cleanup()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestReportCommands::reportFollowsTheScreen()
{
    ReportSession s;
    QVERIFY(s.reachSizing("100000", "48430", "392", "95"));
    QWidget* sc = s.scScreen();
    const QString atLoad = s.reportText();
    verifyHolds(atLoad, sizingScreenTexts(sc));
    verifyHolds(atLoad, {"100,000.00", "48,430.00", "90.00", "Lag", "392", "95", "コンデンサ単体"});

    // The reactor at 13 %, the capacitor with the reactor and a voltage of one's own.
    QTest::mouseClick(Session::control<QWidget>(sc, "lblL"), Qt::LeftButton);
    QTest::mouseClick(Session::control<QWidget>(sc, "Option1"), Qt::LeftButton);
    QTest::keyClicks(Session::control<QLineEdit>(sc, "Text1"), QStringLiteral("440"));
    const QString changed = s.reportText();
    verifyHolds(changed, sizingScreenTexts(sc));
    verifyHolds(changed, {"Ｌ＝１３％", "直列リアクトル付き", "440\t"});
    QVERIFY(changed != atLoad);
    QVERIFY(s.messages.texts.isEmpty());
}

void TestReportCommands::powerFactorScreenAlone()
{
    ReportSession s;
    QVERIFY(s.reachPowerFactor("1000", "-484.3"));
    const report::Report report = s.app.reportCommands().currentReport();
    QCOMPARE(QString::fromStdString(report.title), QStringLiteral("力率の計算"));
    verifyHolds(s.reportText(), {"1,000.00", "-484.30", "90.00", "Lead"});
    QVERIFY(!s.reportText().contains(QStringLiteral("積算時間")));
}

void TestReportCommands::copyPutsTextAndHtmlOnTheClipboard()
{
    ReportSession s;
    QVERIFY(s.reachSizing("100000", "48430", "392", "95"));
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(s.scScreen(), Qt::Key_C, Qt::ControlModifier);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(data);
    QCOMPARE(data->text(), s.reportText());
    QVERIFY(data->text().contains(QStringLiteral("SC定格設備容量（kvar）\t39.7\r\n")));
    QVERIFY(data->hasHtml());
    QVERIFY(data->html().contains(QStringLiteral("<td>39.7</td>")));
}

void TestReportCommands::textBoxesKeepTheirOwnCopy()
{
    ReportSession s;
    QVERIFY(s.reachSizing("100000", "48430", "392", "95"));
    QLineEdit* text1 = Session::control<QLineEdit>(s.scScreen(), "Text1");
    QTest::mouseClick(text1, Qt::LeftButton);
    QTest::keyClicks(text1, QStringLiteral("440"));
    text1->selectAll();
    QTest::keyClick(text1, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("440"));
    // With nothing selected, Ctrl+C in the box copies the result.
    text1->deselect();
    QTest::keyClick(text1, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), s.reportText());
    // Its own right-click menu stays its own.
    QCOMPARE(text1->contextMenuPolicy(), Qt::DefaultContextMenu);
}

void TestReportCommands::pdfHoldsTheFiguresAndItsFont()
{
    const Home home(true);
    ReportSession s;
    QVERIFY(s.reachSizing("100000", "48430", "392", "95"));
    QTest::keyClick(s.scScreen(), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(s.messages.texts.isEmpty());
    QVERIFY(QFile::exists(s.desktop->saveAs));
    // Where it went is said, with no box to close.
    QCOMPARE(s.desktop->told, QStringList{QStringLiteral("PDFを保存しました：") + QDir::toNativeSeparators(s.desktop->saveAs)});

    const QString proposed = s.desktop->proposed.value(0);
#ifndef Q_OS_WIN // there the user's own Documents folder, whatever the home
    QVERIFY(proposed.startsWith(home.folder.filePath(QStringLiteral("Documents/"))));
#endif
    QVERIFY(proposed.startsWith(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)));
    QVERIFY(proposed.contains(QDate::currentDate().toString(Qt::ISODate)));
    QVERIFY(proposed.endsWith(QStringLiteral(".pdf")));

    REQUIRE_POPPLER();
    const QString text = pdfText(s.desktop->saveAs);
    QVERIFY2(!text.isEmpty(), "pdftotext (poppler-utils) read nothing");
    for (const char* figure : {"100,000.00", "255.10", "39.7", "42.2", "2.53", "12,600", "10,500", "6600"})
        QVERIFY2(text.contains(QString::fromUtf8(figure)), figure);
    QVERIFY(text.contains(QStringLiteral("平均有効電力")));
    QVERIFY(text.contains(Title));

    const QString fonts = poppler(QStringLiteral("pdffonts"), {s.desktop->saveAs});
    const QStringList gothic = fonts.split(u'\n').filter(QStringLiteral("Gothic"));
    QVERIFY2(!gothic.isEmpty(), qPrintable(fonts));
    for (const QString& line : gothic)
        QVERIFY2(line.contains(QStringLiteral(" yes ")), qPrintable(line)); // embedded
}

// Without a documents folder the dialog proposes the home folder, not
// whatever folder the program was started in.
void TestReportCommands::pdfProposedInTheHomeWithoutDocuments()
{
#ifdef Q_OS_WIN
    QSKIP("Windows gives every user a Documents folder of its own, not one in a home folder");
#endif
    const Home home(false);
    ReportSession s;
    QVERIFY(s.reachPowerFactor("1000", "484.3"));
    QTest::keyClick(s.pfScreen(), Qt::Key_S, Qt::ControlModifier);
    const QString proposed = s.desktop->proposed.value(0);
    QVERIFY2(proposed.startsWith(home.folder.filePath(QStringLiteral("力率計算_"))), qPrintable(proposed));
    QCOMPARE(s.desktop->told.size(), 1);
}

void TestReportCommands::fileThatCannotBeWritten_data()
{
    QTest::addColumn<QString>("where");
    QTest::newRow("a folder that does not exist") << "missing/report.pdf";
    QTest::newRow("a folder that cannot be written") << "unwritable";
    QTest::newRow("a folder in the file's place") << "folder.pdf";
}

void TestReportCommands::fileThatCannotBeWritten()
{
    QFETCH(QString, where);
    ReportSession s;
    QVERIFY(s.reachPowerFactor("1000", "484.3"));
    QDir folder(s.folder.path());
    QVERIFY(folder.mkdir(QStringLiteral("folder.pdf")));
    // sysfs takes no new file from any user, root included (under Wine, Z: is the host's root).
    const QString unwritable =
        QDir(QStringLiteral("/sys")).exists() ? QStringLiteral("/sys") : QStringLiteral("Z:/sys");
    if (where == u"unwritable" && !QDir(unwritable).exists())
        QSKIP("no folder here that no user can write into");
    s.desktop->saveAs =
        where == u"unwritable" ? unwritable + QStringLiteral("/report.pdf") : folder.filePath(where);
    const QString before = s.reportText();

    QTest::keyClick(s.pfScreen(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(s.messages.texts.size(), 1);
    QVERIFY(s.messages.texts[0].startsWith(QStringLiteral("PDFを保存できませんでした：")));
    QVERIFY(!QFileInfo(s.desktop->saveAs).isFile());
    QCOMPARE(folder.entryList(QDir::Files | QDir::Hidden), QStringList());
    // The screen stays as it was.
    QVERIFY(s.pfScreen() && s.pfScreen()->isVisible());
    QCOMPARE(s.reportText(), before);
}

void TestReportCommands::rightClickMenuAndShortcuts()
{
    ReportSession s;
    QVERIFY(s.reachPowerFactor("1000", "484.3"));
    QWidget* pf = s.pfScreen();
    QGuiApplication::clipboard()->clear();

    // A right click on a label opens the window's menu; its copy copies.
    QStringList captions;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        for (QAction* action : menu->actions())
            captions << action->text() + u'|' + action->shortcut().toString();
        QAction* copy = menu->actions().value(0);
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(copy).center());
    });
    QWidget* label = Session::control<QWidget>(pf, "lblKwh");
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, label->rect().center(), label->mapToGlobal(label->rect().center()));
    QApplication::sendEvent(label, &rightClick);
    QCOMPARE(captions, (QStringList{"コピー|Ctrl+C", "PDFで保存...|Ctrl+S", "印刷...|Ctrl+P", "月別の力率...|Ctrl+M"}));
    QTRY_COMPARE(QGuiApplication::clipboard()->text(), s.reportText());

    // The shortcuts reach the same commands.
    QTRY_VERIFY(!QApplication::activePopupWidget());
    pf->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(pf));
    QTest::keyClick(pf, Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(s.desktop->printed, 1);
    s.desktop->saveAs.clear(); // the save dialog cancelled: nothing written, nothing said
    QTest::keyClick(pf, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(s.desktop->proposed.size(), 1);
    QVERIFY(s.messages.texts.isEmpty());
    QCOMPARE(QDir(s.folder.path()).entryList(QDir::Files), QStringList{"printed.pdf"});
}

void TestReportCommands::printingPaintsTheSamePage()
{
    ReportSession s;
    QVERIFY(s.reachSizing("100000", "48430", "392", "95"));
    QTest::keyClick(s.scScreen(), Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(s.desktop->printed, 1);
    REQUIRE_POPPLER();
    const QString text = pdfText(s.desktop->printTo);
    for (const QString& figure : {QStringLiteral("100,000.00"), QStringLiteral("39.7"), QStringLiteral("12,600"), Title})
        QVERIFY2(text.contains(figure), qPrintable(figure));
}

// The page painter draws on an image too, the dial included.
void TestReportCommands::pageOnAnImage()
{
    ReportSession s;
    QVERIFY(s.reachPowerFactor("1000", "484.3"));
    QImage page(QSize(827, 1169), QImage::Format_RGB32); // A4 at 100 dpi
    page.setDotsPerMeterX(3937);
    page.setDotsPerMeterY(3937);
    page.fill(Qt::white);
    report::paintReportPage(page, s.app.reportCommands().currentReport(), s.app.frmPf().dialNeedleTip());
    // The dial's face colour is on the page, in its upper right part.
    bool face = false;
    for (int y = 0; y < page.height() / 3 && !face; y += 2)
        for (int x = page.width() / 2; x < page.width() && !face; x += 2)
            face = page.pixelColor(x, y) == QColor(0xC0, 0xFF, 0xFF);
    QVERIFY(face);
}

void TestReportCommands::printModuleIsThere()
{
    QLibrary module(QStringLiteral(KANDELO_PRINT_MODULE));
    QVERIFY2(module.load(), qPrintable(module.errorString()));
    QVERIFY(module.resolve("kandeloPrintPage"));
}

void TestReportCommands::pageDrawsEveryFigureWhole_data()
{
    QTest::addColumn<int>("length");
    for (const int length : {8, 12, 16, 25})
        QTest::addRow("%d characters", length) << length;
}

// Drawn on an image, every figure lies whole in its column, and nothing is
// drawn outside the places the page laid out.
void TestReportCommands::pageDrawsEveryFigureWhole()
{
    QFETCH(int, length);
    QImage page = a4Image();
    const report::Report r = reportWithFiguresOf(length);
    const report::PageLayout layout = report::layOutReportPage(page, r);
    verifyLayout(layout, page, length);
    report::paintReportPage(page, r, pf::TwipPoint{5219.48f, 2719.73f});
    verifyInkWithinLayout(page, layout);
}

void TestReportCommands::longHeaderWrapsReadably_data()
{
    QTest::addColumn<QString>("customer");
    QTest::addColumn<int>("lines");
    QTest::newRow("fits") << QStringLiteral("山田商店") << 1;
    QTest::newRow("100 kanji") << QString(100, u'株') << 2;
    QTest::newRow("100 letters, no blank") << QString(100, u'W') << 2;
    QTest::newRow("a long Latin name") << QStringLiteral("Yamada Trading Company Limited, Second Factory, ").repeated(2) << 1;
}

// A long customer name is set smaller only down to the figures' minimum,
// then wraps, onto at most three lines, and is whole on the page.
void TestReportCommands::longHeaderWrapsReadably()
{
    QFETCH(QString, customer);
    QFETCH(int, lines);
    QImage page = a4Image();
    report::Report r = reportWithFiguresOf(12);
    r.header = {{"お客さま", customer.toStdString()}, {"担当者", "佐藤"}};
    const report::PageLayout layout = report::layOutReportPage(page, r);
    verifyLayout(layout, page, 12);
    const auto header = std::find_if(layout.texts.begin(), layout.texts.end(),
        [](const report::PageText& text) { return text.text.startsWith(QStringLiteral("お客さま")); });
    QVERIFY(header != layout.texts.end());
    QCOMPARE(header->text, QStringLiteral("お客さま　") + customer);
    QVERIFY(header->font.pointSizeF() >= report::MinimumFigurePoints - 0.01);
    const QFontMetricsF metrics(header->font, &page);
    const QRectF used = metrics.boundingRect(header->box, header->flags, header->text);
    QVERIFY2(used.width() <= header->box.width() + 0.5, qPrintable(header->text));
    QVERIFY(used.height() <= header->box.height() + 0.5);
    QCOMPARE(qRound(used.height() / metrics.lineSpacing()), lines);
    QVERIFY(lines <= report::MaxHeaderLines);
    report::paintReportPage(page, r, pf::TwipPoint{5219.48f, 2719.73f});
    verifyInkWithinLayout(page, layout);
}

void TestReportCommands::pdfHoldsEveryFigureWhole_data()
{
    pageDrawsEveryFigureWhole_data();
}

// The saved PDF, read back with pdftotext -bbox: every figure is one word,
// where the page laid it out, clear of the dial.
void TestReportCommands::pdfHoldsEveryFigureWhole()
{
    QFETCH(int, length);
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("figures.pdf"));
    const report::Report r = reportWithFiguresOf(length);
    report::PageLayout layout;
    QPointF origin; // of the writer's paint area on the page, in points
    {
        QPdfWriter writer(file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageOrientation(QPageLayout::Portrait);
        writer.setResolution(600);
        origin = writer.pageLayout().paintRect(QPageLayout::Point).topLeft();
        layout = report::layOutReportPage(writer, r);
        verifyLayout(layout, writer, length);
        report::paintReportPage(writer, r, pf::TwipPoint{5219.48f, 2719.73f});
    }
    REQUIRE_POPPLER();
    const QList<PdfWord> words = pdfWords(file);
    QVERIFY2(!words.isEmpty(), "pdftotext (poppler-utils) read nothing");
    const qreal pointsPerDot = 72.0 / 600;
    const auto inPoints = [&](const QRectF& r) {
        return QRectF(origin + r.topLeft() * pointsPerDot, r.size() * pointsPerDot);
    };
    const QRectF dial = inPoints(layout.dial);
    const QRegularExpression number(QStringLiteral("^[\\d,]+\\.\\d+$"));
    int numbers = 0;
    for (const report::PageText& text : layout.texts) {
        if (!isFigure(text) || !number.match(text.text).hasMatch())
            continue;
        ++numbers;
        const auto found = std::find_if(words.begin(), words.end(), [&](const PdfWord& w) { return w.text == text.text; });
        QVERIFY2(found != words.end(), qPrintable(text.text + " is not one word of the PDF"));
        const QRectF column = inPoints(text.column);
        QVERIFY2(found->box.left() >= column.left() - 1 && found->box.right() <= column.right() + 1,
            qPrintable(QStringLiteral("%1 from %2 to %3 pt, its column from %4 to %5")
                           .arg(text.text).arg(found->box.left()).arg(found->box.right()).arg(column.left()).arg(column.right())));
        QVERIFY2(!found->box.intersects(dial), qPrintable(text.text + " under the dial"));
    }
    QVERIFY(numbers >= 34);
}

QTEST_MAIN(TestReportCommands)
#include "test_report_commands.moc"
