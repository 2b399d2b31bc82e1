#include "controller/TWireText.h"

#include "keys/TWin1252.h"

QChar TWireText::charOf(unsigned char byte) {
    return TWin1252::toUnicode(reinterpret_cast<const char*>(&byte), 1).at(0);
}

bool TWireText::byteOf(QChar character, unsigned char& byte) {
    if (!TWin1252::canEncode(character))
        return false;
    byte = static_cast<unsigned char>(TWin1252::fromUnicode(QString(character)).at(0));
    return true;
}

QString TWireText::fromBytes(const unsigned char* bytes, int count) {
    return TWin1252::toUnicode(reinterpret_cast<const char*>(bytes), count);
}

QByteArray TWireText::toBytes(const QString& text) {
    return TWin1252::fromUnicode(text);
}
