#include "app/app.h"
#include "app/months_alone.h"
#include "app/qt_translation.h"
#include "batch/io/command_line.h"
#include "batch/options.h"
#include "forms/ui/desktop.h"
#include "forms/ui/font.h"
#include "forms/ui/message_box.h"
#include "months/ui/months_window.h"
#include "program/version.h"

#include <QApplication>

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char* argv[])
{
    // The command line needs no display: no application object is made for it.
    const std::vector<std::string> arguments = kandelo::batch::commandLineArguments(argc, argv);
    if (kandelo::batch::wantsCommandLine(arguments))
        return kandelo::batch::runCommandLine(arguments, std::cin, std::cout, std::cerr);

    QApplication application(argc, argv);
    // The program ends by its own rule: when no form is loaded and no handler
    // runs, not when the last window closes (between two prompts none is open).
    QApplication::setQuitOnLastWindowClosed(false);
    // Every text of the program, its message boxes included, is Japanese: one
    // Gothic face throughout, so no other face is loaded first.
    kandelo::forms::loadCarriedFont();
    QApplication::setFont(kandelo::forms::gothicFont(12));
    kandelo::app::installQtJapanese(application);

    kandelo::forms::ModalMessageBox messageBox(QString::fromUtf8(kandelo::program::ApplicationTitle));
    // kandelo --months [FILE]: the window of the months by itself.
    if (const std::optional<kandelo::batch::MonthsWindow> months = kandelo::batch::monthsWindowOf(arguments)) {
        QApplication::setQuitOnLastWindowClosed(true);
        kandelo::forms::SystemDesktop desktop;
        const auto window = kandelo::app::showMonthsAlone(*months, desktop, messageBox);
        return QApplication::exec();
    }

    int exitCode = 0;
    {
        kandelo::app::App app(messageBox);
        // The screens' end closes the window of the months too, once it has
        // asked to save what was typed there; kept open, the program ends with it.
        QObject::connect(&app, &kandelo::app::App::ended, &application, [&app](int code) {
            kandelo::months::MonthsWindow* months = app.monthsWindow();
            if (months && months->isVisible() && !months->close()) {
                QApplication::setQuitOnLastWindowClosed(true);
                return;
            }
            QCoreApplication::exit(code);
        });
        app.start();
        exitCode = app.hasEnded() ? app.exitCode() : QApplication::exec();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return exitCode;
}
