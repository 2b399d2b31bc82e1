#include "seams/TMessageBoxes.h"

#include "seams/TConsoleMessageBoxes.h"
#include "seams/TSeam.h"

TMessageBoxes::~TMessageBoxes() = default;

TMessageBoxes& TMessageBoxes::instance() {
    static TConsoleMessageBoxes console;
    return TSeam<TMessageBoxes>::Get(console);
}

void TMessageBoxes::setInstance(TMessageBoxes* boxes) {
    TSeam<TMessageBoxes>::Install(boxes);
}

void TMessageBoxes::setStandard(TMessageBoxes* boxes) {
    TSeam<TMessageBoxes>::SetStandard(boxes);
}

QString TMessageBoxes::defaultCaption(Kind kind) {
    switch (kind) {
    case Kind::Error:
        return tr("Error");
    case Kind::Warning:
        return tr("Warning");
    case Kind::Information:
        return tr("Information");
    case Kind::Confirmation:
        return tr("Confirm");
    case Kind::Plain:
        break;
    }
    return QString();
}
