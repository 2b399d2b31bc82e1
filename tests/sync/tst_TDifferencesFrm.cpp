#include "sync/TDifferenceTableModel.h"
#include "sync/TKeyTables.h"
#include "sync/ui/TDifferencesFrm.h"
#include "tests/report/TPdfText.h"
#include "tests/support/TTestFileDialogs.h"
#include "tests/support/TTestMessageBoxes.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {
// A key list of another controller with one key the controller lacks, and where asked another
// whose note holds "ÿ", which a read never gives back.
TKeyComparison comparison(bool unreadableNote = false) {
    TKeyTables list, controller;
    list.serial = QStringLiteral("VT000399");
    controller.serial = QStringLiteral("VT000417");
    list.MarkAllEmpty();
    controller.MarkAllEmpty();
    TKeySlot key;
    key.active = true;
    key.keyCode = QStringLiteral("0100000012C1");
    key.memo = QStringLiteral("Flat 4");
    list.slave.SetSlot(3, key);
    if (unreadableNote) {
        key.keyCode = QStringLiteral("0100000012C2");
        key.memo = QString::fromUtf8("L'Ha\u00FF-les-Roses");
        list.slave.SetSlot(4, key);
    }
    return TKeyComparison(list, controller);
}
} // namespace

class tst_TDifferencesFrm : public QObject {
    Q_OBJECT

private slots:
    void shouldOfferTheWriteOnlyForAPlan_data();
    void shouldOfferTheWriteOnlyForAPlan();
    void shouldPrintTheRowsShownIntoAPdf();
    void shouldOfferToWriteOnlyWhatAWriteCanSettle();
};

void tst_TDifferencesFrm::shouldOfferToWriteOnlyWhatAWriteCanSettle() {
    TDifferencesFrm frm;
    frm.Present(comparison(true), TSyncViewer::Purpose::Write);
    QCOMPARE(frm.Model->rowCount(), 2);
    QCOMPARE(frm.WriteBtn->text(), QStringLiteral("Write 1 change"));
    QVERIFY2(frm.CountsLbl->text().contains(QString::fromUtf8("1 note holds \u00FF")),
             qPrintable(frm.CountsLbl->text()));
}

void tst_TDifferencesFrm::shouldOfferTheWriteOnlyForAPlan_data() {
    QTest::addColumn<int>("purpose");
    QTest::addColumn<bool>("writeShown");
    QTest::newRow("compare") << int(TSyncViewer::Purpose::Compare) << false;
    QTest::newRow("write changes") << int(TSyncViewer::Purpose::Write) << true;
    QTest::newRow("restore") << int(TSyncViewer::Purpose::Restore) << true;
}

void tst_TDifferencesFrm::shouldOfferTheWriteOnlyForAPlan() {
    QFETCH(int, purpose);
    QFETCH(bool, writeShown);
    TDifferencesFrm frm;
    frm.Present(comparison(), TSyncViewer::Purpose(purpose));
    QCOMPARE(frm.WriteBtn->isVisibleTo(&frm), writeShown);
    QCOMPARE(frm.WriteBtn->text(), QStringLiteral("Write 1 change"));
    QCOMPARE(frm.CancelBtn->text(), writeShown ? QStringLiteral("Cancel") : QStringLiteral("Close"));
    QVERIFY(frm.MismatchLbl->text().startsWith(
        QStringLiteral("This %1 was saved from controller VT000399")
            .arg(purpose == int(TSyncViewer::Purpose::Restore) ? "snapshot" : "key list")));
    QCOMPARE(frm.Model->rowCount(), 1);
    frm.ShowAllChk->setChecked(true);
    QCOMPARE(frm.Model->rowCount(), 136);
}

void tst_TDifferencesFrm::shouldPrintTheRowsShownIntoAPdf() {
    TTestMessageBoxes boxes;
    TTestFileDialogs dialogs;
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("differences.pdf"));
    dialogs.queueAnswer(pdf);
    TDifferencesFrm frm;
    frm.Present(comparison(), TSyncViewer::Purpose::Compare);
    frm.PdfBtn->click();
    QCOMPARE(boxes.shown.size(), 0);
    const QString text = TPdfText::text(pdf);
    QVERIFY2(text.contains(QStringLiteral("This key list was saved from controller VT000399")),
             qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("1 difference: 1 key added")));
    QVERIFY(text.contains(QStringLiteral("0100000012C1")));
    QVERIFY(text.contains(QStringLiteral("Flat 4")));
    QCOMPARE(TPdfText::pageCount(pdf), 1);
}

QTEST_MAIN(tst_TDifferencesFrm)
#include "tst_TDifferencesFrm.moc"
