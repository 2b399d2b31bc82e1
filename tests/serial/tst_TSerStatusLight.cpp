#include "serial/ui/TSerLampGlyphs.h"
#include "serial/ui/TSerStatusLight.h"

#include <QSet>
#include <QTest>

namespace {
const QColor grey(0x80, 0x80, 0x80);

QImage Shot(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    widget.render(&image);
    return image;
}

QColor At(const QImage& image, int x, int y) {
    return QColor(image.pixel(x, y));
}
} // namespace

class tst_TSerStatusLight : public QObject {
    Q_OBJECT
private slots:
    void shouldPaintARaisedSquareInTheStatesColour();
    void shouldTakeHalfThePictureAndShowTheHalfOfItsState();
    void shouldLetTheParentShowThroughTheKeyColour();
    void shouldDrawTwoLampPicturesInSixteenColours();
};

void tst_TSerStatusLight::shouldPaintARaisedSquareInTheStatesColour() {
    TSerStatusLight light;
    QCOMPARE(light.size(), QSize(13, 13));
    QVERIFY(!light.Lit());
    QImage image = Shot(light);
    QCOMPARE(At(image, 6, 6), QColor(0, 128, 0));
    for (int i = 0; i < 12; ++i) {
        QCOMPARE(At(image, i, 0), QColor(Qt::white));
        QCOMPARE(At(image, 0, i), QColor(Qt::white));
        QCOMPARE(At(image, 12, i + 1), grey);
        QCOMPARE(At(image, i + 1, 12), grey);
    }

    light.SetLit(true);
    QCOMPARE(At(Shot(light), 6, 6), QColor(255, 0, 0));
    light.SetLitColor(Qt::yellow);
    QCOMPARE(At(Shot(light), 6, 6), QColor(Qt::yellow));
    light.SetLit(false);
    light.SetNotLitColor(Qt::blue);
    QCOMPARE(At(Shot(light), 6, 6), QColor(Qt::blue));
}

void tst_TSerStatusLight::shouldTakeHalfThePictureAndShowTheHalfOfItsState() {
    // Key colour magenta; the lit half cyan, the unlit half yellow, each with one key pixel.
    QImage picture(8, 4, QImage::Format_RGB32);
    picture.fill(Qt::cyan);
    for (int y = 0; y < 4; ++y)
        for (int x = 4; x < 8; ++x)
            picture.setPixel(x, y, QColor(Qt::yellow).rgb());
    picture.setPixel(0, 0, QColor(Qt::magenta).rgb());
    picture.setPixel(6, 2, QColor(Qt::magenta).rgb());

    QWidget parent;
    parent.setAutoFillBackground(true);
    QPalette palette = parent.palette();
    palette.setColor(QPalette::Window, QColor(10, 20, 30));
    parent.setPalette(palette);
    TSerStatusLight light(&parent);
    light.SetGlyph(picture);
    QCOMPARE(light.size(), QSize(4, 4));

    QImage image = Shot(light);
    QCOMPARE(At(image, 1, 1), QColor(Qt::yellow));
    QCOMPARE(At(image, 2, 2), QColor(10, 20, 30));
    QCOMPARE(At(image, 0, 0), QColor(Qt::yellow));

    light.SetLit(true);
    image = Shot(light);
    QCOMPARE(At(image, 0, 0), QColor(10, 20, 30));
    QCOMPARE(At(image, 2, 2), QColor(Qt::cyan));
    QCOMPARE(At(image, 3, 3), QColor(Qt::cyan));
}

void tst_TSerStatusLight::shouldLetTheParentShowThroughTheKeyColour() {
    QWidget parent;
    parent.resize(40, 40);
    parent.setAutoFillBackground(true);
    QPalette palette = parent.palette();
    palette.setColor(QPalette::Window, QColor(200, 190, 180));
    parent.setPalette(palette);
    TSerStatusLight light(&parent);
    light.move(10, 10);
    light.SetGlyph(TSerLampGlyphs::GreenLamp());
    QCOMPARE(light.size(), QSize(16, 16));

    light.SetLit(true);
    QImage image = Shot(parent);
    QCOMPARE(At(image, 10, 10), QColor(200, 190, 180));
    const QColor centre = At(image, 10 + 7, 10 + 8);
    QVERIFY2(centre.green() > 100 && centre.red() == 0 && centre.blue() == 0, "lit green lamp");

    light.SetLit(false);
    image = Shot(parent);
    QCOMPARE(At(image, 10 + 7, 10 + 8), QColor(200, 190, 180)); // the unlit lamp is an outline
    QCOMPARE(At(image, 10 + 7, 10 + 1), grey);
}

void tst_TSerStatusLight::shouldDrawTwoLampPicturesInSixteenColours() {
    const QImage green = TSerLampGlyphs::GreenLamp();
    const QImage red = TSerLampGlyphs::RedLamp();
    for (const QImage& picture : {green, red}) {
        QCOMPARE(picture.size(), QSize(32, 16));
        QSet<QRgb> colours;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 32; ++x)
                colours.insert(picture.pixel(x, y));
        QVERIFY(colours.size() <= 16);
        // Same outline on the right, same key colour in the corners.
        for (int y = 0; y < 16; ++y)
            for (int x = 16; x < 32; ++x)
                QCOMPARE(picture.pixel(x, y), green.pixel(x, y));
        QCOMPARE(picture.pixel(15, 15), picture.pixel(0, 0));
    }
    const QColor greenCentre(green.pixel(7, 8));
    const QColor redCentre(red.pixel(7, 8));
    QVERIFY(greenCentre.green() > 100 && greenCentre.red() == 0);
    QVERIFY(redCentre.red() > 100 && redCentre.green() == 0);
}

QTEST_MAIN(tst_TSerStatusLight)
#include "tst_TSerStatusLight.moc"
