// The command line as a separate process: its standard streams, and, where a
// shell runs it on a POSIX system, files of other kinds, signals and limits.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

const QString Kandelo = QStringLiteral(KANDELO_EXECUTABLE);

struct Finished {
    int status = -1; // the exit status, or 128 + the signal that ended it
    QByteArray out;
    QByteArray err;
};

// An environment without any display, and without a language but the given one.
QProcessEnvironment environmentWith(const QStringList& variables)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* display : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LC_ALL", "LC_MESSAGES", "LANG"})
        env.remove(QString::fromLatin1(display));
    for (const QString& variable : variables)
        env.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
    return env;
}

Finished finish(QProcess& process)
{
    Finished finished;
    if (!process.waitForFinished(120000))
        return finished;
    finished.status = process.exitCode();
    finished.out = process.readAllStandardOutput();
    finished.err = process.readAllStandardError();
    return finished;
}

// Runs the program with the arguments, standard input taken from `input`.
Finished program(const QStringList& arguments, const QString& folder, const QByteArray& input = {},
    const QStringList& environment = {})
{
    QProcess process;
    process.setProcessEnvironment(environmentWith(environment));
    process.setWorkingDirectory(folder);
    process.start(Kandelo, arguments);
    process.write(input);
    process.closeWriteChannel();
    return finish(process);
}

#ifdef Q_OS_UNIX
// Runs a line of bash with $KANDELO set.
Finished shell(const QString& line, const QString& folder, const QStringList& environment = {})
{
    QProcess process;
    QProcessEnvironment env = environmentWith(environment);
    env.insert(QStringLiteral("KANDELO"), Kandelo);
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(folder);
    process.start(QStringLiteral("bash"), {QStringLiteral("-c"), line});
    return finish(process);
}
#endif

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Full sizing rows, enough for a run that takes a while.
QByteArray manyRows(int rows)
{
    QByteArray csv = "id,kwh,kvarh,hours,target\r\n";
    for (int row = 0; row < rows; ++row)
        csv += "C-" + QByteArray::number(row) + ',' + QByteArray::number(1000 + row % 90000) + ','
            + QByteArray::number((1000 + row % 90000) / 2 + row % 100) + ".5," + QByteArray::number(300 + row % 150) + ",9"
            + QByteArray::number(6 + row % 4) + "\r\n";
    return csv;
}

} // namespace

class TestBatchCommand : public QObject {
    Q_OBJECT

private slots:
    void init();

    void failedWritesAreErrors_data();
    void failedWritesAreErrors();
    void mistypedCommandsNeedNoDisplay_data();
    void mistypedCommandsNeedNoDisplay();
    void bytesWrittenAsTheyAre();
    void inputsReadOnlyOnce_data();
    void inputsReadOnlyOnce();
    void inputsReadOnlyOnceOnPosixSystems_data();
    void inputsReadOnlyOnceOnPosixSystems();
    void interruptedRunLeavesNothing_data();
    void interruptedRunLeavesNothing();
    void failingWhileWritingKeepsTheOldFile();
    void faultThatIsNoRowsEndsTheRun();

private:
    QTemporaryDir folder_;
};

void TestBatchCommand::init()
{
    QVERIFY(folder_.isValid());
    writeFile(folder_.filePath(QStringLiteral("in.csv")), "kwh,kvarh\n1000,484.3\n");
}

void TestBatchCommand::failedWritesAreErrors_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("message");
    const QString full = QStringLiteral("kandelo: cannot write the standard output: No space left on device\n");
    QTest::newRow("the result to a full disk") << "$KANDELO --batch in.csv > /dev/full" << full;
    QTest::newRow("the help to a full disk") << "$KANDELO --help > /dev/full" << full;
    QTest::newRow("the version to a full disk") << "$KANDELO --version > /dev/full" << full;
    QTest::newRow("standard output closed") << "$KANDELO --batch in.csv >&-"
        << "kandelo: cannot write the standard output: Bad file descriptor\n";
    QTest::newRow("standard input closed") << "$KANDELO --batch - <&-" << "kandelo: cannot read standard input: Bad file descriptor\n";
}

