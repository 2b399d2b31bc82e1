#include "dbf/TDbfTable.h"

#include "dbf/EDbfError.h"
#include "dbf/TDbfEngine.h"
#include "dbf/TDbfEnv.h"
#include "keys/TWin1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>

#include <algorithm>

namespace {

const char* const closedTable = "Cannot perform this operation on a closed table";

// Every open table, so that a write through one reaches the others on the same file.
QList<TDbfTable*>& openTables() {
    static QList<TDbfTable*> list;
    return list;
}

TDbfEngine& dbe() {
    return DbfEngine();
}

QByteArray bytes(const QString& text) {
    return TWin1252::fromUnicode(text);
}

QString text(const char* s) {
    return s ? TWin1252::toUnicode(QByteArray(s)) : QString();
}

// Paths are the file system's bytes; only field contents are in the table's code page.
QByteArray nativePath(const QString& path) {
    return QFile::encodeName(path);
}

// Why the engine refused, without the path it puts first when the caller names that path itself.
QString engineReason(const QString& path) {
    QString reason = QFile::decodeName(QByteArray(dbe().dbe_ErrorText()));
    const QString lead = path + QStringLiteral(": ");
    if (reason.startsWith(lead))
        reason.remove(0, lead.size());
    return reason;
}

QString withReason(const QString& message, const QString& reason) {
    return reason.isEmpty() ? message : message + QStringLiteral("\r") + reason;
}

int driverNumber(TDbfTableType type) {
    switch (type) {
    case ttDBNTX:
        return 1;
    case ttDBFOX:
        return 2;
    case ttDBNDX:
        return 3;
    case ttDBNDX_DBT:
        return 4;
    }
    return 2;
}

bool isBlankText(const QString& s) {
    return s.isEmpty() || s == QLatin1String(" ");
}

// The directory part of a path with its separator, or the current directory.
QString directoryOf(const QString& path) {
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash >= 0)
        return path.left(slash + 1);
    return QDir::currentPath() + QLatin1Char('/');
}

QString fileNameOf(const QString& path) {
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

} // namespace

TDbfTable::TDbfTable(QObject* parent) : QObject(parent) {}

TDbfTable::~TDbfTable() {
    if (workArea > 0)
        closeNow(false);
    else if (workArea < 0 && dbe().Loaded()) {
        dbe().dbe_Select(-workArea);
        dbe().dbe_Close();
    }
}

void TDbfTable::raise(const QString& message) {
    lastError = message;
    throw EDbfError(message);
}

void TDbfTable::checkActive() {
    if (workArea <= 0)
        raise(QString::fromLatin1(closedTable));
}

void TDbfTable::select() const {
    dbe().dbe_Select(workArea);
}

// --- properties

void TDbfTable::SetTableName(const QString& name) {
    if (Active())
        raise(QStringLiteral("Cannot perform this operation on an open table"));
    tableName = name;
}

void TDbfTable::SetTableType(TDbfTableType type) {
    if (Active())
        raise(QStringLiteral("Cannot perform this operation on an open table"));
    tableType = type;
}

void TDbfTable::SetExclusive(bool value) {
    if (Active())
        raise(QStringLiteral("Cannot perform this operation on an open table"));
    exclusive = value;
}

void TDbfTable::SetReadOnly(bool value) {
    if (Active())
        raise(QStringLiteral("Cannot perform this operation on an open table"));
    readOnly = value;
}

void TDbfTable::SetFilter(const QString& expression) {
    const QString before = filter;
    filter = expression;
    if (!Active())
        return;
    try {
        applyFilter(filtered ? filter : QString());
    } catch (const EDbfError&) {
        filter = before; // an expression that was refused is not kept for the next open
        throw;
    }
}

void TDbfTable::SetFiltered(bool value) {
    const bool before = filtered;
    filtered = value;
    if (!Active())
        return;
    try {
        applyFilter(filtered ? filter : QString());
    } catch (const EDbfError&) {
        filtered = before;
        throw;
    }
}

void TDbfTable::SetActive(bool value) {
    if (value)
        Open();
    else
        Close();
}

bool TDbfTable::IsEmpty() const {
    return !Active() || currentRecNo == 0;
}

int TDbfTable::RecNo() const {
    return Active() ? currentRecNo : 0;
}

int TDbfTable::RecCount() const {
    if (!Active())
        return 0;
    select();
    return dbe().dbe_RecCount();
}

// --- opening and closing

