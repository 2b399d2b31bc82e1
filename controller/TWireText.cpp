#include "TWireText.h"

namespace {
// 0x80..0x9F; the unassigned 0x81, 0x8D, 0x8F, 0x90, 0x9D keep their C1 code points.
const char16_t HighControls[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                   0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                   0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                   0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
} // namespace

QChar TWireText::charOf(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F)
        return QChar(HighControls[byte - 0x80]);
    return QChar(static_cast<char16_t>(byte));
}

bool TWireText::byteOf(QChar character, unsigned char& byte) {
    const char16_t code = character.unicode();
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
        byte = static_cast<unsigned char>(code);
        return true;
    }
    for (int i = 0; i < 32; ++i) {
        if (HighControls[i] == code) {
            byte = static_cast<unsigned char>(0x80 + i);
            return true;
        }
    }
    return false;
}

QString TWireText::fromBytes(const unsigned char* bytes, int count) {
    QString text;
    text.reserve(count);
    for (int i = 0; i < count; ++i)
        text.append(charOf(bytes[i]));
    return text;
}

QByteArray TWireText::toBytes(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar c : text) {
        unsigned char b = '?';
        byteOf(c, b);
        bytes.append(static_cast<char>(b));
    }
    return bytes;
}
