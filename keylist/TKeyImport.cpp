#include "keylist/TKeyImport.h"

#include "dbf/TDbfTable.h"
#include "keylist/TKeyListRows.h"
#include "keylist/TKeyNote.h"
#include "keys/TKeyCode.h"
#include "keys/TKeyPlaceholder.h"
#include "keys/TKeyTable.h"
#include "keys/TWin1252.h"
#include "seams/TRegularFile.h"
#include "seams/TStopRequest.h"

#include <QDir>

#include <algorithm>
#include <stdexcept>
#include <tuple>
#include <utility>

namespace {

// A refusal quotes at most this much of a cell: a cell may hold megabytes.
constexpr int ExcerptLength = 32;
// Longer than any written form of a key code, with blanks and a "ROM = " before it.
constexpr int MaxCodeText = 80;

bool isMaster(const QString& type) {
    return type == QLatin1String(TKeyTable::MasterType);
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

// The start of text, never half a character, with "..." where it was cut.
QString excerpt(const QString& text) {
    if (text.size() <= ExcerptLength)
        return text;
    const int cut = text[ExcerptLength - 1].isHighSurrogate() ? ExcerptLength - 1 : ExcerptLength;
    return text.left(cut) + QStringLiteral("...");
}

bool encodable(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return TWin1252::canEncode(c); });
}

bool readFlag(const QString& text, bool* value) {
    static const QStringList yes = {"yes", "y", "true", "t", "1", "x", "ja", "j", "wahr"};
    static const QStringList no = {"no", "n", "false", "f", "0", "nein", "falsch"};
    const QString word = text.trimmed().toLower();
    *value = yes.contains(word);
    return *value || no.contains(word);
}

QString headerName(const QString& text) {
    QString name = text.normalized(QString::NormalizationForm_C).simplified().toLower();
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    return name;
}

} // namespace

QByteArray TKeyImport::ReadFile(const QString& path) {
    // 136 slots take a few kilobytes; anything this large is not a key list.
    constexpr qint64 MaxSize = 16 * 1024 * 1024;
    const TRegularFile::TContents contents = TRegularFile::Read(path, MaxSize);
    if (!contents.ok)
        throw std::runtime_error(
            tr("Can not read the CSV file %1: %2")
                .arg(QDir::toNativeSeparators(path), contents.error.startsWith(QLatin1String("is "))
                                                         ? tr("it %1").arg(contents.error)
                                                         : contents.error)
                .toStdString());
    return contents.data;
}

QHash<int, int> TKeyImport::columns(const QStringList& header) {
    static const QHash<QString, int> names = {
        {"code", Code},         {"key", Code},      {"keycode", Code},      {"key code", Code},
        {"schlüssel", Code},    {"note", Note},     {"memo", Note},         {"name", Note},
        {"keymemo", Note},      {"key info", Note}, {"notiz", Note},        {"bemerkung", Note},
        {"type", Type},         {"keytype", Type},  {"typ", Type},          {"slot", Slot},
        {"keyid", Slot},        {"#", RecId},       {"recid", RecId},       {"platz", RecId},
        {"nr.", RecId},         {"nr", RecId},      {"active", Active},     {"keystatus", Active},
        {"active key", Active}, {"aktiv", Active},  {"engraved", Engraved}, {"serial", SerialColumn},
        {"info", InfoColumn}};
    QHash<int, int> found;
    for (int i = 0; i < header.size(); ++i) {
        const auto it = names.find(headerName(header[i]));
        if (it != names.end() && !found.contains(it.value()))
            found.insert(it.value(), i);
    }
    return found;
}

int TKeyImport::slotCount(const QString& type) {
    return type == QLatin1String(TKeyTable::MasterType) ? TKeyTable::MasterSlots : TKeyTable::SlaveSlots;
}

