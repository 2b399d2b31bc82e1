#include "onewire/TKeyTouchTracker.h"
#include "onewire/TOneWirePoller.h"
#include "onewire/TOwServerBus.h"
#include "tests/support/TFakeOwServer.h"
#include "tests/support/TOwServerProcess.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include <mutex>
#include <stdexcept>

namespace {

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
        return [this](const std::atomic<bool>&) -> std::unique_ptr<TOneWireBus> {
            std::lock_guard<std::mutex> lock(mutex);
            if (made++ == 0)
                throw std::runtime_error("no server");
            return std::make_unique<TBus>(this);
        };
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
        TOwServerProcess server;
        QVERIFY2(server.start(QStringLiteral("01.2BC5FB000000,10,01.4AEC29CDBAAB")),
                 "owserver is missing: tools/scripts/install-deps installs it");
        {
            TOwServerBus bus(server.address());
            QStringList keys = bus.TouchKeys();
            keys.sort();
            QCOMPARE(keys, QStringList({"2BC5FB000000", "4AEC29CDBAAB"}));
            // The devices of "--fake" are no reader, as in Debian's own configuration.
            QVERIFY2(bus.ReaderProblem().contains(QStringLiteral("simulated devices")),
                     qPrintable(bus.ReaderProblem()));
            // Connections are the bus's own: a second bus reads the same server at once.
            TOwServerBus second(server.address());
            QCOMPARE(second.TouchKeys().size(), 2);
        }
        const QString address = server.address();
        TOneWirePoller poller([address](const std::atomic<bool>& stop) {
            return std::make_unique<TOwServerBus>(address, &stop);
        });
        QSignalSpy touched(&poller, &TOneWirePoller::KeyTouched);
        QSignalSpy readerless(&poller, &TOneWirePoller::NoReader);
        poller.Start();
        QTRY_COMPARE_WITH_TIMEOUT(touched.count(), 2, 30000);
        poller.Stop();
        QStringList codes{touched[0][0].toString(), touched[1][0].toString()};
        codes.sort();
        QCOMPARE(codes, QStringList({"2BC5FB000000", "4AEC29CDBAAB"}));
        QCOMPARE(readerless.count(), 1);
    }

    // A server killed or restarted under a running search is said, and so is its return.
    void shouldSayThatTheServerWentAwayUntilItIsBack() {
        TOwServerProcess server;
        QVERIFY2(server.start(QStringLiteral("01.2BC5FB000000")), "owserver is missing");
        TOwServerBus bus(server.address());
        QCOMPARE(bus.TouchKeys(), QStringList{"2BC5FB000000"});
        server.stop();
        for (int attempt = 0; attempt < 2; ++attempt) {
            try {
                bus.TouchKeys();
                QFAIL("a search without a server");
            } catch (const std::runtime_error& e) {
                QVERIFY2(QString::fromUtf8(e.what()).contains(QStringLiteral("has gone away")), e.what());
            }
        }
        QVERIFY(server.start(QStringLiteral("01.4AEC29CDBAAB")));
        QCOMPARE(bus.TouchKeys(), QStringList{"4AEC29CDBAAB"});
    }

    void shouldTellHowToStartAServerThatDoesNotAnswer() {
        const QString address = QStringLiteral("localhost:%1").arg(TOwServerProcess::freePort());
        try {
            TOwServerBus bus(address);
            bus.TouchKeys();
            QFAIL("a search without a server");
        } catch (const std::runtime_error& e) {
            const QString text = QString::fromUtf8(e.what());
            QVERIFY2(text.contains(address) && text.contains(QStringLiteral("sudo apt-get install owserver")),
                     qPrintable(text));
        }
        for (const char* address : {"-d /dev/ttyS0", "", "host:99999", "a b:4304", "[zz]:1"})
            QVERIFY_THROWS_EXCEPTION(std::runtime_error, TOwServerBus(QString::fromLatin1(address)));
    }

    void shouldPickTouchKeysOutOfADirectoryListing_data() {
        QTest::addColumn<QString>("listing");
        QTest::addColumn<QStringList>("keys");
        QTest::newRow("plain") << "/01.2BC5FB000000,/10.0123456789AB,/bus.0,/01.4AEC29CDBAAB"
                               << QStringList{"2BC5FB000000", "4AEC29CDBAAB"};
        QTest::newRow("uncached, with slashes")
            << "/uncached/01.2BC5FB000000/,/uncached/bus.0/" << QStringList{"2BC5FB000000"};
        QTest::newRow("on a bus, twice")
            << "/bus.0/01.2BC5FB000000,/01.2BC5FB000000" << QStringList{"2BC5FB000000"};
        QTest::newRow("malformed entries")
            << "/01.4AEC29CDBAA,01.4aec29cdbaab,/01.4AEC29CDBAABC,/01-4AEC29CDBAAB,"
               "/01.4AEC29CDBAAB.x,/\xff\xfe,/,//,settings/"
            << QStringList{};
    }
    void shouldPickTouchKeysOutOfADirectoryListing() {
        QFETCH(QString, listing);
        QFETCH(QStringList, keys);
        QCOMPARE(TOwServerBus::KeysInListing(listing.split(QLatin1Char(','))), keys);
    }

    // Nothing a server sends may crash, hold or flood the client: each ends as a clear failure.
    void shouldRefuseWhatAHostileServerSends_data() {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<int>("byteEveryMs");
        QTest::addColumn<bool>("pingForever");
        QTest::addColumn<bool>("holdOpen");
        QTest::addColumn<QString>("error");
        const QByteArray listing = TFakeOwServer::answer("/01.2BC5FB000000,/bus.0");
        QTest::newRow("garbage") << QByteArray("HTTP/1.1 400 Bad Request\r\n\r\n") << 0 << false << false
                                 << "announced an answer of";
        QTest::newRow("2 GiB length") << TFakeOwServer::header(0x7fffffff) << 0 << false << true
                                      << "announced an answer of 2147483647 bytes";
        QTest::newRow("8 MiB of listing") << TFakeOwServer::header(8 << 20) + QByteArray(64 << 10, ',') << 0
                                          << false << true << "announced an answer of 8388608 bytes";
        QTest::newRow("negative length")
            << TFakeOwServer::header(-7) << 0 << false << false << "announced an answer of -7 bytes";
        QTest::newRow("endless pings") << QByteArray() << 0 << true << true << "did not answer in time";
        QTest::newRow("one byte at a time") << listing << 200 << false << true << "did not answer in time";
        QTest::newRow("silence") << QByteArray() << 0 << false << true << "did not answer in time";
        QTest::newRow("closed at once") << QByteArray() << 0 << false << false << "broke off its answer";
        QTest::newRow("half a header") << listing.left(10) << 0 << false << false << "broke off its answer";
        QTest::newRow("half a payload") << listing.left(30) << 0 << false << false << "broke off its answer";
        QTest::newRow("refused listing")
            << TFakeOwServer::answer("", -2) << 0 << false << false << "refused to list /uncached/ (error 2)";
        QTest::newRow("zero byte in the listing")
            << TFakeOwServer::answer(QByteArray("/01.2BC5FB000000\0/bus.0", 23)) << 0 << false << false
            << "zero byte";
        QByteArray flood;
        for (int i = 0; i < 100; ++i)
            flood += QByteArray("/01.") + QByteArray::number(0x2BC5FB000000LL + i, 16).toUpper() + ',';
        QTest::newRow("more keys than a reader holds")
            << TFakeOwServer::answer(flood) << 0 << false << false << "more than 64 touch keys";
    }
    void shouldRefuseWhatAHostileServerSends() {
        QFETCH(QByteArray, answer);
        QFETCH(int, byteEveryMs);
        QFETCH(bool, pingForever);
        QFETCH(bool, holdOpen);
        QFETCH(QString, error);
        TFakeOwServer server({answer, byteEveryMs, pingForever, holdOpen});
        // A short deadline only where it is the point: elsewhere a busy machine may be slow to answer.
        const bool late = error.contains(QStringLiteral("in time"));
        TOwServerBus bus(QStringLiteral("127.0.0.1:%1").arg(server.port()), nullptr,
                         late ? std::chrono::milliseconds(600) : std::chrono::milliseconds(60000));
        try {
            bus.TouchKeys();
            QFAIL("no failure");
        } catch (const std::runtime_error& e) {
            QVERIFY2(QString::fromUtf8(e.what()).contains(error), e.what());
        }
        QCOMPARE(server.requests(), 1);
    }

    // Keys are taken whatever else is listed; a listing without a bus has no reader to touch.
    void shouldTellAReaderFromNone_data() {
        QTest::addColumn<QByteArray>("listing");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("problem");
        QTest::newRow("a reader, malformed entries skipped")
            << QByteArray("/01.2BC5FB000000,/01.ZZ,\xff,/bus.0,/01.4AEC29CDBAAB/")
            << QStringList{"2BC5FB000000", "4AEC29CDBAAB"} << QString();
        QTest::newRow("no adapter") << QByteArray("/settings,/system") << QStringList{}
                                    << "no reader (1-Wire adapter)";
        QTest::newRow("keys but no adapter")
            << QByteArray("/01.2BC5FB000000") << QStringList{"2BC5FB000000"} << "no reader (1-Wire adapter)";
    }
    void shouldTellAReaderFromNone() {
        QFETCH(QByteArray, listing);
        QFETCH(QStringList, keys);
        QFETCH(QString, problem);
        TFakeOwServer server({TFakeOwServer::answer(listing), 0, false, false});
        TOwServerBus bus(QStringLiteral("127.0.0.1:%1").arg(server.port()), nullptr, std::chrono::minutes(1));
        QCOMPARE(bus.TouchKeys(), keys);
        QVERIFY2(problem.isEmpty() ? bus.ReaderProblem().isEmpty() : bus.ReaderProblem().contains(problem),
                 qPrintable(bus.ReaderProblem()));
    }

    // Stopping ends a search at once, whatever the server does and however long its deadline.
    void shouldStopAtOnceWhileTheServerHoldsTheSearch_data() { TFakeOwServer::addHoldingRows(); }
    void shouldStopAtOnceWhileTheServerHoldsTheSearch() {
        TFakeOwServer server(TFakeOwServer::fetchHoldingRow());
        const QString address = QStringLiteral("127.0.0.1:%1").arg(server.port());
        TOneWirePoller poller([address](const std::atomic<bool>& stop) {
            return std::make_unique<TOwServerBus>(address, &stop, std::chrono::minutes(10));
        });
        QSignalSpy failed(&poller, &TOneWirePoller::BusFailed);
        poller.Start();
        QTRY_COMPARE_WITH_TIMEOUT(server.requests(), 1, 30000);
        QElapsedTimer stopping;
        stopping.start();
        poller.Stop();
        // Far below the search's own deadline: the stop flag ended it, not the clock.
        QVERIFY2(stopping.elapsed() < 20000, qPrintable(QString::number(stopping.elapsed())));
        QTest::qWait(20);
        QCOMPARE(failed.count(), 0);
    }
};

QTEST_GUILESS_MAIN(tst_TOneWire)
#include "tst_TOneWire.moc"
