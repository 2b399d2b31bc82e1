#include "seams/ui/TScreenScale.h"

#include <QFont>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

double TScreenScale::factorFor(double dpi) {
    if (!(dpi > 0.0) || dpi == LayoutDpi)
        return 1.0;
    return LayoutDpi / dpi;
}

TScreenScale TScreenScale::forWidget(const QWidget* widget) {
    QScreen* screen = widget ? widget->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return TScreenScale(screen ? factorFor(screen->logicalDotsPerInch()) : 1.0);
}

int TScreenScale::px(int laidOut) const {
    return int(std::lround(laidOut * Factor));
}

QFont TScreenScale::font(const QFont& laidOut) const {
    QFont scaled = laidOut;
    if (laidOut.pixelSize() > 0)
        scaled.setPixelSize(px(laidOut.pixelSize()));
    else
        scaled.setPointSizeF(laidOut.pointSizeF() * Factor);
    return scaled;
}
