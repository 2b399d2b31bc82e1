#pragma once

#include "dbf/TDbfTable.h"

#include <QString>

// Builds a key-list table the way the program does: six fields, a header record, 8 master and
// 128 slave records.
namespace KeyListFixture {
void create(TDbfTable& table, const QString& path);
QByteArray fileBytes(const QString& path);
} // namespace KeyListFixture
