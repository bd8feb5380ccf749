#include "app/app.h"
#include "app/months_alone.h"
#include "batch/io/command_line.h"
#include "forms/ui/desktop.h"
#include "months/months_report.h"
#include "months/ui/months_page.h"
#include "months/ui/months_window.h"
#include "support/pdf_words.h"
#include "support/session.h"
#include "support/typing.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QPdfWriter>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <sstream>

using namespace kandelo;

namespace {

// The open and save dialogs and the question on closing, answered by the test.
class AnsweringDesktop : public forms::DesktopService {
public:
    QString fileName; // chosen in the open or save dialog
    forms::SaveAnswer answer = forms::SaveAnswer::Cancel;
    int asked = 0;

    QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override { return fileName; }
    QString openFileName(QWidget*, const QString&, const QString&, const QString&) override { return fileName; }
    forms::SaveAnswer askToSave(QWidget*, const QString&) override
    {
        ++asked;
        return answer;
    }
    forms::PrintOutcome printPage(QWidget*, const std::function<void(QPaintDevice&)>&) override
    {
        return forms::PrintOutcome::Cancelled;
    }
    void tell(QWidget*, const QString&) override {}
};

struct Window {
    RecordingMessageBox messages;
    AnsweringDesktop desktop;
    months::MonthsWindow window{desktop, messages};

    Window()
    {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    QTableWidget* table() { return window.findChild<QTableWidget*>(QStringLiteral("tblMonths")); }
    QString cell(int row, const QString& heading)
    {
        for (int column = 0; column < table()->columnCount(); ++column)
            if (table()->horizontalHeaderItem(column)->text() == heading)
                return table()->item(row, column)->text();
        return QStringLiteral("<no column %1>").arg(heading);
    }
    void type(const char* name, const QString& text) { typeInto(window.findChild<QLineEdit*>(QLatin1String(name)), text); }
    void choose50Hz()
    {
        auto* button = window.findChild<QRadioButton*>(QStringLiteral("opt50Hz"));
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Space);
    }
    void paste(const QString& text, int row = 0, int column = 0)
    {
        QGuiApplication::clipboard()->setText(text);
        table()->setFocus();
        table()->setCurrentCell(row, column);
        QTest::keyClick(table(), Qt::Key_V, Qt::ControlModifier);
    }
    QStringList plan()
    {
        auto* plan = window.findChild<QTableWidget*>(QStringLiteral("tblPlan"));
        QStringList items;
        for (int row = 0; row < plan->rowCount(); ++row)
            items << plan->item(row, 0)->text() + u'=' + plan->item(row, 1)->text();
        return items;
    }
};

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Four months of the hand-worked year (test_months_calc), as a spreadsheet copies them.
// The hours are left empty: 14 h a day.
const QString FourMonths = QStringLiteral("2025年4月\t30\t\t84000\t50400\n"
                                          "2025年5月\t31\t\t78120\t43400\n"
                                          "2025年6月\t30\t\t92400\t58800\n"
                                          "2025年7月\t31\t\t112840\t82460\n");

} // namespace

class TestMonthsWindow : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    void openedFromTheSizingScreen();
    void openedFromThePowerFactorMenu();
    void openedFromTheCommandLine();
    void blockPasted_data();
    void blockPasted();
    void badEntriesMarked();
    void savedAndReopened();
    void closingAsksToSave();
    void copiedAsTextAndHtml();
    void reportPageHoldsEveryFigureWhole();
};

// Ctrl+M on the sizing screen opens the window with the sizing's target and
// the customer of the window 標準容量の選定, which it then shares.
void TestMonthsWindow::openedFromTheSizingScreen()
{
    Session s;
    auto desktop = std::make_unique<AnsweringDesktop>();
    desktop->answer = forms::SaveAnswer::Discard;
    s.app.replaceDesktop(std::move(desktop));
    QVERIFY(s.reachSizing("100000", "48430", "392", "95"));
    s.app.calculation.selection.customer = "山田工業株式会社";
    auto* voltage = s.scScreen()->findChild<QLineEdit*>(QStringLiteral("Text1"));
    voltage->setFocus();
    QTest::keyClick(voltage, Qt::Key_M, Qt::ControlModifier);
    months::MonthsWindow* window = s.app.monthsWindow();
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->findChild<QLineEdit*>(QStringLiteral("txtTarget"))->text(), QStringLiteral("95"));
    auto* customer = window->findChild<QLineEdit*>(QStringLiteral("txtCustomer"));
    QCOMPARE(customer->text(), QStringLiteral("山田工業株式会社"));
    customer->selectAll();
    QTest::sendKeyEvent(QTest::Click, customer, Qt::Key_Delete, QString(), Qt::NoModifier);
    typeInto(customer, QStringLiteral("佐藤電機"));
    QCOMPARE(QString::fromStdString(s.app.calculation.selection.customer), QStringLiteral("佐藤電機"));
    QCOMPARE(voltage->text(), QString()); // the shortcut typed nothing
    window->close();
}

