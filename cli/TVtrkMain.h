#pragma once

#include <QStringList>

// The front of vtrk: "--help", "--version", and the command named by the first argument with its
// own options. Returns the process's exit code.
class TVtrkMain {
public:
    static int Run(const QStringList& arguments);

private:
    static QString GeneralHelp();
    static int RunCommand(class TVtrkCommand& command, const QStringList& arguments);
};