QString TDbfTable::uniqueAlias(const QString& path) const {
    QString base = fileNameOf(path).toUpper();
    const int dot = base.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        base.truncate(dot);
    base.truncate(8);
    for (QChar& c : base)
        if (c < QLatin1Char('A') || c > QLatin1Char('Z'))
            c = QLatin1Char('_');
    QString name = base;
    for (int n = 1; dbe().dbe_WorkArea(bytes(name).constData()) != 0; ++n) {
        const QString number = QString::number(n);
        name = name.left(8 - number.size()) + number;
        if (n > 99999999)
            break;
    }
    return name;
}

void TDbfTable::Open() {
    if (Active())
        return;
    if (tableName.isEmpty())
        raise(objectName() + QStringLiteral(" : Missing TableName property"));
    if (!dbe().LoadEngine())
        return; // the start-up error box was shown and the application is ending

    alias = uniqueAlias(tableName);
    const int driver = driverNumber(tableType);
    const int mode = exclusive ? 2 : readOnly ? 1 : 0;
    TDbfEnv* env = TDbfEnv::First();
    if (env && !env->AppliesLocally())
        env = nullptr;

    const QString directory = directoryOf(tableName);
    const QString fileName = fileNameOf(tableName);
    fullName = directory + fileName;
    if (!fileName.contains(QLatin1Char('.')))
        fullName += QStringLiteral(".DBF");
    bool exists = QFileInfo(fullName).isFile();
    if (!exists && !fileName.contains(QLatin1Char('.')))
        exists = QFileInfo(directory + fileName + QStringLiteral(".dbf")).isFile();
    if (!exists)
        raise(tr("Table does not exist.\rFile or directory does not exist.\rFile: %1").arg(fullName));

    if (env)
        env->PassSettings();
    dbe().dbe_ErrorLevel(0);
    const int area =
        dbe().dbe_Use(nativePath(directory + fileName).constData(), bytes(alias).constData(), mode, driver);
    if (area < 1)
        raise(withReason(tr("Unable to open table: %1").arg(fullName), engineReason(fullName)));
    workArea = area;
    try {
        select();
        dbe().dbe_ErrorLevel(env ? env->ErrorLevel() : 0);
        dbe().dbe_SetTurboRead(0);
        dbe().dbe_SetTranslate(oemTranslate ? -1 : 0);
        recordSize = dbe().dbe_RecSize();
        viewCount = dbe().dbe_RecCount();
        indexCondition = text(dbe().dbe_IndexCondition());
        readLayout();
        if (filtered && !isBlankText(filter)) {
            dbe().dbe_Query(bytes(filter).constData());
            if (dbe().dbe_QueryTest(bytes(filter).constData()) > 0)
                viewCount = dbe().dbe_QueryRecCount();
        }
        canonicalName = QFileInfo(fullName).canonicalFilePath();
        if (canonicalName.isEmpty())
            canonicalName = QFileInfo(directory + fileName + QStringLiteral(".dbf")).canonicalFilePath();
        dbe().dbe_GoTop();
        readCurrent();
        bof = true;
    } catch (...) {
        select();
        dbe().dbe_Close();
        workArea = 0;
        fields.clear();
        throw;
    }
    openTables().append(this);
    setState(dsBrowse);
    rowsValid = false;
    emit AfterOpen();
    setsChanged();
    scrolled();
}

void TDbfTable::readLayout() {
    fields.clear();
    const int count = dbe().dbe_FieldCount();
    for (int i = 1; i <= count; ++i) {
        const QByteArray name = QByteArray(dbe().dbe_FieldName(i));
        const QByteArray type = QByteArray(dbe().dbe_FieldType(name.constData()));
        const int offset = dbe().dbe_FieldOffset(name.constData());
        const int width = dbe().dbe_FieldWidth(name.constData());
        const int decimals = dbe().dbe_FieldDecimals(name.constData());
        if (type.isEmpty() || offset < 1 || width < 1 || offset + width > recordSize)
            raise(tr("Unable to open table: %1").arg(fullName));
        fields.push_back(std::make_unique<TDbfField>(this, i - 1, QString::fromLatin1(name), type[0], offset,
                                                     width, decimals));
    }
    values = QVector<QVariant>(int(fields.size()));
    fieldModified = QVector<bool>(int(fields.size()), false);
}

void TDbfTable::Close() {
    if (!Active())
        return;
    checkBrowseMode(); // an edit is stored, never dropped, when the table closes
    emit BeforeClose();
    closeNow(true);
}

