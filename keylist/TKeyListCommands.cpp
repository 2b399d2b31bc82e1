#include "TKeyListCommands.h"

#include "TFileDialogs.h"
#include "TKeyListHost.h"
#include "TKeyListStore.h"
#include "TMessageBoxes.h"

#include <QDir>
#include <QFileInfo>

#include <stdexcept>

const QString TKeyListCommands::CaptionPrefix = QStringLiteral("VELM Tarvikon   Key file: ");
const QString TKeyListCommands::SavePrompt =
    QStringLiteral("Current key list has been changed. Do you want to save changes?");

namespace {
const QString StatusPrefix = QStringLiteral("Key list: ");
} // namespace

TKeyListCommands::TKeyListCommands(TKeyListStore& store, TKeyListHost& host) : store(store), host(host) {}

void TKeyListCommands::Reset() {
    modified = false;
    path.clear();
    saveAsPending = false;
}

void TKeyListCommands::MarkChanged() {
    modified = true;
    host.EnableSave(true);
}

void TKeyListCommands::setCaption() {
    host.SetCaption(CaptionPrefix + QFileInfo(title).fileName());
}

bool TKeyListCommands::SaveChangesFirst() {
    if (!modified)
        return true;
    switch (MessageBoxes().confirmYesNoCancel(SavePrompt)) {
    case TMessageBoxes::Answer::Yes:
        // Going on after a failed or cancelled save would throw the changes away.
        return Save();
    case TMessageBoxes::Answer::No:
        return true;
    default:
        return false;
    }
}

void TKeyListCommands::New() {
    if (!SaveChangesFirst())
        return;
    store.CloseViews();
    const TKeyListStore::TCreateResult result = store.CreateKeyList();
    if (result == TKeyListStore::TCreateResult::CannotCreate) {
        MessageBoxes().error(QStringLiteral(
            "Can not create file here. Check you access rights or contact your system administrator."));
        return;
    }
    title = QStringLiteral("New key list");
    setCaption();
    host.CloseProgress();
    if (result == TKeyListStore::TCreateResult::Failed) {
        MessageBoxes().error(QStringLiteral("Error creating new key list."));
        return;
    }
    MessageBoxes().information(QStringLiteral("New key list created succesefully."));
    const TKeyListStore::THeader header = store.OpenKeyList(store.WorkCopyPath());
    host.SetControllerFields(header.serial, header.info);
    modified = false;
    host.EnableSave(true);
    path.clear();
    host.SetStatusText(StatusPrefix + QStringLiteral("new key list"));
}

void TKeyListCommands::Open() {
    if (!SaveChangesFirst())
        return;
    const QString chosen = FileDialogs().getOpenFileName(QStringLiteral("Create new key list"),
                                                         QStringLiteral("Database files (*.dbf)"), QString());
    if (chosen.isEmpty())
        return;
    const QString full = QFileInfo(chosen).absoluteFilePath();
    TKeyListStore::THeader header;
    try {
        header = store.OpenUserFile(full);
    } catch (const std::exception& e) {
        MessageBoxes().error(QString::fromUtf8(e.what()));
        return;
    }
    host.SetControllerFields(header.serial, header.info);
    host.SetStatusText(StatusPrefix + QDir::toNativeSeparators(full));
    path = full;
    modified = false;
    host.EnableSave(true);
    title = QFileInfo(full).fileName();
    setCaption();
}

bool TKeyListCommands::askTarget(QString* target) {
    const QString chosen =
        FileDialogs().getSaveFileName(QString(), QStringLiteral("DBF tables (*.dbf)"),
                                      QFileInfo(path).absolutePath(), QStringLiteral("dbf"));
    saveAsPending = false;
    if (chosen.isEmpty())
        return false;
    *target = QFileInfo(chosen).absoluteFilePath();
    return true;
}

bool TKeyListCommands::Save() {
    if (!store.IsOpen()) {
        saveAsPending = false;
        return true;
    }
    QString target = path;
    const bool named = saveAsPending || path.isEmpty();
    if (named && !askTarget(&target))
        return false;
    try {
        store.Save(target, {host.ControllerSerial(), host.ControllerInfo()});
    } catch (const std::exception& e) {
        MessageBoxes().error(QString::fromUtf8(e.what()));
        return false;
    }
    if (named) {
        path = target;
        title = QDir::toNativeSeparators(target);
        setCaption();
        host.SetStatusText(StatusPrefix + title);
    }
    modified = false;
    host.EnableSave(true);
    return true;
}

bool TKeyListCommands::SaveAs() {
    saveAsPending = true;
    return Save();
}
