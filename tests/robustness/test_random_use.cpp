// Drives the real screens with a long seeded run of random user actions and
// checks after every action that the program is still sound. On a failure it
// prints the seed and the shortest action list it could find that fails.
//
//   KANDELO_SEED=<n>     the seed (default: a fixed one, so runs repeat)
//   KANDELO_ACTIONS=<n>  how many actions (default 2500)

#include "app/frmtimer.h"
#include "support/session.h"
#include "support/texts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QListWidget>
#include <QtTest>

#include <array>
#include <memory>
#include <optional>
#include <random>

namespace {

using namespace texts;

struct Action {
    enum Kind { Key, Paste, Click, Move, Close, Tick, Enter } kind;
    unsigned target; // picks one of the candidates at the time of the action
    unsigned param;  // picks a key, a text or a wait
};

const char* kindName(Action::Kind kind)
{
    static const char* names[] = {"key", "paste", "click", "move", "close", "tick", "enter"};
    return names[kind];
}

struct KeyPress {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

const KeyPress Keys[] = {
    {Qt::Key_0, {}},
    {Qt::Key_1, {}},
    {Qt::Key_2, {}},
    {Qt::Key_5, {}},
    {Qt::Key_9, {}},
    {Qt::Key_4, Qt::KeypadModifier},
    {Qt::Key_8, Qt::KeypadModifier},
    {Qt::Key_Period, {}},
    {Qt::Key_Period, Qt::KeypadModifier},
    {Qt::Key_Minus, {}},
    {Qt::Key_Minus, Qt::KeypadModifier},
    {Qt::Key_Backspace, {}},
    {Qt::Key_Return, {}},
    {Qt::Key_Enter, Qt::KeypadModifier},
    {Qt::Key_Tab, {}},
    {Qt::Key_Backtab, Qt::ShiftModifier},
    {Qt::Key_A, {}},
    {Qt::Key_Space, {}},
    {Qt::Key_Shift, {}},
    {Qt::Key_Control, {}},
    {Qt::Key_Delete, {}},
    {Qt::Key_Left, {}},
    {Qt::Key_Escape, {}},
    {Qt::Key_NumLock, {}},
    {Qt::Key_Plus, {}},
    {Qt::Key_Comma, {}},
    {Qt::Key_Home, {}},
    {Qt::Key_Down, {}},
};

const QStringList Pasted = {
    "",
    "0",
    "1000",
    "484.3",
    "-250",
    "392",
    "95",
    "100",
    "99.9",
    "80",
    "200",
    "-200",
    "0.0",
    "-0",
    "1.2.3",
    " 750",
    ".",
    "-",
    "1e3",
    "1,000",
    QStringLiteral("１２３"),
    "abc",
    "12a",
    QString(400, '9'),
    "-" + QString(400, '9'),
    QString(200, '9'),
    "0." + QString(300, '0') + "1",
    "1" + QString(300, '0'),
    "100.5",
    "90.00078",
};

// Figures a user would enter at the prompts, so that runs also reach the later screens.
const QStringList Figures = {"1000", "100000", "484.3", "48430", "-484.3", "392", "392.5", "95", "100"};

// Anything other than texts::Messages in a message box escaped a handler.
const QStringList& Messages = texts::Messages;

QList<QWidget*> visibleWindows(Session& s)
{
    QList<QWidget*> windows;
    for (QWidget* w : {s.dialog(), s.pfScreen(), s.scScreen()})
        if (w && w->isVisible())
            windows << w;
    return windows;
}

template <typename T> QList<QWidget*> visibleControls(Session& s)
{
    QList<QWidget*> controls;
    for (QWidget* window : visibleWindows(s))
        for (T* control : window->findChildren<T*>())
            if (control->isVisibleTo(window) && control->isEnabled())
                controls << control;
    return controls;
}

QWidget* pick(const QList<QWidget*>& candidates, unsigned index)
{
    return candidates.isEmpty() ? nullptr : candidates[static_cast<qsizetype>(index % candidates.size())];
}

// One run of random use: sessions one after another, each restarted when the program ends.
class Run {
public:
    void perform(const Action& a)
    {
        QWidget* target = nullptr;
        switch (a.kind) {
        case Action::Key:
            if ((target = pick(visibleControls<QLineEdit>(*s), a.target))) {
                const KeyPress k = Keys[a.param % std::size(Keys)];
                QTest::keyClick(target, k.key, k.modifiers);
            }
            break;
        case Action::Paste:
            if (auto* box = qobject_cast<QLineEdit*>(pick(visibleControls<QLineEdit>(*s), a.target))) {
                QGuiApplication::clipboard()->setText(Pasted[static_cast<qsizetype>(a.param % Pasted.size())]);
                box->paste();
            }
            break;
        case Action::Click: {
            // The buttons that end the program are pressed less often, so runs go deeper.
            const bool mayEnd = a.param % 8 == 0;
            QList<QWidget*> clickable;
            for (QWidget* button : visibleControls<QAbstractButton>(*s)) {
                const bool ends = button->objectName() == QLatin1String("CancelButton")
                    || button->objectName() == QLatin1String("Command1");
                if (mayEnd || !ends)
                    clickable << button;
            }
            for (QWidget* label : visibleControls<QLabel>(*s))
                if (label->objectName() == QLatin1String("lblL"))
                    clickable << label;
            if (a.param % 4 == 1) // a click into a box starts a fresh entry there
                clickable << visibleControls<QLineEdit>(*s);
            if ((target = pick(clickable, a.target)))
                QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
            break;
        }
        case Action::Move: {
            QList<QWidget*> movable = visibleControls<QLineEdit>(*s) + visibleControls<QLabel>(*s);
            for (QWidget* list : visibleControls<QListWidget>(*s))
                movable << static_cast<QListWidget*>(list)->viewport();
            if ((target = pick(movable, a.target)))
                QTest::mouseMove(target, target->rect().center());
            break;
        }
        case Action::Close:
            if ((target = pick(visibleWindows(*s), a.target)))
                target->close();
            break;
        case Action::Enter:
            if (QWidget* dialog = s->dialog(); dialog && dialog->isVisible()) {
                Session::control<QLineEdit>(dialog, "Text1")
                    ->setText(Figures[static_cast<qsizetype>(a.param % Figures.size())]);
                QTest::mouseClick(Session::control<QWidget>(dialog, "OKButton"), Qt::LeftButton);
            }
            break;
        case Action::Tick: {
            // Time passes until the armed timers have ticked.
            const auto& timer = s->app.frmTimer();
            static_cast<void>(QTest::qWaitFor(
                [&] { return !timer.isLoaded() || (!timer.isInputArmed() && !timer.isPfImproveArmed()); }, 500));
            break;
        }
        }
        QCoreApplication::processEvents();
    }

