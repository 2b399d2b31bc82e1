#pragma once

class QFont;
class QWidget;

// The windows were laid out for 120 pixels per inch and scale themselves by 120 / the screen's
// pixels per inch when the screen differs. Qt already maps its device-independent pixels to the
// physical screen (device pixel ratio), so the resolution that counts here is the screen's
// logical one: usually 96, which makes the windows 1.25 times their laid-out size, as they
// have always opened on ordinary screens; 120 (QT_FONT_DPI=120) leaves them as laid out.
class TScreenScale {
public:
    static constexpr double LayoutDpi = 120.0;

    // The factor for a screen of dpi pixels per inch; 1 at 120 or for an unknown resolution.
    static double factorFor(double dpi);
    // The factor for the screen a widget is on (the primary screen before it is shown).
    static TScreenScale forWidget(const QWidget* widget);

    explicit TScreenScale(double factor = 1.0) : Factor(factor) {}

    double factor() const { return Factor; }
    // A laid-out length in pixels, scaled and rounded.
    int px(int laidOut) const;
    // A laid-out font scaled in the unit it was given in, pixels or points.
    QFont font(const QFont& laidOut) const;

private:
    double Factor;
};
