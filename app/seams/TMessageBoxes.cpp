#include "TMessageBoxes.h"

#include "TQtMessageBoxes.h"

namespace {
TMessageBoxes* installed = nullptr;
}

TMessageBoxes::~TMessageBoxes() = default;

TMessageBoxes& TMessageBoxes::instance() {
    static TQtMessageBoxes real;
    return installed ? *installed : real;
}

void TMessageBoxes::setInstance(TMessageBoxes* boxes) {
    installed = boxes;
}

QString TMessageBoxes::defaultCaption(Kind kind) {
    switch (kind) {
    case Kind::Error:
        return QStringLiteral("Error");
    case Kind::Warning:
        return QStringLiteral("Warning");
    case Kind::Information:
        return QStringLiteral("Information");
    case Kind::Confirmation:
        return QStringLiteral("Confirm");
    case Kind::Plain:
        break;
    }
    return QString();
}
