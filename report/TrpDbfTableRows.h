#pragma once

#include "report/TrpRowSource.h"

#include <QObject>

class TDbfTable;

// The rows of a TDbfTable as a data band reads them: its cursor walks the view from the first to
// the last record in the view's present filter and order. Fields show their display text.
class TrpDbfTableRows : public QObject, public TrpRowSource {
    Q_OBJECT
public:
    explicit TrpDbfTableRows(TDbfTable& table, QObject* parent = nullptr) : QObject(parent), table(table) {}

    TDbfTable& Table() const { return table; }

    bool IsActive() const override;
    void Open() override;
    void Close() override;
    void First() override;
    void Next() override;
    bool Eof() const override;
    bool HasField(const QString& name) const override;
    QString FieldText(const QString& name) const override;

private:
    TDbfTable& table;
};
