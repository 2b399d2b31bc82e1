#include "seams/TMessageBoxes.h"

#include "seams/TConsoleMessageBoxes.h"

namespace {
TMessageBoxes* installed = nullptr;
TMessageBoxes* standard = nullptr;
} // namespace

TMessageBoxes::~TMessageBoxes() = default;

TMessageBoxes& TMessageBoxes::instance() {
    static TConsoleMessageBoxes console;
    if (installed)
        return *installed;
    return standard ? *standard : console;
}

void TMessageBoxes::setInstance(TMessageBoxes* boxes) {
    installed = boxes;
}

void TMessageBoxes::setStandard(TMessageBoxes* boxes) {
    standard = boxes;
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
