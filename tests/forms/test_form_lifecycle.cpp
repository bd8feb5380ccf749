#include "forms/form.h"
#include "forms/lifetime.h"
#include "forms/open_forms.h"

#include <QtTest>

#include <functional>
#include <string>
#include <vector>

using namespace kandelo::forms;

namespace {

// A form whose steps are written to a shared log, with an unload step to set.
class LoggedForm : public Form {
public:
    LoggedForm(std::string name, OpenForms& forms, std::vector<std::string>& log)
        : Form(std::move(name), forms)
        , log_(log)
    {
    }

    std::function<void()> onUnload;

protected:
    void createControls() override { log_.push_back(name() + " created controls"); }
    void destroyControls() override { log_.push_back(name() + " destroyed controls"); }
    void showControls(bool visible) override { log_.push_back(name() + (visible ? " visible" : " invisible")); }
    void formLoad() override { log_.push_back(name() + " load"); }
    void formUnload() override
    {
        log_.push_back(name() + " unload");
        if (onUnload)
            onUnload();
    }

private:
    std::vector<std::string>& log_;
};

std::vector<std::string> names(const OpenForms& forms)
{
    std::vector<std::string> result;
    for (std::size_t i = 0; i < forms.count(); ++i)
        result.push_back(forms.at(i).name());
    return result;
}

using Names = std::vector<std::string>;

} // namespace

class TestFormLifecycle : public QObject {
    Q_OBJECT

private slots:
    void createdIsNotLoaded();
    void showLoadsOnceAndListsInLoadOrder();
    void hideKeepsLoaded();
    void unloadOfUnloadedFormDoesNothing();
    void unloadWalkingTheListUnloadsItselfOnce();
    void unloadWalkPassesOverEntriesAlreadyGone();
    void reloadRunsLoadStepAgain();
    void failingLoadStepLeavesFormUnloaded();
    void failingUnloadStepStillUnloads();
    void lifetimeEndsWhenLastHandlerLeavesWithNoForm();
};

void TestFormLifecycle::createdIsNotLoaded()
{
    OpenForms forms;
    std::vector<std::string> log;
    LoggedForm form("frmPf", forms, log);
    QVERIFY(!form.isLoaded());
    QVERIFY(!form.isVisible());
    QVERIFY(forms.empty());
    QVERIFY(log.empty());
}

void TestFormLifecycle::showLoadsOnceAndListsInLoadOrder()
{
    OpenForms forms;
    std::vector<std::string> log;
    LoggedForm timer("frmTimer", forms, log);
    LoggedForm dialog("frmInputBox", forms, log);

    timer.load();
    dialog.show();
    dialog.show();
    QVERIFY(dialog.isVisible());
    QVERIFY(!timer.isVisible());
    QCOMPARE(names(forms), (Names{"frmTimer", "frmInputBox"}));
    QCOMPARE(log,
        (Names{"frmTimer created controls", "frmTimer load", "frmInputBox created controls", "frmInputBox load",
            "frmInputBox visible", "frmInputBox visible"}));
}

void TestFormLifecycle::hideKeepsLoaded()
{
    OpenForms forms;
    std::vector<std::string> log;
    LoggedForm pf("frmPf", forms, log);
    pf.show();
    pf.hide();
    QVERIFY(pf.isLoaded());
    QVERIFY(!pf.isVisible());
    QCOMPARE(forms.count(), std::size_t{1});
}

void TestFormLifecycle::unloadOfUnloadedFormDoesNothing()
{
    OpenForms forms;
    std::vector<std::string> log;
    LoggedForm pf("frmPf", forms, log);
    pf.unload();
    pf.hide();
    QVERIFY(log.empty());
    QVERIFY(!pf.isLoaded());
}

void TestFormLifecycle::unloadWalkingTheListUnloadsItselfOnce()
{
    OpenForms forms;
    std::vector<std::string> log;
    LoggedForm timer("frmTimer", forms, log);
    LoggedForm pf("frmPf", forms, log);
    LoggedForm sc("frmSc", forms, log);
    pf.onUnload = [&] { forms.unloadAllFromLast(); };
    sc.onUnload = [&] { pf.unload(); };
    timer.load();
    pf.show();
    sc.show();
    log.clear();

    sc.unload(); // the sizing screen's unload unloads frmPf, which walks the list

    QVERIFY(forms.empty());
    QCOMPARE(log,
        (Names{"frmSc unload", "frmPf unload", "frmTimer unload", "frmTimer invisible", "frmTimer destroyed controls",
            "frmPf invisible", "frmPf destroyed controls", "frmSc invisible", "frmSc destroyed controls"}));
}

void TestFormLifecycle::unloadWalkPassesOverEntriesAlreadyGone()
{
    OpenForms forms;
    std::vector<std::string> log;
    LoggedForm timer("frmTimer", forms, log);
    LoggedForm pf("frmPf", forms, log);
    LoggedForm sc("frmSc", forms, log);
    // Unloading the last entry takes the two before it along.
    sc.onUnload = [&] {
        pf.unload();
        timer.unload();
    };
    timer.load();
    pf.load();
    sc.load();
    forms.unloadAllFromLast();
    QVERIFY(forms.empty());
}

void TestFormLifecycle::reloadRunsLoadStepAgain()
{
    OpenForms forms;
    std::vector<std::string> log;
    LoggedForm dialog("frmInputBox", forms, log);
    dialog.show();
    dialog.unload();
    log.clear();
    dialog.show();
    QCOMPARE(log, (Names{"frmInputBox created controls", "frmInputBox load", "frmInputBox visible"}));
}

void TestFormLifecycle::failingLoadStepLeavesFormUnloaded()
{
    OpenForms forms;
    std::vector<std::string> log;
    struct FailingLoad : LoggedForm {
        using LoggedForm::LoggedForm;
        void formLoad() override { throw std::runtime_error("load failed"); }
    } dialog("frmInputBox", forms, log);
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, dialog.show());
    QVERIFY(!dialog.isLoaded());
    QVERIFY(!dialog.isVisible());
    QVERIFY(forms.empty());
    QCOMPARE(log.back(), std::string("frmInputBox destroyed controls"));
}

void TestFormLifecycle::failingUnloadStepStillUnloads()
{
    OpenForms forms;
    std::vector<std::string> log;
    LoggedForm pf("frmPf", forms, log);
    pf.onUnload = [] { throw std::runtime_error("unload failed"); };
    pf.show();
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, pf.unload());
    QVERIFY(!pf.isLoaded());
    QVERIFY(forms.empty());
}

void TestFormLifecycle::lifetimeEndsWhenLastHandlerLeavesWithNoForm()
{
    OpenForms forms;
    std::vector<std::string> log;
    LoggedForm dialog("frmInputBox", forms, log);
    Lifetime lifetime(forms);

    lifetime.enter();
    dialog.show();
    QVERIFY(!lifetime.leave()); // a form is loaded

    lifetime.enter();
    lifetime.enter(); // a nested handler, such as one run by a message box's own loop
    dialog.unload();
    QVERIFY(!lifetime.leave());
    dialog.show(); // a handler that empties the list and opens a form again keeps the program
    QVERIFY(!lifetime.leave());

    lifetime.enter();
    dialog.unload();
    QVERIFY(lifetime.leave());
    QVERIFY(lifetime.end());
    QVERIFY(!lifetime.end());
    QVERIFY(lifetime.hasEnded());
}

QTEST_APPLESS_MAIN(TestFormLifecycle)
#include "test_form_lifecycle.moc"
