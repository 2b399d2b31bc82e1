#include "cli/TCliKeyList.h"

#include "cli/TCliOutput.h"
#include "cli/TVtrkCommand.h"
#include "dbf/TDbfEngine.h"
#include "keylist/TKeyListNumbering.h"
#include "seams/TStaleFiles.h"

#include <QDir>

namespace {
const QString WorkDirPrefix = QStringLiteral("vtrk-");

EVtrkExit fileError(const QString& text) {
    return EVtrkExit(VtrkExit::File, text);
}
} // namespace

QString TCliKeyList::WorkDirTemplate() {
    // Earlier versions named these vtrk-XXXXXX, which other programs' names may match: not swept.
    TStaleFiles::Sweep(QDir::tempPath(), WorkDirPrefix);
    return QDir(QDir::tempPath()).filePath(TStaleFiles::OwnName(WorkDirPrefix) + QStringLiteral("XXXXXX"));
}

TCliKeyList::TCliKeyList() {
    if (!workDir.isValid())
        throw fileError(tr("cannot make a working directory: %1").arg(workDir.errorString()));
    // Exact comparison is what the views' filters rely on; setting it loads the table engine.
    env.SetExact(true);
    if (!DbfEngine().Loaded())
        throw fileError(DbfEngine().LoadError());
    store.SetWorkDir(workDir.path());
}

void TCliKeyList::Create() {
    if (store.CreateKeyList() != TKeyListStore::TCreateResult::Created)
        throw fileError(tr("cannot create a key list in %1: %2").arg(workDir.path(), store.CreateError()));
    store.OpenKeyList(store.WorkCopyPath());
}

TKeyListStore::THeader TCliKeyList::Open(const QString& path) {
    TKeyListStore::THeader header;
    try {
        header = store.OpenUserFile(path);
    } catch (const std::exception& e) {
        throw fileError(QString::fromStdString(e.what()));
    }
    const QString warning = TKeyListNumbering::Warning(path, store.NumberingDisagreements());
    if (!warning.isEmpty())
        TCliOutput::Error(
            tr("warning: %1").arg(QString(warning).replace(QLatin1Char('\r'), QLatin1Char('\n'))));
    return header;
}

void TCliKeyList::Save(const QString& path, const TKeyListStore::THeader& header) {
    try {
        store.Save(path, header);
    } catch (const std::exception& e) {
        throw fileError(QString::fromStdString(e.what()));
    }
}
