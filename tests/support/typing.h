#pragma once

#include <QLineEdit>
#include <QtTest>

// Types into a box as a user does, any character (QTest::keyClicks takes
// only ASCII): each one a key press of its own, after the box was clicked.
inline void typeInto(QLineEdit* box, const QString& typed)
{
    QTest::mouseClick(box, Qt::LeftButton);
    for (const QChar c : typed)
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
}