void TestBatchCommand::failedWritesAreErrors()
{
#ifdef Q_OS_UNIX
    QFETCH(QString, line);
    QFETCH(QString, message);
    const Finished run = shell(line, folder_.path());
    QCOMPARE(run.status, 2);
    QCOMPARE(QString::fromUtf8(run.err), message);
#else
    QSKIP("a full device and closed descriptors are made by a POSIX shell");
#endif
}

void TestBatchCommand::mistypedCommandsNeedNoDisplay_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QString>("message");
    QTest::newRow("a file alone") << QStringList{"readings.csv"} << QStringList{}
        << "kandelo: unexpected argument readings.csv (the input file goes after --batch; see kandelo --help)\n";
    QTest::newRow("-x") << QStringList{"-x"} << QStringList{} << "kandelo: unknown option -x (see kandelo --help)\n";
    QTest::newRow("-batch") << QStringList{"-batch", "in.csv"} << QStringList{} << "kandelo: unknown option -batch (see kandelo --help)\n";
    QTest::newRow("in Japanese") << QStringList{"-v"} << QStringList{"LANG=ja_JP.UTF-8"} << "kandelo: 不明なオプションです：-v（kandelo --help を参照）\n";
    QTest::newRow("LC_ALL first") << QStringList{"-v"} << QStringList{"LANG=ja_JP.UTF-8", "LC_ALL=C"} << "kandelo: unknown option -v (see kandelo --help)\n";
}

// Without a display, a mistyped command says what is wrong instead of
// opening (or failing to open) the screens.
void TestBatchCommand::mistypedCommandsNeedNoDisplay()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, environment);
    QFETCH(QString, message);
#ifdef Q_OS_WIN
    if (!environment.isEmpty())
        QSKIP("on Windows the language is the user interface's, not the locale's variables");
#endif
    const Finished run = program(arguments, folder_.path(), {}, environment);
    QCOMPARE(run.status, 2);
    QCOMPARE(QString::fromUtf8(run.err), message);
    QVERIFY(run.out.isEmpty());
}

// The result's line breaks are CR LF, as written, on every system: no CR
// added before LF on the way out, to standard output or to a file.
void TestBatchCommand::bytesWrittenAsTheyAre()
{
    const Finished toStandardOutput = program({"--batch", "in.csv"}, folder_.path());
    QCOMPARE(toStandardOutput.status, 0);
    QCOMPARE(toStandardOutput.out.count("\r\n"), 2);
    QCOMPARE(toStandardOutput.out.count('\r'), 2);
    QVERIFY(toStandardOutput.out.startsWith("\xEF\xBB\xBFkwh,kvarh,"));
    QCOMPARE(program({"--batch", "in.csv", "-o", "out.csv"}, folder_.path()).status, 0);
    QCOMPARE(readAll(folder_.filePath(QStringLiteral("out.csv"))), toStandardOutput.out);
    const Finished help = program({"--help"}, folder_.path());
    QCOMPARE(help.status, 0);
    QCOMPARE(help.out.count('\r'), 0);
}

// A Shift_JIS file whose first 64 KiB are ASCII.
QByteArray lateShiftJis()
{
    QByteArray csv = "name,kwh,kvarh\r\n";
    while (csv.size() < 70000)
        csv += "customer,1000,484.3\r\n";
    csv += "\x8C\xDA\x8B\x71,1000,484.3\r\n"; // 顧客
    return csv;
}

// The input was judged whole: read as Shift_JIS, every row under its headings.
void verifyReadWhole(const Finished& run, const QByteArray& csv)
{
    QCOMPARE(QString::fromUtf8(run.err), QString());
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out.count("\r\n"), csv.count("\r\n"));
    // The last row, its results under their headings: those of the power factor, the rest empty.
    const QList<QByteArray> lines = run.out.split('\n');
    const QByteArray last = lines[lines.size() - 2];
    QVERIFY(QRegularExpression(QStringLiteral("^顧客,1000,484.3,\"1,000.00\",484.30,90.00,Lag,+\r$"))
                .match(QString::fromUtf8(last))
                .hasMatch());
    QCOMPARE(last.count(','), lines.front().count(',') + 1); // the quoted 1,000.00 holds one
}

void TestBatchCommand::inputsReadOnlyOnce_data()
{
    QTest::addColumn<bool>("fromFile");
    QTest::newRow("standard input from a pipe") << false;
    QTest::newRow("standard input from the file") << true;
}

