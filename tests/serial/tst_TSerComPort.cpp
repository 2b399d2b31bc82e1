#include "serial/ESerException.h"
#include "serial/TSerBaseDispatcher.h"
#include "serial/TSerComPort.h"
#include "serial/TSerErrors.h"
#include "serial/TSerPortMap.h"
#include "tests/serial/SerialTestHelpers.h"
#include "tests/support/TPtyPeer.h"
#include "tests/support/TTestPortChooser.h"

#include "seams/TWaitHook.h"
#include "serial/EConvertError.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <thread>
#include <unistd.h>

namespace {
constexpr int Wait = 5000;

// A port as the main window configures it, on "COM n".
void Configure(TSerComPort& port, int number) {
    port.SetAutoOpen(false);
    port.SetBaud(9600);
    port.SetComNumber(static_cast<unsigned short>(number));
}

int Held(const TSerComPort& port) {
    return port.Dispatcher() ? port.Dispatcher()->InBufferUsed() : -1;
}

template <class E, class F> QString FailureOf(F call, int* code = nullptr) {
    try {
        call();
    } catch (const E& failure) {
        if (code)
            *code = failure.code();
        return QString::fromStdString(failure.what());
    } catch (const std::exception& other) {
        return QStringLiteral("other failure: ") + other.what();
    }
    return QStringLiteral("no failure");
}
} // namespace

class tst_TSerComPort : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();

    void shouldOpenOnceAndCloseOnceWithOneEventEach();
    void shouldReopenOnAnotherComNumberWhileOpen();
    void shouldRefuseADeviceThatAnotherPortHolds();
    void shouldRefuseAPortWithoutDevice_data();
    void shouldRefuseAPortWithoutDevice();
    void shouldReportADeviceTheUserMayNotOpenWithTheSystemsText();
    void shouldFailDataOperationsOnAClosedPort_data();
    void shouldFailDataOperationsOnAClosedPort();
    void shouldOpenForADataOperationWithAutoOpen();
    void shouldFailWithoutAskingWhenPromptForPortIsOff();
    void shouldFollowTheChoosersOutcome_data();
    void shouldFollowTheChoosersOutcome();
    void shouldReadOnlyWhatHasArrivedInOrder();
    void shouldAcceptBlocksUpToOutSizeOnly();
    void shouldDiscardWhatHasArrived();
    void shouldNeverSendBytesQueuedWhenClosing();
    void shouldIgnoreDataOperationsFromAHandlerWhileClosing();
    void shouldCloseItselfWhenThePeerHangsUpMidTransfer_data();
    void shouldCloseItselfWhenThePeerHangsUpMidTransfer();
    void shouldMapResultsToFailures_data();
    void shouldMapResultsToFailures();
    void shouldMoveTenThousandExchangesWithoutLosingAByte();

private:
    QTemporaryDir emptyRoot;
};

void tst_TSerComPort::initTestCase() {
    // As in the windowed program: waits on this thread keep handling events.
    TWaitHook::setHandler([] { QCoreApplication::processEvents(); });
    // No port of this machine may take part: numbers without VTRK_COM map to nothing.
    QVERIFY(emptyRoot.isValid());
    TSerPortMap::SetRoots(emptyRoot.path(), emptyRoot.path());
}

void tst_TSerComPort::cleanupTestCase() {
    TSerPortMap::SetRoots(QString(), QString());
}

