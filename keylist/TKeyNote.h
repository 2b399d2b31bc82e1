#pragma once

#include <QCoreApplication>
#include <QString>

// A key's note as the key list and the controller hold it: at most 25 characters of
// Windows-1252. The controller pads a note with 0xFF and its reads drop that byte wherever it
// stands, so a note holding "ÿ" (0xFF) can be written but never read back as it was.
class TKeyNote {
    Q_DECLARE_TR_FUNCTIONS(TKeyNote)

public:
    // Why the note cannot be stored and verified; empty when it can. The note is composed (NFC)
    // first: a decomposed "ü" is the "ü" the code page holds. A character is named whole.
    static QString Refusal(const QString& note);
    // The note as it is stored: composed.
    static QString Composed(const QString& note) { return note.normalized(QString::NormalizationForm_C); }
    // Whether the note holds the controller's fill byte, which a read drops.
    static bool HoldsFillByte(const QString& note);
    // Why a list holding such a note never matches its controller.
    static QString FillByteReason();
};
