#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

// A status lamp. With a picture (lit half left, unlit half right, its top-left pixel's colour
// transparent) it is half the picture wide; without one it is a filled square with a raised edge.
class TSerStatusLight : public QWidget {
    Q_OBJECT
public:
    explicit TSerStatusLight(QWidget* parent = nullptr);

    QImage Glyph() const { return glyph; }
    void SetGlyph(const QImage& picture);
    bool Lit() const { return lit; }
    void SetLit(bool value);
    QColor LitColor() const { return litColor; }
    void SetLitColor(const QColor& color);
    QColor NotLitColor() const { return notLitColor; }
    void SetNotLitColor(const QColor& color);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void PaintGlyph(QPainter& painter);
    void PaintSquare(QPainter& painter);

    QImage glyph;
    QImage litHalf;
    QImage unlitHalf;
    bool lit = false;
    QColor litColor{255, 0, 0};
    QColor notLitColor{0, 128, 0};
};
