#include "app/report_commands.h"
#include "forms/ui/desktop.h"
#include "report/report.h"
#include "report/ui/report_page.h"
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
#include <QPrinter>
#include <QProcess>
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

// What a poppler tool prints for a PDF file.
QString poppler(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(20000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

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
    void fileThatCannotBeWritten_data();
    void fileThatCannotBeWritten();
    void rightClickMenuAndShortcuts();
    void printingPaintsTheSamePage();
    void pageOnAnImage();
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
    ReportSession s;
    QVERIFY(s.reachSizing("100000", "48430", "392", "95"));
    QTest::keyClick(s.scScreen(), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(s.messages.texts.isEmpty());
    QVERIFY(QFile::exists(s.desktop->saveAs));

    const QString proposed = s.desktop->proposed.value(0);
    QVERIFY(proposed.startsWith(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)));
    QVERIFY(proposed.contains(QDate::currentDate().toString(Qt::ISODate)));
    QVERIFY(proposed.endsWith(QStringLiteral(".pdf")));

    const QString text = pdfText(s.desktop->saveAs);
    QVERIFY2(!text.isEmpty(), "pdftotext (poppler-utils) read nothing");
    for (const QString& figure : {"100,000.00", "255.10", "39.7", "42.2", "2.53", "12,600", "10,500", "6600"})
        QVERIFY2(text.contains(figure), qPrintable(figure));
    QVERIFY(text.contains(QStringLiteral("平均有効電力")));
    QVERIFY(text.contains(QStringLiteral("KandeloVer1.2")));

    const QString fonts = poppler(QStringLiteral("pdffonts"), {s.desktop->saveAs});
    const QStringList gothic = fonts.split(u'\n').filter(QStringLiteral("Gothic"));
    QVERIFY2(!gothic.isEmpty(), qPrintable(fonts));
    for (const QString& line : gothic)
        QVERIFY2(line.contains(QStringLiteral(" yes ")), qPrintable(line)); // embedded
}

void TestReportCommands::fileThatCannotBeWritten_data()
{
    QTest::addColumn<QString>("where");
    QTest::newRow("a folder that does not exist") << "missing/report.pdf";
    QTest::newRow("a folder that cannot be written") << "locked/report.pdf";
    QTest::newRow("a folder in the file's place") << "folder.pdf";
}

void TestReportCommands::fileThatCannotBeWritten()
{
    QFETCH(QString, where);
    ReportSession s;
    QVERIFY(s.reachPowerFactor("1000", "484.3"));
    QDir folder(s.folder.path());
    QVERIFY(folder.mkdir(QStringLiteral("locked")));
    QVERIFY(folder.mkdir(QStringLiteral("folder.pdf")));
    QFile::setPermissions(folder.filePath(QStringLiteral("locked")), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (QFileInfo(folder.filePath(QStringLiteral("locked"))).isWritable() && where.startsWith(QStringLiteral("locked")))
        QSKIP("this user can write into any folder");
    s.desktop->saveAs = folder.filePath(where);
    const QString before = s.reportText();

    QTest::keyClick(s.pfScreen(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(s.messages.texts.size(), 1);
    QVERIFY(s.messages.texts[0].startsWith(QStringLiteral("PDFを保存できませんでした：")));
    QVERIFY(!QFileInfo(s.desktop->saveAs).isFile());
    QCOMPARE(folder.entryList(QDir::Files | QDir::Hidden), QStringList());
    QCOMPARE(QDir(folder.filePath(QStringLiteral("locked"))).entryList(QDir::Files | QDir::Hidden), QStringList());
    // The screen stays as it was.
    QVERIFY(s.pfScreen() && s.pfScreen()->isVisible());
    QCOMPARE(s.reportText(), before);
    QFile::setPermissions(folder.filePath(QStringLiteral("locked")), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
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
    QCOMPARE(captions, (QStringList{"コピー|Ctrl+C", "PDFで保存...|Ctrl+S", "印刷...|Ctrl+P"}));
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
    const QString text = pdfText(s.desktop->printTo);
    for (const QString& figure : {"100,000.00", "39.7", "12,600", "KandeloVer1.2"})
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

QTEST_MAIN(TestReportCommands)
#include "test_report_commands.moc"
