#pragma once

#include "cli/TCliDifferences.h"
#include "cli/TCliKeyList.h"
#include "cli/TCliLink.h"
#include "cli/TCliProgress.h"
#include "cli/TCliSyncHost.h"
#include "sync/TSnapshotStore.h"
#include "sync/TSyncCommands.h"

class QCommandLineParser;

// A key list and a controller for vtrk diff and sync: the list opened, the port opened and the
// firmware version accepted, and the window's compare and synchronise core over them.
class TCliSyncSession {
public:
    // "vtrk diff|sync PORT FILE": throws EVtrkExit as the other commands do.
    explicit TCliSyncSession(const QCommandLineParser& parser);

    TSyncCommands& Sync() { return sync; }
    const TCliDifferences& Viewer() const { return viewer; }
    const QString& ListSerial() const { return header.serial; }
    const QString& PortName() const { return portName; }
    TCliSyncHost& Host() { return *host; }
    const TCliOtherController& OtherController() const { return otherController; }
    // Ends the command with the exit code of how the core's command ended; consequence: what was
    // not done, e.g. "nothing was written".
    [[noreturn]] void Fail(TSyncCommands::Ending ending, const QString& consequence) const;
    [[noreturn]] static void Fail(TSyncCommands::Ending ending, const QString& consequence,
                                  const QString& portName);

private:
    TCliKeyList list;
    TKeyListStore::THeader header;
    QString portName;
    TCliProgress progress;
    std::unique_ptr<TCliLink> link;
    std::unique_ptr<TCliSyncHost> host;
    TCliOtherController otherController;
    TCliDifferences viewer;
    TSnapshotStore store;
    TSyncCommands sync;
};
