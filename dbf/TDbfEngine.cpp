#include "dbf/TDbfEngine.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace {
const char* const defaultFileName =
#ifdef _WIN32
    "DBFENG.DLL";
#else
    "libdbfeng.so";
#endif
} // namespace

TDbfEngine& TDbfEngine::Instance() {
    static TDbfEngine engine;
    return engine;
}

TDbfEngine::TDbfEngine() = default;

TDbfEngine::~TDbfEngine() {
    Unload();
}

QString TDbfEngine::LibraryFileName() const {
    return fileName.isEmpty() ? QString::fromLatin1(defaultFileName) : fileName;
}

void TDbfEngine::SetLibraryFileName(const QString& name) {
    fileName = name;
}

void TDbfEngine::SetSearchDirectories(const QStringList& directories) {
    searchDirectories = directories;
    searchDirectoriesSet = true;
}

bool TDbfEngine::LoadEngine() {
    if (loaded)
        return true;
    if (tryLoad()) {
        loaded = true;
        failed = false;
        dbe_SetStringType(1);
        return true;
    }
    failed = true;
    return false;
}

QString TDbfEngine::LoadError() const {
    return tr("Unable to load required table engine: %1").arg(LibraryFileName());
}

QStringList TDbfEngine::DefaultSearchDirectories() {
    const QString executableDir = QCoreApplication::applicationDirPath();
    // The installed engine lies in the program's private library directory, which the executable
    // names in its RUNPATH. QLibrary loads through Qt's own library, whose search does not read the
    // executable's RUNPATH, so the directory is named here as well.
    return {executableDir, QDir::cleanPath(executableDir + QStringLiteral("/../" VTRK_ENGINE_SUBDIR))};
}

bool TDbfEngine::tryLoad() {
    QStringList candidates;
    const QStringList directories = searchDirectoriesSet ? searchDirectories : DefaultSearchDirectories();
    for (const QString& directory : directories) {
        if (directory.isEmpty())
            continue;
        const QString path = QDir(directory).filePath(LibraryFileName());
        if (QFileInfo::exists(path))
            candidates << path;
    }
    // Last the system's own search, by the bare name.
    candidates << LibraryFileName();
    for (const QString& candidate : candidates) {
        library = new QLibrary(candidate);
        library->setLoadHints(QLibrary::ResolveAllSymbolsHint);
        if (library->load() && resolveAll())
            return true;
        clearEntries();
        library->unload();
        delete library;
        library = nullptr;
    }
    return false;
}

bool TDbfEngine::resolveAll() {
    bool all = true;
#define VTRK_DBE_RESOLVE(name)                                                                               \
    name = reinterpret_cast<decltype(name)>(library->resolve(#name));                                        \
    all = all && name != nullptr;
    DBE_FOR_EACH_FUNCTION(VTRK_DBE_RESOLVE)
#undef VTRK_DBE_RESOLVE
    return all;
}

void TDbfEngine::clearEntries() {
#define VTRK_DBE_CLEAR(name) name = nullptr;
    DBE_FOR_EACH_FUNCTION(VTRK_DBE_CLEAR)
#undef VTRK_DBE_CLEAR
}

void TDbfEngine::Unload() {
    clearEntries();
    loaded = false;
    if (library) {
        library->unload();
        delete library;
        library = nullptr;
    }
}
