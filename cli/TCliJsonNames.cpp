#include "cli/TCliJsonNames.h"

QString TCliJsonNames::Kind(TKeyDifference::Kind kind) {
    using K = TKeyDifference::Kind;
    switch (kind) {
    case K::Same:
        return QStringLiteral("same");
    case K::KeyAdded:
        return QStringLiteral("key added");
    case K::KeyRemoved:
        return QStringLiteral("key removed");
    case K::CodeChanged:
        return QStringLiteral("code changed");
    case K::NoteChanged:
        return QStringLiteral("note changed");
    case K::Activated:
        return QStringLiteral("activated");
    case K::Deactivated:
        return QStringLiteral("deactivated");
    case K::NotRead:
        return QStringLiteral("not read");
    case K::NoteNotReadBack:
        return QStringLiteral("note holds \u00ff");
    }
    return QString();
}

QString TCliJsonNames::Table(TKeyTransfer::Table table) {
    return table == TKeyTransfer::Table::Master ? QStringLiteral("Master") : QStringLiteral("Slave");
}
