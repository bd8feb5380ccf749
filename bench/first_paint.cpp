// Starts either the program's first window or a bare Qt window, and on its
// first painted frame prints the peak resident memory so far and exits. The
// parent process times the whole, from its own start of this process.
//   bench_first_paint kandelo | bare

#include "app/app.h"
#include "app/qt_translation.h"
#include "program/version.h"
#include "forms/ui/font.h"
#include "forms/ui/message_box.h"

#include <QApplication>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// Peak resident set size of this process, in KiB (VmHWM).
long peakRssKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

// Reports once the first frame of any window has been painted in full.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !seen_ && watched->isWidgetType()) {
            seen_ = true;
            QTimer::singleShot(0, [] {
                std::printf("painted %ld\n", peakRssKiB());
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return false;
    }

private:
    bool seen_ = false;
};

} // namespace

int main(int argc, char* argv[])
{
    const bool bare = argc > 1 && std::strcmp(argv[1], "bare") == 0;
    QApplication application(argc, argv);
    FirstPaint firstPaint;
    application.installEventFilter(&firstPaint);

    if (bare) {
        QWidget window;
        window.setWindowTitle(QStringLiteral("KandeloVer1.2"));
        window.resize(475, 137);
        window.show();
        return QApplication::exec();
    }

    // As the program's main does.
    QApplication::setQuitOnLastWindowClosed(false);
    kandelo::forms::loadCarriedFont();
    QApplication::setFont(kandelo::forms::gothicFont(12));
    kandelo::app::installQtJapanese(application);
    kandelo::forms::ModalMessageBox messageBox(QString::fromUtf8(kandelo::program::ApplicationTitle));
    kandelo::app::App app(messageBox);
    app.start();
    return QApplication::exec();
}