    // What is wrong with the program now, if anything.
    std::optional<QString> check()
    {
        for (const QString& text : s->messages.texts)
            if (!Messages.contains(text))
                return "a failure escaped a handler: " + text;
        if (!s->ended.isEmpty() && s->ended.first().first().toInt() != 0)
            return QStringLiteral("the program ended with a failure");

        const QStringList forms = s->openForms();
        for (const QString& form : forms)
            if (forms.count(form) > 1)
                return form + " is loaded twice";
        if (!forms.isEmpty() && visibleWindows(*s).isEmpty() && !s->app.frmTimer().isInputArmed())
            return "forms are loaded but no window is visible: " + forms.join(", ");

        const auto& pf = s->app.calculation;
        if (pf.intKwh < 0 || pf.intHours < 0)
            return QStringLiteral("a negative active energy or hours was stored");
        if (pf.intTargetPf != lastTarget_) {
            if (pf.intTargetPf < pf.intPf || pf.intTargetPf > 100)
                return QStringLiteral("target %1 stored against the power factor %2").arg(pf.intTargetPf).arg(pf.intPf);
            lastTarget_ = pf.intTargetPf;
        }

        for (QWidget* window : visibleWindows(*s)) {
            QStringList shown{window->windowTitle()};
            for (auto* label : window->findChildren<QLabel*>())
                shown << label->text();
            for (auto* box : window->findChildren<QLineEdit*>())
                shown << box->text();
            for (auto* frame : window->findChildren<QGroupBox*>())
                shown << frame->title();
            for (auto* list : window->findChildren<QListWidget*>())
                for (int i = 0; i < list->count(); ++i)
                    shown << list->item(i)->text();
            for (const QString& text : shown)
                if (text.contains(QLatin1String("inf"), Qt::CaseInsensitive)
                    || text.contains(QLatin1String("nan"), Qt::CaseInsensitive))
                    return window->objectName() + " shows " + text;
        }
        return std::nullopt;
    }