void TDbfTable::closeNow(bool withEvents) {
    if (dbe().Loaded()) {
        select();
        if (state == dsEdit || state == dsInsert)
            dbe().dbe_Unlock(0);
        if (dbe().dbe_Alias(workArea)[0] != '\0')
            dbe().dbe_Close();
    }
    workArea = 0;
    openTables().removeOne(this);
    fields.clear();
    values.clear();
    fieldModified.clear();
    image.clear();
    currentRecNo = 0;
    modified = false;
    eof = bof = true;
    viewCount = 0;
    indexName.clear();
    rows.clear();
    rowsValid = false;
    state = dsInactive;
    if (!withEvents)
        return;
    emit StateChanged();
    emit AfterClose();
    setsChanged();
}

// --- reading records

void TDbfTable::setEmpty() {
    currentRecNo = 0;
    image = QByteArray(recordSize, ' ');
    eof = bof = true;
    position = 0;
    loadValues();
}

void TDbfTable::takeRecord() {
    currentRecNo = dbe().dbe_RecNo();
    position = dbe().dbe_OrderPosGet() * viewCount;
    QByteArray buffer(recordSize + 1, ' ');
    dbe().dbe_GetRecord(buffer.data());
    buffer.truncate(recordSize);
    image = buffer;
    loadValues();
}

bool TDbfTable::readCurrent() {
    select();
    if (dbe().dbe_Bof() && dbe().dbe_Eof()) {
        setEmpty();
        return false;
    }
    if (dbe().dbe_Eof()) {
        dbe().dbe_GoBottom();
        if (dbe().dbe_Eof()) {
            setEmpty();
            return false;
        }
    }
    takeRecord();
    eof = bof = false;
    return true;
}

void TDbfTable::loadValues() {
    for (size_t i = 0; i < fields.size(); ++i)
        values[int(i)] = fields[i]->Decode(image);
    fieldModified.fill(false);
    modified = false;
}

void TDbfTable::resync() {
    select();
    dbe().dbe_Go(currentRecNo);
}

void TDbfTable::First() {
    checkActive();
    checkBrowseMode();
    select();
    dbe().dbe_GoTop();
    readCurrent();
    bof = true;
    scrolled();
}

void TDbfTable::Last() {
    checkActive();
    checkBrowseMode();
    select();
    dbe().dbe_GoBottom();
    const bool any = readCurrent();
    eof = true;
    bof = !any;
    scrolled();
}

void TDbfTable::Next() {
    step(true);
}

void TDbfTable::Prior() {
    step(false);
}

void TDbfTable::step(bool forwards) {
    checkActive();
    checkBrowseMode();
    if (currentRecNo == 0)
        return;
    resync();
    const int before = dbe().dbe_RecNo();
    dbe().dbe_Skip(forwards ? 1 : -1);
    const bool pastEnd = (forwards ? dbe().dbe_Eof() : dbe().dbe_Bof()) != 0;
    if (pastEnd || dbe().dbe_RecNo() == before) {
        if (forwards)
            dbe().dbe_GoBottom();
        else
            dbe().dbe_GoTop();
        resync(); // stays on the record it was on
        (forwards ? eof : bof) = true;
        return;
    }
    takeRecord();
    eof = bof = false;
    scrolled();
}

void TDbfTable::SetRecNo(int recNo) {
    if (!Active())
        return;
    checkBrowseMode();
    select();
    dbe().dbe_Go(recNo);
    readCurrent();
    scrolled();
}

// --- editing

void TDbfTable::setState(TDataSetState value) {
    if (state == value)
        return;
    state = value;
    emit StateChanged();
}

void TDbfTable::checkWritable() {
    if (readOnly)
        raise(QStringLiteral("Cannot modify a read-only data set"));
}

void TDbfTable::checkBrowseMode() {
    if (state != dsEdit && state != dsInsert)
        return;
    if (modified)
        Post();
    else
        Cancel();
}

void TDbfTable::Edit() {
    checkActive();
    if (state == dsEdit || state == dsInsert)
        return;
    if (currentRecNo == 0) {
        Append();
        return;
    }
    checkWritable();
    select();
    if (!dbe().dbe_Rlock(currentRecNo))
        raise(tr("Record Lock Failure. May be locked by another user or task."));
    if (dbe().dbe_Alias(workArea)[0] != '\0') {
        dbe().dbe_Go(currentRecNo);
        const QByteArray before = image;
        takeRecord(); // the edit starts from what the file holds now
        if (image != before)
            recordChanged(currentRecNo);
    }
    editRecNo = currentRecNo;
    fieldModified.fill(false);
    modified = false;
    setState(dsEdit);
    emit AfterEdit();
}

