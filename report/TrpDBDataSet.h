#pragma once

#include <QObject>
#include <QString>

#include <functional>

class TrpRowSource;

// A data-band source: the name a template's bands refer to, bound to the rows it prints.
// With OpenDataSource false the report reads the rows as they are and never opens or closes them.
class TrpDBDataSet : public QObject {
    Q_OBJECT
public:
    explicit TrpDBDataSet(const QString& name, QObject* parent = nullptr);

    QString Name() const { return objectName(); }

    TrpRowSource* DataSource() const { return source; }
    void SetDataSource(TrpRowSource* rows) { source = rows; }

    bool OpenDataSource = false;

    // Calls visit for every row from the first to the last. An unbound source, or an inactive
    // one that may not be opened, has no rows.
    void ForEachRow(const std::function<void(const TrpRowSource&)>& visit) const;

private:
    TrpRowSource* source = nullptr;
};
