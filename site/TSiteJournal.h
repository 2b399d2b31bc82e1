#pragma once

#include "controller/TKeyTransfer.h"
#include "keys/TKeySlot.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QString>

// The site's change journal: every change the program saved to a site's list and every write to
// one of its controllers, one line each (time, user, list or controller, table, "#", old -> new).
// Each user appends to a file of their own in the site's journal folder, so a tool that syncs
// the folder never has to merge one file; lines are only ever appended.
class TSiteJournal {
    Q_DECLARE_TR_FUNCTIONS(TSiteJournal)

public:
    struct TEntry {
        QDateTime time; // UTC
        QString user;
        QString kind; // "list" or "controller"
        QString name; // the list's file name, or the controller's serial number
        TKeyTransfer::Table table = TKeyTransfer::Table::Slave;
        int number = 0; // "#"
        QString before;
        QString after;

        QString Line() const; // the line as the journal file holds it, without the line break
        static bool Parse(const QString& line, TEntry* entry);
    };
    struct TFilter {
        QString code;      // 12 digits: lines whose old or new slot holds this key
        QStringList names; // lines of these lists or controllers
        QDateTime since;   // UTC, inclusive
        QDateTime until;   // UTC, exclusive
        bool Accepts(const TEntry& entry) const;
    };

    static constexpr qint64 MaxFileBytes = 256 * 1024 * 1024;

    explicit TSiteJournal(const QString& siteFolder, const QString& user = CurrentUser());

    // Appends the entries, each stamped now (UTC) and with the user; raises ESiteError naming the
    // file. The lines reach the disk before it returns.
    void Append(QList<TEntry> entries);
    // Every user's lines merged in time order, filtered. Damaged lines are skipped, not guessed at.
    QList<TEntry> Read(const TFilter& filter = {}) const;
    static QString Csv(const QList<TEntry>& entries);

    // "2BC5FB000000 \"Ann\"", "2BC5FB000000 inactive \"Ann\"", "<EMPTY>".
    static QString SlotText(const TKeySlot& key);
    // A controller's slot: one that is not active holds no key, whatever the list kept in it.
    static QString HeldText(const TKeySlot& key);
    static QString CurrentUser();
    QString UserFile() const;

private:
    QString folder;
    QString user;
};
