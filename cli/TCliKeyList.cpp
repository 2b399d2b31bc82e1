#include "cli/TCliKeyList.h"

#include "cli/TVtrkCommand.h"
#include "dbf/TDbfEngine.h"

namespace {
EVtrkExit fileError(const QString& text) {
    return EVtrkExit(VtrkExit::File, text);
}
} // namespace

TCliKeyList::TCliKeyList() {
    if (!workDir.isValid())
        throw fileError(QStringLiteral("cannot make a working directory: %1").arg(workDir.errorString()));
    // Exact comparison is what the views' filters rely on; setting it loads the table engine.
    env.SetExact(true);
    if (!DbfEngine().Loaded())
        throw fileError(DbfEngine().LoadError());
    store.SetWorkDir(workDir.path());
}

void TCliKeyList::Create() {
    if (store.CreateKeyList() != TKeyListStore::TCreateResult::Created)
        throw fileError(
            QStringLiteral("cannot create a key list in %1: %2").arg(workDir.path(), store.CreateError()));
    store.OpenKeyList(store.WorkCopyPath());
}

TKeyListStore::THeader TCliKeyList::Open(const QString& path) {
    try {
        return store.OpenUserFile(path);
    } catch (const std::exception& e) {
        throw fileError(QString::fromStdString(e.what()));
    }
}

void TCliKeyList::Save(const QString& path, const TKeyListStore::THeader& header) {
    try {
        store.Save(path, header);
    } catch (const std::exception& e) {
        throw fileError(QString::fromStdString(e.what()));
    }
}
