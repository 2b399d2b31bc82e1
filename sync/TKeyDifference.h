#pragma once

#include "controller/TKeyTransfer.h"
#include "keys/TKeySlot.h"

#include <QCoreApplication>
#include <QString>

// One slot as the key list (or a snapshot) wants it and as the controller holds it.
struct TKeyDifference {
    Q_DECLARE_TR_FUNCTIONS(TKeyDifference)

public:
    // NoteNotReadBack: the wanted note holds "ÿ", the controller's fill byte, which a read drops:
    // the slot can never be verified, so it is shown with that reason and never written.
    enum class Kind {
        Same,
        KeyAdded,
        KeyRemoved,
        CodeChanged,
        NoteChanged,
        Activated,
        Deactivated,
        NotRead,
        NoteNotReadBack
    };

    TKeyTransfer::Table table = TKeyTransfer::Table::Master;
    int slot = 0;
    TKeySlot wanted;
    TKeySlot held;
    Kind kind = Kind::Same;

    bool Differs() const { return kind != Kind::Same; }
    bool Writable() const { return Differs() && kind != Kind::NoteNotReadBack; }
    // "#" as the grids show it: slots count from 1.
    int Number() const { return slot + 1; }

    // The kind's name for scripts and files ("key added"); KindShown is the one people read.
    static QString KindText(Kind kind);
    static QString KindShown(Kind kind);
    static constexpr Kind Kinds[] = {Kind::KeyAdded,    Kind::KeyRemoved,     Kind::CodeChanged,
                                     Kind::NoteChanged, Kind::Activated,      Kind::Deactivated,
                                     Kind::NotRead,     Kind::NoteNotReadBack};
    // What a slot holds in the controller's terms: an inactive slot holds nothing, a code is
    // compared without regard to letter case, a note as the 25 bytes the controller keeps; a
    // wanted note that a read cannot give back differs for that reason.
    static Kind Classify(const TKeySlot& wanted, const TKeySlot& held);
    static QString NormalCode(const TKeySlot& key);
    static QString NormalNote(const TKeySlot& key);
};
