#pragma once

#include <QColor>
#include <QString>

#include <initializer_list>

class QLabel;
class QWidget;

// What a screen reader says for a control, and text colours that stay readable whatever the
// desktop's palette: a status said only in colour is lost on a listener, and a colour picked
// for a light window can vanish on a dark one.
class TAccessibility {
public:
    // WCAG AA for normal text.
    static constexpr double MinContrast = 4.5;

    struct TText {
        QWidget* widget;
        QString name;
        QString description;
    };
    static void Describe(std::initializer_list<TText> texts);

    // The contrast ratio of two colours, 1 to 21.
    static double Contrast(const QColor& a, const QColor& b);
    // The wanted colour, darkened on a light background or lightened on a dark one until it
    // reaches MinContrast; its hue stays, so red still reads as red.
    static QColor Readable(const QColor& wanted, const QColor& background);
    // A label's text in the wanted colour, made readable on the label's own background.
    static void SetTextColor(QLabel* label, const QColor& wanted);
    // The widget's own text colour, made readable on its own background (a form that fixes its
    // text colour would otherwise lose it on a dark desktop).
    static void KeepReadable(QWidget* widget);
    // A caption label without a buddy gets the control beside it in its layout, so that the
    // control is named by its caption and the label's shortcut reaches it.
    static void PairLabels(QWidget* form);

private:
    static double Luminance(const QColor& colour);
};