void TDbfTable::Append() {
    checkActive();
    checkBrowseMode();
    checkWritable();
    editRecNo = currentRecNo;
    image = QByteArray(recordSize, ' ');
    loadValues();
    setState(dsInsert);
    emit AfterInsert();
    scrolled();
}

QByteArray TDbfTable::buildImage() const {
    QByteArray out = image;
    if (out.size() != recordSize)
        out = QByteArray(recordSize, ' ');
    for (size_t i = 0; i < fields.size(); ++i)
        if (fieldModified[int(i)] || state == dsInsert)
            fields[i]->Encode(values[int(i)], out);
    return out;
}

void TDbfTable::Post() {
    checkActive();
    if (state != dsEdit && state != dsInsert)
        return;
    QByteArray record;
    try {
        record = buildImage(); // a value that does not fit stops here, before the file
    } catch (const EDbfError& e) {
        raise(e.Message());
    }
    select();
    const bool inserting = state == dsInsert;
    if (inserting) {
        if (!dbe().dbe_AppendBlank())
            raise(tr("Unable to write record: %1").arg(text(dbe().dbe_ErrorText())));
    } else {
        dbe().dbe_Go(currentRecNo);
    }
    if (!dbe().dbe_PutRecord(record.constData())) {
        const QString reason = text(dbe().dbe_ErrorText());
        if (!inserting)
            raise(tr("Unable to write record: %1").arg(reason));
        // The blank record stays; the insert can be posted again.
        currentRecNo = dbe().dbe_RecNo();
        raise(tr("Unable to write record: %1").arg(reason));
    }
    dbe().dbe_Unlock(0);
    currentRecNo = dbe().dbe_RecNo();
    eof = dbe().dbe_Eof() != 0;
    image = record;
    loadValues();
    setState(dsBrowse);
    emit AfterPost();
    fileChanged(currentRecNo, inserting);
}

void TDbfTable::Cancel() {
    if (state != dsEdit && state != dsInsert)
        return;
    const bool inserting = state == dsInsert;
    select();
    dbe().dbe_Unlock(0);
    state = dsBrowse;
    if (inserting) {
        dbe().dbe_Go(editRecNo);
        readCurrent();
    } else {
        loadValues();
    }
    emit StateChanged();
    emit AfterCancel();
    recordChanged(currentRecNo);
    if (inserting)
        scrolled();
}

void TDbfTable::InsertRecord(const QVariantList& newValues) {
    InsertRecords({newValues});
}

void TDbfTable::InsertRecords(const QList<QVariantList>& records) {
    checkActive();
    checkBrowseMode();
    checkWritable();
    for (const QVariantList& newValues : records) {
        QByteArray record(recordSize, ' ');
        for (size_t i = 0; i < fields.size(); ++i) {
            const QVariant v = int(i) < newValues.size() ? newValues[int(i)] : QVariant();
            try {
                fields[i]->Encode(fields[i]->Convert(v), record);
            } catch (const EDbfError& e) {
                raise(e.Message());
            }
        }
        select();
        if (!dbe().dbe_AppendBlank() || !dbe().dbe_PutRecord(record.constData()))
            raise(tr("Unable to write record: %1").arg(text(dbe().dbe_ErrorText())));
    }
    dbe().dbe_Commit();
    readCurrent();
    emit AfterPost();
    fileChanged(currentRecNo, true);
    scrolled();
}

QVariant TDbfTable::FieldValue(int field) const {
    if (field < 0 || field >= values.size())
        return QVariant();
    return values[field];
}

void TDbfTable::SetFieldValue(int field, const QVariant& value) {
    if (state != dsEdit && state != dsInsert)
        raise(QStringLiteral("Dataset not in edit or insert mode"));
    if (field < 0 || field >= values.size())
        return;
    values[field] = fields[size_t(field)]->Convert(value);
    fieldModified[field] = true;
    modified = true;
    if (disableCount == 0)
        emit FieldChanged(fields[size_t(field)].get());
}

TDbfField* TDbfTable::Fields(int index) const {
    if (index < 0 || index >= int(fields.size()))
        return nullptr;
    return fields[size_t(index)].get();
}

