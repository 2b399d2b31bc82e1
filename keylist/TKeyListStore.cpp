#include "keylist/TKeyListStore.h"

#include "keylist/TKeyListSchema.h"

#include "dbf/EDbfError.h"
#include "dbf/TDbfTable.h"
#include "keylist/EKeyListChanged.h"
#include "keylist/TKeyFileCopy.h"
#include "keylist/TKeyListHost.h"
#include "keylist/TKeyListNumbering.h"
#include "keys/TKeyPlaceholder.h"
#include "keys/TKeyTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <sys/stat.h>
#include <vector>

const QString TKeyListStore::WorkCopyName = QStringLiteral("tmp01.dbf");
using namespace TKeyListSchema;

const QStringList TKeyListStore::ColumnFields = {QLatin1String(RecIdField), QLatin1String(KeyCodeField),
                                                 QLatin1String(KeyStatusField), QLatin1String(KeyMemoField)};

namespace {

// Where Open keeps the user's file until the views let go of the working copy, and where the
// working copy waits until the new one has opened.
const QString StagedName = QStringLiteral("tmp02.dbf");
const QString PreviousName = QStringLiteral("tmp00.dbf");

// Index file stems in grid column order; "1" ascending, "2" descending.
const char* const IndexStems[TKeyListStore::ColumnCount] = {"RecId", "Code", "Act", "Memo"};

constexpr int WorkCopyDriver = 1; // the NTX driver

std::runtime_error failure(const QString& text) {
    return std::runtime_error(text.toStdString());
}

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// Closes the progress window however the routine ends.
class TProgressScope {
public:
    TProgressScope(TKeyListHost& host, const QString& text) : host(host) { host.StartProgress(text); }
    ~TProgressScope() { host.CloseProgress(); }
    TKeyListHost& host;
};

} // namespace

TKeyListStore::TKeyListStore(TDbfTable& master, TDbfTable& slave, TKeyListHost& host)
    : master(master), slave(slave), host(host) {
    for (TDbfTable* view : {&master, &slave}) {
        view->SetTableType(ttDBNDX);
        view->SetOEMTranslate(false);
        view->SetFiltered(false);
    }
    master.SetFilter(QLatin1String(MasterFilter));
    slave.SetFilter(QLatin1String(SlaveFilter));
    for (TDbfTable* view : {&master, &slave}) {
        QObject::connect(view, &TDbfTable::BeforeClose, view, [this, view] { ViewBeforeClose(*view); });
    }
}

TKeyListStore::~TKeyListStore() = default;

QString TKeyListStore::WorkCopyPath() const {
    return QDir(workDir).filePath(WorkCopyName);
}

QStringList TKeyListStore::IndexFileNames(bool forMaster) {
    QStringList names;
    for (const char* stem : IndexStems) {
        for (const char* order : {"1", "2"})
            names << QString::fromLatin1("%1%2%3.ntx").arg(forMaster ? "M" : "S", stem, order);
    }
    return names;
}

QStringList TKeyListStore::WorkFileNames() {
    return QStringList{WorkCopyName, StagedName, PreviousName} + IndexFileNames(true) + IndexFileNames(false);
}

bool TKeyListStore::IsOpen() const {
    return master.Active() && slave.Active();
}

void TKeyListStore::CloseViews() {
    master.Close();
    slave.Close();
}

void TKeyListStore::ViewAfterOpen(TDbfTable& view) {
    const QStringList names = IndexFileNames(isMaster(view));
    TSortOrders& orders = isMaster(view) ? masterOrders : slaveOrders;
    QDir dir(workDir);
    for (const QString& name : names)
        dir.remove(name);
    for (int column = 0; column < ColumnCount; ++column) {
        for (int descending = 0; descending < 2; ++descending) {
            orders[column][descending] = view.Index(dir.filePath(names[column * 2 + descending]),
                                                    ColumnFields[column], 0, descending != 0);
        }
    }
    view.SetOrder(orders[0][0]);
}

void TKeyListStore::ViewBeforeClose(TDbfTable& view) {
    // Closing goes on whatever happens here; the index files are rebuilt at the next open.
    try {
        view.CloseIndexes();
    } catch (const std::exception&) {
    }
}

void TKeyListStore::openView(TDbfTable& view, const QString& path) {
    view.SetTableName(path);
    view.Open();
    ViewAfterOpen(view);
}

