#include "program/version.h"
#include "forms/ui/form_runtime.h"
#include "forms/ui/message_box.h"
#include "support/texts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

using namespace kandelo::forms;

class TestMessageBox : public QObject {
    Q_OBJECT

private slots:
    void blocksItsHandlerUntilClosed();
};

void TestMessageBox::blocksItsHandlerUntilClosed()
{
    ModalMessageBox messageBox(QString::fromUtf8(kandelo::program::ApplicationTitle));
    FormRuntime runtime(messageBox);
    QSignalSpy ended(&runtime, &FormRuntime::ended);

    bool handlerReturned = false;
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        seen = true;
        QCOMPARE(box->windowTitle(), texts::Title);
        QCOMPARE(box->text(), texts::Failure);
        QCOMPARE(box->icon(), QMessageBox::NoIcon);
        QCOMPARE(box->buttons().size(), 1);
        QCOMPARE(box->standardButtons(), QMessageBox::Ok);
        QVERIFY(box->isModal());
        QVERIFY(!handlerReturned);
        QCOMPARE(ended.count(), 0); // the box's own event loop does not end the program
        box->button(QMessageBox::Ok)->click();
    });

    runtime.run([&] {
        messageBox.show(texts::Failure);
        handlerReturned = true;
    });

    QVERIFY(seen);
    QVERIFY(handlerReturned);
    // No form was loaded, so the program ends once the handler has returned.
    QCOMPARE(ended.count(), 1);
}

QTEST_MAIN(TestMessageBox)
#include "test_message_box.moc"
