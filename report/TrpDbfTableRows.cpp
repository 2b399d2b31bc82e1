#include "report/TrpDbfTableRows.h"

#include "dbf/TDbfTable.h"

bool TrpDbfTableRows::IsActive() const {
    return table.Active();
}

void TrpDbfTableRows::Open() {
    table.Open();
}

void TrpDbfTableRows::Close() {
    table.Close();
}

void TrpDbfTableRows::First() {
    table.First();
}

void TrpDbfTableRows::Next() {
    table.Next();
}

bool TrpDbfTableRows::Eof() const {
    return table.Eof();
}

bool TrpDbfTableRows::HasField(const QString& name) const {
    return table.FindField(name) != nullptr;
}

QString TrpDbfTableRows::FieldText(const QString& name) const {
    return table.FieldByName(name)->DisplayText();
}
