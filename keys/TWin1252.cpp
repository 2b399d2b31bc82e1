#include "keys/TWin1252.h"

namespace {
// 0x80..0x9F; the unassigned 0x81, 0x8D, 0x8F, 0x90, 0x9D keep their C1 code points.
const char16_t high[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                           0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                           0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                           0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int encode(char16_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < 32; ++i)
        if (high[i] == u)
            return 0x80 + i;
    return -1;
}

int upperByte(int b) {
    if ((b >= 'a' && b <= 'z') || (b >= 0xE0 && b <= 0xFE && b != 0xF7))
        return b - 32;
    switch (b) {
    case 0x9A:
        return 0x8A;
    case 0x9C:
        return 0x8C;
    case 0x9E:
        return 0x8E;
    case 0xFF:
        return 0x9F;
    default:
        return b;
    }
}

QChar decode(int b) {
    return QChar(b >= 0x80 && b < 0xA0 ? high[b - 0x80] : char16_t(b));
}
} // namespace

QString TWin1252::toUnicode(const char* bytes, int size) {
    QString out(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i) {
        const unsigned char b = static_cast<unsigned char>(bytes[i]);
        out[i] = decode(b);
    }
    return out;
}

QByteArray TWin1252::fromUnicode(const QString& text) {
    QByteArray out(text.size(), Qt::Uninitialized);
    for (int i = 0; i < text.size(); ++i) {
        const int b = encode(text[i].unicode());
        out[i] = char(b < 0 ? '?' : b);
    }
    return out;
}

bool TWin1252::canEncode(QChar c) {
    return encode(c.unicode()) >= 0;
}

QString TWin1252::upper(const QString& text) {
    QString out = text;
    for (QChar& c : out) {
        const int b = encode(c.unicode());
        if (b >= 0)
            c = decode(upperByte(b));
    }
    return out;
}
