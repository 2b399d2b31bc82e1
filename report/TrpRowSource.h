#pragma once

#include <QString>

// What a data band needs of the rows it prints: a cursor that runs from the first to the last row
// in the source's present order, and the text of a field of the current row.
class TrpRowSource {
public:
    virtual ~TrpRowSource() = default;

    virtual bool IsActive() const = 0;
    virtual void Open() = 0;
    virtual void Close() = 0;

    virtual void First() = 0;
    virtual void Next() = 0;
    virtual bool Eof() const = 0;

    // Field names are compared without regard to letter case.
    virtual bool HasField(const QString& name) const = 0;
    virtual QString FieldText(const QString& name) const = 0;
};
