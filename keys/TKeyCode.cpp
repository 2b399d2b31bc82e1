#include "keys/TKeyCode.h"
#include "keys/TKeyText.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

bool isSeparator(QChar c) {
    static const QString separators = QStringLiteral(" .-:,;\t\r\n{}");
    return separators.contains(c);
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

TKeyCode::TReading read(const QString& code, TKeyCode::TForm form, bool crcChecked = false) {
    TKeyCode::TReading reading;
    reading.ok = true;
    reading.code = code;
    reading.form = form;
    reading.crcChecked = crcChecked;
    return reading;
}

// The wrappers people paste around the digits: "ROM = ...", owfs paths, C's 0x prefixes.
QString unwrapped(QString text) {
    static const QRegularExpression rom(QStringLiteral("^rom\\s*[=:]?\\s*"),
                                        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression hexPrefix(QStringLiteral("\\b0x"),
                                              QRegularExpression::CaseInsensitiveOption);
    text.remove(rom);
    text.remove(hexPrefix);
    // An owfs path names the device last ("/bus.0/01.D823C4C70000/").
    const QStringList path = text.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    return path.isEmpty() ? QString() : path.last().trimmed();
}

bool allOf(const QString& digits, QChar c) {
    return std::all_of(digits.begin(), digits.end(), [c](QChar d) { return d == c; });
}

// What a 1-Wire line reads when it is shorted (zeros) or when no key answers (ones).
bool noKeysCode(const QString& digits) {
    return allOf(digits, QLatin1Char('0')) || allOf(digits, QLatin1Char('F'));
}

QString noKeyReason(const QString& shown) {
    return TKeyCode::tr("\"%1\" is no key's code: all zeros or all FF is what a 1-Wire line reads when it is "
                        "shorted or no key touches it")
        .arg(shown);
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

TKeyCode::TReading TKeyCode::Read(const QString& input, TSource source) {
    const QString text = unwrapped(TKeyText::Folded(input));
    const QString shown = TKeyText::Shown(input.trimmed());
    if (text.isEmpty())
        return refused(TKeyCode::tr("There is no key code"));
    QStringList groups(QString{});
    QString separators;
    for (char32_t c : text.toUcs4()) {
        const QChar q = c <= 0xFFFF ? QChar(char16_t(c)) : QChar();
        if (isHexDigit(q)) {
            groups.last() += q.toUpper();
        } else if (isSeparator(q) && !q.isNull()) {
            if (!groups.last().isEmpty()) {
                groups << QString();
                separators += q;
            }
        } else {
            return refused(TKeyCode::tr("\"%1\" is not a key code: \"%2\" cannot appear in one; only "
                                        "hexadecimal digits, blanks, dots, dashes, colons and commas can")
                               .arg(shown, TKeyText::Named(c)));
        }
    }
    if (groups.last().isEmpty())
        groups.removeLast();
    return readDigits(groups, separators, shown, source);
}

// Groups of one digit betray a byte dump printed without leading zeros: then every group is a
// byte. Otherwise the digits count, and where they stand tells the forms with 14 digits apart.
TKeyCode::TReading TKeyCode::readDigits(const QStringList& groups, const QString& separators,
                                        const QString& shown, TSource source) {
    const bool byteDump =
        std::any_of(groups.begin(), groups.end(), [](const QString& g) { return g.size() == 1; });
    QString digits;
    for (const QString& group : groups) {
        if (byteDump && group.size() > 2)
            return refused(TKeyCode::tr("\"%1\" is not a key code: it is written as bytes, and \"%2\" is "
                                        "longer than the two digits of a byte")
                               .arg(shown, TKeyText::Shown(group)));
        digits += byteDump ? group.rightJustified(2, QLatin1Char('0')) : group;
    }
    if (noKeysCode(digits))
        return refused(noKeyReason(shown));
    TReading reading = readShaped(digits, groups, separators, shown);
    if (reading.ok && noKeysCode(reading.code))
        return refused(noKeyReason(shown));
    if (reading.ok && reading.form == TForm::Code && source == TSource::Typed && IsAmbiguous(reading.code)) {
        reading.ok = false;
        reading.ambiguous = true;
        reading.other = Reversed(reading.code);
        reading.error =
            TKeyCode::tr("\"%1\" reads two ways: as a code in wire order it is %2, as the middle digits of "
                         "the engraving it is %3; no real key starts with its zero bytes in wire order, so "
                         "write the engraving with its CRC (\"%4\") or the family and code (\"01.%2\") to "
                         "say which is meant")
                .arg(shown, reading.code, reading.other, Engraved(reading.other));
    }
    return reading;
}

TKeyCode::TReading TKeyCode::readShaped(const QString& digits, const QStringList& groups,
                                        const QString& separators, const QString& shown) {
    if (groups.size() == 2 && separators == QLatin1String("-") && groups[0].size() == 2 &&
        groups[1].size() == 12) {
        if (groups[0] != QLatin1String("01"))
            return refused(
                TKeyCode::tr("\"%1\" is not a touch key: its family is %2, not 01").arg(shown, groups[0]));
        return read(Reversed(groups[1]), TForm::KernelName);
    }
    if (digits.size() == CodeDigits)
        return read(digits, TForm::Code);
    if (digits.size() == 14)
        return readFourteen(digits, groups, shown);
    if (digits.size() == 16)
        return readNumber(QByteArray::fromHex(digits.toLatin1()), shown);
    return refused(TKeyCode::tr("\"%1\" is not a key code: it has %2 hexadecimal digits, a key code has 12 "
                                "and a key number 16")
                       .arg(shown)
                       .arg(digits.size()));
}

bool TKeyCode::IsAmbiguous(const QString& code) {
    return IsCode(code) && code.startsWith(QLatin1String("0000")) && !code.endsWith(QLatin1String("00"));
}

// The family and the code ("01.2BC5FB000000"), or the engraving without its CRC ("000000FBC52B 01").
TKeyCode::TReading TKeyCode::readFourteen(const QString& digits, const QStringList& groups,
                                          const QString& shown) {
    const bool familyFirst = digits.startsWith(QLatin1String("01"));
    const bool familyLast = digits.endsWith(QLatin1String("01"));
    const bool engravedShape = groups.size() == 2 && groups[0].size() == 12;
    const bool familyShape = groups.size() == 2 && groups[0].size() == 2;
    if (familyFirst && familyLast && groups.size() == 1)
        return refused(TKeyCode::tr("\"%1\" is not a key code: its 14 digits start and end with the family "
                                    "01, so they may be family first or as engraved; add the CRC or a "
                                    "blank after the family")
                           .arg(shown));
    if (familyLast && (engravedShape || (!familyFirst && !familyShape)))
        return read(Reversed(digits.left(12)), TForm::EngravedWithoutCrc);
    if (familyFirst && !engravedShape)
        return read(digits.mid(2), TForm::FamilyAndCode);
    return refused(
        TKeyCode::tr("\"%1\" is not a key code: 14 digits must start with the family 01 of a touch "
                     "key, or end with it as engraved, not %2 and %3")
            .arg(shown, digits.left(2), digits.right(2)));
}

// The family byte and the CRC decide whether the number was written family first or as engraved.
TKeyCode::TReading TKeyCode::readNumber(const QByteArray& written, const QString& shown) {
    const QByteArray engraved = reversed(written);
    const bool wireOk = checks(written);
    const bool engravedOk = checks(engraved);
    const QString wireCode = hex(written.mid(1, 6));
    const QString engravedCode = hex(engraved.mid(1, 6));
    if (wireOk && engravedOk && wireCode != engravedCode)
        return refused(TKeyCode::tr("The key number %1 checks both family first and as engraved, giving "
                                    "two different codes (%2 and %3); enter the 12-digit code instead")
                           .arg(shown, wireCode, engravedCode));
    if (!wireOk && !engravedOk)
        return refused(TKeyCode::tr("The key number %1 fails its check in both byte orders: read family "
                                    "first, %2; read as engraved, %3")
                           .arg(shown, describeOrder(written), describeOrder(engraved)));
    return wireOk ? read(wireCode, TForm::WireOrder, true) : read(engravedCode, TForm::EngravedOrder, true);
}

QString TKeyCode::describeOrder(const QByteArray& wire) {
    QStringList faults;
    if (quint8(wire[0]) != TouchKeyFamily)
        faults << TKeyCode::tr("the family is %1, not 01").arg(hexByte(quint8(wire[0])));
    const quint8 crc = Crc8(wire.left(7));
    if (crc != quint8(wire[7]))
        faults << TKeyCode::tr("the CRC is %1 where %2 was expected")
                      .arg(hexByte(quint8(wire[7])), hexByte(crc));
    return faults.join(TKeyCode::tr(" and "));
}

QString TKeyCode::Reversed(const QString& code) {
    return hex(reversed(QByteArray::fromHex(code.toLatin1())));
}

QString TKeyCode::Engraved(const QString& code) {
    if (!IsCode(code))
        return QString();
    const QByteArray serial = QByteArray::fromHex(code.toLatin1());
    const QByteArray wire = QByteArray(1, char(TouchKeyFamily)) + serial;
    return QStringLiteral("%1 %2 %3")
        .arg(hexByte(Crc8(wire)), hex(reversed(serial)), hexByte(TouchKeyFamily));
}
