#pragma once

#include "dbf/TDbfEnv.h"
#include "dbf/TDbfTable.h"
#include "keylist/TKeyListCommands.h"
#include "keylist/TKeyListDocument.h"
#include "keylist/TKeyListHost.h"
#include "keylist/TKeyListStore.h"
#include "seams/TInstalledMessageBoxes.h"

#include <QObject>
#include <QTemporaryDir>

#include <memory>

// The main window as the key-list store and commands see it, kept in memory.
class TFakeKeyListHost : public TKeyListHost {
public:
    QString serial = QStringLiteral("<unknown>");
    QString info = QStringLiteral("<unknown>");
    QString caption;
    QString status;
    bool saveEnabled = false;
    int progressTotal = 0;
    int progressStarts = 0;
    bool progressShown = false;
    bool busy = false;
    std::function<void()> infoChanged;
    TKeyListDocument document;

    TKeyListDocument& KeyList() override { return document; }

    QString ControllerSerial() const override { return serial; }
    QString ControllerInfo() const override { return info; }
    void SetControllerFields(const QString& s, const QString& i) override {
        serial = s;
        const bool changed = info != i;
        info = i;
        if (changed && infoChanged)
            infoChanged();
    }
    void SetCaption(const QString& c) override { caption = c; }
    void SetStatusText(const QString& s) override { status = s; }
    void EnableSave(bool e) override { saveEnabled = e; }
    void StartProgress(const QString&) override {
        ++progressStarts;
        progressTotal = 0;
        progressShown = true;
    }
    void StepProgress(int step) override { progressTotal += step; }
    void CloseProgress() override { progressShown = false; }
    void SetBusyCursor(bool b) override { busy = b; }
};

// The two views, the store and the commands over a private working directory, wired as the
// main window wires them.
struct TKeyListFixture {
    TDbfEnv env;
    QTemporaryDir work;
    QTemporaryDir files;
    TDbfTable master;
    TDbfTable slave;
    TFakeKeyListHost host;
    TKeyListStore store{master, slave, host};
    TKeyListCommands commands{store, host, TInstalledMessageBoxes::Shared()};

    TKeyListFixture() {
        env.SetExact(true);
        master.setObjectName(QStringLiteral("MKeysTable"));
        slave.setObjectName(QStringLiteral("SKeysTable"));
        store.SetWorkDir(work.path());
        for (TDbfTable* view : {&master, &slave})
            QObject::connect(view, &TDbfTable::AfterEdit, [this] { commands.MarkChanged(); });
        host.infoChanged = [this] { commands.MarkChanged(); };
    }

    // A new key list made the way New makes it.
    void newList() {
        if (store.CreateKeyList() != TKeyListStore::TCreateResult::Created)
            throw std::runtime_error("CreateKeyList failed");
        host.CloseProgress();
        const TKeyListStore::THeader header = store.OpenKeyList(store.WorkCopyPath());
        host.SetControllerFields(header.serial, header.info);
        host.KeyList().SetModified(false);
    }

    QString filePath(const QString& name) const { return files.filePath(name); }

    // Sets fields of the view's current record and posts them.
    static void setKey(TDbfTable& view, const QString& code, bool active, const QString& memo) {
        view.Edit();
        view.FieldByName(QStringLiteral("KEYCODE"))->SetAsString(code);
        view.FieldByName(QStringLiteral("KEYSTATUS"))->SetAsBoolean(active);
        view.FieldByName(QStringLiteral("KEYMEMO"))->SetAsString(memo);
        view.Post();
    }
    // Moves the view to the row of its grid.
    static void goRow(TDbfTable& view, int row) { view.SetRecNo(view.RowRecNo(row)); }
    static QString text(TDbfTable& view, const char* field) {
        return view.FieldByName(QString::fromLatin1(field))->AsString();
    }
};
