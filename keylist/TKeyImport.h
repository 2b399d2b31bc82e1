#pragma once

#include "keylist/TKeyCsvReader.h"
#include "keys/TKeyCode.h"
#include "keys/TKeySlot.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QHash>
#include <QVector>

#include <functional>

class TDbfTable;

// Reading a CSV file into the open key list. Plan works out, without touching the list, which
// slots would change and which rows are refused and why; Apply then makes those changes. Columns
// are found by their header names in any letter case, in English, in German and as the window
// labels them: code/key/keycode/Schlüssel/Key Code, note/memo/name/Notiz/Bemerkung/Key Info,
// type/Typ, slot (the controller's, from 0), "#"/Platz/Nr. (the list's, from 1),
// active/Aktiv/Active Key, and serial and info (the controller's, as the export writes them).
// Rows with a slot (or a "#") fill that slot; rows without fill the next empty slot of their
// type. Rows are refused for a bad code or CRC, a duplicate, a slot that is taken or missing, no
// free slot, or a note that is too long or has characters the list's code page cannot hold.
class TKeyImport {
    Q_DECLARE_TR_FUNCTIONS(TKeyImport)

public:
    struct TChange {
        int line = 0;
        TKeySlot before;
        TKeySlot after;
    };
    struct TReject {
        int line = 0;
        QString reason;
    };

    QVector<TChange> Changes;
    QVector<TReject> Rejects;
    int Unchanged = 0; // rows that name a slot as it already is
    // The controller's serial number and information text the file carries; empty when it has
    // none.
    QString Serial;
    QString Info;

    // Rows taken, whether they change a slot or not.
    int Accepted() const { return int(Changes.size()) + Unchanged; }
    // Whether a list made from the file is worth writing: a file whose every key row is refused
    // would leave an empty list in place of what the user meant.
    bool Worthwhile() const { return Accepted() > 0 || Rejects.isEmpty(); }

    // current: the list's records as TKeyListRows reads them. A file without a header row naming
    // a code column, or one that is no list of keys, raises std::runtime_error; so does a stop
    // asked for (TStopRequest) before the plan is whole.
    static TKeyImport Plan(const QByteArray& csv, const QVector<TKeySlot>& current);
    // The file's bytes; a missing, unreadable or implausibly large file, or one that is no regular
    // file (a named pipe, a terminal), raises std::runtime_error.
    static QByteArray ReadFile(const QString& path);
    // Makes the planned changes in the views; on a failure the changes made so far are undone
    // before the error goes on. The views' current records are kept.
    void Apply(TDbfTable& master, TDbfTable& slave) const;
    // The same through any writer of a record's code, status and note (by its recNo); a failure
    // undoes the changes written before it and goes on.
    void Apply(const std::function<void(const TKeySlot&)>& write) const;

private:
    enum TColumn { Code, Note, Type, Slot, RecId, Active, Engraved, SerialColumn, InfoColumn };
    struct TLayout {
        QHash<int, int> columns;
        bool crossMarks = false; // the active column marks with "x": a blank cell is "no"
        TKeyCode::TSource source = TKeyCode::TSource::Typed;
    };
    struct TWanted {
        int line = 0;
        QString type;
        int slot = -1; // -1: the next empty slot
        int recId = -1;
        TKeySlot value;
    };

    static QHash<int, int> columns(const QStringList& header);
    // Why the row is refused; empty when it is read.
    static QString readRow(const TKeyCsvReader::TRow& row, const TLayout& layout, TWanted* wanted);
    static QString readCode(const QString& text, const TLayout& layout, TWanted* wanted);
    static QString readNote(const QString& text, TWanted* wanted);
    static QString readActive(const QString& text, const TLayout& layout, TWanted* wanted);
    static QString readSlots(const TKeyCsvReader::TRow& row, const TLayout& layout, TWanted* wanted);
    // Takes the controller's serial number and information text from the row; why not when they
    // differ from an earlier row's or the list cannot hold them.
    QString readController(const TKeyCsvReader::TRow& row, const TLayout& layout, QHash<int, int>& firstLine);
    void place(const TWanted& wanted, QVector<TKeySlot>& planned, QHash<int, int>& takenBy);
    static int slotCount(const QString& type);
};
