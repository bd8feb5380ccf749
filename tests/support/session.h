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
    void enter(const QString& figure)
    {
        QTest::keyClicks(text1(), figure);
        QTest::mouseClick(ok(), Qt::LeftButton);
    }

    // Types the figure, presses OK and waits until the dialog asks for the next one.
    void enter(const QString& figure, const QString& nextPrompt)
    {
        enter(figure);
        QTRY_VERIFY(showsPrompt(nextPrompt));
        QVERIFY(QTest::qWaitForWindowActive(dialog()));
    }

    // Enters both energies and waits for the power-factor screen.
    void reachPowerFactor(const QString& kwh, const QString& kvarh)
    {
        enter(kwh, texts::KvarhPrompt);
        enter(kvarh);
        QVERIFY(pfScreen() && pfScreen()->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(pfScreen()));
    }

    // From the power-factor screen through the improve button and the hours to the target prompt.
    void reachTargetPrompt(const QString& kwh, const QString& kvarh, const QString& hours)
    {
        reachPowerFactor(kwh, kvarh);
        QWidget* pf = pfScreen();
        QTest::mouseClick(control<QWidget>(pf, "Option1"), Qt::LeftButton);
        QTest::mouseClick(control<QWidget>(pf, "cmdImprove"), Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowActive(dialog()));
        enter(hours, texts::TargetPrompt);
    }

    // From the power-factor screen through the improve button, the hours and the
    // target to the capacitor sizing screen.
    void reachSizing(const QString& kwh, const QString& kvarh, const QString& hours, const QString& target)
    {
        reachTargetPrompt(kwh, kvarh, hours);
        enter(target);
        QVERIFY(scScreen() && scScreen()->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(scScreen()));
    }


    RecordingMessageBox messages;
    kandelo::app::App app;
    bool activeWindow = false;
    QSignalSpy ended{&app, &kandelo::app::App::ended};
};
