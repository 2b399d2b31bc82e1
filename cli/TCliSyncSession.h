#pragma once

#include "cli/TCliDifferences.h"
#include "cli/TCliKeyList.h"
#include "cli/TCliLink.h"
#include "cli/TCliPortArgument.h"
#include "cli/TCliProgress.h"
#include "sync/TSyncCommands.h"

#include <QCoreApplication>

class QCommandLineParser;

// A key list and a controller for vtrk diff and sync: the list opened, the port opened and the
// firmware version accepted, and the conversation the window holds (TDoorSession) over them.
class TCliSyncSession {
    Q_DECLARE_TR_FUNCTIONS(TCliSyncSession)

public:
    // "vtrk diff|sync PORT FILE": throws EVtrkExit as the other commands do.
    explicit TCliSyncSession(const QCommandLineParser& parser);

    TDoorSession& Door() { return link.Door(); }
    TSyncCommands& Sync() { return link.Door().Sync(); }
    const TCliDifferences& Viewer() const { return viewer; }
    const QString& ListSerial() const { return header.serial; }
    const QString& PortName() const { return port.name; }
    const TCliOtherController& OtherController() const { return otherController; }
    // Ends the command with the exit code of how the core's command ended; consequence: what was
    // not done, e.g. "nothing was written".
    [[noreturn]] void Fail(TSyncCommands::Ending ending, const QString& consequence) const;
    [[noreturn]] static void Fail(TSyncCommands::Ending ending, const QString& consequence,
                                  const QString& portName);

private:
    TCliKeyList list;
    TKeyListStore::THeader header;
    TCliPortArgument::TChoice port;
    TCliProgress progress;
    TCliOtherController otherController;
    TCliDifferences viewer;
    TCliLink link;
};