void tst_TSerComPort::shouldOpenOnceAndCloseOnceWithOneEventEach() {
    TPtyPeer peer;
    peer.mapTo(7);
    TSerComPort port;
    Configure(port, 7);
    QSignalSpy opened(&port, &TSerComPort::OnPortOpen);
    QSignalSpy closed(&port, &TSerComPort::OnPortClose);

    port.SetOpen(false);
    QCOMPARE(closed.count(), 0);
    port.SetOpen(true);
    port.SetOpen(true);
    QVERIFY(port.Open());
    QCOMPARE(opened.count(), 1);
    QCOMPARE(opened.at(0).at(0).value<QObject*>(), &port);
    QCOMPARE(port.DevicePath(), peer.devicePath());

    port.SetOpen(false);
    port.SetOpen(false);
    QVERIFY(!port.Open());
    QCOMPARE(closed.count(), 1);
    QCOMPARE(closed.at(0).at(0).value<QObject*>(), &port);

    // Nothing of the first opening survives into the second.
    port.SetOpen(true);
    QVERIFY(peer.write("late"));
    QTRY_COMPARE_WITH_TIMEOUT(Held(port), 4, Wait);
    port.SetOpen(false);
    port.SetOpen(true);
    QCOMPARE(Held(port), 0);
    QCOMPARE(opened.count(), 3);
}

void tst_TSerComPort::shouldReopenOnAnotherComNumberWhileOpen() {
    TPtyPeer first, second;
    first.mapTo(7);
    second.mapTo(8);
    TSerComPort port;
    Configure(port, 7);
    port.SetOpen(true);
    QStringList events;
    connect(&port, &TSerComPort::OnPortOpen, this, [&] { events << "open " + port.DevicePath(); });
    connect(&port, &TSerComPort::OnPortClose, this, [&] { events << "close"; });

    port.SetComNumber(7);
    QVERIFY(events.isEmpty());
    port.SetComNumber(8);
    QCOMPARE(events, QStringList() << "close"
                                   << "open " + second.devicePath());
    port.WriteBlock("hi", 2);
    QCOMPARE(second.read(2, Wait), QByteArray("hi"));
    QCOMPARE(first.readAll(50), QByteArray());

    // A reopening that fails leaves the port closed and keeps the number.
    events.clear();
    QCOMPARE(FailureOf<EBadId>([&] { port.SetComNumber(9); }), QString("Specified comport doesn't exist"));
    QVERIFY(!port.Open());
    QCOMPARE(port.ComNumber(), 9);
    QCOMPARE(events, QStringList() << "close");
}

void tst_TSerComPort::shouldRefuseADeviceThatAnotherPortHolds() {
    TPtyPeer peer;
    peer.mapTo(7);
    TSerComPort holder, other;
    Configure(holder, 7);
    Configure(other, 7);
    holder.SetOpen(true);
    QSignalSpy opened(&other, &TSerComPort::OnPortOpen);

    int code = 0;
    QCOMPARE(FailureOf<EAlreadyOpen>([&] { other.SetOpen(true); }, &code), QString("Device already open"));
    QCOMPARE(code, -2008);
    QVERIFY(!other.Open());
    QCOMPARE(opened.count(), 0);

    // Released by its holder, the device opens.
    holder.SetOpen(false);
    other.SetOpen(true);
    QVERIFY(other.Open());
}

void tst_TSerComPort::shouldRefuseAPortWithoutDevice_data() {
    QTest::addColumn<QByteArray>("mapping");
    QTest::newRow("number without device") << QByteArray();
    QTest::newRow("device node missing") << QByteArray("/dev/vtrk-absent");
}

void tst_TSerComPort::shouldRefuseAPortWithoutDevice() {
    QFETCH(QByteArray, mapping);
    if (!mapping.isEmpty())
        qputenv("VTRK_COM11", mapping);
    TSerComPort port;
    Configure(port, 11);
    QSignalSpy opened(&port, &TSerComPort::OnPortOpen);
    int code = 0;
    QCOMPARE(FailureOf<EBadId>([&] { port.SetOpen(true); }, &code),
             QString("Specified comport doesn't exist"));
    qunsetenv("VTRK_COM11");
    QCOMPARE(code, -2001);
    QVERIFY(!port.Open());
    QCOMPARE(port.ComNumber(), 11);
    QCOMPARE(opened.count(), 0);
}

