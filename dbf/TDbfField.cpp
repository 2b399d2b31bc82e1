#include "dbf/TDbfField.h"

#include "dbf/EDbfError.h"
#include "dbf/TDbfTable.h"
#include "keys/TWin1252.h"

#include <QDate>

#include <cmath>
#include <limits>

namespace {

TDbfFieldKind kindOf(char type, int width, int decimals) {
    switch (type) {
    case 'C':
        return TDbfFieldKind::String;
    case 'N':
        return decimals > 0 || width > 4 ? TDbfFieldKind::Float : TDbfFieldKind::SmallInt;
    case 'F':
        return TDbfFieldKind::Float;
    case 'L':
        return TDbfFieldKind::Boolean;
    case 'D':
        return TDbfFieldKind::Date;
    case 'I':
        return TDbfFieldKind::Integer;
    case 'M':
        return TDbfFieldKind::Memo;
    case 'B':
    case 'G':
    case 'P':
        return TDbfFieldKind::Blob;
    default:
        return TDbfFieldKind::Unknown;
    }
}

// Numbers in files are C-locale text whatever the user's locale.
bool parseNumber(const QString& text, double* value) {
    const QString t = text.trimmed();
    if (t.isEmpty())
        return false;
    bool ok = false;
    *value = QLocale::c().toDouble(t, &ok);
    return ok && std::isfinite(*value);
}

[[noreturn]] void outOfBounds() {
    throw EDbfError(QStringLiteral("Translate error. Value out of bounds"));
}

bool isNumberKind(TDbfFieldKind k) {
    return k == TDbfFieldKind::Float || k == TDbfFieldKind::SmallInt || k == TDbfFieldKind::Integer;
}

} // namespace

TDbfField::TDbfField(TDbfTable* table, int index, const QString& name, char typeLetter, int offset, int width,
                     int decimals)
    : table(table), index(index), name(name), typeLetter(typeLetter),
      kind(kindOf(typeLetter, width, decimals)), offset(offset), width(width), decimals(decimals) {}

QString TDbfField::DisplayFormat() const {
    if (kind != TDbfFieldKind::Float)
        return QString();
    return decimals > 0 ? QStringLiteral("0.") + QString(decimals, QLatin1Char('0')) : QStringLiteral("0");
}

QVariant TDbfField::Value() const {
    return table->FieldValue(index);
}

bool TDbfField::IsNull() const {
    return Value().isNull();
}

QString TDbfField::AsString() const {
    return StringOf(Value());
}

QString TDbfField::DisplayText() const {
    return TextOf(Value());
}

int TDbfField::AsInteger() const {
    const QVariant v = Value();
    if (v.isNull())
        return 0;
    if (kind == TDbfFieldKind::Boolean)
        return v.toBool() ? 1 : 0;
    if (isNumberKind(kind)) {
        const double d = v.toDouble();
        if (d > std::numeric_limits<int>::max() || d < std::numeric_limits<int>::min())
            throw EDbfError(QStringLiteral("'%1' is not a valid integer value").arg(StringOf(v)));
        return int(std::llround(d));
    }
    bool ok = false;
    const int i = v.toString().trimmed().toInt(&ok);
    if (!ok) {
        if (v.toString().trimmed().isEmpty())
            return 0;
        throw EDbfError(QStringLiteral("'%1' is not a valid integer value").arg(v.toString()));
    }
    return i;
}

double TDbfField::AsFloat() const {
    const QVariant v = Value();
    if (v.isNull())
        return 0;
    if (isNumberKind(kind))
        return v.toDouble();
    if (kind == TDbfFieldKind::Boolean)
        return v.toBool() ? 1 : 0;
    double d = 0;
    if (!parseNumber(v.toString(), &d)) {
        if (v.toString().trimmed().isEmpty())
            return 0;
        throw EDbfError(QStringLiteral("'%1' is not a valid floating point value").arg(v.toString()));
    }
    return d;
}

