#include "app/TAboutForm.h"
#include "app/TSplashForm.h"
#include "app/TVersionInfo.h"

#include <QLabel>
#include <QtTest>

class tst_TVersionInfo : public QObject {
    Q_OBJECT

private slots:
    void shouldReadTheBuiltInResource();
    void shouldReadNumbersAndNameOfTheFirstTranslation_data();
    void shouldReadNumbersAndNameOfTheFirstTranslation();
    void shouldReadZerosAndNoNameWithoutResource();
    void shouldShowNameLineOnSplash_data();
    void shouldShowNameLineOnSplash();
    void shouldShowVersionsInAboutWindow_data();
    void shouldShowVersionsInAboutWindow();
};

void tst_TVersionInfo::shouldReadTheBuiltInResource() {
    const TVersionInfo info = TVersionInfo::ofExecutable();
    QVERIFY(info.present());
    QCOMPARE(info.productName(), QStringLiteral("VELM Tarvikon "));
    QCOMPARE(info.fileVersionText(), QStringLiteral("1.0.0.1"));
    QCOMPARE(info.fileVersion()[3], quint16(1));
}

void tst_TVersionInfo::shouldReadNumbersAndNameOfTheFirstTranslation_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("name");
    const QByteArray two = "FILEVERSION=2.10.65535.7\nTRANSLATION=0425,04e9\n"
                           "[StringFileInfo\\040904e4]\nProductName=\"English\"\n"
                           "[StringFileInfo\\042504e9]\nProductName=\"Eesti \"\n";
    QTest::newRow("first translation wins") << two << "2.10.65535.7"
                                            << "Eesti ";
    QTest::newRow("upper-case translation finds lower-case table")
        << QByteArray(
               "FILEVERSION=1.0.0.1\nTRANSLATION=0409,04E4\n[StringFileInfo\\040904e4]\nProductName=X\n")
        << "1.0.0.1"
        << "X";
    QTest::newRow("no string for the translation")
        << QByteArray(
               "FILEVERSION=1.2.3.4\nTRANSLATION=0409,04e4\n[StringFileInfo\\041904e3]\nProductName=Y\n")
        << "1.2.3.4"
        << "";
    QTest::newRow("no translation list")
        << QByteArray("FILEVERSION=1.2.3.4\n[StringFileInfo\\040904e4]\nProductName=Y\n") << "1.2.3.4"
        << "";
    QTest::newRow("empty name")
        << QByteArray("FILEVERSION=5.6.7.8\nTRANSLATION=0409,04e4\n[StringFileInfo\\040904e4]\n"
                      "ProductName=\"\"\n")
        << "5.6.7.8"
        << "";
    QTest::newRow("number out of range")
        << QByteArray("FILEVERSION=1.70000.0.1\nTRANSLATION=0409,04e4\n") << "0.0.0.0"
        << "";
    QTest::newRow("three numbers") << QByteArray("FILEVERSION=1.0.1\n") << "0.0.0.0"
                                   << "";
    QTest::newRow("not a resource") << QByteArray("\x89PNG\r\n\x1a\n", 8) << "0.0.0.0"
                                    << "";
}

void tst_TVersionInfo::shouldReadNumbersAndNameOfTheFirstTranslation() {
    QFETCH(QByteArray, content);
    QFETCH(QString, version);
    QFETCH(QString, name);
    const TVersionInfo info = TVersionInfo::parse(content);
    QCOMPARE(info.fileVersionText(), version);
    QCOMPARE(info.productName(), name);
}

void tst_TVersionInfo::shouldReadZerosAndNoNameWithoutResource() {
    const TVersionInfo info = TVersionInfo::load(QStringLiteral(":/version/missing.txt"));
    QVERIFY(!info.present());
    QCOMPARE(info.fileVersionText(), QStringLiteral("0.0.0.0"));
    QVERIFY(info.productName().isEmpty());
}

void tst_TVersionInfo::shouldShowNameLineOnSplash_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("line");
    QTest::newRow("resource") << QByteArray() << "VELM Tarvikon  1.0.0.1";
    QTest::newRow("none") << QByteArray("garbage") << " 0.0.0.0";
}

void tst_TVersionInfo::shouldShowNameLineOnSplash() {
    QFETCH(QByteArray, content);
    QFETCH(QString, line);
    TSplashForm splash(content.isEmpty() ? TVersionInfo::ofExecutable() : TVersionInfo::parse(content));
    QCOMPARE(splash.NameLabel->text(), QStringLiteral("Unknown"));
    QCOMPARE(splash.LoadingLabel->text(), QStringLiteral("Loading..."));
    splash.show();
    QCOMPARE(splash.NameLabel->text(), line);
    QCOMPARE(splash.size(), QSize(351, 380));
}

void tst_TVersionInfo::shouldShowVersionsInAboutWindow_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("fileVersion");
    QTest::newRow("resource") << QByteArray() << "VELM Tarvikon "
                              << "1.0.0.1";
    QTest::newRow("other numbers") << QByteArray("FILEVERSION=3.1.4.1\nTRANSLATION=0409,04e4\n") << ""
                                   << "3.1.4.1";
    QTest::newRow("none") << QByteArray("garbage") << ""
                          << "0.0.0.0";
}

void tst_TVersionInfo::shouldShowVersionsInAboutWindow() {
    QFETCH(QByteArray, content);
    QFETCH(QString, name);
    QFETCH(QString, fileVersion);
    TAboutForm about(nullptr,
                     content.isEmpty() ? TVersionInfo::ofExecutable() : TVersionInfo::parse(content));
    about.show();
    QCOMPARE(about.windowTitle(), QStringLiteral("About"));
    QCOMPARE(about.ProductNameLabel->text(), name);
    QCOMPARE(about.FileVersionNumberLabel->text(), fileVersion);
    // Fixed, whatever the resource holds.
    QCOMPARE(about.ProductVersionNumberLabel->text(), QStringLiteral("1.0.0.1"));
    QCOMPARE(about.OwnerLabel->text(), QStringLiteral("VELM Electronics \u2122"));
}

QTEST_MAIN(tst_TVersionInfo)
#include "tst_TVersionInfo.moc"
