#include "keylist/TKeyImport.h"

#include "dbf/TDbfTable.h"
#include "dbf/TWin1252.h"
#include "keylist/TKeyCode.h"
#include "keylist/TKeyListRows.h"
#include "keylist/TKeyListSchema.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace {

QString typeName(QChar type) {
    return type == QLatin1Char('M') ? QStringLiteral("master") : QStringLiteral("slave");
}

QString field(const TKeyCsvReader::TRow& row, const QHash<int, int>& columns, int column) {
    const int index = columns.value(column, -1);
    return index >= 0 && index < row.fields.size() ? row.fields[index] : QString();
}

bool allBlank(const QStringList& fields) {
    for (const QString& f : fields)
        if (!f.trimmed().isEmpty())
            return false;
    return true;
}

QString withoutTrailingBlanks(QString text) {
    while (!text.isEmpty() && text.back() == QLatin1Char(' '))
        text.chop(1);
    return text;
}

bool readFlag(const QString& text, bool* value) {
    static const QStringList yes = {"yes", "y", "true", "t", "1", "x"};
    static const QStringList no = {"no", "n", "false", "f", "0"};
    const QString word = text.trimmed().toLower();
    *value = yes.contains(word);
    return *value || no.contains(word);
}

} // namespace

QByteArray TKeyImport::ReadFile(const QString& path) {
    // 136 slots take a few kilobytes; anything this large is not a key list.
    constexpr qint64 MaxSize = 16 * 1024 * 1024;
    QFile file(path);
    const QString shown = QDir::toNativeSeparators(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(
            QStringLiteral("Can not read the CSV file %1: %2").arg(shown, file.errorString()).toStdString());
    if (file.size() > MaxSize)
        throw std::runtime_error(
            QStringLiteral("The file %1 is too large for a list of keys").arg(shown).toStdString());
    const QByteArray bytes = file.read(MaxSize + 1);
    if (bytes.size() > MaxSize)
        throw std::runtime_error(
            QStringLiteral("The file %1 is too large for a list of keys").arg(shown).toStdString());
    return bytes;
}

QHash<int, int> TKeyImport::columns(const QStringList& header) {
    static const QHash<QString, int> names = {
        {"code", Code},  {"key", Code},     {"keycode", Code}, {"note", Note},     {"memo", Note},
        {"name", Note},  {"keymemo", Note}, {"type", Type},    {"keytype", Type},  {"slot", Slot},
        {"keyid", Slot}, {"#", RecId},      {"recid", RecId},  {"active", Active}, {"keystatus", Active}};
    QHash<int, int> found;
    for (int i = 0; i < header.size(); ++i) {
        const auto it = names.find(header[i].trimmed().toLower());
        if (it != names.end() && !found.contains(it.value()))
            found.insert(it.value(), i);
    }
    return found;
}

int TKeyImport::slotCount(QChar type) {
    return type == QLatin1Char('M') ? TKeyListSchema::MasterSlots : TKeyListSchema::SlaveSlots;
}

TKeyImport TKeyImport::Plan(const QByteArray& csv, const QVector<TKeyRecord>& current) {
    const QVector<TKeyCsvReader::TRow> rows = TKeyCsvReader::Read(csv);
    if (rows.isEmpty())
        throw std::runtime_error("The CSV file is empty");
    const QHash<int, int> found = columns(rows.first().fields);
    if (!found.contains(Code))
        throw std::runtime_error("The CSV file has no key code column: its first row must name one "
                                 "of the columns code, key or keycode");
    TKeyImport plan;
    QVector<TWanted> bySlot;
    QVector<TWanted> byOrder;
    for (int i = 1; i < rows.size(); ++i) {
        if (allBlank(rows[i].fields))
            continue;
        TWanted wanted;
        const QString reason = readRow(rows[i], found, &wanted);
        if (!reason.isEmpty())
            plan.Rejects.append({rows[i].line, reason});
        else
            (wanted.slot >= 0 || wanted.recId >= 0 ? bySlot : byOrder) << wanted;
    }
    // Rows that name their slot go first, so that the rows without one fill what is left.
    QVector<TKeyRecord> planned = current;
    QHash<int, int> takenBy;
    for (const TWanted& wanted : bySlot)
        plan.place(wanted, planned, takenBy);
    for (const TWanted& wanted : byOrder)
        plan.place(wanted, planned, takenBy);
    std::sort(plan.Rejects.begin(), plan.Rejects.end(),
              [](const TReject& a, const TReject& b) { return a.line < b.line; });
    return plan;
}

QString TKeyImport::readRow(const TKeyCsvReader::TRow& row, const QHash<int, int>& columns, TWanted* wanted) {
    wanted->line = row.line;
    const QString type = field(row, columns, Type).trimmed().toUpper();
    if (type.isEmpty() || type == QLatin1String("S") || type == QLatin1String("SLAVE"))
        wanted->type = QLatin1Char('S');
    else if (type == QLatin1String("M") || type == QLatin1String("MASTER"))
        wanted->type = QLatin1Char('M');
    else
        return QStringLiteral("the type \"%1\" is neither M nor S").arg(type);

    const QString code = field(row, columns, Code).trimmed();
    if (!code.isEmpty() && code.compare(QLatin1String(TKeyListSchema::EmptyCode), Qt::CaseInsensitive) != 0) {
        const TKeyCode::TReading reading = TKeyCode::Read(code, TKeyCode::TSource::Given);
        if (!reading.ok)
            return reading.error;
        wanted->value.code = reading.code;
    }
    const QString active = field(row, columns, Active);
    wanted->value.active = wanted->value.HasKey();
    if (!active.trimmed().isEmpty() && !readFlag(active, &wanted->value.active))
        return QStringLiteral("the active column holds \"%1\", not yes or no").arg(active);
    if (wanted->value.active && !wanted->value.HasKey())
        return QStringLiteral("an active key needs a key code");

    const QString note = withoutTrailingBlanks(field(row, columns, Note));
    if (note.size() > TKeyListSchema::MemoLength)
        return QStringLiteral("the note is %1 characters long, a key list holds at most %2")
            .arg(note.size())
            .arg(TKeyListSchema::MemoLength);
    for (QChar c : note)
        if (!TWin1252::canEncode(c))
            return QStringLiteral("the note holds \"%1\", which the key list's code page "
                                  "(Windows-1252) cannot hold")
                .arg(c);
    wanted->value.note = note;

    for (auto [column, target] :
         {std::pair{int(Slot), &wanted->slot}, std::pair{int(RecId), &wanted->recId}}) {
        const QString text = field(row, columns, column).trimmed();
        if (text.isEmpty())
            continue;
        bool ok = false;
        *target = text.toInt(&ok);
        if (!ok || *target < 0)
            return QStringLiteral("the %1 \"%2\" is not a slot number")
                .arg(column == Slot ? QStringLiteral("slot") : QStringLiteral("#"), text);
    }
    if (wanted->slot >= 0)
        wanted->recId = -1; // the controller's slot number wins over the row number
    return QString();
}

void TKeyImport::place(const TWanted& wanted, QVector<TKeyRecord>& planned, QHash<int, int>& takenBy) {
    const auto reject = [&](const QString& reason) { Rejects.append({wanted.line, reason}); };
    int target = -1;
    if (wanted.slot >= 0 || wanted.recId >= 0) {
        for (int i = 0; i < planned.size() && target < 0; ++i) {
            const TKeyRecord& r = planned[i];
            if (r.type == wanted.type && (wanted.slot >= 0 ? r.slot == wanted.slot : r.recId == wanted.recId))
                target = i;
        }
        if (target < 0)
            return reject(
                wanted.slot >= 0
                    ? QStringLiteral("there is no %1 slot %2 (slots 0 to %3)")
                          .arg(typeName(wanted.type))
                          .arg(wanted.slot)
                          .arg(slotCount(wanted.type) - 1)
                    : QStringLiteral("there is no %1 key #%2").arg(typeName(wanted.type)).arg(wanted.recId));
        if (takenBy.contains(target))
            return reject(QStringLiteral("%1 is already filled by line %2")
                              .arg(TKeyListRows::Place(planned[target]))
                              .arg(takenBy[target]));
    } else {
        if (!wanted.value.HasKey())
            return reject(QStringLiteral("the row has neither a key code nor a slot"));
        for (int i = 0; i < planned.size() && target < 0; ++i) {
            if (planned[i].type == wanted.type && !planned[i].HasKey() && !takenBy.contains(i))
                target = i;
        }
        if (target < 0)
            return reject(QStringLiteral("there is no free %1 slot left").arg(typeName(wanted.type)));
    }
    if (wanted.value.HasKey()) {
        for (int i = 0; i < planned.size(); ++i) {
            if (i == target || planned[i].code != wanted.value.code)
                continue;
            return reject(takenBy.contains(i) ? QStringLiteral("the key %1 is a duplicate of line %2")
                                                    .arg(wanted.value.code)
                                                    .arg(takenBy[i])
                                              : QStringLiteral("the key %1 is already in the list as %2")
                                                    .arg(wanted.value.code, TKeyListRows::Place(planned[i])));
        }
    }
    TKeyRecord after = planned[target];
    after.code = wanted.value.HasKey() ? wanted.value.code : QString::fromLatin1(TKeyListSchema::EmptyCode);
    after.active = wanted.value.active;
    after.note = wanted.value.note;
    takenBy.insert(target, wanted.line);
    if (after.SameKey(planned[target]))
        ++Unchanged;
    else
        Changes.append({wanted.line, planned[target], after});
    planned[target] = after;
}

void TKeyImport::Apply(TDbfTable& master, TDbfTable& slave) const {
    const int masterRecNo = master.RecNo();
    const int slaveRecNo = slave.RecNo();
    const auto restore = [&] {
        master.SetRecNo(masterRecNo);
        slave.SetRecNo(slaveRecNo);
    };
    try {
        Apply([&](const TKeyRecord& r) {
            TKeyListRows::Write(r.type == QLatin1Char('M') ? master : slave, r);
        });
    } catch (...) {
        restore();
        throw;
    }
    restore();
}

void TKeyImport::Apply(const std::function<void(const TKeyRecord&)>& write) const {
    int applied = 0;
    try {
        for (const TChange& change : Changes) {
            write(change.after);
            ++applied;
        }
    } catch (...) {
        for (int i = applied - 1; i >= 0; --i) {
            try {
                write(Changes[i].before);
            } catch (...) {
            }
        }
        throw;
    }
}
