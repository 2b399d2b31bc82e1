#include "keylist/TKeyCode.h"

#include <QStringList>

#include <algorithm>

namespace {

bool isSeparator(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('.') || c == QLatin1Char('-') || c == QLatin1Char(':') ||
           c == QLatin1Char('\t');
}

bool isHexDigit(QChar c) {
    const char16_t u = c.unicode();
    return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'F') || (u >= 'a' && u <= 'f');
}

QString hex(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex()).toUpper();
}

QString hexByte(quint8 byte) {
    return hex(QByteArray(1, char(byte)));
}

QByteArray reversed(QByteArray bytes) {
    std::reverse(bytes.begin(), bytes.end());
    return bytes;
}

// A family byte and six serial bytes followed by their CRC.
bool checks(const QByteArray& wire) {
    return quint8(wire[0]) == TKeyCode::TouchKeyFamily && TKeyCode::Crc8(wire.left(7)) == quint8(wire[7]);
}

TKeyCode::TReading refused(const QString& error) {
    TKeyCode::TReading reading;
    reading.error = error;
    return reading;
}

} // namespace

quint8 TKeyCode::Crc8(const QByteArray& bytes) {
    quint8 crc = 0;
    for (char byte : bytes) {
        quint8 b = quint8(byte);
        for (int bit = 0; bit < 8; ++bit) {
            const bool mix = (crc ^ b) & 0x01;
            crc >>= 1;
            if (mix)
                crc ^= 0x8C; // the polynomial's bits 8, 5 and 4, reflected
            b >>= 1;
        }
    }
    return crc;
}

bool TKeyCode::IsCode(const QString& text) {
    return text.size() == CodeDigits && std::all_of(text.begin(), text.end(), isHexDigit);
}

TKeyCode::TReading TKeyCode::Read(const QString& input) {
    const QString text = input.trimmed();
    if (text.isEmpty())
        return refused(QStringLiteral("There is no key code"));
    QString digits;
    for (QChar c : text) {
        if (isHexDigit(c))
            digits += c.toUpper();
        else if (!isSeparator(c))
            return refused(QStringLiteral("\"%1\" is not a key code: only hexadecimal digits, spaces, dots, "
                                          "dashes and colons may appear in one")
                               .arg(text));
    }
    const QByteArray written = QByteArray::fromHex(digits.toLatin1());
    if (digits.size() == CodeDigits) {
        TReading reading;
        reading.ok = true;
        reading.code = digits;
        return reading;
    }
    if (digits.size() == 14) {
        if (quint8(written[0]) != TouchKeyFamily)
            return refused(QStringLiteral("\"%1\" is not a key code: 14 digits must start with the family "
                                          "01 of a touch key, not %2")
                               .arg(text, hexByte(quint8(written[0]))));
        TReading reading;
        reading.ok = true;
        reading.code = digits.mid(2);
        reading.form = TForm::FamilyAndCode;
        return reading;
    }
    if (digits.size() == 16)
        return readNumber(written, text);
    return refused(QStringLiteral("\"%1\" is not a key code: it has %2 hexadecimal digits, a key code has 12 "
                                  "and a key number 16")
                       .arg(text)
                       .arg(digits.size()));
}

// The family byte and the CRC decide whether the number was written family first or as engraved.
TKeyCode::TReading TKeyCode::readNumber(const QByteArray& written, const QString& text) {
    const QByteArray engraved = reversed(written);
    const bool wireOk = checks(written);
    const bool engravedOk = checks(engraved);
    const QString wireCode = hex(written.mid(1, 6));
    const QString engravedCode = hex(engraved.mid(1, 6));
    if (wireOk && engravedOk && wireCode != engravedCode)
        return refused(QStringLiteral("The key number %1 checks both family first and as engraved, giving "
                                      "two different codes (%2 and %3); enter the 12-digit code instead")
                           .arg(text, wireCode, engravedCode));
    if (!wireOk && !engravedOk)
        return refused(QStringLiteral("The key number %1 fails its check in both byte orders: read family "
                                      "first, %2; read as engraved, %3")
                           .arg(text, describeOrder(written), describeOrder(engraved)));
    TReading reading;
    reading.ok = true;
    reading.crcChecked = true;
    reading.form = wireOk ? TForm::WireOrder : TForm::EngravedOrder;
    reading.code = wireOk ? wireCode : engravedCode;
    return reading;
}

QString TKeyCode::describeOrder(const QByteArray& wire) {
    QStringList faults;
    if (quint8(wire[0]) != TouchKeyFamily)
        faults << QStringLiteral("the family is %1, not 01").arg(hexByte(quint8(wire[0])));
    const quint8 crc = Crc8(wire.left(7));
    if (crc != quint8(wire[7]))
        faults << QStringLiteral("the CRC is %1 where %2 was expected")
                      .arg(hexByte(quint8(wire[7])), hexByte(crc));
    return faults.join(QStringLiteral(" and "));
}

QString TKeyCode::Engraved(const QString& code) {
    if (!IsCode(code))
        return QString();
    const QByteArray serial = QByteArray::fromHex(code.toLatin1());
    const QByteArray wire = QByteArray(1, char(TouchKeyFamily)) + serial;
    return QStringLiteral("%1 %2 %3")
        .arg(hexByte(Crc8(wire)), hex(reversed(serial)), hexByte(TouchKeyFamily));
}