TDbfField* TDbfTable::FindField(const QString& name) const {
    for (const auto& f : fields)
        if (f->FieldName().compare(name.trimmed(), Qt::CaseInsensitive) == 0)
            return f.get();
    return nullptr;
}

TDbfField* TDbfTable::FieldByName(const QString& name) const {
    TDbfField* f = FindField(name);
    if (!f)
        const_cast<TDbfTable*>(this)->raise(objectName() + QStringLiteral(": Field '") + name +
                                            QStringLiteral("' not found"));
    return f;
}

// --- filter and refresh

void TDbfTable::applyFilter(const QString& expression) {
    const QString e = expression == QLatin1String(" ") ? QString() : expression;
    select();
    if (!e.isEmpty() && dbe().dbe_EvalTest(bytes(e).constData()) != 3)
        raise(QStringLiteral("Invalid Query Expression"));
    checkBrowseMode();
    select();
    dbe().dbe_Query(bytes(e).constData());
    if (!e.isEmpty() && dbe().dbe_QueryTest(bytes(e).constData()) > 0)
        viewCount = dbe().dbe_QueryRecCount();
    else
        viewCount = dbe().dbe_RecCount();
    readCurrent();
    setsChanged();
    scrolled();
}

void TDbfTable::Refresh() {
    checkActive();
    checkBrowseMode();
    select();
    const QByteArray q = QByteArray(dbe().dbe_DBFilter());
    if (!q.isEmpty()) {
        const int remembered = dbe().dbe_RecNo();
        if (dbe().dbe_QueryTest(q.constData()) > 0)
            applyFilter(TWin1252::toUnicode(q));
        select();
        dbe().dbe_Go(remembered);
    } else {
        dbe().dbe_Go(currentRecNo);
    }
    readCurrent();
    setsChanged();
    scrolled();
}

// --- searching

namespace {
QString locateValueText(TDbfField* f, const QVariant& v) {
    switch (f->Kind()) {
    case TDbfFieldKind::Boolean:
        return f->Convert(v).toBool() ? QStringLiteral("T") : QStringLiteral("F");
    case TDbfFieldKind::Float:
    case TDbfFieldKind::SmallInt:
    case TDbfFieldKind::Integer: {
        const double d = f->Convert(v).toDouble();
        if (!(d > -1e15 && d < 1e15))
            throw EDbfError(QStringLiteral("Translate error. Value out of bounds"));
        return QString::number(qRound64(d));
    }
    default:
        return v.toString();
    }
}
} // namespace

QString TDbfTable::locateCondition(const QVector<TDbfField*>& keyFieldList, const QVariantList& vals,
                                   TLocateOptions options, bool* expressible) const {
    const bool caseless = options.testFlag(loCaseInsensitive);
    const bool partial = options.testFlag(loPartialKey);
    *expressible = true;
    QStringList terms;
    for (int i = 0; i < keyFieldList.size() && *expressible; ++i) {
        TDbfField* f = keyFieldList[i];
        const QString name = f->FieldName();
        switch (f->Kind()) {
        case TDbfFieldKind::Boolean:
            terms << name +
                         (f->Convert(vals[i]).toBool() ? QStringLiteral("= .T.") : QStringLiteral("= .F."));
            break;
        case TDbfFieldKind::Float:
        case TDbfFieldKind::SmallInt:
        case TDbfFieldKind::Integer: {
            QString number;
            try {
                number = locateValueText(f, vals[i]);
            } catch (const EDbfError&) {
                *expressible = false;
                break;
            }
            terms << name + QStringLiteral("=") + number;
            break;
        }
        default: {
            QString value = vals[i].toString();
            if (!partial && value.size() < f->Size())
                value += QString(f->Size() - value.size(), QLatin1Char(' '));
            // Double quotes as usual; single quotes for a value that holds a double quote.
            QChar quote = QLatin1Char('"');
            if (value.contains(quote))
                quote = QLatin1Char('\'');
            if (value.contains(quote)) {
                *expressible = false; // no literal can hold both quotes
                break;
            }
            const QString left = caseless ? QStringLiteral("UPPER(") + name + QStringLiteral(")") : name;
            terms << left + QStringLiteral("=") + quote + value + quote;
        }
        }
    }
    QString condition = terms.join(QStringLiteral(" .and. "));
    if (caseless)
        condition = TWin1252::upper(condition);
    return condition;
}

