#include "serial/ui/TSerStatusLight.h"

#include <QPainter>

namespace {
constexpr int DefaultSide = 13;

// One half of the picture with every pixel of the key colour made transparent.
QImage TransparentHalf(const QImage& picture, int left, QRgb key) {
    QImage half =
        picture.copy(left, 0, picture.width() / 2, picture.height()).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < half.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(half.scanLine(y));
        for (int x = 0; x < half.width(); ++x)
            if ((line[x] & 0xFFFFFF) == (key & 0xFFFFFF))
                line[x] = 0;
    }
    return half;
}
} // namespace

TSerStatusLight::TSerStatusLight(QWidget* parent) : QWidget(parent) {
    resize(DefaultSide, DefaultSide);
}

void TSerStatusLight::SetGlyph(const QImage& picture) {
    glyph = picture;
    litHalf = unlitHalf = QImage();
    if (!glyph.isNull()) {
        const QRgb key = glyph.pixel(0, 0);
        litHalf = TransparentHalf(glyph, 0, key);
        unlitHalf = TransparentHalf(glyph, glyph.width() / 2, key);
        resize(glyph.width() / 2, glyph.height());
    }
    update();
}

void TSerStatusLight::SetLit(bool value) {
    if (value == lit)
        return;
    lit = value;
    update();
}

void TSerStatusLight::SetLitColor(const QColor& color) {
    litColor = color;
    update();
}

void TSerStatusLight::SetNotLitColor(const QColor& color) {
    notLitColor = color;
    update();
}

QSize TSerStatusLight::sizeHint() const {
    return glyph.isNull() ? QSize(DefaultSide, DefaultSide) : QSize(glyph.width() / 2, glyph.height());
}

void TSerStatusLight::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (glyph.isNull())
        PaintSquare(painter);
    else
        PaintGlyph(painter);
}

void TSerStatusLight::PaintGlyph(QPainter& painter) {
    const QWidget* owner = parentWidget() ? parentWidget() : this;
    painter.fillRect(rect(), owner->palette().color(owner->backgroundRole()));
    painter.drawImage(0, 0, lit ? litHalf : unlitHalf);
}

void TSerStatusLight::PaintSquare(QPainter& painter) {
    const int right = width() - 1;
    const int bottom = height() - 1;
    painter.fillRect(rect(), lit ? litColor : notLitColor);
    painter.setPen(Qt::white);
    painter.drawLine(0, 0, right, 0);
    painter.drawLine(0, 0, 0, bottom);
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawLine(0, bottom, right, bottom);
    painter.drawLine(right, 0, right, bottom);
}
