#include "controller/TControllerPortOpener.h"
#include "controller/ui/TLineTestFrm.h"
#include "seams/TSleep.h"
#include "serial/ui/TSerStatusLight.h"
#include "tests/controller/TScriptedPort.h"
#include "tests/support/TTestMessageBoxes.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <functional>

namespace {
std::function<void()> duringWait;
void sleepHandler(int ms) {
    QCOMPARE(ms, 100);
    if (duringWait)
        duringWait();
}

struct CountingOpener : TControllerPortOpener {
    int opens = 0;
    void OpenControllerPort() override { ++opens; }
};
} // namespace

class tst_TLineTestFrm : public QObject {
    Q_OBJECT

    TScriptedPort port;
    CountingOpener opener;

    // Presses Stop during the wait of the given cycle (counted from 1).
    void stopInCycle(TLineTestFrm& frm, int cycle);

private slots:
    void init();
    void cleanup();

    void shouldLayOutTheDialog();
    void shouldCountAcknowledgedCyclesAndLightTheGreenLampOnly();
    void shouldCountUnansweredCyclesSilentlyAndLightTheRedLampOnly_data();
    void shouldCountUnansweredCyclesSilentlyAndLightTheRedLampOnly();
    void shouldContinueTheCountsAfterStopAndStart();
    void shouldStartFromZeroWhenShownAgain();
    void shouldSendTheFixedFrameAfterDiscardingTheInput();
    void shouldEndTheRunWithTheErrorReportWhenThePortIsClosed();
    void shouldStopQuietlyWhenTheAdapterIsPulled_data();
    void shouldStopQuietlyWhenTheAdapterIsPulled();
};

void tst_TLineTestFrm::init() {
    port = TScriptedPort();
    opener.opens = 0;
    TSleep::setHandler(sleepHandler);
}

void tst_TLineTestFrm::cleanup() {
    duringWait = nullptr;
    TSleep::setHandler(nullptr);
}

void tst_TLineTestFrm::stopInCycle(TLineTestFrm& frm, int cycle) {
    auto count = std::make_shared<int>(0);
    duringWait = [&frm, count, cycle] {
        if (++*count == cycle)
            frm.StopBtn->click();
    };
}

