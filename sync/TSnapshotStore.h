#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>

class TKeyTables;

// What the controllers held, kept as key-list files under the user's data directory:
// <root>/<serial>/<UTC time>-<kind>.dbf, folders 0700 and files 0600 (a team's store: the modes
// of the folder that holds the root), each with a small description beside it
// (<same name>.json: identity, firmware, which tables are valid). Files are written beside their
// final name and renamed into place without replacing anything, so a snapshot is either whole or
// absent and never overwritten.
class TSnapshotStore {
public:
    enum class Kind { Read, AfterWrite, BeforeRestore };

    struct TSnapshot {
        QString path; // the .dbf file
        QString serial;
        QString info;
        QString version;
        QDateTime time; // UTC
        QString kind;
        bool masterValid = true;
        bool slaveValid = true;
        int changedSlots = -1; // slots that differ from the snapshot before; -1 for the first
    };

    struct TController {
        QString serial;
        QString info;
        QDateTime lastContact; // UTC
        int snapshots = 0;
    };

    // The standard place: ~/.local/share/velm-tarvikon/controllers on Linux.
    TSnapshotStore();
    // Private: every key code in it is the user's alone. Team: a store inside a folder a team
    // shares (a site) takes that folder's permissions, and a folder a teammate made is used.
    enum class Sharing { Private, Team };
    explicit TSnapshotStore(const QString& root, Sharing sharing = Sharing::Private)
        : root(root), sharing(sharing) {}

    static QString DefaultRoot();
    QString Root() const { return root; }

    // Stores the valid tables (none valid: nothing is stored and the result is empty). Raises
    // std::runtime_error naming the file on a failure.
    QString Save(const TKeyTables& tables, Kind kind,
                 const QDateTime& when = QDateTime::currentDateTimeUtc());
    // Like Save, but a failure is returned as text instead of raised; empty when stored.
    QString TrySave(const TKeyTables& tables, Kind kind, QString* path = nullptr);

    // The newest snapshot of a controller and when it was last read and written, from the file
    // names alone (only the newest one's description is read): cheap enough for many controllers.
    struct TLatest {
        bool found = false;
        TSnapshot newest;
        QDateTime lastRead;    // UTC; invalid when never
        QDateTime lastWritten; // UTC; invalid when never
    };
    TLatest Latest(const QString& serial) const;

    QList<TController> Controllers() const;
    // Newest first, each with the number of slots that differ from the one before it. Reading
    // each snapshot takes a while: when stopped() says so, the rest is left uncompared.
    QList<TSnapshot> Snapshots(const QString& serial, const std::function<bool()>& stopped = {}) const;
    static TKeyTables Load(const TSnapshot& snapshot);

    static QString KindName(Kind kind);
    // A serial number as a directory name: nothing a controller sends can leave the root, and
    // distinct serial numbers never share a folder. Unknown serial numbers share UnknownDirectory.
    static QString DirectoryName(const QString& serial);
    static const QString UnknownDirectory;
    static int ChangedSlots(const TKeyTables& before, const TKeyTables& after);

private:
    QList<TSnapshot> Described(const QString& directory) const;
    // Removes the staging files that killed processes left in any controller's folder.
    void sweepStagedFiles() const;
    static TSnapshot Describe(const QString& dbfPath);

    QString root;
    Sharing sharing = Sharing::Private;
};
