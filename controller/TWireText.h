#pragma once

#include <QByteArray>
#include <QString>

// Single-byte text as the controller carries it: the key-list file's code page (TWin1252), with the five
// unassigned bytes mapped to the matching C1 control code points, so every byte read comes back
// unchanged when written.
class TWireText {
public:
    static QString fromBytes(const unsigned char* bytes, int count);
    // A character the code page cannot hold becomes "?".
    static QByteArray toBytes(const QString& text);
    static QChar charOf(unsigned char byte);
    static bool byteOf(QChar character, unsigned char& byte);
};