bool TDbfTable::locateKeys(const QString& keyFields, const QVariant& keyValues,
                           QVector<TDbfField*>* keyFieldList, QVariantList* vals) const {
    QStringList names = keyFields.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    if (keyValues.typeId() == QMetaType::QVariantList || keyValues.typeId() == QMetaType::QStringList)
        *vals = keyValues.toList();
    else
        *vals = QVariantList{keyValues};
    if (names.isEmpty() || vals->size() < names.size())
        return false;
    for (const QString& n : names)
        *keyFieldList << FieldByName(n.trimmed());
    return true;
}

QVector<int> TDbfTable::LocateAll(const QString& keyFields, const QVariant& keyValues,
                                  TLocateOptions options) {
    QVector<int> found;
    if (!Active())
        return found;
    checkBrowseMode();
    QVector<TDbfField*> keyFieldList;
    QVariantList vals;
    if (!locateKeys(keyFields, keyValues, &keyFieldList, &vals))
        return found;
    bool expressible = true;
    QString condition = locateCondition(keyFieldList, vals, options, &expressible);
    if (!expressible)
        return found;
    select();
    const QByteArray q = QByteArray(dbe().dbe_DBFilter());
    if (!q.isEmpty())
        condition = QStringLiteral("(") + condition + QStringLiteral(") .and. (") + TWin1252::toUnicode(q) +
                    QStringLiteral(")");
    if (dbe().dbe_Query(bytes(condition).constData())) {
        for (dbe().dbe_GoTop(); !dbe().dbe_Eof(); dbe().dbe_Skip(1)) {
            const int recNo = dbe().dbe_RecNo();
            if (!found.isEmpty() && found.contains(recNo))
                break;
            found << recNo;
        }
    }
    dbe().dbe_Query(q.constData());
    dbe().dbe_Go(currentRecNo);
    std::sort(found.begin(), found.end());
    return found;
}

bool TDbfTable::Locate(const QString& keyFields, const QVariant& keyValues, TLocateOptions options) {
    if (!Active())
        return false;
    checkBrowseMode();
    const int remembered = currentRecNo;
    select();
    const int order = dbe().dbe_IndexOrd();
    const int orders = dbe().dbe_SysProp(DBE_PROP_ORDER_COUNT, nullptr);

    QVector<TDbfField*> keyFieldList;
    QVariantList vals;
    if (!locateKeys(keyFields, keyValues, &keyFieldList, &vals))
        return false;
    const bool caseless = options.testFlag(loCaseInsensitive);
    const bool partial = options.testFlag(loPartialKey);
    bool found = false;
    int foundRecNo = 0;

    // Through an open index on the one field, when there is one.
    if (keyFieldList.size() == 1 && orders > 0) {
        const QByteArray wanted = keyFieldList[0]->FieldName().toUpper().toLatin1();
        int chosen = 0;
        QList<int> candidates;
        if (order > 0)
            candidates << order;
        for (int i = 1; i <= orders; ++i)
            candidates << i;
        for (int candidate : candidates) {
            dbe().dbe_SetOrder(candidate);
            if (QByteArray(dbe().dbe_IndexKeyField()) != wanted)
                continue;
            if (caseless && !QByteArray(dbe().dbe_IndexKey()).toUpper().contains("UPPER("))
                continue;
            chosen = candidate;
            break;
        }
        if (!chosen) {
            dbe().dbe_SetOrder(order);
        } else {
            bool ok = true;
            QString value;
            try {
                value = locateValueText(keyFieldList[0], vals[0]);
            } catch (const EDbfError&) {
                ok = false;
            }
            if (ok) {
                const int before = dbe().dbe_SysProp(DBE_PROP_SEEK_WHOLE_KEY_GET, nullptr);
                dbe().dbe_SysProp(DBE_PROP_SEEK_WHOLE_KEY_SET, partial ? "0" : "1");
                if (QByteArray(dbe().dbe_IndexKey()).toUpper().contains("UPPER("))
                    value = TWin1252::upper(value);
                found = dbe().dbe_Seek(bytes(value).constData()) != 0;
                if (!partial)
                    found = dbe().dbe_Found() != 0;
                dbe().dbe_SysProp(DBE_PROP_SEEK_WHOLE_KEY_SET, QByteArray::number(before).constData());
                if (found)
                    foundRecNo = dbe().dbe_RecNo();
            }
            dbe().dbe_SetOrder(order);
        }
    }

    // Through a condition over the records the view shows.
    if (!found) {
        bool expressible = true;
        QString condition = locateCondition(keyFieldList, vals, options, &expressible);
        if (expressible) {
            select();
            const QByteArray q = QByteArray(dbe().dbe_DBFilter());
            if (!q.isEmpty())
                condition = QStringLiteral("(") + condition + QStringLiteral(") .and. (") +
                            TWin1252::toUnicode(q) + QStringLiteral(")");
            found = dbe().dbe_Query(bytes(condition).constData()) != 0;
            foundRecNo = dbe().dbe_RecNo();
            dbe().dbe_Query(q.constData());
        }
    }

    select();
    if (found) {
        dbe().dbe_Go(foundRecNo);
        readCurrent();
        scrolled();
        return true;
    }
    dbe().dbe_Go(remembered);
    return false;
}

