#include "keylist/TKeyListCommands.h"

#include "keylist/TKeyListSaveHook.h"

#include "keylist/TKeyListNumbering.h"
#include "seams/TRegularFile.h"

#include "keylist/EKeyListChanged.h"
#include "keylist/TKeyListHost.h"
#include "keylist/TKeyListStore.h"
#include "seams/TFileDialogs.h"
#include "seams/TMessageBoxes.h"
#include "settings/TAppSettings.h"

#include <QDir>
#include <QFileInfo>

#include <stdexcept>

const QString TKeyListCommands::CaptionPrefix =
    QString::fromUtf8(QT_TRANSLATE_NOOP("TKeyListCommands", "VELM Tarvikon   Key file: "));
const QString TKeyListCommands::SavePrompt = QString::fromUtf8(
    QT_TRANSLATE_NOOP("TKeyListCommands", "Current key list has been changed. Do you want to save changes?"));

const QString TKeyListCommands::NoListOpen = QString::fromUtf8(
    QT_TRANSLATE_NOOP("TKeyListCommands",
                      "No key list is open, so there is nothing to save. Create or open a key list first."));

namespace {
// The English texts stay reachable as they are; people get them in their language.
QString shown(const QString& english) {
    return TKeyListCommands::tr(english.toUtf8().constData());
}

QString statusText(const QString& what) {
    return TKeyListCommands::tr("Key list: %1").arg(what);
}

QString withReason(const QString& message, const QString& reason) {
    return reason.isEmpty() ? message : message + QStringLiteral("\r") + reason;
}
} // namespace

TKeyListCommands::TKeyListCommands(TKeyListStore& store, TKeyListHost& host, TMessageBoxes& boxes)
    : store(store), host(host), boxes(boxes) {}

bool TKeyListCommands::KeyListModified() const {
    return host.KeyList().Modified();
}
QString TKeyListCommands::KeyListPath() const {
    return host.KeyList().Path();
}
QString TKeyListCommands::KeyListTitle() const {
    return host.KeyList().Title();
}
bool TKeyListCommands::SaveAsPending() const {
    return host.KeyList().SaveAsPending();
}

void TKeyListCommands::Reset() {
    host.KeyList().SetModified(false);
    host.KeyList().SetPath(QString());
    host.KeyList().SetSaveAsPending(false);
}

void TKeyListCommands::MarkChanged() {
    host.KeyList().SetModified(true);
    // Without an open list there is nothing Save could write.
    host.EnableSave(store.IsOpen());
}

void TKeyListCommands::setCaption() {
    host.SetCaption(Caption(QFileInfo(host.KeyList().Title()).fileName()));
}

bool TKeyListCommands::SaveChangesFirst() {
    if (!host.KeyList().Modified())
        return true;
    switch (boxes.confirmYesNoCancel(shown(SavePrompt))) {
    case TMessageBoxes::Answer::Yes:
        // Going on after a failed or cancelled save would throw the changes away.
        return Save();
    case TMessageBoxes::Answer::No:
        return true;
    default:
        return false;
    }
}

bool TKeyListCommands::New() {
    if (!SaveChangesFirst())
        return false;
    store.CloseViews();
    const TKeyListStore::TCreateResult result = store.CreateKeyList();
    host.EnableSave(false);
    if (result == TKeyListStore::TCreateResult::CannotCreate) {
        boxes.error(withReason(
            tr("Can not create file here. Check you access rights or contact your system administrator."),
            store.CreateError()));
        return false;
    }
    host.KeyList().SetTitle(tr("New key list"));
    setCaption();
    host.CloseProgress();
    if (result == TKeyListStore::TCreateResult::Failed) {
        boxes.error(withReason(tr("Error creating new key list."), store.CreateError()));
        return false;
    }
    boxes.information(tr("New key list created succesefully."));
    const TKeyListStore::THeader header = store.OpenKeyList(store.WorkCopyPath());
    host.SetControllerFields(header.serial, header.info);
    host.KeyList().SetModified(false);
    host.EnableSave(true);
    host.KeyList().SetPath(QString());
    host.SetStatusText(statusText(tr("new key list")));
    return true;
}

void TKeyListCommands::SetSettings(TAppSettings* appSettings) {
    settings = appSettings;
}

QString TKeyListCommands::dialogFolder() const {
    if (!host.KeyList().Path().isEmpty())
        return QFileInfo(host.KeyList().Path()).absolutePath();
    return settings ? settings->lastFolder() : QString();
}