bool TDbfField::AsBoolean() const {
    const QVariant v = Value();
    if (v.isNull())
        return false;
    if (kind == TDbfFieldKind::Boolean)
        return v.toBool();
    if (isNumberKind(kind))
        return v.toDouble() != 0;
    const QString t = v.toString().trimmed().toUpper();
    if (t == QLatin1String("T") || t == QLatin1String("TRUE") || t == QLatin1String("Y") ||
        t == QLatin1String("YES"))
        return true;
    if (t.isEmpty() || t == QLatin1String("F") || t == QLatin1String("FALSE") || t == QLatin1String("N") ||
        t == QLatin1String("NO"))
        return false;
    throw EDbfError(QStringLiteral("'%1' is not a valid boolean value").arg(v.toString()));
}

void TDbfField::SetAsString(const QString& value) {
    SetValue(value);
}
void TDbfField::SetAsInteger(int value) {
    SetValue(value);
}
void TDbfField::SetAsFloat(double value) {
    SetValue(value);
}
void TDbfField::SetAsBoolean(bool value) {
    SetValue(value);
}
void TDbfField::SetValue(const QVariant& value) {
    table->SetFieldValue(index, value);
}
void TDbfField::Clear() {
    table->SetFieldValue(index, QVariant());
}

QString TDbfField::StringOf(const QVariant& v) const {
    if (v.isNull())
        return QString();
    switch (kind) {
    case TDbfFieldKind::Float:
        return QString::number(v.toDouble(), 'f', decimals);
    case TDbfFieldKind::SmallInt:
    case TDbfFieldKind::Integer:
        return QString::number(v.toLongLong());
    case TDbfFieldKind::Boolean:
        return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case TDbfFieldKind::Date:
        return v.toDate().toString(Qt::ISODate);
    default:
        return v.toString();
    }
}

QString TDbfField::TextOf(const QVariant& v) const {
    return StringOf(v);
}

QVariant TDbfField::Decode(const QByteArray& image) const {
    if (offset < 0 || offset + width > image.size())
        return QVariant();
    const char* raw = image.constData() + offset;
    const QByteArray bytes(raw, width);
    switch (kind) {
    case TDbfFieldKind::String:
    case TDbfFieldKind::Memo:
    case TDbfFieldKind::Blob:
    case TDbfFieldKind::Unknown: {
        int n = width;
        while (n > 0 && (raw[n - 1] == ' ' || raw[n - 1] == '\0'))
            --n;
        return TWin1252::toUnicode(raw, n);
    }
    case TDbfFieldKind::Float:
    case TDbfFieldKind::SmallInt: {
        double d = 0;
        if (!parseNumber(QString::fromLatin1(bytes), &d))
            return QVariant();
        if (kind == TDbfFieldKind::SmallInt)
            return QVariant(int(std::llround(d)));
        return QVariant(d);
    }
    case TDbfFieldKind::Integer: {
        if (width != 4)
            return QVariant();
        const auto* u = reinterpret_cast<const unsigned char*>(raw);
        const quint32 bits = quint32(u[0]) | quint32(u[1]) << 8 | quint32(u[2]) << 16 | quint32(u[3]) << 24;
        return QVariant(int(qint32(bits)));
    }
    case TDbfFieldKind::Boolean: {
        const char c = raw[0];
        if (c == 'T' || c == 't' || c == 'Y' || c == 'y')
            return QVariant(true);
        if (c == 'F' || c == 'f' || c == 'N' || c == 'n')
            return QVariant(false);
        return QVariant();
    }
    case TDbfFieldKind::Date: {
        const QDate d = QDate::fromString(QString::fromLatin1(bytes.left(8)), QStringLiteral("yyyyMMdd"));
        return d.isValid() ? QVariant(d) : QVariant();
    }
    }
    return QVariant();
}