// --- indexes

int TDbfTable::Index(const QString& indexFile, const QString& keyExpression, int option, bool descending,
                     const QString& condition) {
    if (!Active())
        raise(QString::fromLatin1(closedTable));
    if (isBlankText(indexFile))
        raise(QStringLiteral("Missing Parameter to Index Method: Index File Name"));
    if (isBlankText(keyExpression))
        raise(QStringLiteral("Missing Parameter to Index or IndexTag Method: Index Expression"));
    checkBrowseMode();
    select();
    if (dbe().dbe_EvalTest(bytes(keyExpression).constData()) == 0)
        raise(QStringLiteral("Invalid index expression [") + keyExpression + QStringLiteral("]"));
    const QByteArray cond = bytes(condition);
    const int n = dbe().dbe_Index(nativePath(indexFile).constData(), bytes(keyExpression).constData(), option,
                                  descending ? -1 : 0, condition.isEmpty() ? nullptr : cond.constData());
    if (n <= 0)
        raise(withReason(tr("Unable to create index file: %1").arg(indexFile), engineReason(indexFile)));
    indexName = indexFile;
    indexCondition = text(dbe().dbe_IndexCondition());
    if (!condition.isEmpty()) {
        dbe().dbe_GoTop();
        readCurrent();
    } else {
        dbe().dbe_Go(currentRecNo);
        readCurrent();
    }
    setsChanged();
    scrolled();
    return qint16(n);
}

int TDbfTable::SetOrder(int order) {
    if (!Active())
        raise(QString::fromLatin1(closedTable));
    checkBrowseMode();
    select();
    const int previous = dbe().dbe_SetOrder(order);
    indexName = tableType == ttDBNTX ? QFile::decodeName(QByteArray(dbe().dbe_IndexName(order)))
                                     : text(dbe().dbe_TagName(order));
    indexCondition = text(dbe().dbe_IndexCondition());
    currentRecNo = 0;
    dbe().dbe_Go(0);
    readCurrent();
    setsChanged();
    scrolled();
    return previous;
}

void TDbfTable::CloseIndexes() {
    if (!Active())
        return;
    checkBrowseMode();
    select();
    dbe().dbe_CloseIndexes();
    if (!indexName.isEmpty())
        dbe().dbe_SetOrder(0);
    indexName.clear();
    indexCondition.clear();
    dbe().dbe_Go(currentRecNo);
    readCurrent();
    setsChanged();
    scrolled();
}

// --- new tables and copies

bool TDbfTable::CreateNew(const QString& path, int driver, int fieldCount) {
    if (Active())
        raise(QStringLiteral("Cannot perform this operation on an open table"));
    if (!dbe().LoadEngine())
        return false;
    if (workArea < 0) { // an earlier build that was never executed
        dbe().dbe_Select(-workArea);
        dbe().dbe_Close();
        workArea = 0;
    }
    const QString newAlias = uniqueAlias(path);
    const QString target = directoryOf(path) + fileNameOf(path);
    const int r =
        dbe().dbe_CreateNew(nativePath(target).constData(), bytes(newAlias).constData(), driver, fieldCount);
    workArea = r > 0 ? -r : 0;
    lastError = r > 0 ? QString() : engineReason(QString());
    return r > 0;
}

void TDbfTable::CreateField(const QString& name, const QString& type, int width, int decimals) {
    if (workArea >= 0)
        raise(QStringLiteral("Must call CreateNew before CreateField"));
    const QChar first = name.isEmpty() ? QChar() : name[0];
    if (!((first >= QLatin1Char('A') && first <= QLatin1Char('Z')) ||
          (first >= QLatin1Char('a') && first <= QLatin1Char('z'))))
        raise(QStringLiteral("Invalid field name. Field names must begin with a letter"));
    if (type.isEmpty())
        raise(QStringLiteral("Invalid field type"));
    if (width <= 0)
        raise(QStringLiteral("Invalid field length."));
    dbe().dbe_Select(-workArea);
    dbe().dbe_CreateField(bytes(name).constData(), bytes(type).constData(), width, decimals);
}