// The power-factor screen's right-click menu offers the window; without a
// sizing it has no target yet, and the window is the same one each time.
void TestMonthsWindow::openedFromThePowerFactorMenu()
{
    Session s;
    QVERIFY(s.reachPowerFactor("100000", "48430"));
    const QList<QAction*> actions = s.pfScreen()->actions();
    const auto months = std::find_if(actions.begin(), actions.end(),
        [](const QAction* action) { return action->text() == QStringLiteral("月別の力率..."); });
    QVERIFY(months != actions.end());
    (*months)->trigger();
    months::MonthsWindow* window = s.app.monthsWindow();
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("月別の力率[*]"));
    QCOMPARE(window->findChild<QLineEdit*>(QStringLiteral("txtTarget"))->text(), QString());
    window->close();
    s.app.calculation.selection.customer = "佐藤電機"; // typed in the window 標準容量の選定 meanwhile
    (*months)->trigger();
    QCOMPARE(s.app.monthsWindow(), window);
    QVERIFY(window->isVisible());
    QCOMPARE(window->findChild<QLineEdit*>(QStringLiteral("txtCustomer"))->text(), QStringLiteral("佐藤電機"));
    window->close();
}

// "kandelo --months FILE" opens the window by itself with the customer's
// file; a file that cannot be read is said, and the window stays.
void TestMonthsWindow::openedFromTheCommandLine()
{
    RecordingMessageBox messages;
    AnsweringDesktop desktop;
    const std::optional<batch::MonthsWindow> asked = batch::monthsWindowOf({"--months", KANDELO_MONTHS_YEAR});
    QVERIFY(asked);
    const auto window = app::showMonthsAlone(*asked, desktop, messages);
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QCOMPARE(window->windowTitle(), QStringLiteral("月別の力率 - year.csv[*]"));
    const auto* table = window->findChild<QTableWidget*>(QStringLiteral("tblMonths"));
    QCOMPARE(table->item(11, 0)->text(), QStringLiteral("2026年3月"));
    QCOMPARE(table->item(4, 3)->text(), QStringLiteral("117180"));
    QVERIFY(messages.texts.isEmpty());

    const auto unreadable = app::showMonthsAlone({std::string("no such folder/months.csv")}, desktop, messages);
    QVERIFY(unreadable->isVisible());
    QCOMPARE(messages.texts.size(), 1);
    QVERIFY(messages.texts.front().startsWith(QStringLiteral("開けませんでした：")));
}

void TestMonthsWindow::blockPasted_data()
{
    QTest::addColumn<QString>("block");
    QTest::addColumn<int>("column"); // where the cursor stands
    QTest::newRow("without headings") << FourMonths << 0;
    QTest::newRow("with headings, in another order, at any cell")
        << QStringLiteral("無効電力量\t年月\tkwh\t日数（日）\r\n50400\t2025年4月\t84000\t30\r\n43400\t2025年5月\t78120\t31\r\n"
                          "58800\t2025年6月\t92400\t30\r\n82460\t2025年7月\t112840\t31\r\n")
        << 5;
}

// A block copied from a spreadsheet fills the table; each month is worked
// out as it comes: April needs 200 kvar × … = 54.3 kvar at 95 %.
void TestMonthsWindow::blockPasted()
{
    QFETCH(QString, block);
    QFETCH(int, column);
    Window w;
    w.type("txtTarget", QStringLiteral("95"));
    w.choose50Hz();
    w.paste(block, 0, column);
    QCOMPARE(w.cell(0, QStringLiteral("年月")), QStringLiteral("2025年4月"));
    QCOMPARE(w.cell(3, QStringLiteral("無効電力量（kvarh）")), QStringLiteral("82460"));
    QCOMPARE(w.cell(0, QStringLiteral("請求上の力率（％）")), QStringLiteral("86"));
    QCOMPARE(w.cell(0, QStringLiteral("必要容量（kvar）")), QStringLiteral("54.3"));
    QCOMPARE(w.cell(3, QStringLiteral("必要容量（kvar）")), QStringLiteral("105"));
    QVERIFY(w.plan().contains(QStringLiteral("月数=4")));
    QVERIFY(w.window.isModified());
}