void tst_TSerComPort::shouldReportADeviceTheUserMayNotOpenWithTheSystemsText() {
    if (::geteuid() == 0)
        QSKIP("root may open every device");
    TPtyPeer peer;
    QVERIFY(QFile::setPermissions(peer.devicePath(), QFileDevice::Permissions()));
    peer.mapTo(7);
    TSerComPort port;
    Configure(port, 7);
    int code = 0;
    QCOMPARE(FailureOf<EInOutError>([&] { port.SetOpen(true); }, &code),
             QString::fromLocal8Bit(strerror(EACCES)));
    QCOMPARE(code, EACCES);
    QVERIFY(!port.Open());
}

void tst_TSerComPort::shouldFailDataOperationsOnAClosedPort_data() {
    QTest::addColumn<int>("operation");
    QTest::newRow("DiscardInput") << 0;
    QTest::newRow("WriteBlock") << 1;
    QTest::newRow("ReadBlock") << 2;
}

void tst_TSerComPort::shouldFailDataOperationsOnAClosedPort() {
    QFETCH(int, operation);
    TTestPortChooser chooser;
    TSerComPort port;
    Configure(port, 0);
    char block[4] = {'a', 'b', 'c', 'd'};
    int code = 0;
    const QString text = FailureOf<ECommNotOpen>(
        [&] {
            if (operation == 0)
                port.DiscardInput();
            else if (operation == 1)
                port.WriteBlock(block, 4);
            else
                port.ReadBlock(block, 4);
        },
        &code);
    QCOMPARE(text, QString("Device not open"));
    QCOMPARE(code, -2007);
    QCOMPARE(QByteArray(block, 4), QByteArray("abcd"));
    QCOMPARE(chooser.shown, 0);
}

void tst_TSerComPort::shouldOpenForADataOperationWithAutoOpen() {
    TPtyPeer peer;
    peer.mapTo(7);
    TSerComPort port;
    port.SetComNumber(7);
    QVERIFY(port.AutoOpen());
    port.WriteBlock("Z", 1);
    QVERIFY(port.Open());
    QCOMPARE(peer.read(1, Wait), QByteArray("Z"));
}

void tst_TSerComPort::shouldFailWithoutAskingWhenPromptForPortIsOff() {
    TTestPortChooser chooser;
    chooser.queueAnswer(7);
    TSerComPort port;
    Configure(port, 0);
    port.SetPromptForPort(false);
    QCOMPARE(FailureOf<ENoPortSelected>([&] { port.SetOpen(true); }),
             QString("The ComNumber property of the TSerComPort has not been set"));
    QCOMPARE(chooser.shown, 0);
    QVERIFY(!port.Open());
}

void tst_TSerComPort::shouldFollowTheChoosersOutcome_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("failure");
    QTest::addColumn<int>("numberAfter");
    QTest::newRow("Cancel or close box")
        << int(TTestPortChooser::Cancel) << "The ComNumber property of the TSerComPort has not been set" << 0;
    QTest::newRow("OK on an empty list") << int(TTestPortChooser::EmptyOk) << "convert" << 0;
    QTest::newRow("port held elsewhere") << 8 << "Device already open" << 8;
    QTest::newRow("port vanished") << 12 << "Specified comport doesn't exist" << 12;
    QTest::newRow("free port") << 7 << "" << 7;
}

void tst_TSerComPort::shouldFollowTheChoosersOutcome() {
    QFETCH(int, answer);
    QFETCH(QString, failure);
    QFETCH(int, numberAfter);
    TPtyPeer free, held;
    free.mapTo(7);
    held.mapTo(8);
    TSerComPort holder;
    Configure(holder, 8);
    holder.SetOpen(true);

    TTestPortChooser chooser;
    chooser.queueAnswer(answer);
    TSerComPort port;
    Configure(port, 0);
    QString got;
    try {
        port.SetOpen(true);
    } catch (const EConvertError&) {
        got = "convert";
    } catch (const ESerException& error) {
        got = error.what();
    }
    QCOMPARE(chooser.shown, 1);
    QCOMPARE(got, failure);
    QCOMPARE(port.Open(), failure.isEmpty());
    QCOMPARE(int(port.ComNumber()), numberAfter);
}