// An input that cannot be read twice is kept, and judged whole: a Shift_JIS
// file whose first 64 KiB are ASCII is still read as Shift_JIS.
void TestBatchCommand::inputsReadOnlyOnce()
{
    QFETCH(bool, fromFile);
    const QByteArray csv = lateShiftJis();
    writeFile(folder_.filePath(QStringLiteral("sjis.csv")), csv);
    QProcess process;
    process.setProcessEnvironment(environmentWith({}));
    process.setWorkingDirectory(folder_.path());
    if (fromFile)
        process.setStandardInputFile(folder_.filePath(QStringLiteral("sjis.csv")));
    process.start(Kandelo, {"--batch", "-", "--encoding", "utf-8"});
    if (!fromFile) {
        process.write(csv);
        process.closeWriteChannel();
    }
    verifyReadWhole(finish(process), csv);
}

void TestBatchCommand::inputsReadOnlyOnceOnPosixSystems_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("/dev/stdin on a pipe") << "cat sjis.csv | $KANDELO --batch /dev/stdin --encoding utf-8";
    QTest::newRow("a process substitution") << "$KANDELO --batch <(cat sjis.csv) --encoding utf-8";
    QTest::newRow("a named pipe") << "mkfifo pipe && { cat sjis.csv > pipe & } && $KANDELO --batch pipe --encoding utf-8";
}

void TestBatchCommand::inputsReadOnlyOnceOnPosixSystems()
{
#ifdef Q_OS_UNIX
    QFETCH(QString, line);
    const QByteArray csv = lateShiftJis();
    writeFile(folder_.filePath(QStringLiteral("sjis.csv")), csv);
    verifyReadWhole(shell(line, folder_.path()), csv);
#else
    QSKIP("/dev/stdin, process substitutions and named pipes are a POSIX shell's");
#endif
}

void TestBatchCommand::interruptedRunLeavesNothing_data()
{
    QTest::addColumn<int>("signal");
#ifdef Q_OS_WIN
    QTest::newRow("Ctrl+Break") << int(CTRL_BREAK_EVENT);
#else
    QTest::newRow("SIGINT") << int(SIGINT);
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGHUP") << int(SIGHUP);
#endif
}

// A signal midway removes the temporary file and ends the program by the
// signal; the old OUT stays.
void TestBatchCommand::interruptedRunLeavesNothing()
{
    QFETCH(int, signal);
    writeFile(folder_.filePath(QStringLiteral("many.csv")), manyRows(400000));
    writeFile(folder_.filePath(QStringLiteral("out.csv")), "old");
#ifdef Q_OS_WIN
    // A console for the program and the event, where the test runs without one.
    if (!GetConsoleWindow())
        AllocConsole();
    // The program in a process group of its own, so that the event goes to it alone.
    QProcess process;
    process.setProcessEnvironment(environmentWith({}));
    process.setWorkingDirectory(folder_.path());
    process.setCreateProcessArgumentsModifier(
        [](QProcess::CreateProcessArguments* arguments) { arguments->flags |= CREATE_NEW_PROCESS_GROUP; });
    process.start(Kandelo, {"--batch", "many.csv", "-o", "out.csv"});
    // The event comes once the result's temporary file has begun to be written.
    QVERIFY(QTest::qWaitFor(
        [&] {
            const QFileInfoList temporary =
                QDir(folder_.path()).entryInfoList({QStringLiteral("out.csv.*")}, QDir::Files | QDir::Hidden);
            return !temporary.isEmpty() && temporary.front().size() > 0;
        },
        60000));
    if (!GenerateConsoleCtrlEvent(DWORD(signal), DWORD(process.processId()))) {
        process.kill();
        process.waitForFinished();
        QSKIP("no console shared with the program to send the event through (Wine's headless console)");
    }
    const Finished run = finish(process);
    QCOMPARE(uint(run.status), uint(STATUS_CONTROL_C_EXIT));
#else
    // The signal comes once the result's temporary file is open: named
    // out.csv.XXXXXX, or, where the system has them, a file without a name
    // yet in the folder, which Linux shows as "#…" in the process's descriptors.
    // Job control, so that the job in the background takes SIGINT as a program in front does.
    const Finished run = shell(QStringLiteral("set -m; $KANDELO --batch many.csv -o out.csv & pid=$!; "
                                              "for i in $(seq 3000); do ls -l /proc/$pid/fd 2>/dev/null "
                                              "| grep -qE \"$PWD/(#|out\\.csv\\.)\" && break; sleep 0.01; done; sleep 0.05; "
                                              "kill -%1 $pid; wait $pid")
                                   .arg(signal),
        folder_.path());
    QCOMPARE(run.status, 128 + signal);
#endif
    QCOMPARE(readAll(folder_.filePath(QStringLiteral("out.csv"))), QByteArray("old"));
    QCOMPARE(QDir(folder_.path()).entryList({QStringLiteral("out.csv*")}, QDir::Files | QDir::Hidden),
        QStringList{"out.csv"});
}

