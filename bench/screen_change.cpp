// Screen changes on the real screens: from the OK that stores the reactive
// energy to the first painted frame of the power-factor screen, and from the
// OK that accepts the target to the first painted frame of the sizing screen.
//   bench_screen_change [ROUNDS]   (default 50)

#include "app/app.h"
#include "forms/ui/message_box.h"
#include "input/ui/frminputbox.h"
#include "pf/ui/frmpf.h"
#include "sc/ui/frmsc.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

class NoMessages final : public kandelo::forms::MessageBoxService {
public:
    void show(const QString& text) override { std::fprintf(stderr, "unexpected message: %s\n", qPrintable(text)); }
};

// Notes the first paint of the window with the given name.
class PaintWatch : public QObject {
public:
    void expect(const QString& window)
    {
        window_ = window;
        painted_ = false;
    }
    bool painted() const { return painted_; }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !painted_ && watched->isWidgetType()
            && static_cast<QWidget*>(watched)->window()->objectName() == window_)
            painted_ = true;
        return false;
    }

private:
    QString window_;
    bool painted_ = false;
};

void waitUntil(const std::function<bool()>& condition)
{
    while (!condition())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

template <typename T> T* control(QWidget* window, const char* name)
{
    return window->findChild<T*>(QLatin1String(name));
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 50;
    PaintWatch watch;
    application.installEventFilter(&watch);

    NoMessages messages;
    kandelo::app::App app(messages);
    app.start();
    const auto dialog = [&] { return app.frmInputBox().window(); };
    const auto enter = [&](const char* figure) {
        waitUntil([&] { return dialog() && dialog()->isVisible(); });
        control<QLineEdit>(dialog(), "Text1")->setText(QString::fromLatin1(figure));
    };
    const auto timedOk = [&](const char* nextWindow) {
        watch.expect(QString::fromLatin1(nextWindow));
        QElapsedTimer timer;
        timer.start();
        control<QAbstractButton>(dialog(), "OKButton")->click();
        waitUntil([&] { return watch.painted(); });
        QCoreApplication::processEvents();
        return static_cast<double>(timer.nsecsElapsed()) / 1e6;
    };

    std::vector<double> toPf, toSc;
    for (int i = 0; i < rounds; ++i) {
        enter("1000");
        control<QAbstractButton>(dialog(), "OKButton")->click();
        waitUntil([&] { return app.calculation.strInputMode == kandelo::program::InputMode::Kvarh && dialog(); });
        enter("484.3");
        toPf.push_back(timedOk("frmPf"));

        QWidget* pf = app.frmPf().window();
        control<QAbstractButton>(pf, "Option1")->click();
        control<QAbstractButton>(pf, "cmdImprove")->click();
        enter("392");
        control<QAbstractButton>(dialog(), "OKButton")->click();
        waitUntil([&] { return app.calculation.strInputMode == kandelo::program::InputMode::TargetPf && dialog(); });
        enter("95");
        toSc.push_back(timedOk("frmSc"));

        control<QAbstractButton>(app.frmSc().window(), "Command2")->click();
        control<QAbstractButton>(app.frmPf().window(), "Command2")->click();
    }
    std::printf("platform %s, %d rounds, medians\n", qPrintable(QGuiApplication::platformName()), rounds);
    std::printf("  OK on the reactive energy to the power-factor screen painted  %6.2f ms\n", median(toPf));
    std::printf("  OK on the target to the sizing screen painted                 %6.2f ms\n", median(toSc));
    return 0;
}
