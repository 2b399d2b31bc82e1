#include "serial/ui/TSerLampGlyphs.h"

#include <QPainter>

namespace {
// Sixteen-colour palette entries, as a 16-colour picture would hold them.
const QColor keyColor(0x80, 0x80, 0x00); // olive: never part of a lamp
const QColor grey(0x80, 0x80, 0x80);
const QColor silver(0xC0, 0xC0, 0xC0);
const QColor white(0xFF, 0xFF, 0xFF);

QImage Lamp(const QColor& dark, const QColor& bright) {
    QImage image(32, 16, QImage::Format_RGB32);
    image.fill(keyColor);
    QPainter painter(&image);
    // Hard pixels only: a blended edge would leave colours outside the palette and the key.
    painter.setRenderHint(QPainter::Antialiasing, false);

    painter.setPen(grey);
    painter.setBrush(dark);
    painter.drawEllipse(1, 1, 13, 13);
    painter.setPen(Qt::NoPen);
    painter.setBrush(bright);
    painter.drawEllipse(4, 4, 6, 6);
    painter.setBrush(white);
    painter.drawRect(5, 5, 1, 1);

    painter.setPen(grey);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(17, 1, 13, 13);
    painter.setPen(silver);
    painter.drawEllipse(18, 2, 11, 11);
    return image;
}
} // namespace

QImage TSerLampGlyphs::GreenLamp() {
    return Lamp(QColor(0x00, 0x80, 0x00), QColor(0x00, 0xFF, 0x00));
}

QImage TSerLampGlyphs::RedLamp() {
    return Lamp(QColor(0x80, 0x00, 0x00), QColor(0xFF, 0x00, 0x00));
}
