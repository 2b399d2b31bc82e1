#include "onewire/TKeyTouchTracker.h"
#include "onewire/TOneWirePoller.h"
#include "onewire/TOwServerBus.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

#include <csignal>
#include <mutex>
#include <netinet/in.h>
#include <stdexcept>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// A port nobody listens on at the moment.
int freePort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof(address);
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), size);
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size);
    ::close(fd);
    return ntohs(address.sin_port);
}

// Polls given as "A,B|A||" : one search per "|"-separated group.
QList<QStringList> searches(const QString& script) {
    QList<QStringList> result;
    for (const QString& group : script.split(QLatin1Char('|')))
        result << group.split(QLatin1Char(','), Qt::SkipEmptyParts);
    return result;
}

// A bus whose searches follow a script shared by every bus the factory makes; "!" fails the
// search, and the last entry repeats for ever. The first factory call fails as a missing server.
struct TScriptedBuses {
    std::mutex mutex;
    QStringList script;
    int made = 0;

    struct TBus : TOneWireBus {
        TScriptedBuses* owner;
        explicit TBus(TScriptedBuses* owner) : owner(owner) {}
        QStringList TouchKeys() override {
            std::lock_guard<std::mutex> lock(owner->mutex);
            const QString next = owner->script.size() > 1 ? owner->script.takeFirst() : owner->script.first();
            if (next == QLatin1String("!"))
                throw std::runtime_error("stopped answering");
            return next.split(QLatin1Char(','), Qt::SkipEmptyParts);
        }
    };

    TOneWirePoller::TBusFactory factory() {
        return [this]() -> std::unique_ptr<TOneWireBus> {
            std::lock_guard<std::mutex> lock(mutex);
            if (made++ == 0)
                throw std::runtime_error("no server");
            return std::make_unique<TBus>(this);
        };
    }
};

// owserver with fake adapters, in the foreground so that it ends with the test.
struct TOwServer {
    QProcess process;
    int port = freePort();

    QString address() const { return QStringLiteral("localhost:%1").arg(port); }

    bool start(const QString& devices) {
        const QString program =
            QStandardPaths::findExecutable(QStringLiteral("owserver"), {"/usr/bin", "/usr/sbin"});
        if (program.isEmpty())
            return false;
        // The server ends with the test even when the test itself is killed.
        process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
        process.start(program, {QStringLiteral("--fake=") + devices, QStringLiteral("-p"),
                                QString::number(port), QStringLiteral("--foreground"),
                                QStringLiteral("--nozero"), QStringLiteral("--error_level=0")});
        return process.waitForStarted(10000);
    }
    // The server needs a moment before it listens; a busy machine may need many.
    std::unique_ptr<TOwServerBus> connect() {
        QDeadlineTimer deadline(30000);
        for (;;) {
            try {
                return std::make_unique<TOwServerBus>(address());
            } catch (const std::exception&) {
                if (deadline.hasExpired() || process.state() != QProcess::Running)
                    throw;
                QThread::msleep(100);
            }
        }
    }
    ~TOwServer() {
        process.terminate();
        if (!process.waitForFinished(5000))
            process.kill();
        process.waitForFinished(5000);
    }
};

} // namespace

class tst_TOneWire : public QObject {
    Q_OBJECT
private slots:
    void shouldReportAKeyOnceUntilItHasLeftTheReader_data() {
        QTest::addColumn<QString>("present");
        QTest::addColumn<QString>("touched");
        QTest::newRow("held") << "A|A|A"
                              << "A||";
        QTest::newRow("lying there at the start") << "A,B|A,B"
                                                  << "A,B|";
        QTest::newRow("one missed search is a bounce") << "A||A"
                                                       << "A||";
        QTest::newRow("gone, then touched again") << "A|||A"
                                                  << "A|||A";
        QTest::newRow("a second key beside the first") << "A|A,B|B|B||A"
                                                       << "A|B||||A";
        QTest::newRow("nothing") << "||"
                                 << "||";
    }
    void shouldReportAKeyOnceUntilItHasLeftTheReader() {
        QFETCH(QString, present);
        QFETCH(QString, touched);
        TKeyTouchTracker tracker;
        const QList<QStringList> found = searches(present);
        const QList<QStringList> expected = searches(touched);
        QCOMPARE(found.size(), expected.size());
        for (int i = 0; i < found.size(); ++i)
            QCOMPARE(tracker.Poll(found[i]), expected[i]);
    }

