#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QString>

// Checks a document against the part of JSON Schema that vtrk's documentation uses: type (one or
// a list), properties, required, additionalProperties false, items, allOf, anyOf and local $ref.
class TJsonSchemaCheck {
public:
    explicit TJsonSchemaCheck(const QJsonObject& root) : root(root) {}
    // Empty when value fits schema; else where and how it does not.
    QString Mismatch(const QJsonValue& value, const QJsonObject& schema, const QString& where = QStringLiteral("$")) const;

private:
    QJsonObject Resolved(const QJsonObject& schema) const;
    QString TypeMismatch(const QJsonValue& value, const QJsonObject& schema, const QString& where) const;
    QString ObjectMismatch(const QJsonObject& object, const QJsonObject& schema, const QString& where) const;

    QJsonObject root;
};
