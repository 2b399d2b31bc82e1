#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

class TDbfTable;

// The dataset field kind made from a table field's type letter, width and decimals.
enum class TDbfFieldKind {
    String,   // C
    Float,    // N with decimals, or wider than 4
    SmallInt, // N up to 4 wide without decimals
    Boolean,  // L
    Date,     // D
    Integer,  // I
    Memo,     // M
    Blob,     // B, G, P
    Unknown   // any other letter: kept as raw bytes
};

// One field of a TDbfTable's current record. Values are read from the current record buffer and
// written into it; the record reaches the file at Post. Writing outside edit or insert state
// raises EDbfError. The table owns its fields; they live while the table is open.
class TDbfField {
public:
    TDbfField(TDbfTable* table, int index, const QString& name, char typeLetter, int offset, int width,
              int decimals);

    TDbfTable* Table() const { return table; }
    int Index() const { return index; } // 0-based, in file order
    QString FieldName() const { return name; }
    char TypeLetter() const { return typeLetter; }
    TDbfFieldKind Kind() const { return kind; }
    int Offset() const { return offset; } // in the record image, after the deletion flag
    int Size() const { return width; }
    int Decimals() const { return decimals; }
    // "0", or "0." and one "0" per decimal, for floating-point fields; empty otherwise.
    QString DisplayFormat() const;

    bool IsNull() const;
    // Text: trailing blanks removed. Numbers in the C locale. Logical: "True"/"False". Null: "".
    QString AsString() const;
    int AsInteger() const; // null gives 0
    double AsFloat() const;
    bool AsBoolean() const; // null gives false
    QVariant Value() const; // null QVariant for a cleared field
    // What grids and the report show: numbers in the display format, logical "True"/"False".
    QString DisplayText() const;

    // Text longer than a character field is cut to its width. Texts given to number and logical
    // fields are converted; one that does not convert raises EDbfError.
    void SetAsString(const QString& value);
    void SetAsInteger(int value);
    void SetAsFloat(double value);
    void SetAsBoolean(bool value);
    void SetValue(const QVariant& value); // a null QVariant clears
    void Clear();

    // Decoding and encoding of this field's slot of a record image (used by the table).
    QVariant Decode(const QByteArray& image) const;
    // Writes value into its slot; a number wider than the field raises
    // "Translate error. Value out of bounds".
    void Encode(const QVariant& value, QByteArray& image) const;
    QVariant Convert(const QVariant& value) const; // to this field's value type; raises when it cannot
    // AsString and DisplayText of any value of this field (rows that are not current).
    QString StringOf(const QVariant& value) const;
    QString TextOf(const QVariant& value) const;

private:
    TDbfTable* table;
    int index;
    QString name;
    char typeLetter;
    TDbfFieldKind kind;
    int offset;
    int width;
    int decimals;
};