TKeyListStore::TCreateResult TKeyListStore::CreateKeyList() {
    // Without the private directory the working copy would land wherever the program was started.
    createError.clear();
    rememberFile(QString());
    if (workDir.isEmpty() || !master.CreateNew(WorkCopyPath(), WorkCopyDriver, LayoutFields)) {
        createError = workDir.isEmpty() ? tr("there is no working directory") : master.LastError();
        return TCreateResult::CannotCreate;
    }
    host.SetBusyCursor(true);
    host.StartProgress(tr("Creating new key list..."));
    bool ok = false;
    try {
        for (const TFieldLayout& field : Layout)
            master.CreateField(QString::fromLatin1(field.name), QString::fromLatin1(field.type), field.width,
                               0);
        ok = master.CreateExec();
        if (!ok)
            createError = master.LastError();
        if (ok) {
            // Like an opened list's, the working copy is the user's alone.
            ::chmod(QFile::encodeName(WorkCopyPath()).constData(), 0600);
            createRecords();
        }
    } catch (const std::exception& e) {
        createError = QString::fromUtf8(e.what());
        ok = false;
    }
    host.SetBusyCursor(false);
    return ok ? TCreateResult::Created : TCreateResult::Failed;
}

void TKeyListStore::createRecords() {
    openView(master, WorkCopyPath());
    master.InsertRecord(
        {QVariant(), QVariant(), TKeyPlaceholder::Unknown, QString(), false, TKeyPlaceholder::Unknown});
    for (int slot = 0; slot < TKeyTable::MasterSlots; ++slot) {
        master.InsertRecord({slot + 1, slot, TKeyPlaceholder::EmptyCode, QLatin1String(TKeyTable::MasterType),
                             false, QString()});
        host.StepProgress(1);
    }
    for (int slot = 0; slot < TKeyTable::SlaveSlots; ++slot) {
        master.InsertRecord({slot + 1, slot, TKeyPlaceholder::EmptyCode, QLatin1String(TKeyTable::SlaveType),
                             false, QString()});
        host.StepProgress(1);
    }
    master.Close();
}

TKeyListStore::THeader TKeyListStore::OpenKeyList(const QString& path) {
    TProgressScope progress(host, tr("Opening Key list..."));
    try {
        master.Close();
        slave.Close();
        host.StepProgress(10);
        master.SetFiltered(false);
        openView(master, path);
        master.First();
        THeader header{master.FieldByName(QLatin1String(KeyCodeField))->AsString(),
                       master.FieldByName(QStringLiteral("KEYMEMO"))->AsString()};
        master.SetFilter(QLatin1String(MasterFilter));
        master.SetFiltered(true);
        host.StepProgress(40);
        openView(slave, path);
        host.StepProgress(30);
        slave.SetFilter(QLatin1String(SlaveFilter));
        slave.SetFiltered(true);
        host.StepProgress(20);
        return header;
    } catch (...) {
        CloseViews();
        throw;
    }
}

void TKeyListStore::CheckKeyList(const QString& path) {
    CheckKeyList(path, path);
}

void TKeyListStore::CheckKeyList(const QString& path, const QString& shown) {
    const auto refuse = [&shown](const QString& why) {
        return failure(tr("The file %1 is not a key list: %2").arg(QDir::toNativeSeparators(shown), why));
    };
    const QFileInfo info(path);
    if (!info.isFile())
        throw refuse(tr("it does not exist or is not a file"));
    TDbfTable table;
    table.SetTableType(ttDBNDX);
    table.SetReadOnly(true);
    table.SetTableName(info.absoluteFilePath());
    try {
        table.Open();
    } catch (const std::exception& e) {
        // The engine's reason names the file it opened; the user knows theirs.
        throw refuse(tr("it is not a dBASE table (%1)")
                         .arg(QString::fromUtf8(e.what()).replace(info.absoluteFilePath(), shown)));
    }
    for (const TFieldLayout& expected : Layout) {
        const TDbfField* field = table.FindField(QString::fromLatin1(expected.name));
        if (!field)
            throw refuse(tr("the field %1 is missing").arg(QString::fromLatin1(expected.name)));
        if (field->TypeLetter() != expected.type[0] || field->Size() != expected.width)
            throw refuse(tr("the field %1 is not of type %2 and width %3")
                             .arg(QString::fromLatin1(expected.name), QString::fromLatin1(expected.type))
                             .arg(expected.width));
    }
    if (table.RecCount() < 1)
        throw refuse(tr("it has no header record"));
    table.First();
    if (!table.FieldByName(QLatin1String(KeyTypeField))->AsString().trimmed().isEmpty())
        throw refuse(tr("its first record is a key, not the header record"));
    // One record per controller slot, or a transfer would leave slots out or fill slots nobody chose.
    const int masters = viewCount(table, QLatin1String(MasterFilter));
    const int slaves = viewCount(table, QLatin1String(SlaveFilter));
    if (masters != TKeyTable::MasterSlots || slaves != TKeyTable::SlaveSlots)
        throw refuse(tr("it holds %1 master and %2 slave key records instead of %3 and %4")
                         .arg(masters)
                         .arg(slaves)
                         .arg(TKeyTable::MasterSlots)
                         .arg(TKeyTable::SlaveSlots));
    table.Close();
}

