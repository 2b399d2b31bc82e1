#pragma once

#include <QString>

#include <stdexcept>

// A site that cannot be used as it stands: the message names the file (and line) and the reason.
class ESiteError : public std::runtime_error {
public:
    explicit ESiteError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString Text() const { return QString::fromStdString(what()); }
};
