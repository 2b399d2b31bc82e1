#pragma once

#include <QObject>

// Base of the serial components: a QObject, so that their notifications are Qt signals.
class TSerBaseComponent : public QObject {
    Q_OBJECT
public:
    explicit TSerBaseComponent(QObject* parent = nullptr) : QObject(parent) {}
};