TKeyImport TKeyImport::Plan(const QByteArray& csv, const QVector<TKeySlot>& current) {
    const QVector<TKeyCsvReader::TRow> rows = TKeyCsvReader::Read(csv);
    if (rows.isEmpty())
        throw std::runtime_error(tr("The CSV file is empty").toStdString());
    TLayout layout;
    layout.columns = columns(rows.first().fields);
    if (!layout.columns.contains(Code))
        throw std::runtime_error(tr("The CSV file has no key code column: its first row must name one "
                                    "of the columns code, key, keycode, Schlüssel or Key Code")
                                     .toStdString());
    // The program's own export names each code twice, as the list holds it and as engraved: its
    // codes are the list's, not typed by hand.
    if (layout.columns.contains(Engraved))
        layout.source = TKeyCode::TSource::Given;
    for (int i = 1; i < rows.size() && !layout.crossMarks; ++i)
        layout.crossMarks = field(rows[i], layout.columns, Active).trimmed().toLower() == QLatin1String("x");
    TKeyImport plan;
    QVector<TWanted> bySlot;
    QVector<TWanted> byOrder;
    QHash<int, int> controllerLines;
    for (int i = 1; i < rows.size(); ++i) {
        if (TStopRequest::Raised())
            throw std::runtime_error(tr("The import was interrupted").toStdString());
        if (allBlank(rows[i].fields))
            continue;
        TWanted wanted;
        QString reason = rows[i].error;
        if (reason.isEmpty())
            reason = readRow(rows[i], layout, &wanted);
        if (reason.isEmpty())
            reason = plan.readController(rows[i], layout, controllerLines);
        if (!reason.isEmpty())
            plan.Rejects.append({rows[i].line, reason});
        else
            (wanted.slot >= 0 || wanted.recId >= 0 ? bySlot : byOrder) << wanted;
    }
    // Rows that name their slot go first, so that the rows without one fill what is left.
    QVector<TKeySlot> planned = current;
    QHash<int, int> takenBy;
    for (const TWanted& wanted : bySlot)
        plan.place(wanted, planned, takenBy);
    for (const TWanted& wanted : byOrder)
        plan.place(wanted, planned, takenBy);
    std::sort(plan.Rejects.begin(), plan.Rejects.end(),
              [](const TReject& a, const TReject& b) { return a.line < b.line; });
    return plan;
}

QString TKeyImport::readRow(const TKeyCsvReader::TRow& row, const TLayout& layout, TWanted* wanted) {
    wanted->line = row.line;
    const QString type = field(row, layout.columns, Type).trimmed().toUpper();
    if (type.isEmpty() || type == QLatin1String("S") || type == QLatin1String("SLAVE"))
        wanted->type = QLatin1String(TKeyTable::SlaveType);
    else if (type == QLatin1String("M") || type == QLatin1String("MASTER"))
        wanted->type = QLatin1String(TKeyTable::MasterType);
    else
        return tr("the type \"%1\" is neither M nor S").arg(excerpt(type));
    for (const QString& reason :
         {readCode(field(row, layout.columns, Code), layout, wanted),
          readActive(field(row, layout.columns, Active), layout, wanted),
          readNote(field(row, layout.columns, Note), wanted), readSlots(row, layout, wanted)})
        if (!reason.isEmpty())
            return reason;
    return QString();
}

QString TKeyImport::readCode(const QString& text, const TLayout& layout, TWanted* wanted) {
    const QString code = text.trimmed();
    if (code.isEmpty() || code.compare(QLatin1String(TKeyPlaceholder::EmptyCode), Qt::CaseInsensitive) == 0)
        return QString();
    // A slot a read could not get travels as its mark, which no write sends.
    if (code == QLatin1String(TKeyPlaceholder::UnreadCode)) {
        wanted->value.keyCode = code;
        return QString();
    }
    if (code.size() > MaxCodeText)
        return tr("the key code \"%1\" is %2 characters long, longer than any way of writing one")
            .arg(excerpt(code))
            .arg(code.size());
    const TKeyCode::TReading reading = TKeyCode::Read(code, layout.source);
    if (!reading.ok)
        return reading.error;
    wanted->value.keyCode = reading.code;
    return QString();
}

QString TKeyImport::readActive(const QString& text, const TLayout& layout, TWanted* wanted) {
    wanted->value.active = wanted->value.HasKey() && !layout.crossMarks;
    if (!text.trimmed().isEmpty() && !readFlag(text, &wanted->value.active))
        return tr("the active column holds \"%1\", not yes or no").arg(excerpt(text));
    if (wanted->value.active && !wanted->value.HasKey())
        return tr("an active key needs a key code");
    // Inactive, the mark would be written as an empty slot and erase the controller's key.
    if (wanted->value.keyCode == QLatin1String(TKeyPlaceholder::UnreadCode))
        wanted->value.active = true;
    return QString();
}

QString TKeyImport::readNote(const QString& text, TWanted* wanted) {
    const QString note = TKeyNote::Composed(withoutTrailingBlanks(text));
    const QString refusal = TKeyNote::Refusal(note);
    if (refusal.isEmpty())
        wanted->value.memo = note;
    return refusal;
}

QString TKeyImport::readSlots(const TKeyCsvReader::TRow& row, const TLayout& layout, TWanted* wanted) {
    for (auto [column, target] :
         {std::pair{int(Slot), &wanted->slot}, std::pair{int(RecId), &wanted->recId}}) {
        const QString text = field(row, layout.columns, column).trimmed();
        if (text.isEmpty())
            continue;
        bool ok = false;
        *target = text.toInt(&ok);
        if (!ok || *target < 0)
            return (column == Slot ? tr("the slot \"%1\" is not a slot number")
                                   : tr("the # \"%1\" is not a slot number"))
                .arg(excerpt(text));
    }
    if (wanted->slot >= 0)
        wanted->recId = -1; // the controller's slot number wins over the row number
    return QString();
}

