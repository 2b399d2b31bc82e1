#pragma once

#include "sync/TKeyTables.h"

#include <QByteArray>

#include <optional>

// A key-list file's bytes taken apart without the table engine, for the hundreds of files a site
// search or status goes through. Only the plain form the program writes is taken: its layout, the
// header record and one record per slot, none deleted, numbers as digits. Anything else is left to
// the engine (empty result), which reads it as it always did or says why it is not a key list.
class TKeyListBytes {
public:
    // The same tables TKeyListFile::Read gives for a file holding these bytes.
    static std::optional<TKeyTables> Parse(const QByteArray& bytes);
    // Whether Parse takes these bytes: a sound key list, without decoding its texts.
    static bool IsPlain(const QByteArray& bytes);
};