void TKeyListCommands::Open() {
    if (!SaveChangesFirst())
        return;
    const QString chosen = FileDialogs().getOpenFileName(tr("Create new key list"),
                                                         tr("Database files (*.dbf)"), dialogFolder());
    if (chosen.isEmpty())
        return;
    openFile(QFileInfo(chosen).absoluteFilePath());
}

void TKeyListCommands::OpenRecent(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile()) {
        if (settings)
            settings->removeRecentKeyList(path);
        // There, but a named pipe or a device: say what it is rather than "not found".
        const QString what = info.exists() ? TRegularFile::Check(path) : QString();
        const QString name = QDir::toNativeSeparators(path);
        boxes.error((what.isEmpty() ? tr("Key list file not found: %1").arg(name)
                                    : tr("Key list file %1 %2.").arg(name, what)) +
                    QLatin1Char('\r') + tr("It has been taken off the recent key lists."));
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
        boxes.error(QString::fromUtf8(e.what()));
        return;
    }
    host.SetControllerFields(header.serial, header.info);
    host.SetStatusText(statusText(QDir::toNativeSeparators(full)));
    host.KeyList().SetPath(full);
    host.KeyList().SetModified(false);
    const QString warning = TKeyListNumbering::Warning(full, store.NumberingDisagreements());
    if (!warning.isEmpty())
        boxes.warning(warning);
    host.EnableSave(true);
    host.KeyList().SetTitle(QFileInfo(full).fileName());
    setCaption();
    if (settings)
        settings->noteKeyListUsed(full);
}

bool TKeyListCommands::askTarget(QString* target) {
    const QString chosen = FileDialogs().getSaveFileName(QString(), tr("DBF tables (*.dbf)"), dialogFolder(),
                                                         QStringLiteral("dbf"));
    host.KeyList().SetSaveAsPending(false);
    if (chosen.isEmpty())
        return false;
    *target = QFileInfo(chosen).absoluteFilePath();
    return true;
}

bool TKeyListCommands::refusedWithoutList() {
    if (store.IsOpen())
        return false;
    // Nothing is written, so nothing counts as saved (the exit prompt must not close as if it were).
    host.KeyList().SetSaveAsPending(false);
    host.EnableSave(false);
    boxes.error(shown(NoListOpen));
    return true;
}

bool TKeyListCommands::Save() {
    if (refusedWithoutList())
        return false;
    QString target = host.KeyList().Path();
    const bool named = host.KeyList().SaveAsPending() || host.KeyList().Path().isEmpty();
    if (named && !askTarget(&target))
        return false;
    return saveTo(target, named);
}

bool TKeyListCommands::SaveAsFile(const QString& target) {
    if (refusedWithoutList())
        return false;
    host.KeyList().SetSaveAsPending(false);
    return saveTo(QFileInfo(target).absoluteFilePath(), true);
}

bool TKeyListCommands::saveTo(const QString& target, bool named) {
    if (saveHook)
        saveHook->BeforeSave(target);
    try {
        try {
            store.Save(target, {host.ControllerSerial(), host.ControllerInfo()});
        } catch (const EKeyListChanged& e) {
            if (!boxes.confirmYesNo(QString::fromUtf8(e.what()) + QLatin1Char('\r') +
                                    tr("Overwrite it anyway?")))
                return false;
            store.Save(target, {host.ControllerSerial(), host.ControllerInfo()}, true);
        }
    } catch (const std::exception& e) {
        boxes.error(QString::fromUtf8(e.what()));
        return false;
    }
    if (named) {
        host.KeyList().SetPath(target);
        host.KeyList().SetTitle(QDir::toNativeSeparators(target));
        setCaption();
        host.SetStatusText(statusText(host.KeyList().Title()));
    }
    host.KeyList().SetModified(false);
    host.EnableSave(true);
    if (settings)
        settings->noteKeyListUsed(target);
    const QString unrecorded = saveHook ? saveHook->AfterSave(target) : QString();
    if (!unrecorded.isEmpty())
        boxes.warning(unrecorded);
    return true;
}

bool TKeyListCommands::SaveAs() {
    host.KeyList().SetSaveAsPending(true);
    return Save();
}

QString TKeyListCommands::Caption(const QString& title) {
    return shown(CaptionPrefix) + title;
}
