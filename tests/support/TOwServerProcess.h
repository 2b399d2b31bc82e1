#pragma once

#include <QProcess>
#include <QString>

// A real owserver with simulated devices ("--fake"), in the foreground so that it ends with the test.
class TOwServerProcess {
public:
    TOwServerProcess();
    ~TOwServerProcess(); // stops

    // Starts the server with devices such as "01.2BC5FB000000,10" and waits until it listens;
    // false when owserver is missing or never listens.
    bool start(const QString& devices);
    void stop();

    int port() const { return listenPort; }
    QString address() const { return QStringLiteral("localhost:%1").arg(listenPort); }

    // A port nobody listens on at the moment.
    static int freePort();

private:
    bool listening() const;

    QProcess process;
    int listenPort;
};
