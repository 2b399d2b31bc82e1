#include "keylist/TKeyListCommands.h"

#include "keylist/TKeyListHost.h"
#include "keylist/TKeyListStore.h"
#include "seams/TFileDialogs.h"
#include "seams/TMessageBoxes.h"
#include "settings/TAppSettings.h"

#include <QDir>
#include <QFileInfo>

#include <stdexcept>

const QString TKeyListCommands::CaptionPrefix = QStringLiteral("VELM Tarvikon   Key file: ");
const QString TKeyListCommands::SavePrompt =
    QStringLiteral("Current key list has been changed. Do you want to save changes?");

const QString TKeyListCommands::NoListOpen =
    QStringLiteral("No key list is open, so there is nothing to save. Create or open a key list first.");

namespace {
const QString StatusPrefix = QStringLiteral("Key list: ");

QString withReason(const QString& message, const QString& reason) {
    return reason.isEmpty() ? message : message + QStringLiteral("\r") + reason;
}
} // namespace

TKeyListCommands::TKeyListCommands(TKeyListStore& store, TKeyListHost& host) : store(store), host(host) {}

bool TKeyListCommands::KeyListModified() const {
    return host.KeyListModified;
}
QString TKeyListCommands::KeyListPath() const {
    return host.KeyListPath;
}
QString TKeyListCommands::KeyListTitle() const {
    return host.KeyListTitle;
}
bool TKeyListCommands::SaveAsPending() const {
    return host.SaveAsPending;
}

void TKeyListCommands::Reset() {
    host.KeyListModified = false;
    host.KeyListPath.clear();
    host.SaveAsPending = false;
}

void TKeyListCommands::MarkChanged() {
    host.KeyListModified = true;
    // Without an open list there is nothing Save could write.
    host.EnableSave(store.IsOpen());
}

void TKeyListCommands::setCaption() {
    host.SetCaption(CaptionPrefix + QFileInfo(host.KeyListTitle).fileName());
}

bool TKeyListCommands::SaveChangesFirst() {
    if (!host.KeyListModified)
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
    host.EnableSave(false);
    if (result == TKeyListStore::TCreateResult::CannotCreate) {
        MessageBoxes().error(withReason(
            QStringLiteral(
                "Can not create file here. Check you access rights or contact your system administrator."),
            store.CreateError()));
        return;
    }
    host.KeyListTitle = QStringLiteral("New key list");
    setCaption();
    host.CloseProgress();
    if (result == TKeyListStore::TCreateResult::Failed) {
        MessageBoxes().error(withReason(QStringLiteral("Error creating new key list."), store.CreateError()));
        return;
    }
    MessageBoxes().information(QStringLiteral("New key list created succesefully."));
    const TKeyListStore::THeader header = store.OpenKeyList(store.WorkCopyPath());
    host.SetControllerFields(header.serial, header.info);
    host.KeyListModified = false;
    host.EnableSave(true);
    host.KeyListPath.clear();
    host.SetStatusText(StatusPrefix + QStringLiteral("new key list"));
}

void TKeyListCommands::SetSettings(TAppSettings* appSettings) {
    settings = appSettings;
}

QString TKeyListCommands::dialogFolder() const {
    if (!host.KeyListPath.isEmpty())
        return QFileInfo(host.KeyListPath).absolutePath();
    return settings ? settings->lastFolder() : QString();
}

void TKeyListCommands::Open() {
    if (!SaveChangesFirst())
        return;
    const QString chosen = FileDialogs().getOpenFileName(
        QStringLiteral("Create new key list"), QStringLiteral("Database files (*.dbf)"), dialogFolder());
    if (chosen.isEmpty())
        return;
    openFile(QFileInfo(chosen).absoluteFilePath());
}

void TKeyListCommands::OpenRecent(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        if (settings)
            settings->removeRecentKeyList(path);
        MessageBoxes().error(
            QStringLiteral("Key list file not found: %1\rIt has been taken off the recent key lists.")
                .arg(QDir::toNativeSeparators(path)));
        return;
    }
    if (!SaveChangesFirst())
        return;
    openFile(QFileInfo(path).absoluteFilePath());
}

void TKeyListCommands::openFile(const QString& full) {
    TKeyListStore::THeader header;
    try {
        header = store.OpenUserFile(full);
    } catch (const std::exception& e) {
        // The list open before is open again, or none is.
        host.EnableSave(store.IsOpen());
        MessageBoxes().error(QString::fromUtf8(e.what()));
        return;
    }
    host.SetControllerFields(header.serial, header.info);
    host.SetStatusText(StatusPrefix + QDir::toNativeSeparators(full));
    host.KeyListPath = full;
    host.KeyListModified = false;
    host.EnableSave(true);
    host.KeyListTitle = QFileInfo(full).fileName();
    setCaption();
    if (settings)
        settings->noteKeyListUsed(full);
}

bool TKeyListCommands::askTarget(QString* target) {
    const QString chosen = FileDialogs().getSaveFileName(QString(), QStringLiteral("DBF tables (*.dbf)"),
                                                         dialogFolder(), QStringLiteral("dbf"));
    host.SaveAsPending = false;
    if (chosen.isEmpty())
        return false;
    *target = QFileInfo(chosen).absoluteFilePath();
    return true;
}

bool TKeyListCommands::Save() {
    if (!store.IsOpen()) {
        // Nothing is written, so nothing counts as saved (the exit prompt must not close as if it were).
        host.SaveAsPending = false;
        host.EnableSave(false);
        MessageBoxes().error(NoListOpen);
        return false;
    }
    QString target = host.KeyListPath;
    const bool named = host.SaveAsPending || host.KeyListPath.isEmpty();
    if (named && !askTarget(&target))
        return false;
    try {
        store.Save(target, {host.ControllerSerial(), host.ControllerInfo()});
    } catch (const std::exception& e) {
        MessageBoxes().error(QString::fromUtf8(e.what()));
        return false;
    }
    if (named) {
        host.KeyListPath = target;
        host.KeyListTitle = QDir::toNativeSeparators(target);
        setCaption();
        host.SetStatusText(StatusPrefix + host.KeyListTitle);
    }
    host.KeyListModified = false;
    host.EnableSave(true);
    if (settings)
        settings->noteKeyListUsed(target);
    return true;
}

bool TKeyListCommands::SaveAs() {
    host.SaveAsPending = true;
    return Save();
}