bool TDbfTable::CreateExec() {
    if (workArea >= 0)
        raise(QStringLiteral("Must call CreateNew before CreateExec"));
    dbe().dbe_Select(-workArea);
    workArea = 0;
    const int r = dbe().dbe_CreateExec();
    lastError = r ? QString() : engineReason(QString());
    dbe().dbe_Close();
    return r != 0;
}

int TDbfTable::CopyFile(const QString& path) {
    if (!Active())
        return 0;
    checkBrowseMode();
    select();
    const int r = dbe().dbe_CopyFile(nativePath(path).constData());
    // The reason of this copy, never one left from an earlier failure.
    lastError = r > 0 ? QString() : engineReason(path);
    return r;
}

// --- rows for models

void TDbfTable::loadRows() {
    rows.clear();
    rowsValid = true;
    if (!Active())
        return;
    select();
    dbe().dbe_GoTop();
    QByteArray buffer(recordSize + 1, ' ');
    int previous = -1;
    while (!dbe().dbe_Eof()) {
        const int recNo = dbe().dbe_RecNo();
        if (recNo == previous)
            break;
        previous = recNo;
        dbe().dbe_GetRecord(buffer.data());
        rows.push_back(Row{recNo, buffer.left(recordSize)});
        dbe().dbe_Skip(1);
    }
    dbe().dbe_Go(currentRecNo);
}

int TDbfTable::RowCount() {
    if (!rowsValid)
        loadRows();
    return int(rows.size());
}

int TDbfTable::RowRecNo(int row) {
    if (row < 0 || row >= RowCount())
        return 0;
    return rows[size_t(row)].recNo;
}

QVariant TDbfTable::rowValue(const Row& row, int field) {
    if (row.recNo == currentRecNo && state == dsEdit)
        return values[field];
    return fields[size_t(field)]->Decode(row.image);
}

QVariant TDbfTable::RowValue(int row, int field) {
    if (row < 0 || row >= RowCount() || field < 0 || field >= FieldCount())
        return QVariant();
    return rowValue(rows[size_t(row)], field);
}

QString TDbfTable::RowText(int row, int field) {
    if (row < 0 || row >= RowCount() || field < 0 || field >= FieldCount())
        return QString();
    return fields[size_t(field)]->TextOf(rowValue(rows[size_t(row)], field));
}

int TDbfTable::CurrentRow() {
    const int n = RowCount();
    for (int i = 0; i < n; ++i)
        if (rows[size_t(i)].recNo == currentRecNo)
            return i;
    return -1;
}

// --- notifications

void TDbfTable::DisableControls() {
    ++disableCount;
}

void TDbfTable::EnableControls() {
    if (disableCount == 0)
        return;
    if (--disableCount == 0 && pendingNotify) {
        pendingNotify = false;
        emit DataSetChanged();
        emit AfterScroll();
    }
}

void TDbfTable::scrolled() {
    if (disableCount > 0) {
        pendingNotify = true;
        return;
    }
    emit AfterScroll();
}

void TDbfTable::setsChanged() {
    rowsValid = false;
    if (disableCount > 0) {
        pendingNotify = true;
        return;
    }
    emit DataSetChanged();
}

void TDbfTable::recordChanged(int recNo) {
    rowsValid = false;
    if (disableCount > 0) {
        pendingNotify = true;
        return;
    }
    emit RecordChanged(recNo);
}

void TDbfTable::fileChanged(int recNo, bool added) {
    const QList<TDbfTable*> tables = openTables();
    for (TDbfTable* t : tables) {
        if (t->canonicalName != canonicalName)
            continue;
        if (added) {
            if (t != this) {
                t->select();
                const QByteArray q = QByteArray(dbe().dbe_DBFilter());
                t->viewCount = q.isEmpty() ? dbe().dbe_RecCount() : dbe().dbe_QueryRecCount();
                dbe().dbe_Go(t->currentRecNo);
            }
            t->setsChanged();
        } else {
            if (t != this && t->state == dsBrowse && t->currentRecNo == recNo) {
                t->select();
                dbe().dbe_Go(recNo);
                t->takeRecord(); // the other view's current record follows the file
            }
            t->recordChanged(recNo);
        }
    }
    select();
}