void tst_TLineTestFrm::shouldLayOutTheDialog() {
    TLineTestFrm frm(port, opener);
    QCOMPARE(frm.windowTitle(), QStringLiteral("Line Test"));
    QCOMPARE(frm.size(), QSize(235, 124));
    QCOMPARE(frm.Panel1->geometry(), QRect(1, 1, 232, 89));
    QCOMPARE(frm.Edit1->geometry(), QRect(128, 12, 65, 21));
    QCOMPARE(frm.Edit2->geometry(), QRect(128, 44, 65, 21));
    QCOMPARE(frm.Light1->geometry(), QRect(208, 16, 16, 16));
    QCOMPARE(frm.Light2->geometry(), QRect(208, 48, 16, 16));
    QCOMPARE(frm.StartBtn->geometry(), QRect(2, 97, 75, 25));
    QCOMPARE(frm.ExitBtn->geometry(), QRect(158, 97, 75, 25));
    QVERIFY(frm.Edit1->isReadOnly());
    QCOMPARE(frm.Edit1->focusPolicy(), Qt::NoFocus);
    QVERIFY(!(frm.windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(frm.StartBtn->isEnabled());
    QVERIFY(!frm.StopBtn->isEnabled());
    QVERIFY(frm.ExitBtn->isEnabled());
}

void tst_TLineTestFrm::shouldCountAcknowledgedCyclesAndLightTheGreenLampOnly() {
    TTestMessageBoxes boxes;
    port.responder = [](const QByteArray&) { return QByteArray("Z"); };
    TLineTestFrm frm(port, opener);
    bool runningButtons = false;
    auto count = std::make_shared<int>(0);
    duringWait = [&] {
        runningButtons = !frm.StartBtn->isEnabled() && frm.StopBtn->isEnabled() && !frm.ExitBtn->isEnabled();
        if (++*count == 7)
            frm.StopBtn->click();
    };
    frm.StartBtn->click();
    QVERIFY(runningButtons);
    QCOMPARE(frm.Edit1->text(), QStringLiteral("7"));
    QCOMPARE(frm.Edit2->text(), QStringLiteral("0"));
    QVERIFY(frm.Light1->Lit());
    QVERIFY(!frm.Light2->Lit());
    QVERIFY(frm.StartBtn->isEnabled() && !frm.StopBtn->isEnabled() && frm.ExitBtn->isEnabled());
    QVERIFY(!frm.LineTestRunning);
    QCOMPARE(boxes.shown.size(), 0);
    QCOMPARE(opener.opens, 0);
}

void tst_TLineTestFrm::shouldCountUnansweredCyclesSilentlyAndLightTheRedLampOnly_data() {
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<bool>("failWrites");
    QTest::newRow("no answer") << QByteArray() << false;
    QTest::newRow("other byte") << QByteArray("N") << false;
    QTest::newRow("write refused") << QByteArray("Z") << true;
}

void tst_TLineTestFrm::shouldCountUnansweredCyclesSilentlyAndLightTheRedLampOnly() {
    QFETCH(QByteArray, answer);
    QFETCH(bool, failWrites);
    TTestMessageBoxes boxes;
    port.responder = [answer](const QByteArray&) { return answer; };
    port.failWrites = failWrites;
    TLineTestFrm frm(port, opener);
    stopInCycle(frm, 4);
    frm.StartBtn->click();
    QCOMPARE(frm.Edit1->text(), QStringLiteral("0"));
    QCOMPARE(frm.Edit2->text(), QStringLiteral("4"));
    QVERIFY(!frm.Light1->Lit());
    QVERIFY(frm.Light2->Lit());
    QCOMPARE(boxes.shown.size(), 0);
}

void tst_TLineTestFrm::shouldContinueTheCountsAfterStopAndStart() {
    int n = 0;
    port.responder = [&n](const QByteArray&) { return ++n % 3 == 0 ? QByteArray() : QByteArray("Z"); };
    TLineTestFrm frm(port, opener);
    stopInCycle(frm, 6);
    frm.StartBtn->click();
    QCOMPARE(frm.Edit1->text(), QStringLiteral("4"));
    QCOMPARE(frm.Edit2->text(), QStringLiteral("2"));
    stopInCycle(frm, 3);
    frm.StartBtn->click();
    QCOMPARE(frm.Edit1->text(), QStringLiteral("6"));
    QCOMPARE(frm.Edit2->text(), QStringLiteral("3"));
    QVERIFY(frm.Light1->Lit());
    QVERIFY(frm.Light2->Lit());
}

void tst_TLineTestFrm::shouldStartFromZeroWhenShownAgain() {
    port.responder = [](const QByteArray&) { return QByteArray("Z"); };
    TLineTestFrm frm(port, opener);
    frm.show();
    stopInCycle(frm, 2);
    frm.StartBtn->click();
    QCOMPARE(frm.Edit1->text(), QStringLiteral("2"));
    frm.ExitBtn->click();
    QVERIFY(!frm.isVisible());
    QCOMPARE(frm.result(), int(QDialog::Accepted));
    frm.show();
    QCOMPARE(frm.Edit1->text(), QStringLiteral("0"));
    QCOMPARE(frm.Edit2->text(), QStringLiteral("0"));
    QVERIFY(!frm.Light1->Lit());
    // Escape does not leave the dialog
    QTest::keyClick(&frm, Qt::Key_Escape);
    QVERIFY(frm.isVisible());
}

void tst_TLineTestFrm::shouldSendTheFixedFrameAfterDiscardingTheInput() {
    port.responder = [](const QByteArray&) { return QByteArray("ZZZ"); }; // late extra bytes
    TLineTestFrm frm(port, opener);
    stopInCycle(frm, 3);
    frm.StartBtn->click();
    QCOMPARE(port.writes.size(), 3);
    for (const QByteArray& w : port.writes)
        QCOMPARE(w, QByteArray::fromHex("AA0300C48E"));
    QCOMPARE(port.discards, 3);
    QCOMPARE(frm.Edit1->text(), QStringLiteral("3"));
}

void tst_TLineTestFrm::shouldEndTheRunWithTheErrorReportWhenThePortIsClosed() {
    TTestMessageBoxes boxes;
    port.open = false;
    TLineTestFrm frm(port, opener);
    frm.StartBtn->click();
    QCOMPARE(opener.opens, 1);
    QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Device not open.")});
    QVERIFY(frm.LineTestRunning);
    QVERIFY(!frm.StartBtn->isEnabled() && frm.StopBtn->isEnabled() && !frm.ExitBtn->isEnabled());
    frm.StopBtn->click();
    QVERIFY(frm.ExitBtn->isEnabled());
}

void tst_TLineTestFrm::shouldStopQuietlyWhenTheAdapterIsPulled_data() {
    QTest::addColumn<bool>("duringCycle");
    QTest::newRow("during a cycle") << true;
    QTest::newRow("between cycles") << false;
}

void tst_TLineTestFrm::shouldStopQuietlyWhenTheAdapterIsPulled() {
    QFETCH(bool, duringCycle);
    TTestMessageBoxes boxes;
    port.responder = [](const QByteArray&) { return QByteArray("Z"); };
    TLineTestFrm frm(port, opener);
    int cycles = 0;
    duringWait = [&] {
        if (++cycles == 3 && duringCycle)
            port.hangUp(); // the cycle's read then meets a closed port
    };
    if (!duringCycle)
        port.onRequest = [&](int n) {
            if (n == 3)
                QTimer::singleShot(0, [&] { port.hangUp(); }); // the port's watch, between cycles
        };
    frm.StartBtn->click(); // returns: the run has ended by itself
    QVERIFY(!frm.LineTestRunning);
    QVERIFY(frm.StartBtn->isEnabled() && !frm.StopBtn->isEnabled() && frm.ExitBtn->isEnabled());
    QCOMPARE(frm.Edit1->text(), duringCycle ? QStringLiteral("2") : QStringLiteral("3"));
    QCOMPARE(frm.Edit2->text(), QStringLiteral("0"));
    QCOMPARE(boxes.shown.size(), 0);
}

QTEST_MAIN(tst_TLineTestFrm)
#include "tst_TLineTestFrm.moc"
