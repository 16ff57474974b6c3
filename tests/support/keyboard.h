#pragma once

#include <QString>
#include <QTest>
#include <QWidget>

// Types text into a widget one key at a time, as a Thai keyboard or a scanner does
// (QTest::keyClicks only knows Latin letters).
inline void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}
