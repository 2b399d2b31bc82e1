#pragma once

#include "controller/TKeyTransfer.h"
#include "sync/TControllerSync.h"
#include "sync/TKeyComparison.h"
#include "sync/TSnapshotStore.h"
#include "sync/TSyncViewer.h"

#include <QCoreApplication>
#include <QString>

#include <memory>

class TControllerExchange;
class TControllerHost;
class TKeyListCommands;
class TKeyListHost;
class TKeyListStore;
class TKeyTables;
class TKeyView;
class TMessageBoxes;

// Compare, write changes and restore: the controller is read into memory (the key list is not
// changed), a snapshot of what it holds is stored, the differences are shown, and on the user's
// word only the differing slots are written and read back. What they say and ask goes through
// the boxes their owner passes in (the window's, vtrk's, a test's recorder).
class TSyncCommands {
    Q_DECLARE_TR_FUNCTIONS(TSyncCommands)

public:
    TSyncCommands(TControllerExchange& exchange, TControllerHost& host, TSyncViewer& viewer,
                  TSnapshotStore& store, TMessageBoxes& boxes);
    ~TSyncCommands();

    // How a command ended; every ending other than Compared and Written has been said to the user.
    enum class Ending {
        Compared,        // the comparison was shown (Compare)
        NothingToDo,     // the controller holds what is wanted
        Unwritable,      // only slots differ that no write can settle (a note a read cannot give back)
        Written,         // the writes ran: LastWrite() tells how each slot ended; differences no
                         // write can settle were left and said
        NotConfirmed,    // the user declined the plan or the warnings before it
        OtherController, // the list or snapshot is from another controller and was not confirmed
        Refused,         // no key list open, a key code that cannot be sent, an unreadable snapshot
        NotRead          // the identity or the tables were not read whole
    };

    // listSerial: the serial number in the key list's header record.
    Ending Compare(const QString& listSerial);
    Ending WriteChanges(const QString& listSerial);
    Ending Restore(const TSnapshotStore::TSnapshot& snapshot);
    // The caller's own version gate has just read the identity on this connection: the next
    // command takes it instead of asking the controller again.
    void UseIdentity(const QString& version, const QString& serial, const QString& info);

    bool Busy() const { return running; }

    // What the reads of the key-transfer commands stored, slot by slot: the main window hands
    // them views that record into these tables (TRecordingKeyView). Around each command: forget
    // what was recorded, then store a snapshot of the tables read whole (nothing when none was).
    TKeyTables& Recorded() { return *recorded; }
    void BeginRecording();
    void StoreRecordedReads(const QString& serial, const QString& info, const QString& version);
    // The last comparison shown, for the window's and the tests' use.
    const TKeyComparison& LastComparison() const { return comparison; }
    // What the last WriteChanges or Restore wrote; false when it wrote nothing (nothing differed,
    // not confirmed, or the controller was not read whole).
    bool LastWriteRan() const { return lastWriteRan; }
    const TControllerSync::TResult& LastWrite() const { return lastWrite; }

    // The snapshot becomes a new, unsaved key list (the snapshot file itself is never opened for
    // editing); unsaved changes of the open list are offered for saving first.
    static bool OpenAsNewList(const TSnapshotStore::TSnapshot& snapshot, TKeyListCommands& commands,
                              TKeyListStore& store, TKeyListHost& host, TMessageBoxes& boxes);

    // The warnings before one of the full writes of the key list's tables; true when there is
    // nothing to warn about, the views are not open (the write refuses on its own), or the user goes on.
    static bool ConfirmListWrite(TKeyView& master, TKeyView& slave, bool writesMaster, bool writesSlave,
                                 TMessageBoxes& boxes);

    static QString NoKeyListText();
    static QString WritingText();

private:
    bool ListTables(const QString& listSerial, TKeyTables& wanted);
    bool ReadIdentity(TKeyTables& held);
    // A list saved from another controller is written only on the user's explicit word.
    bool ConfirmController(const QString& listSerial, const TKeyTables& held);
    // Both tables, or nothing: a read that stopped says why and ends the command.
    bool ReadTables(TKeyTables& held, TSnapshotStore::Kind kind);
    Ending WritePlan(const TKeyTables& wanted, TKeyTables& held, TSyncViewer::Purpose purpose);

    TControllerExchange& exchange;
    TControllerHost& host;
    TSyncViewer& viewer;
    TSnapshotStore& store;
    TMessageBoxes& boxes;
    TKeyComparison comparison;
    bool running = false;
    bool lastWriteRan = false;
    TControllerSync::TResult lastWrite;
    std::unique_ptr<TKeyTables> recorded;
    std::unique_ptr<TKeyTables> knownIdentity;
};
