#pragma once

#include <QImage>

// The two 32 x 16 lamp pictures of the line test: the lit lamp on the left, the grey outline of
// the unlit lamp on the right, on a background of one key colour (the top-left pixel).
class TSerLampGlyphs {
public:
    static QImage GreenLamp();
    static QImage RedLamp();
};
