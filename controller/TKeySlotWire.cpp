#include "controller/TKeySlotWire.h"

#include "controller/TWireText.h"
#include "keys/TKeyPlaceholder.h"

#include <algorithm>
#include <cstring>

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

bool KeyCodeToBytes(TFrame& frame, const QString& text) {
    if (text.size() != 2 * TKeySlotWire::CodeBytes)
        return false;
    for (int i = 0; i < TKeySlotWire::CodeBytes; ++i) {
        const int high = hexValue(text[2 * i]);
        const int low = hexValue(text[2 * i + 1]);
        if (high < 0 || low < 0)
            return false;
        frame[TKeySlotWire::OfsCode + i] = static_cast<unsigned char>(high * 16 + low);
    }
    return true;
}

bool MemoToBytes(TFrame& frame, const QString& text) {
    std::fill_n(frame.begin() + TKeySlotWire::OfsMemo, TKeySlotWire::MemoBytes, 0x00);
    const QByteArray bytes = TWireText::toBytes(text.left(TKeySlotWire::MemoBytes));
    std::memcpy(frame.data() + TKeySlotWire::OfsMemo, bytes.constData(), bytes.size());
    return true;
}

void EncodeSlot(TFrame& frame, int slot, const TKeySlot& key) {
    frame[TKeySlotWire::OfsKeyId] = static_cast<unsigned char>(slot & 0xFF);
    if (key.active) {
        frame[TKeySlotWire::OfsStatus] = TKeySlotWire::ActiveStatus;
        KeyCodeToBytes(frame, key.keyCode);
        MemoToBytes(frame, key.memo);
    } else {
        frame[TKeySlotWire::OfsStatus] = TKeySlotWire::EmptyStatus;
        std::fill_n(frame.begin() + TKeySlotWire::OfsCode, TKeySlotWire::CodeBytes + TKeySlotWire::MemoBytes,
                    0xFF);
    }
}

TKeySlot DecodeSlot(const TFrame& reply, int slot, const QString& keyType) {
    TKeySlot key;
    key.recId = slot + 1; // "#" as people count the slots
    key.keyId = slot;
    key.keyType = keyType;
    key.active = reply[TKeySlotWire::OfsStatus] == TKeySlotWire::ActiveStatus;
    if (!key.active) {
        key.keyCode = QLatin1String(TKeyPlaceholder::EmptyCode);
        return key;
    }
    static const char Digits[] = "0123456789ABCDEF";
    for (int i = 0; i < TKeySlotWire::CodeBytes; ++i) {
        const unsigned char b = reply[TKeySlotWire::OfsCode + i];
        key.keyCode.append(QLatin1Char(Digits[b >> 4]));
        key.keyCode.append(QLatin1Char(Digits[b & 0x0F]));
    }
    for (int i = 0; i < TKeySlotWire::MemoBytes; ++i) {
        const unsigned char b = reply[TKeySlotWire::OfsMemo + i];
        if (b != 0x00 && b != 0xFF)
            key.memo.append(TWireText::charOf(b));
    }
    return key;
}
