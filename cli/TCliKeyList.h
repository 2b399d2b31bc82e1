#pragma once

#include "dbf/TDbfEnv.h"
#include "dbf/TDbfTable.h"
#include "keylist/TDbfKeyView.h"
#include "keylist/TKeyListHost.h"
#include "keylist/TKeyListStore.h"

#include <QCoreApplication>
#include <QTemporaryDir>

// A key list for one command, worked on as the program does: a working copy in a private
// temporary directory with its two views, copied in from the user's file and saved out to it
// atomically. Failures throw EVtrkExit (file).
class TCliKeyList : private TKeyListHost {
    Q_DECLARE_TR_FUNCTIONS(TCliKeyList)

public:
    TCliKeyList();

    // A new list: every slot empty, "<unknown>" as serial number and information text.
    void Create();
    TKeyListStore::THeader Open(const QString& path);
    // Writes the header record and replaces path with the whole list, or leaves it as it was.
    void Save(const QString& path, const TKeyListStore::THeader& header);

    TKeyView& Master() { return masterView; }
    TKeyView& Slave() { return slaveView; }
    // The filtered tables behind the views, for the code that works on tables (CSV files).
    TDbfTable& MasterTable() { return master; }
    TDbfTable& SlaveTable() { return slave; }

private:
    QString ControllerSerial() const override { return QString(); }
    QString ControllerInfo() const override { return QString(); }
    void SetControllerFields(const QString&, const QString&) override {}
    void SetCaption(const QString&) override {}
    void SetStatusText(const QString&) override {}
    void EnableSave(bool) override {}
    void StartProgress(const QString&) override {}
    void StepProgress(int) override {}
    void CloseProgress() override {}
    void SetBusyCursor(bool) override {}
    TKeyListDocument& KeyList() override { return document; }

    // Sweeps what killed commands left behind, and names this one's directory after its process.
    static QString WorkDirTemplate();

    QTemporaryDir workDir{WorkDirTemplate()};
    TKeyListDocument document;
    TDbfEnv env;
    TDbfTable master;
    TDbfTable slave;
    TKeyListStore store{master, slave, *this};
    TDbfKeyView masterView{master};
    TDbfKeyView slaveView{slave};
};