    void shouldPollOffTheUiThreadAndRecoverFromALostServer() {
        TScriptedBuses buses;
        buses.script = QStringList{"", "K1", "!", "K1", "", "", "K1,K2", "K2"};
        TOneWirePoller poller(buses.factory(), 5);
        QSignalSpy touched(&poller, &TOneWirePoller::KeyTouched);
        QSignalSpy failed(&poller, &TOneWirePoller::BusFailed);
        QSignalSpy ready(&poller, &TOneWirePoller::BusReady);
        poller.Start();
        QTRY_COMPARE_WITH_TIMEOUT(touched.count(), 3, 30000);
        poller.Stop();
        QVERIFY(!poller.Running());
        QCOMPARE(touched[0][0].toString(), QStringLiteral("K1"));
        QCOMPARE(touched[1][0].toString(), QStringLiteral("K1"));
        QCOMPARE(touched[2][0].toString(), QStringLiteral("K2"));
        QCOMPARE(failed.count(), 2);
        QCOMPARE(failed[0][0].toString(), QStringLiteral("no server"));
        QCOMPARE(failed[1][0].toString(), QStringLiteral("stopped answering"));
        QCOMPARE(ready.count(), 2);
        // Stopped means stopped: nothing arrives afterwards.
        QTest::qWait(50);
        QCOMPARE(touched.count(), 3);
    }

    void shouldReadTheTouchKeysOfARealServer() {
        TOwServer server;
        QVERIFY2(server.start(QStringLiteral("01.2BC5FB000000,10,01.4AEC29CDBAAB")),
                 "owserver is missing: tools/scripts/install-deps installs it");
        {
            std::unique_ptr<TOwServerBus> bus = server.connect();
            QStringList keys = bus->TouchKeys();
            keys.sort();
            QCOMPARE(keys, QStringList({"2BC5FB000000", "4AEC29CDBAAB"}));
            // The library holds one connection per process.
            QVERIFY_THROWS_EXCEPTION(std::runtime_error, TOwServerBus(server.address()));
        }
        const QString address = server.address();
        TOneWirePoller poller([address] { return std::make_unique<TOwServerBus>(address); });
        QSignalSpy touched(&poller, &TOneWirePoller::KeyTouched);
        poller.Start();
        QTRY_COMPARE_WITH_TIMEOUT(touched.count(), 2, 30000);
        poller.Stop();
        QStringList codes{touched[0][0].toString(), touched[1][0].toString()};
        codes.sort();
        QCOMPARE(codes, QStringList({"2BC5FB000000", "4AEC29CDBAAB"}));
    }

    void shouldTellHowToStartAServerThatDoesNotAnswer() {
        const QString address = QStringLiteral("localhost:%1").arg(freePort());
        try {
            TOwServerBus bus(address);
            QFAIL("a bus without a server");
        } catch (const std::runtime_error& e) {
            const QString text = QString::fromUtf8(e.what());
            QVERIFY2(text.contains(address) && text.contains(QStringLiteral("sudo apt-get install owserver")),
                     qPrintable(text));
        }
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, TOwServerBus(QStringLiteral("-d /dev/ttyS0")));
    }

    void shouldPickTouchKeysOutOfADirectoryListing() {
        QCOMPARE(TOwServerBus::KeysInListing("01.2BC5FB000000/,10.0123456789AB/,bus.0/,01.4AEC29CDBAAB/,"
                                             "01.4AEC29CDBAA/,settings/"),
                 QStringList({"2BC5FB000000", "4AEC29CDBAAB"}));
    }
};

QTEST_GUILESS_MAIN(tst_TOneWire)
#include "tst_TOneWire.moc"
