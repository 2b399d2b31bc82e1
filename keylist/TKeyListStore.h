#pragma once

#include "seams/TFileIdentity.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <array>

class TDbfTable;
class TKeyListHost;

// The key-list file: its layout, the working copy in the private working directory, the two
// views on it with their index files and sort orders, and the whole-file moves (create, open,
// save). No widgets here; the main window and the key dialogs call it.
class TKeyListStore {
    Q_DECLARE_TR_FUNCTIONS(TKeyListStore)

public:
    enum class TCreateResult { CannotCreate, Failed, Created };
    struct THeader {
        QString serial;
        QString info;
    };
    // Per grid column (0 RECID, 1 KEYCODE, 2 KEYSTATUS, 3 KEYMEMO): ascending, then descending order.
    using TSortOrders = std::array<std::array<int, 2>, 4>;

    static constexpr int ColumnCount = 4;

    static const QString WorkCopyName;     // "tmp01.dbf"
    static const QStringList ColumnFields; // RECID, KEYCODE, KEYSTATUS, KEYMEMO

    TKeyListStore(TDbfTable& master, TDbfTable& slave, TKeyListHost& host);
    ~TKeyListStore();
    TKeyListStore(const TKeyListStore&) = delete;
    TKeyListStore& operator=(const TKeyListStore&) = delete;

    TDbfTable& MKeysTable() const { return master; }
    TDbfTable& SKeysTable() const { return slave; }

    void SetWorkDir(const QString& directory) { workDir = directory; }
    QString WorkDir() const { return workDir; }
    QString WorkCopyPath() const;
    // Every file the program keeps in the working directory (working copy and index files).
    static QStringList WorkFileNames();
    static QStringList IndexFileNames(bool master);

    bool IsOpen() const; // both views open on a key list
    void CloseViews();

    TCreateResult CreateKeyList();
    // Why the last CreateKeyList did not create the list, as far as known.
    QString CreateError() const { return createError; }
    // Opens path into both views; returns the header record's serial number and information text.
    THeader OpenKeyList(const QString& path);
    // Replaces the working copy by the user's key-list file and opens it. A file that is not a key
    // list, or that cannot be copied, raises std::runtime_error naming it; the list open before
    // then stays open and unchanged.
    THeader OpenUserFile(const QString& path);
    // Numbers repeated by the open list's records (see TKeyListNumbering); empty when none.
    QStringList NumberingDisagreements();
    // Throws std::runtime_error saying why path is not a key list; shown names the file in it.
    static void CheckKeyList(const QString& path);
    static void CheckKeyList(const QString& path, const QString& shown);
    // Whether path lies in the working directory (followed through links).
    bool IsInWorkDir(const QString& path) const;
    // Creates an empty table file with the key-list layout at path (without records); false when
    // the engine refuses.
    static bool CreateLayout(TDbfTable& table, const QString& path);
    // Writes the controller fields into the header record and replaces target atomically with the
    // working copy. A failure raises std::runtime_error naming target and the reason; the current
    // records of both views are kept in every case. The file the list was opened from (or last
    // saved to) that was changed on disk meanwhile raises EKeyListChanged unless overwriteChanged.
    void Save(const QString& target, const THeader& header, bool overwriteChanged = false);
    // Whether target is the file the list came from and someone changed it since.
    bool ChangedOnDisk(const QString& target) const;

    const TSortOrders& SortOrders(const TDbfTable& view) const;
    // Selects the column's order and keeps the current key current.
    void SortBy(TDbfTable& view, int column, bool descending);

    // Empties the current key of the view: "<EMPTY>", inactive, blank note.
    static void Deactivate(TDbfTable& view);
    // Whole code and whole note, any letter case; on success the view stands on the key.
    static bool FindKey(TDbfTable& view, const QString& code, const QString& info);
    // The view holding code on a record other than recNo, nullptr when none does. Reads rows
    // without moving either view, so any sort order and a pending edit are taken as they are.
    TDbfTable* DuplicateHolder(const QString& code, int recNo) const;

    // The view's share of the after-open and before-close handling: index files and sort orders.
    void ViewAfterOpen(TDbfTable& view);
    void ViewBeforeClose(TDbfTable& view);

private:
    // Lists read by earlier versions numbered a table's RECID from 0; "#" counts from 1, so such a
    // table is numbered from 1 in the working copy (positions, and so the slots, stay).
    void NumberFromOne(TDbfTable& view);
    bool isMaster(const TDbfTable& view) const { return &view == &master; }
    void openView(TDbfTable& view, const QString& path);
    void createRecords();
    void copyAtomically(const QString& target);
    static int viewCount(TDbfTable& table, const QString& filter);

    TDbfTable& master;
    TDbfTable& slave;
    void rememberFile(const QString& path);

    TKeyListHost& host;
    QString workDir;
    // The user's file as the list last saw it: opened from it or saved to it.
    QString knownPath;
    TFileIdentity knownIdentity;
    QString createError;
    TSortOrders masterOrders{};
    TSortOrders slaveOrders{};
};
