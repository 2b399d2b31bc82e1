#include "dbf/EDbfError.h"

EDbfError::EDbfError(const QString& message) : std::runtime_error(message.toStdString()) {}
