#pragma once

#include "report/TrpRowSource.h"

#include <QList>
#include <QMap>
#include <QString>

// Rows held in memory, walked like a table view; records how it was used.
class TTestRows : public TrpRowSource {
public:
    using Row = QMap<QString, QString>; // field name in upper case -> text

    explicit TTestRows(QList<Row> rows = {}, bool active = true) : rows(std::move(rows)), active(active) {}

    bool IsActive() const override { return active; }
    void Open() override {
        active = true;
        ++opened;
    }
    void Close() override {
        active = false;
        ++closed;
    }
    void First() override {
        position = 0;
        ++walks;
    }
    void Next() override { ++position; }
    bool Eof() const override { return position >= rows.size(); }
    bool HasField(const QString& name) const override { return fields.contains(name.toUpper()); }
    QString FieldText(const QString& name) const override { return rows.at(position).value(name.toUpper()); }

    QList<Row> rows;
    QStringList fields{QStringLiteral("RECID"),   QStringLiteral("KEYID"),     QStringLiteral("KEYCODE"),
                       QStringLiteral("KEYTYPE"), QStringLiteral("KEYSTATUS"), QStringLiteral("KEYMEMO")};
    bool active;
    int position = 0;
    int walks = 0;
    int opened = 0;
    int closed = 0;
};