// A run that fails while OUT is being written (a file-size limit here) leaves
// the old OUT byte for byte, and no temporary file.
void TestBatchCommand::failingWhileWritingKeepsTheOldFile()
{
#ifndef Q_OS_UNIX
    QSKIP("a limit of the file size is a POSIX shell's");
#endif
    writeFile(folder_.filePath(QStringLiteral("many.csv")), manyRows(5000));
    QByteArray old;
    for (int line = 0; line < 100; ++line)
        old += "an earlier result, line " + QByteArray::number(line) + "\r\n";
    writeFile(folder_.filePath(QStringLiteral("out.csv")), old);
    // ulimit -f counts blocks of 1024 bytes: the limit is reached after some
    // hundreds of rows, well after the first write.
#ifdef Q_OS_UNIX
    const Finished run =
        shell(QStringLiteral("ulimit -f 256; trap '' XFSZ; $KANDELO --batch many.csv -o out.csv"), folder_.path());
    QCOMPARE(run.status, 2);
    QCOMPARE(QString::fromUtf8(run.err), QStringLiteral("kandelo: cannot write out.csv: File too large\n"));
    QCOMPARE(readAll(folder_.filePath(QStringLiteral("out.csv"))), old);
    QCOMPARE(QDir(folder_.path()).entryList({QStringLiteral("out.csv*")}, QDir::Files | QDir::Hidden),
        QStringList{"out.csv"});
    // Without the limit, the same run writes it whole.
    QCOMPARE(shell(QStringLiteral("$KANDELO --batch many.csv -o out.csv"), folder_.path()).status, 0);
    QVERIFY(readAll(folder_.filePath(QStringLiteral("out.csv"))).size() > 256 * 1024);
#endif
}

// A fault that is not an arithmetic failure of a row (memory running out
// here, in a field of 64 MiB) is no row's refusal: the run ends with exit
// status 2 and one line, and OUT is left as it was.
void TestBatchCommand::faultThatIsNoRowsEndsTheRun()
{
#if !defined(Q_OS_UNIX)
    QSKIP("a limit of the memory is a POSIX shell's");
#elif defined(KANDELO_SANITIZE)
    QSKIP("AddressSanitizer needs the whole address space");
#else
    writeFile(folder_.filePath(QStringLiteral("out.csv")), "old");
    QFile big(folder_.filePath(QStringLiteral("big.csv")));
    QVERIFY(big.open(QIODevice::WriteOnly));
    big.write("kwh,kvarh,memo\n1000,484.3,");
    big.write(QByteArray(64 << 20, 'x'));
    big.write("\n");
    big.close();
    // The least memory the program runs a small file in, and 20 MB more.
    const Finished run = shell(QStringLiteral(
        "limit=300000; "
        "while [ $limit -gt 20000 ] && (ulimit -v $((limit - 10000)); $KANDELO --batch in.csv > /dev/null 2>&1); "
        "do limit=$((limit - 10000)); done; "
        "ulimit -v $((limit + 20000)); $KANDELO --batch big.csv -o out.csv"),
        folder_.path());
    QCOMPARE(QString::fromUtf8(run.err), QStringLiteral("kandelo: out of memory: the run stopped\n"));
    QCOMPARE(run.status, 2);
    QCOMPARE(readAll(folder_.filePath(QStringLiteral("out.csv"))), QByteArray("old"));
    QCOMPARE(QDir(folder_.path()).entryList({QStringLiteral("out.csv*")}, QDir::Files | QDir::Hidden),
        QStringList{"out.csv"});
#endif
}

QTEST_GUILESS_MAIN(TestBatchCommand)
#include "test_batch_command.moc"
