#pragma once

#include "keys/TKeyTable.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

// A touch key's code in every form people write it. The key's 64-bit number is a family byte
// (0x01 for the keys the controller takes), six serial bytes and a CRC-8 over the first seven,
// sent over the wire family first. The key list's code is the six serial bytes in wire order;
// the can is engraved the other way round: CRC, the six bytes most significant first, family.
class TKeyCode {
    Q_DECLARE_TR_FUNCTIONS(TKeyCode)

public:
    static constexpr quint8 TouchKeyFamily = 0x01;
    static constexpr int CodeDigits = TKeyTable::KeyCodeLength;

    enum class TForm {
        Code,              // the 12 digits of the key list
        FamilyAndCode,     // "01.2BC5FB000000", as owfs and most 1-Wire tools print it
        KernelName,        // "01-000000fbc52b": Linux's w1 device, the serial most significant first
        WireOrder,         // 16 digits, family first
        EngravedOrder,     // 16 digits, CRC first
        EngravedWithoutCrc // "000000FBC52B 01": the engraving without its CRC
    };

    // Where the text comes from. A bare 12-digit code that starts with zero bytes is more likely
    // the engraving's middle digits than a code in wire order: typed text gives no way to tell, a
    // code that comes with its context (the program's own export, a key list, a reader) does.
    enum class TSource { Typed, Given };

    struct TReading {
        bool ok = false;
        QString code; // 12 upper-case hexadecimal digits in wire order
        TForm form = TForm::Code;
        bool crcChecked = false; // the text carried a CRC and it matched
        QString error;           // why the text was refused
        // A typed bare code that reads both ways: ok is false, code holds it as written (wire
        // order) and other as the engraving's middle digits.
        bool ambiguous = false;
        QString other;
    };

    // Dallas/Maxim CRC-8: x^8 + x^5 + x^4 + 1, least significant bit first, starting at 0.
    static quint8 Crc8(const QByteArray& bytes);
    // Any written form: digits with or without blanks, dots, dashes, colons or line breaks between
    // them, byte dumps without leading zeros, C arrays, "ROM = ..." lines, owfs paths.
    static TReading Read(const QString& text, TSource source = TSource::Typed);
    // Exactly 12 hexadecimal digits.
    static bool IsCode(const QString& text);
    // "66 000000FBC52B 01" for the code "2BC5FB000000"; empty when text is not a code.
    static QString Engraved(const QString& code);
    // A bare code that starts with zero bytes and does not end with one: typed, it is more likely
    // the engraving's middle digits than a code in wire order.
    static bool IsAmbiguous(const QString& code);
    // The code read the other way round: the engraving's middle digits as a code.
    static QString Reversed(const QString& code);

private:
    static TReading readDigits(const QStringList& groups, const QString& separators, const QString& shown,
                               TSource source);
    static TReading readShaped(const QString& digits, const QStringList& groups, const QString& separators,
                               const QString& shown);
    static TReading readFourteen(const QString& digits, const QStringList& groups, const QString& shown);
    static TReading readNumber(const QByteArray& written, const QString& shown);
    static QString describeOrder(const QByteArray& wire);
};