void tst_TSerComPort::shouldReadOnlyWhatHasArrivedInOrder() {
    TPtyPeer peer;
    peer.mapTo(7);
    TSerComPort port;
    Configure(port, 7);
    port.SetOpen(true);
    char block[14];
    memset(block, 'x', sizeof block);
    QCOMPARE(FailureOf<EBufferIsEmpty>([&] { port.ReadBlock(block, 1); }), QString("Buffer is empty"));

    QVERIFY(peer.write(Pattern(13)));
    QTRY_COMPARE_WITH_TIMEOUT(Held(port), 13, Wait);
    int code = 0;
    QCOMPARE(FailureOf<EBufferIsEmpty>([&] { port.ReadBlock(block, 14); }, &code),
             QString("Buffer is empty"));
    QCOMPARE(code, -3007);
    QCOMPARE(block[0], 'x');
    port.ReadBlock(block, 13);
    QCOMPARE(QByteArray(block, 13), Pattern(13));
}

void tst_TSerComPort::shouldAcceptBlocksUpToOutSizeOnly() {
    TPtyPeer peer;
    peer.mapTo(7);
    TSerComPort port;
    Configure(port, 7);
    port.SetOpen(true);
    const QByteArray block = Pattern(4097);

    port.WriteBlock(block.constData(), 0);
    int code = 0;
    QCOMPARE(FailureOf<EOutputBufferTooSmall>([&] { port.WriteBlock(block.constData(), 4097); }, &code),
             QString("Output buffer too small for block"));
    QCOMPARE(code, -3006);
    QCOMPARE(peer.readAll(100), QByteArray());
    port.WriteBlock(block.constData(), 4096);
    QCOMPARE(peer.read(4096, Wait), block.left(4096));
}

void tst_TSerComPort::shouldDiscardWhatHasArrived() {
    TPtyPeer peer;
    peer.mapTo(7);
    TSerComPort port;
    Configure(port, 7);
    port.SetOpen(true);
    QVERIFY(peer.write(Pattern(30)));
    QTRY_COMPARE_WITH_TIMEOUT(Held(port), 30, Wait);
    port.DiscardInput();
    char byte;
    QCOMPARE(FailureOf<EBufferIsEmpty>([&] { port.ReadBlock(&byte, 1); }), QString("Buffer is empty"));
}

void tst_TSerComPort::shouldNeverSendBytesQueuedWhenClosing() {
    TPtyPeer peer;
    peer.mapTo(7);
    TSerComPort port;
    Configure(port, 7);
    port.SetOpen(true);
    peer.holdOutput(true);
    port.WriteBlock(Pattern(39).constData(), 39);
    port.SetOpen(false);
    peer.holdOutput(false);
    QCOMPARE(peer.readAll(200), QByteArray());
}

void tst_TSerComPort::shouldIgnoreDataOperationsFromAHandlerWhileClosing() {
    TPtyPeer peer;
    peer.mapTo(7);
    TSerComPort port;
    Configure(port, 7);
    port.SetOpen(true);
    QVERIFY(peer.write("abc"));
    QTRY_COMPARE_WITH_TIMEOUT(Held(port), 3, Wait);

    bool handled = false;
    bool failed = false;
    bool openDuringClose = false;
    char block[3] = {'x', 'y', 'z'};
    // Posted now, taken by the close's own message handling while it waits for the workers.
    QMetaObject::invokeMethod(
        this,
        [&] {
            handled = true;
            openDuringClose = port.Open() && port.Closing();
            try {
                port.ReadBlock(block, 3);
                port.WriteBlock("q", 1);
                port.DiscardInput();
                port.SetOpen(true);
            } catch (...) {
                failed = true;
            }
        },
        Qt::QueuedConnection);
    port.SetOpen(false);
    QVERIFY(handled);
    QVERIFY(openDuringClose);
    QVERIFY(!failed);
    QCOMPARE(QByteArray(block, 3), QByteArray("xyz"));
    QVERIFY(!port.Open());
    QCOMPARE(peer.readAll(100), QByteArray());
}

