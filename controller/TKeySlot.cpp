#include "controller/TKeySlot.h"
#include "keylist/TKeyListSchema.h"

#include "controller/TWireText.h"

#include <algorithm>
#include <cstring>

const QString TKeySlot::EmptyCode = QLatin1String(TKeyListSchema::EmptyCode);

namespace {
int hexValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}
} // namespace

bool TKeySlot::IsValidKeyCode(const QString& code) {
    if (code.size() != 2 * CodeBytes)
        return false;
    return std::all_of(code.begin(), code.end(), [](QChar c) { return hexValue(c) >= 0; });
}

bool KeyCodeToBytes(TFrame& frame, const QString& text) {
    if (text.size() != 2 * TKeySlot::CodeBytes)
        return false;
    for (int i = 0; i < TKeySlot::CodeBytes; ++i) {
        const int high = hexValue(text[2 * i]);
        const int low = hexValue(text[2 * i + 1]);
        if (high < 0 || low < 0)
            return false;
        frame[TKeySlot::OfsCode + i] = static_cast<unsigned char>(high * 16 + low);
    }
    return true;
}

bool MemoToBytes(TFrame& frame, const QString& text) {
    std::fill_n(frame.begin() + TKeySlot::OfsMemo, TKeySlot::MemoBytes, 0x00);
    const QByteArray bytes = TWireText::toBytes(text.left(TKeySlot::MemoBytes));
    std::memcpy(frame.data() + TKeySlot::OfsMemo, bytes.constData(), bytes.size());
    return true;
}

void EncodeSlot(TFrame& frame, int slot, const TKeySlot& key) {
    frame[TKeySlot::OfsKeyId] = static_cast<unsigned char>(slot & 0xFF);
    if (key.active) {
        frame[TKeySlot::OfsStatus] = TKeySlot::ActiveStatus;
        KeyCodeToBytes(frame, key.keyCode);
        MemoToBytes(frame, key.memo);
    } else {
        frame[TKeySlot::OfsStatus] = TKeySlot::EmptyStatus;
        std::fill_n(frame.begin() + TKeySlot::OfsCode, TKeySlot::CodeBytes + TKeySlot::MemoBytes, 0xFF);
    }
}

TKeySlot DecodeSlot(const TFrame& reply, int slot, const QString& keyType) {
    TKeySlot key;
    key.recId = slot + 1; // "#" as people count the slots
    key.keyId = slot;
    key.keyType = keyType;
    key.active = reply[TKeySlot::OfsStatus] == TKeySlot::ActiveStatus;
    if (!key.active) {
        key.keyCode = TKeySlot::EmptyCode;
        return key;
    }
    static const char Digits[] = "0123456789ABCDEF";
    for (int i = 0; i < TKeySlot::CodeBytes; ++i) {
        const unsigned char b = reply[TKeySlot::OfsCode + i];
        key.keyCode.append(QLatin1Char(Digits[b >> 4]));
        key.keyCode.append(QLatin1Char(Digits[b & 0x0F]));
    }
    for (int i = 0; i < TKeySlot::MemoBytes; ++i) {
        const unsigned char b = reply[TKeySlot::OfsMemo + i];
        if (b != 0x00 && b != 0xFF)
            key.memo.append(TWireText::charOf(b));
    }
    return key;
}
