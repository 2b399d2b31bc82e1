#include "TDbfTable.h"

#include "EDbfError.h"

namespace {
[[noreturn]] void notYet() {
    throw EDbfError(QStringLiteral("Not built yet"));
}
} // namespace

TDbfTable::TDbfTable(QObject* parent) : QObject(parent) {}
TDbfTable::~TDbfTable() = default;

void TDbfTable::SetTableName(const QString&) {
    notYet();
}
void TDbfTable::SetTableType(TDbfTableType) {
    notYet();
}
void TDbfTable::SetExclusive(bool) {
    notYet();
}
void TDbfTable::SetReadOnly(bool) {
    notYet();
}
void TDbfTable::SetFilter(const QString&) {
    notYet();
}
void TDbfTable::SetFiltered(bool) {
    notYet();
}
void TDbfTable::SetActive(bool) {
    notYet();
}
bool TDbfTable::IsEmpty() const {
    notYet();
}
int TDbfTable::RecNo() const {
    notYet();
}
void TDbfTable::SetRecNo(int) {
    notYet();
}
int TDbfTable::RecCount() const {
    notYet();
}
void TDbfTable::Open() {
    notYet();
}
void TDbfTable::Close() {
    notYet();
}
void TDbfTable::First() {
    notYet();
}
void TDbfTable::Last() {
    notYet();
}
void TDbfTable::Next() {
    notYet();
}
void TDbfTable::Prior() {
    notYet();
}
void TDbfTable::Edit() {
    notYet();
}
void TDbfTable::Append() {
    notYet();
}
void TDbfTable::Post() {
    notYet();
}
void TDbfTable::Cancel() {
    notYet();
}
void TDbfTable::InsertRecord(const QVariantList&) {
    notYet();
}
void TDbfTable::Refresh() {
    notYet();
}
bool TDbfTable::Locate(const QString&, const QVariant&, TLocateOptions) {
    notYet();
}
int TDbfTable::Index(const QString&, const QString&, int, bool, const QString&) {
    notYet();
}
int TDbfTable::SetOrder(int) {
    notYet();
}
void TDbfTable::CloseIndexes() {
    notYet();
}
bool TDbfTable::CreateNew(const QString&, int, int) {
    notYet();
}
void TDbfTable::CreateField(const QString&, const QString&, int, int) {
    notYet();
}
bool TDbfTable::CreateExec() {
    notYet();
}
int TDbfTable::CopyFile(const QString&) {
    notYet();
}
TDbfField* TDbfTable::Fields(int) const {
    notYet();
}
TDbfField* TDbfTable::FindField(const QString&) const {
    notYet();
}
TDbfField* TDbfTable::FieldByName(const QString&) const {
    notYet();
}
int TDbfTable::RowCount() {
    notYet();
}
int TDbfTable::RowRecNo(int) {
    notYet();
}
QVariant TDbfTable::RowValue(int, int) {
    notYet();
}
QString TDbfTable::RowText(int, int) {
    notYet();
}
int TDbfTable::CurrentRow() {
    notYet();
}
void TDbfTable::DisableControls() {
    notYet();
}
void TDbfTable::EnableControls() {
    notYet();
}
QVariant TDbfTable::FieldValue(int) const {
    notYet();
}
void TDbfTable::SetFieldValue(int, const QVariant&) {
    notYet();
}
