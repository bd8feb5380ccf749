#include "support/session.h"
#include "support/texts.h"

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QListWidget>
#include <QRadioButton>
#include <QtTest>

namespace {

using namespace texts;

// Walks the accessibility tree of a window: every visible control that shows a
// value or takes input, by object name, and those of them without a name.
struct Tree {
    QStringList controls;
    QStringList unnamed;
};

void walk(QAccessibleInterface* node, Tree& tree)
{
    if (!node || node->state().invisible)
        return;
    static const QList<QAccessible::Role> roles{QAccessible::EditableText, QAccessible::StaticText, QAccessible::List,
        QAccessible::RadioButton, QAccessible::CheckBox, QAccessible::PushButton, QAccessible::Graphic};
    auto* widget = qobject_cast<QWidget*>(node->object());
    if (widget && roles.contains(node->role())) {
        tree.controls << widget->objectName();
        if (node->text(QAccessible::Name).trimmed().isEmpty())
            tree.unnamed << widget->objectName();
    }
    for (int i = 0; i < node->childCount(); ++i)
        walk(node->child(i), tree);
}

Tree treeOf(QWidget* window)
{
    Tree tree;
    walk(QAccessible::queryAccessibleInterface(window), tree);
    return tree;
}

void checkNamed(QWidget* window, const QStringList& mustHave)
{
    const Tree tree = treeOf(window);
    QCOMPARE(tree.unnamed, QStringList());
    for (const QString& name : mustHave)
        QVERIFY2(tree.controls.contains(name), qPrintable(name + " not in the accessibility tree"));
}

// Presses a key where the keyboard focus is.
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* focus = QApplication::focusWidget();
    QVERIFY2(focus, "nothing has the keyboard focus");
    QTest::keyClick(focus, key, modifiers);
}

void type(const QString& text)
{
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus);
    QTest::keyClicks(focus, text);
}

QString focusName()
{
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void everyScreenNamesItsControls();
    void keyboardAloneFromFirstPromptToSizingAndBack();
};

void TestAccessibility::cleanup()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestAccessibility::everyScreenNamesItsControls()
{
    Session s;
    checkNamed(s.dialog(), {"Text1", "OKButton", "CancelButton", "Label1"});
    if (QTest::currentTestFailed())
        return;
    QVERIFY(s.enter("1000", texts::KvarhPrompt));
    checkNamed(s.dialog(), {"Text1", "txtPf", "Label2"});
    if (QTest::currentTestFailed())
        return;
    QVERIFY(s.enter("484.3"));
    checkNamed(s.pfScreen(), {"lblKwh", "lblKvarh", "lblPf", "lblPhase", "Option1", "Command1", "Command2", "dial"});
    if (QTest::currentTestFailed())
        return;

    QTest::mouseClick(Session::control<QWidget>(s.pfScreen(), "Option1"), Qt::LeftButton);
    QTest::mouseClick(Session::control<QWidget>(s.pfScreen(), "cmdImprove"), Qt::LeftButton);
    checkNamed(s.dialog(), {"Text1", "Label3"});
    if (QTest::currentTestFailed())
        return;

    Session sizing;
    QVERIFY(sizing.reachSizing("100000", "48430", "392", "95"));
    checkNamed(sizing.scScreen(),
        {"lblHours", "lblKw", "lblLagKvar", "lblKVA", "txtScKvar", "txtScKvar2", "txtLKvar", "Option1", "Option2",
            "lblL", "lstbxScMf", "Text1", "lblPf", "lblCurrent", "lblBasic"});
}

void TestAccessibility::keyboardAloneFromFirstPromptToSizingAndBack()
{
    Session s;
    QTRY_COMPARE(focusName(), QStringLiteral("Text1"));
    type("100000");
    press(Qt::Key_Return);
    press(Qt::Key_Return);
    QTRY_VERIFY(s.showsPrompt(texts::KvarhPrompt));
    QTRY_COMPARE(focusName(), QStringLiteral("Text1"));
    type("48430");
    press(Qt::Key_Return);
    press(Qt::Key_Return);

    QTRY_VERIFY(s.pfScreen() && s.pfScreen()->isActiveWindow());
    QCOMPARE(focusName(), QStringLiteral("Command2"));
    press(Qt::Key_Tab);
    QCOMPARE(focusName(), QStringLiteral("Option1"));
    press(Qt::Key_Space);
    QCOMPARE(focusName(), QStringLiteral("cmdImprove"));
    press(Qt::Key_Return);

    QTRY_VERIFY(s.showsPrompt(texts::HoursPrompt) && s.dialog()->isActiveWindow());
    QTRY_COMPARE(focusName(), QStringLiteral("Text1"));
    type("392");
    press(Qt::Key_Return);
    press(Qt::Key_Return);
    QTRY_VERIFY(s.showsPrompt(texts::TargetPrompt) && s.dialog()->isActiveWindow());
    QTRY_COMPARE(focusName(), QStringLiteral("Text1"));
    type("95");
    press(Qt::Key_Return);
    press(Qt::Key_Return);

    QTRY_VERIFY(s.scScreen() && s.scScreen()->isActiveWindow());
    auto* frame2 = Session::control<QGroupBox>(s.scScreen(), "Frame2");
    QCOMPARE(focusName(), QStringLiteral("Option2"));
    press(Qt::Key_Down); // the arrow keys choose between the two connections
    QCOMPARE(focusName(), QStringLiteral("Option1"));
    QVERIFY(Session::control<QRadioButton>(s.scScreen(), "Option1")->isChecked());
    QCOMPARE(frame2->title(), QStringLiteral("静電容量　μF    (42.2kvar)"));

    // Back to the reactor label, which Space toggles.
    while (focusName() != QStringLiteral("lblL") && focusName() != QStringLiteral("Command1"))
        press(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(focusName(), QStringLiteral("lblL"));
    press(Qt::Key_Space);
    QCOMPARE(Session::control<QLabel>(s.scScreen(), "lblL")->text(), QStringLiteral("Ｌ＝１３％"));
    QCOMPARE(frame2->title(), QStringLiteral("静電容量　μF    (45.6kvar)"));

    // The typed voltage and the back button.
    while (focusName() != QStringLiteral("Text1"))
        press(Qt::Key_Tab);
    type("253");
    auto* list = s.scScreen()->findChildren<QListWidget*>(QStringLiteral("lstbxScMf")).first();
    QCOMPARE(list->item(5)->text(), list->item(1)->text());
    while (focusName() != QStringLiteral("Command2"))
        press(Qt::Key_Tab);
    press(Qt::Key_Space);
    QTRY_VERIFY(s.pfScreen() && s.pfScreen()->isActiveWindow());
    QCOMPARE(s.openForms(), QStringList{"frmPf"});
    QCOMPARE(focusName(), QStringLiteral("Command2"));
    QVERIFY(s.messages.texts.isEmpty());
}

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
