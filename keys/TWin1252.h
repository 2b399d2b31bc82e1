#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>

// Windows-1252 with a byte-exact round trip: the five unassigned bytes map to the C1 control
// code points of the same value, so every byte read from a file is written back unchanged.
class TWin1252 {
public:
    static QString toUnicode(const char* bytes, int size);
    static QString toUnicode(const QByteArray& bytes) { return toUnicode(bytes.constData(), bytes.size()); }
    // A character the code page cannot hold becomes "?".
    static QByteArray fromUnicode(const QString& text);
    static bool canEncode(QChar c);
    // Upper case as the table engine's UPPER() makes it, byte for byte within the code page (ß, µ
    // and ƒ stay as they are), so that a search text matches what the engine compares it with.
    static QString upper(const QString& text);
};
