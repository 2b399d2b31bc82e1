#pragma once

#include <QString>

#include <stdexcept>

// The one failure the table layer raises; its text is what the user is shown.
class EDbfError : public std::runtime_error {
public:
    explicit EDbfError(const QString& message);

    QString Message() const { return QString::fromUtf8(what()); }
};