int TKeyListStore::viewCount(TDbfTable& table, const QString& filter) {
    table.SetFilter(filter);
    table.SetFiltered(true);
    const int count = table.RowCount();
    table.SetFiltered(false);
    return count;
}

TKeyListStore::THeader TKeyListStore::OpenUserFile(const QString& path) {
    if (workDir.isEmpty())
        throw failure(tr("Can not open the key list %1: there is no working directory")
                          .arg(QDir::toNativeSeparators(path)));
    QDir dir(workDir);
    const QString staged = dir.filePath(StagedName);
    const QString previous = dir.filePath(PreviousName);
    try {
        TKeyFileCopy::CopyIn(path, staged);
    } catch (const std::exception& e) {
        throw failure(tr("Can not open the key list %1: %2")
                          .arg(QDir::toNativeSeparators(path), QString::fromUtf8(e.what())));
    }
    try {
        CheckKeyList(staged, path);
    } catch (...) {
        QFile::remove(staged);
        throw;
    }
    const bool hadList = IsOpen();
    CloseViews();
    QFile::remove(previous);
    const bool hadCopy = QFile::rename(WorkCopyPath(), previous);
    if (!QFile::rename(staged, WorkCopyPath())) {
        if (hadCopy)
            QFile::rename(previous, WorkCopyPath());
        if (hadList)
            OpenKeyList(WorkCopyPath());
        throw failure(tr("Can not make the working copy of %1").arg(QDir::toNativeSeparators(path)));
    }
    try {
        const THeader header = OpenKeyList(WorkCopyPath());
        NumberFromOne(master);
        NumberFromOne(slave);
        QFile::remove(previous);
        rememberFile(path);
        return header;
    } catch (const std::exception& e) {
        QFile::remove(WorkCopyPath());
        if (hadCopy)
            QFile::rename(previous, WorkCopyPath());
        if (hadList)
            OpenKeyList(WorkCopyPath());
        throw failure(tr("Can not open the key list %1: %2")
                          .arg(QDir::toNativeSeparators(path), QString::fromUtf8(e.what())));
    }
}

void TKeyListStore::NumberFromOne(TDbfTable& view) {
    const int recIdIndex = view.FieldByName(QLatin1String(RecIdField))->Index();
    const int count = view.RowCount();
    std::vector<std::pair<int, int>> rows; // RECID, record number
    rows.reserve(count);
    for (int row = 0; row < count; ++row)
        rows.emplace_back(view.RowValue(row, recIdIndex).toInt(), view.RowRecNo(row));
    std::sort(rows.begin(), rows.end());
    for (int slot = 0; slot < count; ++slot)
        if (rows[slot].first != slot)
            return;
    for (const auto& [recId, recNo] : rows) {
        view.SetRecNo(recNo);
        view.Edit();
        view.FieldByName(QLatin1String(RecIdField))->SetAsInteger(recId + 1);
        view.Post();
    }
    view.First();
}

bool TKeyListStore::ChangedOnDisk(const QString& target) const {
    const QString canonical = QFileInfo(target).canonicalFilePath();
    return !knownPath.isEmpty() &&
           (canonical.isEmpty() ? QFileInfo(target).absoluteFilePath() : canonical) == knownPath &&
           TFileIdentity::Of(knownPath) != knownIdentity;
}

void TKeyListStore::rememberFile(const QString& path) {
    knownPath = QFileInfo(path).canonicalFilePath();
    knownIdentity = knownPath.isEmpty() ? TFileIdentity() : TFileIdentity::Of(knownPath);
}

void TKeyListStore::Save(const QString& target, const THeader& header, bool overwriteChanged) {
    if (!IsOpen())
        throw failure(tr("No key list is open"));
    if (!overwriteChanged && ChangedOnDisk(target))
        throw EKeyListChanged(tr("The key list %1 was changed on disk since it was opened here; saving "
                                 "would overwrite that change.")
                                  .arg(QDir::toNativeSeparators(knownPath))
                                  .toStdString());
    const int masterRecNo = master.RecNo();
    const int slaveRecNo = slave.RecNo();
    const auto restore = [&] {
        master.SetFiltered(true);
        master.SetRecNo(masterRecNo);
        slave.SetRecNo(slaveRecNo);
    };
    try {
        master.SetFiltered(false);
        master.SetRecNo(1);
        master.Edit();
        master.FieldByName(QLatin1String(KeyCodeField))->SetAsString(header.serial);
        master.FieldByName(QStringLiteral("KEYMEMO"))->SetAsString(header.info);
        master.Post();
        copyAtomically(target);
    } catch (...) {
        restore();
        throw;
    }
    restore();
    rememberFile(target);
}

