#include "tests/keylist/KeyListFixture.h"

#include <QFile>

namespace KeyListFixture {

void create(TDbfTable& table, const QString& path) {
    if (!table.CreateNew(path, 1, 6))
        throw std::runtime_error("CreateNew refused");
    table.CreateField("RECID", "N", 10, 0);
    table.CreateField("KEYID", "N", 5, 0);
    table.CreateField("KEYCODE", "C", 12, 0);
    table.CreateField("KEYTYPE", "C", 1, 0);
    table.CreateField("KEYSTATUS", "L", 1, 0);
    table.CreateField("KEYMEMO", "C", 25, 0);
    if (!table.CreateExec())
        throw std::runtime_error("CreateExec failed");
    table.SetTableName(path);
    table.Open();
    table.InsertRecord({QVariant(), QVariant(), "<unknown>", "", false, "<unknown>"});
    for (int slot = 0; slot < 8; ++slot)
        table.InsertRecord({slot + 1, slot, "<EMPTY>", "M", false, ""});
    for (int slot = 0; slot < 128; ++slot)
        table.InsertRecord({slot + 1, slot, "<EMPTY>", "S", false, ""});
    table.Close();
}

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

} // namespace KeyListFixture
