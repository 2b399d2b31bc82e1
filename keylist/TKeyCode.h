#pragma once

#include <QByteArray>
#include <QString>

// A touch key's code in every form people write it. The key's 64-bit number is a family byte
// (0x01 for the keys the controller takes), six serial bytes and a CRC-8 over the first seven,
// sent over the wire family first. The key list's code is the six serial bytes in wire order;
// the can is engraved the other way round: CRC, the six bytes most significant first, family.
class TKeyCode {
public:
    static constexpr quint8 TouchKeyFamily = 0x01;
    static constexpr int CodeDigits = 12;

    enum class TForm {
        Code,          // the 12 digits of the key list
        FamilyAndCode, // "01.2BC5FB000000", as 1-Wire tools print it
        WireOrder,     // 16 digits, family first
        EngravedOrder  // 16 digits, CRC first
    };

    struct TReading {
        bool ok = false;
        QString code; // 12 upper-case hexadecimal digits in wire order
        TForm form = TForm::Code;
        bool crcChecked = false; // the text carried a CRC and it matched
        QString error;           // why the text was refused
    };

    // Dallas/Maxim CRC-8: x^8 + x^5 + x^4 + 1, least significant bit first, starting at 0.
    static quint8 Crc8(const QByteArray& bytes);
    // Any written form, with or without spaces, dots, dashes or colons between the digits.
    static TReading Read(const QString& text);
    // Exactly 12 hexadecimal digits.
    static bool IsCode(const QString& text);
    // "66 000000FBC52B 01" for the code "2BC5FB000000"; empty when text is not a code.
    static QString Engraved(const QString& code);

private:
    static TReading readNumber(const QByteArray& written, const QString& text);
    static QString describeOrder(const QByteArray& wire);
};
