#pragma once

#include <QByteArray>
#include <QString>

// The far end of a serial line for tests: a pseudo-terminal whose slave side is the "device"
// a port opens and whose master side the test (or a simulated controller) reads and writes.
// Raw mode, no echo. mapTo(n) makes "COM n" open this line for the peer's lifetime.
//
// One thread at a time may use a peer; a simulator may run it on a thread of its own. Map the
// number before other threads start: the environment is not safe to change beside them.
class TPtyPeer {
public:
    TPtyPeer();
    ~TPtyPeer();
    TPtyPeer(const TPtyPeer&) = delete;
    TPtyPeer& operator=(const TPtyPeer&) = delete;

    bool isValid() const { return master >= 0; }
    QString devicePath() const { return path; }
    int masterFd() const { return master; }

    // Sets VTRK_COM<number> to this line until the peer ends or maps another number.
    void mapTo(int number);

    // Writes every byte, waiting for room as needed; false when the line is gone.
    bool write(const QByteArray& bytes);
    // Reads until count bytes have come or timeoutMs has passed; returns what came.
    // A timeout of 0 takes only what is there already.
    QByteArray read(int count, int timeoutMs);
    // Reads whatever arrives until the line has been quiet for quietMs.
    QByteArray readAll(int quietMs);

    // Stops and restarts what the port sends (the line's output is held in the terminal).
    void holdOutput(bool hold);
    // Closes the master side: the device hangs up as a pulled USB adapter does.
    void hangUp();

private:
    int master = -1;
    int slave = -1; // kept open, so that the line outlives the port's openings
    QString path;
    int mappedNumber = 0;
};
