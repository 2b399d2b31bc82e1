#pragma once

#include "dbfeng.h"

#include <QString>
#include <QStringList>

#include <functional>

class QLibrary;

// The table engine library, loaded at run time on first need and released at program end.
// Every entry point is resolved at load; the table layer calls them as DbfEngine().dbe_Go(n).
class TDbfEngine {
public:
    static TDbfEngine& Instance();

    // Loads the library once. On failure shows "Unable to load required table engine: " and the
    // file name looked for, asks the application to end and returns false; the next call tries again.
    bool LoadEngine();
    bool Loaded() const { return loaded; }
    void Unload();

    // The file name looked for: libdbfeng.so (DBFENG.DLL on Windows).
    QString LibraryFileName() const;
    void SetLibraryFileName(const QString& fileName); // empty restores the default
    // Directories tried in order before the system's own search; default: the executable's directory.
    void SetSearchDirectories(const QStringList& directories);

    // Set when a failed load asked the application to end; main() returns at once when it is set
    // after the main window was created.
    bool TerminateRequested() const { return terminateRequested; }
    void ClearTerminateRequest() { terminateRequested = false; }
    // What asks the application to end; default: quit the event loop as soon as it runs, with code 1.
    void SetTerminateHandler(std::function<void()> handler);

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
    void fail();

    QLibrary* library = nullptr;
    bool loaded = false;
    bool terminateRequested = false;
    QString fileName;
    QStringList searchDirectories;
    bool searchDirectoriesSet = false;
    std::function<void()> terminateHandler;
};

inline TDbfEngine& DbfEngine() {
    return TDbfEngine::Instance();
}
