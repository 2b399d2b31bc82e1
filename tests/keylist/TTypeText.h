#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QString>
#include <QWidget>

// Types text into a widget one key press at a time; unlike QTest::keyClicks it also carries
// characters outside Latin-1.
inline void typeText(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}
