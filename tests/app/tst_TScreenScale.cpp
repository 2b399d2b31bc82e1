#include "seams/ui/TScreenScale.h"

#include <QFont>
#include <QTest>

class tst_TScreenScale : public QObject {
    Q_OBJECT
private slots:
    void shouldRoundScaledLengths_data() {
        QTest::addColumn<double>("dpi");
        QTest::addColumn<int>("laidOut");
        QTest::addColumn<int>("scaled");
        QTest::newRow("96, grows by a quarter") << 96.0 << 36 << 45;
        QTest::newRow("96, rounds half up") << 96.0 << 2 << 3;
        QTest::newRow("120, as laid out") << 120.0 << 90 << 90;
        QTest::newRow("144, shrinks") << 144.0 << 130 << 108;
        QTest::newRow("unknown resolution, as laid out") << 0.0 << 130 << 130;
    }
    void shouldRoundScaledLengths() {
        QFETCH(double, dpi);
        QFETCH(int, laidOut);
        QFETCH(int, scaled);
        QCOMPARE(TScreenScale(TScreenScale::factorFor(dpi)).px(laidOut), scaled);
    }

    void shouldScaleAFontInTheUnitItWasGivenIn() {
        const TScreenScale scale(TScreenScale::factorFor(96));
        QFont pixels(QStringLiteral("Arial"));
        pixels.setPixelSize(11);
        pixels.setBold(true);
        const QFont scaledPixels = scale.font(pixels);
        QCOMPARE(scaledPixels.pixelSize(), 14);
        QCOMPARE(scaledPixels.family(), QStringLiteral("Arial"));
        QVERIFY(scaledPixels.bold());

        QFont points;
        points.setPointSizeF(8.0);
        const QFont scaledPoints = scale.font(points);
        QCOMPARE(scaledPoints.pointSizeF(), 10.0);
        QCOMPARE(scaledPoints.pixelSize(), -1);
    }
};

QTEST_MAIN(tst_TScreenScale)
#include "tst_TScreenScale.moc"
