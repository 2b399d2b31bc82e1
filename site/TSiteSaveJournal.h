#pragma once

#include "keylist/TKeyListSaveHook.h"
#include "site/TSiteJournal.h"
#include "sync/TKeyTables.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <optional>

// Journals a save of a key list that lives in a site folder (a site file beside it): one line per
// slot that differs between the file before the save and the file after it.
class TSiteSaveJournal : public TKeyListSaveHook {
    Q_DECLARE_TR_FUNCTIONS(TSiteSaveJournal)

public:
    explicit TSiteSaveJournal(const QString& user = TSiteJournal::CurrentUser());

    void BeforeSave(const QString& target) override;
    QString AfterSave(const QString& target) override;

    // A line per slot whose text differs; name is the list's file name.
    static QList<TSiteJournal::TEntry> Changes(const QString& name, const TKeyTables& before,
                                               const TKeyTables& after);

private:
    QString user;
    QString siteFolder; // empty: the target is not a site's list
    std::optional<TKeyTables> before;
    QString beforeError;
};
