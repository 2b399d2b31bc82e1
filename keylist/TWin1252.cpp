#include "TWin1252.h"

#include <array>

namespace {

// 0x80..0x9F; the unassigned bytes keep their own number as a C1 control.
const std::array<char16_t, 32> HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QChar charOf(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0)
        return QChar(HighControls[byte - 0x80]);
    return QChar(byte);
}

// -1 when the code page has no byte for the character.
int byteOf(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (size_t i = 0; i < HighControls.size(); ++i) {
        if (HighControls[i] == u)
            return int(0x80 + i);
    }
    return -1;
}

} // namespace

QString TWin1252::toUnicode(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (char b : bytes)
        text.append(charOf(static_cast<unsigned char>(b)));
    return text;
}

QByteArray TWin1252::fromUnicode(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar c : text) {
        const int b = byteOf(c);
        bytes.append(b < 0 ? '?' : static_cast<char>(b));
    }
    return bytes;
}

bool TWin1252::canEncode(QChar c) {
    return byteOf(c) >= 0;
}

bool TWin1252::canEncode(const QString& text) {
    for (QChar c : text) {
        if (!canEncode(c))
            return false;
    }
    return true;
}

QString TWin1252::encodable(const QString& text) {
    QString kept;
    kept.reserve(text.size());
    for (QChar c : text) {
        if (canEncode(c))
            kept.append(c);
    }
    return kept;
}