    // How often each screen was in front after an action, to show how deep the run went.
    void count()
    {
        seen_[0] += s->dialog() && s->dialog()->isVisible();
        seen_[1] += s->pfScreen() && s->pfScreen()->isVisible();
        seen_[2] += s->scScreen() && s->scScreen()->isVisible();
    }
    QString coverage() const
    {
        return QStringLiteral(
            "after %1 actions the input dialog, %2 the power-factor screen, %3 the sizing screen was shown; %4 runs")
            .arg(seen_[0])
            .arg(seen_[1])
            .arg(seen_[2])
            .arg(runs_);
    }

    // Starts the program again once it has ended.
    void restartIfEnded()
    {
        if (s->ended.isEmpty())
            return;
        s.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        s = std::make_unique<Session>();
        lastTarget_ = 0;
        ++runs_;
    }

    ~Run()
    {
        s.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private:
    std::unique_ptr<Session> s = std::make_unique<Session>();
    double lastTarget_ = 0;
    std::array<int, 3> seen_{};
    int runs_ = 1;
};

struct Failure {
    std::size_t at; // index of the action after which the check failed
    QString what;
};

std::optional<Failure> play(const std::vector<Action>& actions, QString* coverage = nullptr)
{
    Run run;
    for (std::size_t i = 0; i < actions.size(); ++i) {
        run.perform(actions[i]);
        if (auto problem = run.check())
            return Failure{i, *problem};
        run.count();
        run.restartIfEnded();
    }
    if (coverage)
        *coverage = run.coverage();
    return std::nullopt;
}

// Removes what the failure does not need: chunks first, then single actions.
std::vector<Action> shrink(std::vector<Action> actions, int budget)
{
    for (std::size_t chunk = actions.size() / 2; chunk >= 1 && budget > 0; chunk /= 2) {
        for (std::size_t start = 0; start < actions.size() && budget > 0;) {
            std::vector<Action> fewer(actions.begin(), actions.begin() + static_cast<std::ptrdiff_t>(start));
            fewer.insert(fewer.end(),
                actions.begin() + static_cast<std::ptrdiff_t>(std::min(start + chunk, actions.size())), actions.end());
            --budget;
            if (const auto failure = play(fewer)) {
                fewer.resize(failure->at + 1);
                actions = fewer;
            } else {
                start += chunk;
            }
        }
        if (chunk == 1)
            break;
    }
    return actions;
}

unsigned environmentNumber(const char* name, unsigned fallback)
{
    bool ok = false;
    const unsigned value = qEnvironmentVariable(name).toUInt(&ok);
    return ok ? value : fallback;
}

} // namespace

class TestRandomUse : public QObject {
    Q_OBJECT

private slots:
    void thousandsOfRandomActions();
};

void TestRandomUse::thousandsOfRandomActions()
{
    const unsigned seed = environmentNumber("KANDELO_SEED", 20261209);
    const unsigned count = environmentNumber("KANDELO_ACTIONS", 2500);
    qInfo("random use: seed %u, %u actions (KANDELO_SEED and KANDELO_ACTIONS repeat or vary the run)", seed, count);

    std::mt19937 random(seed);
    const Action::Kind weighted[] = {Action::Key, Action::Key, Action::Key, Action::Key, Action::Paste, Action::Paste,
        Action::Paste, Action::Click, Action::Click, Action::Click, Action::Click, Action::Move, Action::Move,
        Action::Tick, Action::Close, Action::Enter, Action::Enter};
    std::vector<Action> actions(count);
    for (Action& a : actions) {
        a.kind = weighted[random() % std::size(weighted)];
        if (a.kind == Action::Close && random() % 8 != 0)
            a.kind = Action::Tick; // closing ends most runs; keep it rarer than the rest
        a.target = static_cast<unsigned>(random());
        a.param = static_cast<unsigned>(random());
    }

    QString coverage;
    const auto failure = play(actions, &coverage);
    if (!failure) {
        qInfo("%s", qPrintable(coverage));
        return;
    }
    actions.resize(failure->at + 1);
    const auto shortest = shrink(actions, 300);
    QString listing;
    for (std::size_t i = 0; i < shortest.size(); ++i)
        listing += QStringLiteral("\n  %1. %2 target %3 param %4")
                       .arg(i + 1)
                       .arg(QLatin1String(kindName(shortest[i].kind)))
                       .arg(shortest[i].target)
                       .arg(shortest[i].param);
    const auto again = play(shortest);
    QFAIL(qPrintable(QStringLiteral("seed %1: %2\nshortest failing action list (%3 actions):%4")
                         .arg(seed)
                         .arg(again ? again->what : failure->what)
                         .arg(shortest.size())
                         .arg(listing)));
}

QTEST_MAIN(TestRandomUse)
#include "test_random_use.moc"
