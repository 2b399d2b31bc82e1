#include "dbf/TDbfEnv.h"

#include "dbf/TDbfEngine.h"

#include <QList>

namespace {
QList<TDbfEnv*>& environments() {
    static QList<TDbfEnv*> list;
    return list;
}
} // namespace

TDbfEnv::TDbfEnv(QObject* parent) : QObject(parent) {
    environments().append(this);
}

TDbfEnv::~TDbfEnv() {
    environments().removeOne(this);
}

TDbfEnv* TDbfEnv::First() {
    return environments().isEmpty() ? nullptr : environments().first();
}

template <typename Pass> void TDbfEnv::applyNow(Pass pass) {
    if (!AppliesLocally())
        return;
    if (DbfEngine().LoadEngine())
        pass(DbfEngine());
}

void TDbfEnv::SetApplyTo(TDbfApplyTo value) {
    applyTo = value;
}

void TDbfEnv::SetExact(bool value) {
    exact = value;
    applyNow([value](TDbfEngine& e) { e.dbe_SetExact(value ? -1 : 0); });
}

void TDbfEnv::SetCentury(bool value) {
    century = value;
    applyNow([value](TDbfEngine& e) { e.dbe_SetCentury(value ? -1 : 0); });
}

void TDbfEnv::SetDateFormat(int value) {
    dateFormat = value;
    applyNow([value](TDbfEngine& e) { e.dbe_SetDateFormat(value); });
}

void TDbfEnv::SetDeleted(bool value) {
    deleted = value;
    applyNow([value](TDbfEngine& e) { e.dbe_SetDeleted(value ? -1 : 0); });
}

void TDbfEnv::SetEpoch(int value) {
    epoch = value;
    applyNow([value](TDbfEngine& e) { e.dbe_SetEpoch(value); });
}

void TDbfEnv::SetMemoBlockSize(int value) {
    memoBlockSize = value;
    applyNow([value](TDbfEngine& e) { e.dbe_SetMemoBlockSize(value); });
}

void TDbfEnv::SetSoftSeek(bool value) {
    softSeek = value;
    applyNow([value](TDbfEngine& e) { e.dbe_SetSoftSeek(value ? -1 : 0); });
}

void TDbfEnv::Loaded() {
    if (AppliesLocally())
        DbfEngine().LoadEngine();
}

void TDbfEnv::PassSettings() const {
    TDbfEngine& e = DbfEngine();
    e.dbe_SetEpoch(epoch);
    e.dbe_SetDeleted(deleted ? -1 : 0);
    e.dbe_SetCentury(century ? -1 : 0);
    e.dbe_SetMemoBlockSize(memoBlockSize);
    e.dbe_SetDateFormat(dateFormat);
    e.dbe_SetSoftSeek(softSeek ? -1 : 0);
    e.dbe_SetExact(exact ? -1 : 0);
}
