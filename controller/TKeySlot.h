#pragma once

#include "controller/TControllerFrame.h"

#include <QString>

// One key record's fields as a slot of the controller carries them.
struct TKeySlot {
    int recId = 0;
    int keyId = 0;
    QString keyType; // "M" or "S"
    bool active = false;
    QString keyCode;
    QString memo;

    static const QString EmptyCode;
    static constexpr unsigned char ActiveStatus = 0x5A;
    static constexpr unsigned char EmptyStatus = 0xA5;
    static constexpr int OfsKeyId = 5;
    static constexpr int OfsStatus = 6;
    static constexpr int OfsCode = 7;
    static constexpr int CodeBytes = 6;
    static constexpr int OfsMemo = 13;
    static constexpr int MemoBytes = 25;

    // 12 hexadecimal digits, either case.
    static bool IsValidKeyCode(const QString& code);
};

// Stores the six bytes of a 12-character hexadecimal text at offsets 7..12. A text of another
// length stores nothing; a pair that is not hexadecimal stops the conversion there. False then.
bool KeyCodeToBytes(TFrame& frame, const QString& text);
// Offsets 13..37: the note's characters (at most 25), the rest 0x00.
bool MemoToBytes(TFrame& frame, const QString& text);

// The slot record (offsets 5..37) of a write request for this key into the given slot. The key
// number byte is the slot number itself (KEYID is defined as that number), so a stale KEYID can
// never send a key to another slot.
void EncodeSlot(TFrame& frame, int slot, const TKeySlot& key);
// The key-list fields of a read reply for the given slot of the master ("M") or slave ("S") table.
// KEYID is the slot that was asked for, whatever byte 5 of the reply holds (a controller may
// report 0xFF there for an unused slot).
TKeySlot DecodeSlot(const TFrame& reply, int slot, const QString& keyType);
