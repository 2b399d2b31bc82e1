#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>

// Key notes and the information text are single bytes on the wire and in the file. Windows-1252
// with the five unassigned bytes (0x81, 0x8D, 0x8F, 0x90, 0x9D) taken as the C1 controls of the
// same number gives every byte a character of its own, so whatever a controller or a file holds
// is written back unchanged.
class TWin1252 {
public:
    static QString toUnicode(const QByteArray& bytes);
    static QString toUnicode(const char* bytes, int size) { return toUnicode(QByteArray(bytes, size)); }
    // Characters the code page cannot hold become '?'; callers that must not lose text check
    // canEncode first.
    static QByteArray fromUnicode(const QString& text);
    static bool canEncode(QChar c);
    static bool canEncode(const QString& text);
    // The text without the characters the code page cannot hold.
    static QString encodable(const QString& text);
};