void TDbfField::Encode(const QVariant& value, QByteArray& image) const {
    if (offset < 0 || offset + width > image.size())
        return;
    char* slot = image.data() + offset;
    QByteArray text;
    switch (kind) {
    case TDbfFieldKind::String:
        text = TWin1252::fromUnicode(value.toString()).left(width);
        break;
    case TDbfFieldKind::Float:
    case TDbfFieldKind::SmallInt:
        if (!value.isNull()) {
            const double d = value.toDouble();
            if (!std::isfinite(d))
                outOfBounds();
            if (kind == TDbfFieldKind::SmallInt && (d > 32767 || d < -32768))
                outOfBounds();
            QString number = QString::number(d, 'f', kind == TDbfFieldKind::Float ? decimals : 0);
            if (number.startsWith(QLatin1Char('-')) &&
                number.count(QLatin1Char('0')) + number.count('.') == number.size() - 1)
                number.remove(0, 1); // no "-0"
            if (number.size() > width)
                outOfBounds();
            text = QByteArray(width - number.size(), ' ') + number.toLatin1();
        }
        break;
    case TDbfFieldKind::Integer:
        if (width == 4) {
            const double d = value.isNull() ? 0 : value.toDouble();
            if (!(d >= -2147483648.0 && d <= 2147483647.0))
                outOfBounds();
            const qint64 i = qint64(std::llround(d));
            const quint32 bits = quint32(qint32(i));
            for (int b = 0; b < 4; ++b)
                slot[b] = char((bits >> (8 * b)) & 0xFF);
        }
        return;
    case TDbfFieldKind::Boolean:
        text = value.isNull() ? QByteArray(" ") : value.toBool() ? QByteArray("T") : QByteArray("F");
        break;
    case TDbfFieldKind::Date:
        if (!value.isNull())
            text = value.toDate().toString(QStringLiteral("yyyyMMdd")).toLatin1();
        break;
    default:
        return; // memo and binary slots are kept as they are
    }
    text = text.left(width);
    for (int i = 0; i < width; ++i)
        slot[i] = i < text.size() ? text[i] : ' ';
}

QVariant TDbfField::Convert(const QVariant& value) const {
    if (value.isNull() || !value.isValid())
        return QVariant();
    const bool isText = value.typeId() == QMetaType::QString || value.typeId() == QMetaType::QByteArray;
    switch (kind) {
    case TDbfFieldKind::String:
    case TDbfFieldKind::Memo:
    case TDbfFieldKind::Blob:
    case TDbfFieldKind::Unknown: {
        QString t = value.typeId() == QMetaType::Bool
                        ? (value.toBool() ? QStringLiteral("True") : QStringLiteral("False"))
                        : value.toString();
        if (kind == TDbfFieldKind::String)
            t.truncate(width); // texts are cut to the field when assigned
        return t;
    }
    case TDbfFieldKind::Float:
    case TDbfFieldKind::SmallInt:
    case TDbfFieldKind::Integer: {
        double d = 0;
        if (isText) {
            if (value.toString().trimmed().isEmpty())
                return QVariant();
            if (!parseNumber(value.toString(), &d))
                throw EDbfError(QStringLiteral("'%1' is not a valid %2 value")
                                    .arg(value.toString(), kind == TDbfFieldKind::Float
                                                               ? QStringLiteral("floating point")
                                                               : QStringLiteral("integer")));
        } else {
            bool ok = false;
            d = value.toDouble(&ok);
            if (!ok)
                throw EDbfError(QStringLiteral("Invalid value for field '%1'").arg(name));
        }
        if (kind == TDbfFieldKind::Float)
            return QVariant(d);
        if (d > 2147483647.0 || d < -2147483648.0)
            return QVariant(d); // refused when the record is built
        return QVariant(int(std::llround(d)));
    }
    case TDbfFieldKind::Boolean: {
        if (!isText)
            return QVariant(value.toBool());
        const QString t = value.toString().trimmed().toUpper();
        if (t.isEmpty())
            return QVariant();
        if (t == QLatin1String("T") || t == QLatin1String("TRUE") || t == QLatin1String("Y") ||
            t == QLatin1String("YES"))
            return QVariant(true);
        if (t == QLatin1String("F") || t == QLatin1String("FALSE") || t == QLatin1String("N") ||
            t == QLatin1String("NO"))
            return QVariant(false);
        throw EDbfError(QStringLiteral("'%1' is not a valid boolean value").arg(value.toString()));
    }
    case TDbfFieldKind::Date: {
        if (value.typeId() == QMetaType::QDate)
            return value;
        const QString t = value.toString().trimmed();
        if (t.isEmpty())
            return QVariant();
        QDate d = QDate::fromString(t, Qt::ISODate);
        if (!d.isValid())
            d = QDate::fromString(t, QStringLiteral("yyyyMMdd"));
        if (!d.isValid())
            throw EDbfError(QStringLiteral("'%1' is not a valid date").arg(t));
        return d;
    }
    }
    return value;
}
