#pragma once

#include "app/app.h"
#include "forms/form.h"
#include "input/ui/frminputbox.h"
#include "pf/ui/frmpf.h"
#include "sc/ui/frmsc.h"
#include "support/recording_message_box.h"
#include "support/texts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

// A failed check inside a helper is recorded and makes the helper return
// false, which the test checks in turn: QVERIFY(s.reachPowerFactor(...)). The
// test then stops there instead of driving a screen that is not there.
#define SESSION_VERIFY(condition)                                                                                  \
    do {                                                                                                           \
        if (!QTest::qVerify(static_cast<bool>(condition), #condition, "", __FILE__, __LINE__))                     \
            return false;                                                                                          \
    } while (false)

// One run of the program, started as the user starts it, with the message
// boxes recorded instead of shown.
struct Session {
    explicit Session(kandelo::app::App::InputBoxFactory inputBox = {}, kandelo::app::App::ScFactory sc = {})
        : app(messages, std::move(inputBox), std::move(sc))
    {
        app.start();
        if (dialog())
            activeWindow = QTest::qWaitForWindowActive(dialog());
    }

    QWidget* dialog() { return app.frmInputBox().window(); }
    QWidget* pfScreen() { return app.frmPf().window(); }
    QWidget* scScreen() { return app.frmSc().window(); }

    template <typename T> static T* control(QWidget* window, const char* name)
    {
        return window ? window->findChild<T*>(QLatin1String(name)) : nullptr;
    }
    template <typename T> T* control(const char* name) { return control<T>(dialog(), name); }
    QLineEdit* text1() { return control<QLineEdit>("Text1"); }
    QLineEdit* txtPf() { return control<QLineEdit>("txtPf"); }
    QLabel* label1() { return control<QLabel>("Label1"); }
    QPushButton* ok() { return control<QPushButton>("OKButton"); }
    QPushButton* cancel() { return control<QPushButton>("CancelButton"); }

    QStringList openForms()
    {
        QStringList names;
        for (std::size_t i = 0; i < app.forms().count(); ++i)
            names << QString::fromStdString(app.forms().at(i).name());
        return names;
    }

    bool showsPrompt(const QString& prompt) { return dialog() && dialog()->isVisible() && label1()->text() == prompt; }

    // Types the figure and presses OK.
    [[nodiscard]] bool enter(const QString& figure)
    {
        SESSION_VERIFY(text1() && ok());
        QTest::keyClicks(text1(), figure);
        QTest::mouseClick(ok(), Qt::LeftButton);
        return true;
    }

    // Types the figure, presses OK and waits until the dialog asks for the next one.
    [[nodiscard]] bool enter(const QString& figure, const QString& nextPrompt)
    {
        SESSION_VERIFY(enter(figure));
        SESSION_VERIFY(QTest::qWaitFor([&] { return showsPrompt(nextPrompt); }));
        SESSION_VERIFY(QTest::qWaitForWindowActive(dialog()));
        return true;
    }

    // Enters both energies and waits for the power-factor screen.
    [[nodiscard]] bool reachPowerFactor(const QString& kwh, const QString& kvarh)
    {
        SESSION_VERIFY(enter(kwh, texts::KvarhPrompt));
        SESSION_VERIFY(enter(kvarh));
        SESSION_VERIFY(pfScreen() && pfScreen()->isVisible());
        SESSION_VERIFY(QTest::qWaitForWindowActive(pfScreen()));
        return true;
    }

    // From the power-factor screen through the improve button and the hours to the target prompt.
    [[nodiscard]] bool reachTargetPrompt(const QString& kwh, const QString& kvarh, const QString& hours)
    {
        SESSION_VERIFY(reachPowerFactor(kwh, kvarh));
        QWidget* pf = pfScreen();
        QTest::mouseClick(control<QWidget>(pf, "Option1"), Qt::LeftButton);
        SESSION_VERIFY(control<QWidget>(pf, "cmdImprove") && control<QWidget>(pf, "cmdImprove")->isVisible());
        QTest::mouseClick(control<QWidget>(pf, "cmdImprove"), Qt::LeftButton);
        SESSION_VERIFY(dialog() && QTest::qWaitForWindowActive(dialog()));
        SESSION_VERIFY(enter(hours, texts::TargetPrompt));
        return true;
    }

    // From the power-factor screen through the improve button, the hours and the
    // target to the capacitor sizing screen.
    [[nodiscard]] bool reachSizing(const QString& kwh, const QString& kvarh, const QString& hours, const QString& target)
    {
        SESSION_VERIFY(reachTargetPrompt(kwh, kvarh, hours));
        SESSION_VERIFY(enter(target));
        SESSION_VERIFY(scScreen() && scScreen()->isVisible());
        SESSION_VERIFY(QTest::qWaitForWindowActive(scScreen()));
        return true;
    }

    RecordingMessageBox messages;
    kandelo::app::App app;
    bool activeWindow = false;
    QSignalSpy ended{&app, &kandelo::app::App::ended};
};
