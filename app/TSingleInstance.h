#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// Keeps the program to one running instance per user. The first instance holds an exclusive
// lock on a lock file for its whole run (the kernel drops it when the process ends, so a crashed
// instance never blocks the next start) and listens on a local socket; a later start finds the
// lock taken, shows its message and asks the running instance to bring its main window up.
class TSingleInstance : public QObject {
    Q_OBJECT

public:
    static constexpr const char* DefaultKey = "VTRKMutex";

    // key names the lock and the socket together with the user; directory is where both live
    // (empty: $XDG_RUNTIME_DIR when it is this user's private directory, else a private directory
    // made like the working directory).
    explicit TSingleInstance(const QString& key = QString::fromLatin1(DefaultKey),
                             const QString& directory = QString(), QObject* parent = nullptr);
    ~TSingleInstance() override;

    // True when no other instance runs: this one then holds the lock and listens.
    bool tryToRun();
    // For a later start: shows "Programm VELM Tarvikon already executed." and asks the running
    // instance to restore and raise its main window. False when no running instance answered;
    // then nothing is shown.
    bool notifyRunningInstance(int timeoutMs = 3000);
    // Gives up the lock and stops listening.
    void release();

    QString lockFilePath() const { return LockPath; }
    QString serverPath() const { return ServerPath; }
    bool isRunning() const { return LockFd >= 0; }

    static QString userName();

signals:
    // A later start asked this instance to show its main window.
    void raiseRequested();

private:
    void listen();

    QString LockPath;
    QString ServerPath;
    int LockFd = -1;
    QLocalServer* Server = nullptr;
};
