#include "tests/cli/TJsonSchemaCheck.h"

#include <QJsonArray>
#include <QStringList>

namespace {
QString typeName(const QJsonValue& value) {
    switch (value.type()) {
    case QJsonValue::Null:
        return QStringLiteral("null");
    case QJsonValue::Bool:
        return QStringLiteral("boolean");
    case QJsonValue::Double:
        return value.toDouble() == double(qint64(value.toDouble())) ? QStringLiteral("integer")
                                                                     : QStringLiteral("number");
    case QJsonValue::String:
        return QStringLiteral("string");
    case QJsonValue::Array:
        return QStringLiteral("array");
    case QJsonValue::Object:
        return QStringLiteral("object");
    default:
        return QStringLiteral("undefined");
    }
}
} // namespace

QJsonObject TJsonSchemaCheck::Resolved(const QJsonObject& schema) const {
    const QString ref = schema.value(QStringLiteral("$ref")).toString();
    if (ref.isEmpty())
        return schema;
    QJsonValue target = root;
    for (const QString& part : ref.mid(2).split(QLatin1Char('/')))
        target = target.toObject().value(part);
    return Resolved(target.toObject());
}

QString TJsonSchemaCheck::Mismatch(const QJsonValue& value, const QJsonObject& given, const QString& where) const {
    const QJsonObject schema = Resolved(given);
    if (schema.isEmpty())
        return where + QStringLiteral(": no schema");
    for (const QJsonValue part : schema.value(QStringLiteral("allOf")).toArray()) {
        const QString mismatch = Mismatch(value, part.toObject(), where);
        if (!mismatch.isEmpty())
            return mismatch;
    }
    if (schema.contains(QStringLiteral("anyOf"))) {
        QStringList reasons;
        for (const QJsonValue part : schema.value(QStringLiteral("anyOf")).toArray()) {
            const QString mismatch = Mismatch(value, part.toObject(), where);
            if (mismatch.isEmpty())
                return QString();
            reasons << mismatch;
        }
        return reasons.join(QStringLiteral("; or "));
    }
    return TypeMismatch(value, schema, where);
}

QString TJsonSchemaCheck::TypeMismatch(const QJsonValue& value, const QJsonObject& schema, const QString& where) const {
    const QJsonValue type = schema.value(QStringLiteral("type"));
    QStringList allowed;
    if (type.isArray()) {
        for (const QJsonValue name : type.toArray())
            allowed << name.toString();
    } else if (type.isString()) {
        allowed << type.toString();
    }
    const QString actual = typeName(value);
    if (!allowed.isEmpty() && !allowed.contains(actual) &&
        !(actual == QLatin1String("integer") && allowed.contains(QStringLiteral("number"))))
        return QStringLiteral("%1: %2, documented as %3").arg(where, actual, allowed.join(QLatin1Char('|')));
    if (value.isObject())
        return ObjectMismatch(value.toObject(), schema, where);
    if (value.isArray() && schema.contains(QStringLiteral("items"))) {
        const QJsonArray items = value.toArray();
        for (qsizetype i = 0; i < items.size(); ++i) {
            const QString mismatch = Mismatch(items[i], schema.value(QStringLiteral("items")).toObject(),
                                              QStringLiteral("%1[%2]").arg(where).arg(i));
            if (!mismatch.isEmpty())
                return mismatch;
        }
    }
    return QString();
}

QString TJsonSchemaCheck::ObjectMismatch(const QJsonObject& object, const QJsonObject& schema,
                                         const QString& where) const {
    const QJsonObject properties = schema.value(QStringLiteral("properties")).toObject();
    for (const QJsonValue name : schema.value(QStringLiteral("required")).toArray()) {
        if (!object.contains(name.toString()))
            return QStringLiteral("%1: \"%2\" is documented but missing").arg(where, name.toString());
    }
    for (auto field = object.begin(); field != object.end(); ++field) {
        const QString path = where + QLatin1Char('.') + field.key();
        if (!properties.contains(field.key())) {
            if (schema.value(QStringLiteral("additionalProperties")).toBool(true))
                continue;
            return path + QStringLiteral(": not documented");
        }
        const QString mismatch = Mismatch(field.value(), properties.value(field.key()).toObject(), path);
        if (!mismatch.isEmpty())
            return mismatch;
    }
    return QString();
}
