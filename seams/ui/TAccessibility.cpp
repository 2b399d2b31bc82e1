#include "seams/ui/TAccessibility.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QWidget>

#include <algorithm>
#include <cmath>

void TAccessibility::Describe(std::initializer_list<TText> texts) {
    for (const TText& text : texts) {
        text.widget->setAccessibleName(text.name);
        text.widget->setAccessibleDescription(text.description);
    }
}

double TAccessibility::Luminance(const QColor& colour) {
    auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

double TAccessibility::Contrast(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor TAccessibility::Readable(const QColor& wanted, const QColor& background) {
    // Toward black on a background brighter than mid-grey, toward white on a darker one; black
    // or white itself always passes against its opposite half.
    const bool darken = Luminance(background) > 0.18;
    const QColor target = darken ? QColor(Qt::black) : QColor(Qt::white);
    const QColor from = wanted.toRgb();
    for (int step = 0; step <= 100; ++step) {
        const double t = step / 100.0;
        const QColor mixed = QColor::fromRgbF(float(from.redF() + (target.redF() - from.redF()) * t),
                                              float(from.greenF() + (target.greenF() - from.greenF()) * t),
                                              float(from.blueF() + (target.blueF() - from.blueF()) * t));
        if (Contrast(mixed, background) >= MinContrast)
            return mixed;
    }
    return target;
}

void TAccessibility::SetTextColor(QLabel* label, const QColor& wanted) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Readable(wanted, palette.color(label->backgroundRole())));
    label->setPalette(palette);
}

void TAccessibility::KeepReadable(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText,
                     Readable(palette.color(QPalette::WindowText), palette.color(QPalette::Window)));
    widget->setPalette(palette);
}

namespace {
// A label that captions nothing yet and the control after it, if the control takes the focus.
void pair(QLayoutItem* caption, QLayoutItem* control) {
    auto* label = caption ? qobject_cast<QLabel*>(caption->widget()) : nullptr;
    QWidget* target = control ? control->widget() : nullptr;
    if (label && !label->buddy() && target && !qobject_cast<QLabel*>(target) &&
        target->focusPolicy() != Qt::NoFocus)
        label->setBuddy(target);
}
} // namespace

void TAccessibility::PairLabels(QWidget* form) {
    for (QGridLayout* grid : form->findChildren<QGridLayout*>()) {
        for (int row = 0; row < grid->rowCount(); ++row)
            for (int column = 0; column + 1 < grid->columnCount(); ++column)
                pair(grid->itemAtPosition(row, column), grid->itemAtPosition(row, column + 1));
    }
    for (QBoxLayout* box : form->findChildren<QBoxLayout*>())
        if (box->direction() == QBoxLayout::LeftToRight)
            for (int i = 0; i + 1 < box->count(); ++i)
                pair(box->itemAt(i), box->itemAt(i + 1));
}