QString TKeyImport::readController(const TKeyCsvReader::TRow& row, const TLayout& layout,
                                   QHash<int, int>& firstLine) {
    for (auto [column, kept, length] : {std::tuple{int(SerialColumn), &Serial, TKeyTable::KeyCodeLength},
                                        std::tuple{int(InfoColumn), &Info, TKeyTable::MemoLength}}) {
        const QString text = withoutTrailingBlanks(field(row, layout.columns, column));
        const QString what = column == SerialColumn ? tr("serial number") : tr("information text");
        if (text.isEmpty() || text == *kept)
            continue;
        if (firstLine.contains(column))
            return tr("the controller's %1 \"%2\" differs from \"%3\" on line %4")
                .arg(what, excerpt(text), excerpt(*kept))
                .arg(firstLine[column]);
        if (text.size() > length || !encodable(text))
            return tr("the controller's %1 \"%2\" does not fit a key list (at most %3 characters "
                      "of Windows-1252)")
                .arg(what, excerpt(text))
                .arg(length);
        *kept = text;
        firstLine.insert(column, row.line);
    }
    return QString();
}

void TKeyImport::place(const TWanted& wanted, QVector<TKeySlot>& planned, QHash<int, int>& takenBy) {
    const auto reject = [&](const QString& reason) { Rejects.append({wanted.line, reason}); };
    int target = -1;
    if (wanted.slot >= 0 || wanted.recId >= 0) {
        for (int i = 0; i < planned.size() && target < 0; ++i) {
            const TKeySlot& r = planned[i];
            if (r.keyType == wanted.type &&
                (wanted.slot >= 0 ? r.keyId == wanted.slot : r.recId == wanted.recId))
                target = i;
        }
        if (target < 0)
            return reject(wanted.slot >= 0
                              ? (isMaster(wanted.type) ? tr("there is no master slot %1 (slots 0 to %2)")
                                                       : tr("there is no slave slot %1 (slots 0 to %2)"))
                                    .arg(wanted.slot)
                                    .arg(slotCount(wanted.type) - 1)
                              : (isMaster(wanted.type) ? tr("there is no master key #%1")
                                                       : tr("there is no slave key #%1"))
                                    .arg(wanted.recId));
        if (takenBy.contains(target))
            return reject(tr("%1 is already filled by line %2")
                              .arg(TKeyListRows::Place(planned[target]))
                              .arg(takenBy[target]));
    } else {
        if (!wanted.value.HasKey())
            return reject(tr("the row has neither a key code nor a slot"));
        if (wanted.value.keyCode == QLatin1String(TKeyPlaceholder::UnreadCode))
            return reject(tr("a slot marked as not read needs its slot number"));
        for (int i = 0; i < planned.size() && target < 0; ++i) {
            if (planned[i].keyType == wanted.type && !planned[i].HasKey() && !takenBy.contains(i))
                target = i;
        }
        if (target < 0)
            return reject(isMaster(wanted.type) ? tr("there is no free master slot left")
                                                : tr("there is no free slave slot left"));
    }
    // Several slots may be marked as not read; only keys are unique.
    if (wanted.value.HasKey() && wanted.value.keyCode != QLatin1String(TKeyPlaceholder::UnreadCode)) {
        for (int i = 0; i < planned.size(); ++i) {
            if (i == target || planned[i].keyCode != wanted.value.keyCode)
                continue;
            return reject(
                takenBy.contains(i)
                    ? tr("the key %1 is a duplicate of line %2").arg(wanted.value.keyCode).arg(takenBy[i])
                    : tr("the key %1 is already in the list as %2")
                          .arg(wanted.value.keyCode, TKeyListRows::Place(planned[i])));
        }
    }
    TKeySlot after = planned[target];
    after.keyCode =
        wanted.value.HasKey() ? wanted.value.keyCode : QString::fromLatin1(TKeyPlaceholder::EmptyCode);
    after.active = wanted.value.active;
    after.memo = wanted.value.memo;
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
        Apply([&](const TKeySlot& r) {
            TKeyListRows::Write(r.keyType == QLatin1String(TKeyTable::MasterType) ? master : slave, r);
        });
    } catch (...) {
        restore();
        throw;
    }
    restore();
}

void TKeyImport::Apply(const std::function<void(const TKeySlot&)>& write) const {
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
