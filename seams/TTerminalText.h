#pragma once

#include <QString>

// Text from a file or a controller may hold control characters: an ESC sequence printed raw
// clears, retitles or reprograms the terminal, a carriage return or a bidirectional override
// hides what is shown. Everything printed to a terminal passes through here.
class TTerminalText {
public:
    // Control characters (C0 except line feed and tab, DEL, C1) as \xHH, line and paragraph
    // separators and bidirectional controls as \uHHHH; everything else unchanged. Escaped text
    // holds none of them, so escaping twice changes nothing.
    static QString Escaped(const QString& text);
    // JSON text (UTF-8) with the characters above that JSON leaves as they are (DEL, C1, the
    // separators and bidirectional controls) written as \uHHHH: the values read back unchanged.
    static QByteArray EscapedJson(const QByteArray& json);
};