void tst_TSerComPort::shouldCloseItselfWhenThePeerHangsUpMidTransfer_data() {
    QTest::addColumn<bool>("idle");
    QTest::newRow("noticed while idle") << true;
    QTest::newRow("noticed by the next write") << false;
}

void tst_TSerComPort::shouldCloseItselfWhenThePeerHangsUpMidTransfer() {
    QFETCH(bool, idle);
    TPtyPeer peer;
    peer.mapTo(7);
    TSerComPort port;
    Configure(port, 7);
    port.SetOpen(true);
    QSignalSpy closed(&port, &TSerComPort::OnPortClose);
    QSignalSpy hungUp(&port, &TSerComPort::OnPortHangup);
    // A quiet line is not a dead one: nothing to read is not a hang-up.
    QTest::qWait(300);
    QVERIFY(port.Open());
    port.WriteBlock(Pattern(4096).constData(), 4096);
    QVERIFY(peer.write(Pattern(2000)));
    QCOMPARE(peer.read(100, Wait).size(), 100);

    QElapsedTimer timer;
    timer.start();
    peer.hangUp();
    if (idle) {
        QTRY_VERIFY_WITH_TIMEOUT(!port.Open(), Wait);
    } else {
        while (!port.Dispatcher()->LineDead() && timer.elapsed() < Wait)
            QThread::msleep(5);
        QCOMPARE(FailureOf<EBadId>([&] { port.WriteBlock("x", 1); }),
                 QString("Specified comport doesn't exist"));
    }
    QVERIFY2(timer.elapsed() < 2000, "closing after a hang-up hangs");
    QVERIFY(!port.Open());
    QVERIFY(port.HungUp());
    QCOMPARE(closed.count(), 1);
    QCOMPARE(hungUp.count(), 1);
    char byte;
    QCOMPARE(FailureOf<ECommNotOpen>([&] { port.ReadBlock(&byte, 1); }), QString("Device not open"));

    // the adapter plugged in again: the port opens anew
    TPtyPeer again;
    again.mapTo(7);
    port.SetOpen(true);
    QVERIFY(port.Open());
    QVERIFY(!port.HungUp());
    port.WriteBlock("ok", 2);
    QCOMPARE(again.read(2, Wait), QByteArray("ok"));
    port.SetOpen(false);
}

void tst_TSerComPort::shouldMapResultsToFailures_data() {
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("0 passes") << 0 << "none" << 0 << "";
    QTest::newRow("count passes") << 13 << "none" << 0 << "";
    QTest::newRow("no such port") << -2001 << "EBadId" << -2001 << "Specified comport doesn't exist";
    QTest::newRow("not open") << -2007 << "ECommNotOpen" << -2007 << "Device not open";
    QTest::newRow("in use") << -2008 << "EAlreadyOpen" << -2008 << "Device already open";
    QTest::newRow("no port") << -2011 << "ENoPortSelected" << -2011
                             << "The ComNumber property of the TSerComPort has not been set";
    QTest::newRow("put failed") << -3004 << "EPutBlockFail" << -3004 << "Failed to put entire block";
    QTest::newRow("too big") << -3006 << "EOutputBufferTooSmall" << -3006
                             << "Output buffer too small for block";
    QTest::newRow("empty") << -3007 << "EBufferIsEmpty" << -3007 << "Buffer is empty";
    QTest::newRow("memory") << -8 << "EOutOfMemory" << 0 << "Out of memory";
    QTest::newRow("table 2") << -2 << "EInOutError" << 2 << "File not found";
    QTest::newRow("table 103") << -103 << "EInOutError" << 103 << "File/device not open";
    QTest::newRow("table 162") << -162 << "EInOutError" << 162 << "General failure";
    QTest::newRow("system text") << -13 << "EInOutError" << 13 << QString::fromLocal8Bit(strerror(13));
    QTest::newRow("below range") << -1 << "ESerException" << -1 << "Serial port exception";
    QTest::newRow("above range") << -163 << "ESerException" << -163 << "Serial port exception";
    QTest::newRow("unknown") << -4000 << "ESerException" << -4000 << "Serial port exception";
}