QStringList TKeyListStore::NumberingDisagreements() {
    return IsOpen() ? TKeyListNumbering::Disagreements(master, slave) : QStringList();
}

bool TKeyListStore::IsInWorkDir(const QString& path) const {
    const QString work = QFileInfo(workDir).canonicalFilePath();
    const QFileInfo info(path);
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    const QString file = info.canonicalFilePath();
    const auto inside = [&work](const QString& p) {
        return !p.isEmpty() && (p == work || p.startsWith(work + QLatin1Char('/')));
    };
    return !work.isEmpty() && (inside(folder) || inside(file));
}

void TKeyListStore::copyAtomically(const QString& requested) {
    // Through a link the file it points to is replaced, not the link itself.
    const QString canonical = QFileInfo(requested).canonicalFilePath();
    const QString target = canonical.isEmpty() ? requested : canonical;
    const QFileInfo info(target);
    const QString shown = QDir::toNativeSeparators(info.absoluteFilePath());
    const auto refuse = [&shown](const QString& why) {
        return failure(tr("Can not save the key list to %1: %2").arg(shown, why));
    };
    // The working directory and everything in it is deleted when the program ends, and the views
    // work on the files there: a list saved there would be lost, or pulled from under the views.
    if (IsInWorkDir(requested))
        throw refuse(tr("that is the program's working directory, which is deleted when the "
                        "program ends; choose another folder"));
    // A file marked read-only is refused even where the system would let the rename through
    // (the directory writable, or the user root): the mark is the user's protection.
    const bool readOnly = !info.isWritable() || !(info.permissions() & QFileDevice::WriteOwner);
    if (info.exists() && (!info.isFile() || readOnly))
        throw refuse(systemReason(info.isFile() ? EACCES : EISDIR));
    // The engine writes the copy in full before it takes the target's place (keeping the target's
    // mode, or giving a new file the one the umask asks for): the user's file is either the old
    // one or the whole new one, never half of it.
    if (master.CopyFile(info.absoluteFilePath()) <= 0)
        throw refuse(master.LastError().isEmpty() ? tr("the table could not be written")
                                                  : master.LastError());
}

const TKeyListStore::TSortOrders& TKeyListStore::SortOrders(const TDbfTable& view) const {
    return isMaster(view) ? masterOrders : slaveOrders;
}

void TKeyListStore::SortBy(TDbfTable& view, int column, bool descending) {
    const int recNo = view.RecNo();
    view.SetOrder(SortOrders(view).at(column)[descending ? 1 : 0]);
    view.SetRecNo(recNo);
}

void TKeyListStore::Deactivate(TDbfTable& view) {
    view.Edit();
    view.FieldByName(QLatin1String(KeyCodeField))->SetAsString(TKeyPlaceholder::EmptyCode);
    view.FieldByName(QStringLiteral("KEYSTATUS"))->SetAsBoolean(false);
    view.FieldByName(QStringLiteral("KEYMEMO"))->SetAsString(QString());
    view.Post();
}

bool TKeyListStore::FindKey(TDbfTable& view, const QString& code, const QString& info) {
    return view.Locate(QStringLiteral("KEYCODE;KEYMEMO"), QVariantList{code, info},
                       TLocateOptions(loCaseInsensitive) | loPartialKey);
}

TDbfTable* TKeyListStore::DuplicateHolder(const QString& code, int recNo) const {
    for (TDbfTable* view : {&master, &slave}) {
        if (!view->Active())
            continue;
        const int field = view->FieldByName(QLatin1String(KeyCodeField))->Index();
        const int rows = view->RowCount();
        for (int row = 0; row < rows; ++row) {
            if (view->RowRecNo(row) != recNo && view->RowText(row, field) == code)
                return view;
        }
    }
    return nullptr;
}

bool TKeyListStore::CreateLayout(TDbfTable& table, const QString& path) {
    if (!table.CreateNew(path, WorkCopyDriver, LayoutFields))
        return false;
    for (const TFieldLayout& field : Layout)
        table.CreateField(QString::fromLatin1(field.name), QString::fromLatin1(field.type), field.width, 0);
    return table.CreateExec();
}