// A bad figure marks its month with the reason and leaves it out of the plan.
void TestMonthsWindow::badEntriesMarked()
{
    Window w;
    w.type("txtTarget", QStringLiteral("95"));
    w.choose50Hz();
    w.paste(FourMonths);
    w.table()->item(1, 3)->setText(QStringLiteral("七八千"));
    QVERIFY(w.cell(1, QStringLiteral("注意")).startsWith(QStringLiteral("有効電力量（kWh）：")));
    QCOMPARE(w.cell(1, QStringLiteral("請求上の力率（％）")), QString());
    QVERIFY(w.plan().contains(QStringLiteral("月数=3")));
    QCOMPARE(w.cell(0, QStringLiteral("必要容量（kvar）")), QStringLiteral("54.3")); // the others stand
    w.paste(QString(QStringLiteral("x\n")).repeated(40), 0, 0);
    QCOMPARE(w.messages.texts, QStringList{QStringLiteral("月は 36 か月までです")});
    QCOMPARE(w.cell(0, QStringLiteral("年月")), QStringLiteral("2025年4月")); // nothing pasted
}

// Saved, the file is what the command line writes for it; opened again in a
// new window, it shows the same months, settings and results.
void TestMonthsWindow::savedAndReopened()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("山田工業.csv"));
    QByteArray saved;
    {
        Window w;
        w.type("txtCustomer", QStringLiteral("山田工業株式会社"));
        w.type("txtTarget", QStringLiteral("95"));
        w.choose50Hz();
        w.paste(FourMonths);
        w.desktop.fileName = path;
        QTest::keyClick(&w.window, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!w.window.isModified());
        saved = readAll(path);
        QVERIFY(saved.startsWith("\xEF\xBB\xBF年月,日数,積算時間（H）,有効電力量（kWh）"));
        QVERIFY(saved.contains("\r\nお客さま,山田工業株式会社\r\n"));
    }
    std::istringstream in;
    std::ostringstream out, err;
    QCOMPARE(batch::runCommandLine({"--months", path.toStdString()}, in, out, err), batch::AllRowsComputed);
    QCOMPARE(QString::fromStdString(err.str()), QString());
    QCOMPARE(QByteArray::fromStdString(out.str()), saved);

    Window again;
    again.desktop.fileName = path;
    QTest::keyClick(&again.window, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(again.window.findChild<QLineEdit*>(QStringLiteral("txtCustomer"))->text(), QStringLiteral("山田工業株式会社"));
    QVERIFY(again.window.findChild<QRadioButton*>(QStringLiteral("opt50Hz"))->isChecked());
    QCOMPARE(again.cell(3, QStringLiteral("必要容量（kvar）")), QStringLiteral("105"));
    QVERIFY(!again.window.isModified());
    // Next month added and saved under the same name.
    again.paste(QStringLiteral("2025年8月\t31\t\t117180\t86800"), 4, 0);
    QTest::keyClick(&again.window, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(readAll(path).contains("\r\n2025年8月,31,,117180,86800,"));
}

// Closing with changes asks; Cancel keeps the window and what was typed.
void TestMonthsWindow::closingAsksToSave()
{
    Window w;
    w.paste(FourMonths);
    w.desktop.answer = forms::SaveAnswer::Cancel;
    QTest::keyClick(&w.window, Qt::Key_Escape);
    QCOMPARE(w.desktop.asked, 1);
    QVERIFY(w.window.isVisible());
    QCOMPARE(w.cell(0, QStringLiteral("年月")), QStringLiteral("2025年4月"));
    w.desktop.answer = forms::SaveAnswer::Discard;
    QTest::keyClick(&w.window, Qt::Key_W, Qt::ControlModifier);
    QVERIFY(!w.window.isVisible());
}

// The result goes along as a spreadsheet takes it: the settings, the months
// a row each with the columns worked out, the plan; and as HTML tables.
void TestMonthsWindow::copiedAsTextAndHtml()
{
    Window w;
    w.type("txtTarget", QStringLiteral("95"));
    w.choose50Hz();
    w.paste(FourMonths);
    QTest::keyClick(&w.window, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    const QStringList lines = copied->text().split(QStringLiteral("\r\n"));
    QVERIFY(lines.front().startsWith(QStringLiteral("月別の力率\t")));
    QVERIFY(lines.contains(QStringLiteral("目標力率（％）\t95")));
    const qsizetype heading = lines.indexOf(QRegularExpression(QStringLiteral("年月\t.*")));
    QVERIFY(heading > 0);
    QVERIFY(lines[heading].contains(QStringLiteral("\t必要容量（kvar）\t")));
    QVERIFY(lines[heading + 1].startsWith(QStringLiteral("2025年4月\t30\t84000\t50400\t86\t200.00\t120.00\t54.3\t")));
    QVERIFY(lines.contains(QStringLiteral("月数\t4")));
    QVERIFY(copied->html().contains(QStringLiteral("<td align=\"right\">54.3</td>")));

    // Ctrl+C in the table copies the cells chosen, which paste back as they were.
    w.table()->setFocus();
    w.table()->setRangeSelected(QTableWidgetSelectionRange(0, 0, 1, 4), true);
    QTest::keyClick(w.table(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(),
        QStringLiteral("2025年4月\t30\t\t84000\t50400\n2025年5月\t31\t\t78120\t43400\n"));
}

// The report's first page holds 36 months, every cell on one line, whole,
// in its own cell; the PDF's words are the figures as the window shows them.
void TestMonthsWindow::reportPageHoldsEveryFigureWhole()
{
    Window w;
    w.type("txtTarget", QStringLiteral("95"));
    w.choose50Hz();
    QString year;
    for (int month = 0; month < 36; ++month)
        year += QStringLiteral("%1年%2月\t30\t\t%3\t50400\t\t\t\t2,000\t1,650\n").arg(2024 + month / 12).arg(month % 12 + 1).arg(84000 + month * 1000);
    w.paste(year);
    const months::MonthsReport report = months::monthsReport(w.window.sheet(), w.window.result(), "2026年12月11日 9:00");
    QCOMPARE(report.rows.size(), std::size_t(36));

    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("months.pdf"));
    months::MonthsPageLayout layout;
    QPointF origin; // of the writer's paint area on the page, in points
    {
        QPdfWriter writer(pdf);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageOrientation(QPageLayout::Landscape);
        writer.setResolution(600);
        origin = writer.pageLayout().paintRect(QPageLayout::Point).topLeft();
        layout = months::layOutMonthsPage(writer, report, 0);
        const QRectF page(0, 0, writer.width(), writer.height());
        int figures = 0;
        for (const months::MonthsPageText& text : layout.texts) {
            QVERIFY2(page.contains(text.box), qPrintable(text.text));
            if (!text.figure)
                continue;
            ++figures;
            const qreal width = QFontMetricsF(text.font, &writer).horizontalAdvance(text.text);
            QVERIFY2(width <= text.box.width() + 0.5, qPrintable(text.text));
        }
        QCOMPARE(figures, int((report.headings.size() - 1) * 36)); // the notes go under the table
        months::paintMonthsPages(writer, report, w.window.result());
    }

    // Read back: each figure is one word of the page, inside its own cell.
    REQUIRE_POPPLER();
    const QList<PdfWord> words = pdfWords(pdf, 1);
    QVERIFY2(!words.isEmpty(), "pdftotext (poppler-utils) read nothing");
    const qreal pointsPerDot = 72.0 / 600;
    int checked = 0;
    for (const months::MonthsPageText& text : layout.texts) {
        if (!text.figure || text.text.isEmpty())
            continue;
        const QRectF cell(origin + text.box.topLeft() * pointsPerDot, text.box.size() * pointsPerDot);
        const QRectF room = cell.adjusted(-1, -2, 1, 2);
        const bool found = std::any_of(words.begin(), words.end(),
            [&](const PdfWord& word) { return word.text == text.text && room.contains(word.box); });
        QVERIFY2(found, qPrintable(text.text + QStringLiteral(" is not one word in its cell")));
        ++checked;
    }
    QVERIFY(checked > 36 * 10);
}

QTEST_MAIN(TestMonthsWindow)
#include "test_months_window.moc"
