#pragma once

#include <QLabel>

// A label shown as a link (blue, underlined, hand cursor) that reports clicks.
class TLinkLabel : public QLabel {
    Q_OBJECT

public:
    explicit TLinkLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
