#pragma once

#include <QByteArray>

#include <atomic>
#include <thread>

// A hostile or broken owserver on the loopback interface: it takes each request (its header and
// path) and answers every connection the same way, as scripted, on a thread of its own.
class TFakeOwServer {
public:
    struct TScript {
        QByteArray answer;        // sent after the request was read
        int byteEveryMs = 0;      // when not 0, the answer goes out one byte at a time
        bool pingForever = false; // after the answer, a keep-alive header every few milliseconds
        bool holdOpen = false;    // keep the connection open afterwards instead of closing it
    };

    explicit TFakeOwServer(TScript script);
    ~TFakeOwServer(); // stops and closes every connection
    TFakeOwServer(const TFakeOwServer&) = delete;
    TFakeOwServer& operator=(const TFakeOwServer&) = delete;

    int port() const { return listenPort; }
    int requests() const { return taken.load(); } // requests read so far

    // An owserver answer header with a payload of payloadLength announced.
    static QByteArray header(qint32 payloadLength, qint32 result = 0, qint32 size = 0);
    // A complete answer carrying payload.
    static QByteArray answer(const QByteArray& payload, qint32 result = 0);

    // Test data: servers that hold a request for ever (pings, dripping, silence), and the row's script.
    static void addHoldingRows();
    static TScript fetchHoldingRow();

private:
    void serve();
    void answerOne(int fd);
    bool readRequest(int fd);
    bool sendSlowly(int fd, const QByteArray& bytes, int pauseMs);
    bool pause(int ms);

    TScript script;
    int listener = -1;
    int listenPort = 0;
    std::atomic<bool> stopping{false};
    std::atomic<int> taken{0};
    std::thread worker;
};
