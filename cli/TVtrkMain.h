#pragma once

#include <QCoreApplication>
#include <QJsonDocument>
#include <QStringList>

// The front of vtrk: "--help", "--version", and the command named by the first argument with its
// own options. Returns the process's exit code.
class TVtrkMain {
    Q_DECLARE_TR_FUNCTIONS(TVtrkMain)

public:
    static int Run(const QStringList& arguments);
    // What a command that fails prints on the standard output when --json was given, beside
    // the message on the standard error stream: {"error": {"exitCode": n, "message": "..."}}.
    static QJsonDocument ErrorDocument(int code, const QString& message);

private:
    static QString GeneralHelp();
    static int RunCommand(class TVtrkCommand& command, const QStringList& arguments);
};
