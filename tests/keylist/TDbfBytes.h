#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

// Reads a dBASE file as bytes, to check what the program wrote without the program's own reader.
struct TDbfBytes {
    QByteArray data;
    bool ok = false;

    explicit TDbfBytes(const QString& path) {
        QFile file(path);
        ok = file.open(QIODevice::ReadOnly);
        data = file.readAll();
        ok = ok && data.size() >= 32;
    }
    int u16(int at) const { return quint8(data[at]) | quint8(data[at + 1]) << 8; }
    int recordCount() const { return u16(4) | u16(6) << 16; }
    int headerLength() const { return u16(8); }
    int recordLength() const { return u16(10); }
    // Record n (1-based) with its deletion flag byte.
    QByteArray record(int n) const {
        return data.mid(headerLength() + (n - 1) * recordLength(), recordLength());
    }
    // Every record, as one block: what must survive a save and an open unchanged.
    QByteArray records() const { return data.mid(headerLength(), recordCount() * recordLength()); }
    QStringList fieldNames() const {
        QStringList names;
        for (int at = 32; at + 32 <= headerLength() && data[at] != '\x0D'; at += 32)
            names << QString::fromLatin1(data.mid(at, 11).constData());
        return names;
    }
    QByteArray fieldTypes() const {
        QByteArray types;
        for (int at = 32; at + 32 <= headerLength() && data[at] != '\x0D'; at += 32)
            types.append(data[at + 11]);
        return types;
    }
};
