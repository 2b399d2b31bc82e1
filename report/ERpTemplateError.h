#pragma once

#include <QString>

#include <stdexcept>

// A report template that cannot be used. The text names the fault; the report adds the file.
class ERpTemplateError : public std::runtime_error {
public:
    explicit ERpTemplateError(const QString& fault) : std::runtime_error(fault.toStdString()) {}
    QString Fault() const { return QString::fromUtf8(what()); }
};