void tst_TSerComPort::shouldMapResultsToFailures() {
    QFETCH(int, result);
    QFETCH(QString, kind);
    QFETCH(int, code);
    QFETCH(QString, text);
    QString gotKind = "none";
    int gotCode = 0;
    QString gotText;
    // Most specific first: the families nest.
    try {
        TSerErrors::Check(result);
    } catch (const EBadId& e) {
        gotKind = "EBadId", gotCode = e.code(), gotText = e.what();
    } catch (const ECommNotOpen& e) {
        gotKind = "ECommNotOpen", gotCode = e.code(), gotText = e.what();
    } catch (const EAlreadyOpen& e) {
        gotKind = "EAlreadyOpen", gotCode = e.code(), gotText = e.what();
    } catch (const ENoPortSelected& e) {
        gotKind = "ENoPortSelected", gotCode = e.code(), gotText = e.what();
    } catch (const EPutBlockFail& e) {
        gotKind = "EPutBlockFail", gotCode = e.code(), gotText = e.what();
    } catch (const EOutputBufferTooSmall& e) {
        gotKind = "EOutputBufferTooSmall", gotCode = e.code(), gotText = e.what();
    } catch (const EBufferIsEmpty& e) {
        gotKind = "EBufferIsEmpty", gotCode = e.code(), gotText = e.what();
    } catch (const EInOutError& e) {
        gotKind = "EInOutError", gotCode = e.code(), gotText = e.what();
    } catch (const EOutOfMemory& e) {
        gotKind = "EOutOfMemory", gotText = e.what();
    } catch (const ESerException& e) {
        gotKind = "ESerException", gotCode = e.code(), gotText = e.what();
    }
    QCOMPARE(gotKind, kind);
    QCOMPARE(gotCode, code);
    QCOMPARE(gotText, text);
}

void tst_TSerComPort::shouldMoveTenThousandExchangesWithoutLosingAByte() {
    constexpr int Exchanges = 10000;
    TPtyPeer peer;
    peer.mapTo(7);
    TSerComPort port;
    Configure(port, 7);
    port.SetOpen(true);

    // The far end answers each request (its first byte gives its length) with every byte
    // inverted and the bytes in reverse order.
    std::atomic<bool> peerFailed{false};
    std::thread controller([&] {
        for (int i = 0; i < Exchanges; ++i) {
            const QByteArray head = peer.read(1, Wait);
            if (head.size() != 1) {
                peerFailed = true;
                return;
            }
            const int length = static_cast<unsigned char>(head[0]);
            const QByteArray request = head + peer.read(length - 1, Wait);
            if (request.size() != length) {
                peerFailed = true;
                return;
            }
            QByteArray reply(length, '\0');
            for (int k = 0; k < length; ++k)
                reply[k] = static_cast<char>(~request[length - 1 - k]);
            peer.write(reply);
        }
    });

    int failures = 0;
    for (int i = 0; i < Exchanges && failures == 0; ++i) {
        const int length = 5 + i % 35;
        QByteArray request = Pattern(length, i);
        request[0] = static_cast<char>(length);
        port.WriteBlock(request.constData(), static_cast<unsigned short>(length));
        QByteArray reply(length, '\0');
        QElapsedTimer timer;
        timer.start();
        for (;;) {
            try {
                port.ReadBlock(reply.data(), static_cast<unsigned short>(length));
                break;
            } catch (const EBufferIsEmpty&) {
                if (timer.elapsed() > Wait) {
                    ++failures;
                    break;
                }
                QThread::usleep(50);
            }
        }
        for (int k = 0; k < length && failures == 0; ++k)
            if (reply[k] != static_cast<char>(~request[length - 1 - k]))
                ++failures;
        if (failures)
            qWarning("exchange %d failed", i);
    }
    controller.join();
    QVERIFY(!peerFailed);
    QCOMPARE(failures, 0);
    QCOMPARE(Held(port), 0);
}

QTEST_MAIN(tst_TSerComPort)
#include "tst_TSerComPort.moc"
