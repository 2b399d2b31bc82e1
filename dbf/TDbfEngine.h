#pragma once

#include "dbfeng/dbfeng.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class QLibrary;

// The table engine library, loaded at run time on first need and released at program end.
// Every entry point is resolved at load; the table layer calls them as DbfEngine().dbe_Go(n).
class TDbfEngine {
    Q_DECLARE_TR_FUNCTIONS(TDbfEngine)

public:
    static TDbfEngine& Instance();

    // Loads the library once. On failure returns false and keeps the reason (LoadError); the next
    // call tries again. Whoever started the program decides what a missing engine means.
    bool LoadEngine();
    // True after a load failed, until a load succeeds.
    bool LoadFailed() const { return failed; }
    // "Unable to load required table engine: " and the file name looked for.
    QString LoadError() const;
    bool Loaded() const { return loaded; }
    void Unload();

    // The file name looked for: libdbfeng.so (DBFENG.DLL on Windows).
    QString LibraryFileName() const;
    void SetLibraryFileName(const QString& fileName); // empty restores the default
    // Directories tried in order before the system's own search; default: DefaultSearchDirectories.
    void SetSearchDirectories(const QStringList& directories);
    // The executable's directory, then the installation's private library directory beside it
    // (<prefix>/lib/velm-tarvikon for <prefix>/bin).
    static QStringList DefaultSearchDirectories();

#define VTRK_DBE_ENTRY(name) decltype(&::name) name = nullptr;
    DBE_FOR_EACH_FUNCTION(VTRK_DBE_ENTRY)
#undef VTRK_DBE_ENTRY

private:
    TDbfEngine();
    ~TDbfEngine();
    TDbfEngine(const TDbfEngine&) = delete;
    TDbfEngine& operator=(const TDbfEngine&) = delete;

    bool tryLoad();
    bool resolveAll();
    void clearEntries();

    QLibrary* library = nullptr;
    bool loaded = false;
    bool failed = false;
    QString fileName;
    QStringList searchDirectories;
    bool searchDirectoriesSet = false;
};

inline TDbfEngine& DbfEngine() {
    return TDbfEngine::Instance();
}
