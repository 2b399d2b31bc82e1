#include "app/TProgressFrm.h"

#include <QLabel>
#include <QProgressBar>
#include <QtTest>

class tst_TProgressFrm : public QObject {
    Q_OBJECT

private slots:
    void shouldStartShownWithEmptyBarAndText();
    void shouldNeverPassHundred_data();
    void shouldNeverPassHundred();
    void shouldStayAtHundredForTheLastSlavesOfATransfer();
    void shouldHandlePendingEventsWhileStepping();
};

void tst_TProgressFrm::shouldStartShownWithEmptyBarAndText() {
    TProgressFrm frm;
    QVERIFY(!frm.isVisible());
    QCOMPARE(frm.WaitLabel->text(), QStringLiteral("Data exchange. Please, wait..."));
    QVERIFY(frm.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(frm.windowFlags() & Qt::WindowStaysOnTopHint);
    frm.StartProgress(QStringLiteral("Reading master keys"));
    frm.StepProgress(60);
    frm.hide();
    frm.StartProgress(QStringLiteral("Reading slave keys"));
    QVERIFY(frm.isVisible());
    QVERIFY(!frm.isModal());
    QCOMPARE(frm.ProgressBar->value(), 0);
    QCOMPARE(frm.ProgressLabel->text(), QStringLiteral("Reading slave keys"));
    QCOMPARE(frm.ProgressBar->cursor().shape(), Qt::WaitCursor);
}

void tst_TProgressFrm::shouldNeverPassHundred_data() {
    QTest::addColumn<QList<int>>("steps");
    QTest::addColumn<int>("value");
    QTest::newRow("none") << QList<int>{} << 0;
    QTest::newRow("zero step") << QList<int>{0, 0} << 0;
    QTest::newRow("below") << QList<int>{12, 12, 12} << 36;
    QTest::newRow("exactly") << QList<int>{50, 50} << 100;
    QTest::newRow("past") << QList<int>{60, 60} << 100;
    QTest::newRow("largest step") << QList<int>{255} << 100;
    QTest::newRow("at 100 stays") << QList<int>{100, 1, 255} << 100;
}

void tst_TProgressFrm::shouldNeverPassHundred() {
    QFETCH(QList<int>, steps);
    QFETCH(int, value);
    TProgressFrm frm;
    frm.StartProgress(QStringLiteral("Transfer"));
    for (int step : steps) {
        frm.StepProgress(quint8(step));
        QVERIFY(frm.ProgressBar->value() <= 100);
    }
    QCOMPARE(frm.ProgressBar->value(), value);
}

void tst_TProgressFrm::shouldStayAtHundredForTheLastSlavesOfATransfer() {
    TProgressFrm frm;
    frm.StartProgress(QStringLiteral("Reading slave keys"));
    int atHundred = 0;
    for (int slot = 0; slot < 128; ++slot) {
        const bool full = frm.ProgressBar->value() == 100;
        atHundred += full ? 1 : 0;
        frm.StepProgress(1);
    }
    QCOMPARE(atHundred, 28);
    QCOMPARE(frm.ProgressBar->value(), 100);
}

void tst_TProgressFrm::shouldHandlePendingEventsWhileStepping() {
    TProgressFrm frm;
    int delivered = 0;
    QMetaObject::invokeMethod(
        &frm, [&delivered] { ++delivered; }, Qt::QueuedConnection);
    frm.StartProgress(QStringLiteral("Transfer"));
    QCOMPARE(delivered, 1);
    QMetaObject::invokeMethod(
        &frm, [&delivered] { ++delivered; }, Qt::QueuedConnection);
    frm.StepProgress(1);
    QCOMPARE(delivered, 2);
}

QTEST_MAIN(tst_TProgressFrm)
#include "tst_TProgressFrm.moc"
