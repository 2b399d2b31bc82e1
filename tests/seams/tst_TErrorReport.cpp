#include "seams/ui/TErrorReport.h"
#include "tests/support/TTestMessageBoxes.h"

#include <QtTest>

#include <stdexcept>

class tst_TErrorReport : public QObject {
    Q_OBJECT

private slots:
    void shouldAddFullStopOnlyAfterCharactersSortingAfterIt_data();
    void shouldAddFullStopOnlyAfterCharactersSortingAfterIt();
    void shouldShowEscapedExceptionAsErrorBoxAndGoOn();
};

void tst_TErrorReport::shouldAddFullStopOnlyAfterCharactersSortingAfterIt_data() {
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letter") << "Device not open"
                            << "Device not open.";
    QTest::newRow("full stop") << "Done."
                               << "Done.";
    QTest::newRow("digit sorts after") << "Code 5"
                                       << "Code 5.";
    QTest::newRow("blank sorts before") << "Trailing "
                                        << "Trailing ";
    QTest::newRow("comma sorts before") << "a,"
                                        << "a,";
    QTest::newRow("slash sorts after") << "a/"
                                       << "a/.";
    QTest::newRow("empty") << ""
                           << "";
}

void tst_TErrorReport::shouldAddFullStopOnlyAfterCharactersSortingAfterIt() {
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QCOMPARE(TErrorReport::reportText(message), shown);
}

void tst_TErrorReport::shouldShowEscapedExceptionAsErrorBoxAndGoOn() {
    TTestMessageBoxes boxes;
    QObject sender;
    int runs = 0;
    connectHandler(&sender, &QObject::objectNameChanged, &sender, [&runs] {
        ++runs;
        throw std::runtime_error("Device not open");
    });
    sender.setObjectName("first");
    sender.setObjectName("second");
    QCOMPARE(runs, 2);
    QCOMPARE(boxes.shown.size(), 2);
    QCOMPARE(int(boxes.shown[0].kind), int(TMessageBoxes::Kind::Error));
    QCOMPARE(boxes.shown[0].caption, QStringLiteral("VELM Tarvikon"));
    QCOMPARE(boxes.shown[0].text, QStringLiteral("Device not open."));
}

QTEST_GUILESS_MAIN(tst_TErrorReport)
#include "tst_TErrorReport.moc"
