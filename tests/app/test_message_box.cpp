#include "app/app.h"
#include "app/message_box.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

using namespace kandelo::app;

class TestMessageBox : public QObject {
    Q_OBJECT

private slots:
    void blocksItsHandlerUntilClosed();
};

void TestMessageBox::blocksItsHandlerUntilClosed()
{
    ModalMessageBox messageBox;
    App app(messageBox);
    QSignalSpy ended(&app, &App::ended);

    bool handlerReturned = false;
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        seen = true;
        QCOMPARE(box->windowTitle(), QStringLiteral("KandeloVer1.2"));
        QCOMPARE(box->text(), QStringLiteral("エラー　終了します"));
        QCOMPARE(box->icon(), QMessageBox::NoIcon);
        QCOMPARE(box->buttons().size(), 1);
        QCOMPARE(box->standardButtons(), QMessageBox::Ok);
        QVERIFY(box->isModal());
        QVERIFY(!handlerReturned);
        QCOMPARE(ended.count(), 0); // the box's own event loop does not end the program
        box->button(QMessageBox::Ok)->click();
    });

    app.run([&] {
        messageBox.show(QStringLiteral("エラー　終了します"));
        handlerReturned = true;
    });

    QVERIFY(seen);
    QVERIFY(handlerReturned);
    // No form was loaded, so the program ends once the handler has returned.
    QCOMPARE(ended.count(), 1);
}

QTEST_MAIN(TestMessageBox)
#include "test_message_box.moc"
