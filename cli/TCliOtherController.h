#pragma once

#include <QCoreApplication>
#include <QString>

class QCommandLineParser;

// Whether vtrk may write a key list saved from one controller to another. Only
// --other-controller, or a "y" typed at a terminal, says yes; --yes does not, since a script that
// confirms its routine writes must not overwrite the wrong door's keys.
class TCliOtherController {
    Q_DECLARE_TR_FUNCTIONS(TCliOtherController)

public:
    static void Define(QCommandLineParser& parser);
    explicit TCliOtherController(const QCommandLineParser& parser);

    // True to go on; false after saying why not.
    bool Confirm(const QString& question);
    bool Refused() const { return refused; }
    // Ends the command with the exit code of a refused controller.
    [[noreturn]] static void Refuse(const QString& portName);

private:
    bool allowed;
    bool refused = false;
};
