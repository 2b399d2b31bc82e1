#include "TDbfField.h"

#include "EDbfError.h"

namespace {
[[noreturn]] void notYet() {
    throw EDbfError(QStringLiteral("Not built yet"));
}
} // namespace

TDbfField::TDbfField(TDbfTable* table, int index, const QString& name, char typeLetter, int offset, int width,
                     int decimals)
    : table(table), index(index), name(name), typeLetter(typeLetter), kind(TDbfFieldKind::Unknown),
      offset(offset), width(width), decimals(decimals) {}

QString TDbfField::DisplayFormat() const {
    notYet();
}
bool TDbfField::IsNull() const {
    notYet();
}
QString TDbfField::AsString() const {
    notYet();
}
int TDbfField::AsInteger() const {
    notYet();
}
double TDbfField::AsFloat() const {
    notYet();
}
bool TDbfField::AsBoolean() const {
    notYet();
}
QVariant TDbfField::Value() const {
    notYet();
}
QString TDbfField::DisplayText() const {
    notYet();
}
void TDbfField::SetAsString(const QString&) {
    notYet();
}
void TDbfField::SetAsInteger(int) {
    notYet();
}
void TDbfField::SetAsFloat(double) {
    notYet();
}
void TDbfField::SetAsBoolean(bool) {
    notYet();
}
void TDbfField::SetValue(const QVariant&) {
    notYet();
}
void TDbfField::Clear() {
    notYet();
}
QVariant TDbfField::Decode(const QByteArray&) const {
    notYet();
}
void TDbfField::Encode(const QVariant&, QByteArray&) const {
    notYet();
}
QVariant TDbfField::Convert(const QVariant&) const {
    notYet();
}
