#pragma once

#include <QCoreApplication>
#include <QString>

#include <stdexcept>

class QCommandLineParser;

// The exit codes of vtrk, as the manual page lists them.
namespace VtrkExit {
constexpr int Done = 0;
constexpr int FailedSlots = 1;
constexpr int Usage = 2;
constexpr int Port = 3;
constexpr int File = 4;
constexpr int Version = 5;
// The key list was saved from another controller and --other-controller was not given.
constexpr int OtherController = 6;
// A question before a change was answered no, or nobody was there to answer it (no --yes).
constexpr int NotConfirmed = 7;
// diff: some slots could not be read, so the comparison is not complete.
constexpr int Incomplete = 8;
// site round: the controller on the port is not one of the site's doors.
constexpr int NotInSite = 9;
// Interrupted (Ctrl-C or SIGTERM), as a shell reports a command ended by SIGINT.
constexpr int Stopped = 130;
} // namespace VtrkExit

// Ends a command with an exit code and a message for the standard error stream.
class EVtrkExit : public std::runtime_error {
public:
    EVtrkExit(int code, const QString& message) : std::runtime_error(message.toStdString()), exitCode(code) {}
    int code() const { return exitCode; }

private:
    int exitCode;
};

// One vtrk command: its name, its options and its run. Results go to the standard output only;
// messages, questions and progress go to the standard error stream.
class TVtrkCommand {
    Q_DECLARE_TR_FUNCTIONS(TVtrkCommand)

public:
    virtual ~TVtrkCommand() = default;

    virtual QString Name() const = 0;
    // One line for the command list of "vtrk --help".
    virtual QString Summary() const = 0;
    // Adds the command's options and positional arguments ("--help" and "--json" are there already).
    virtual void Define(QCommandLineParser& parser) const = 0;
    // Text that "vtrk COMMAND --help" shows after the options and arguments; empty for most.
    virtual QString HelpDetails() const { return QString(); }
    // Returns the exit code; throws EVtrkExit where it ends early.
    virtual int Run(const QCommandLineParser& parser) = 0;

protected:
    // Throws EVtrkExit (usage) unless exactly count positional arguments were given.
    static void RequirePositionals(const QCommandLineParser& parser, int count);
};
