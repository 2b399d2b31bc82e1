#pragma once

#include "controller/TControllerFrame.h"
#include "keys/TKeySlot.h"

#include <QString>

// Where a slot's fields lie in a key read reply or write request, and the status bytes.
namespace TKeySlotWire {
constexpr unsigned char ActiveStatus = 0x5A;
constexpr unsigned char EmptyStatus = 0xA5;
constexpr int OfsKeyId = 5;
constexpr int OfsStatus = 6;
constexpr int OfsCode = 7;
constexpr int CodeBytes = 6;
constexpr int OfsMemo = 13;
constexpr int MemoBytes = 25;
} // namespace TKeySlotWire

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
