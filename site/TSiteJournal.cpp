#include "site/TSiteJournal.h"

#include "keys/TKeyPlaceholder.h"
#include "seams/TRegularFile.h"
#include "site/ESiteError.h"
#include "site/TSiteFolder.h"
#include "sync/TKeyDifference.h"
#include "sync/TKeyTables.h"

#include <QDir>
#include <QFile>
#include <QStringList>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

namespace {
const QString JournalFolderName = QStringLiteral("journal");
const QString Suffix = QStringLiteral(".journal");
constexpr int FieldCount = 8;

// A field never holds the line's own separators: tab, line breaks and the backslash are escaped.
QString escaped(const QString& text) {
    QString out;
    for (const QChar c : text) {
        if (c == QLatin1Char('\\'))
            out += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\t'))
            out += QStringLiteral("\\t");
        else if (c == QLatin1Char('\n'))
            out += QStringLiteral("\\n");
        else if (c == QLatin1Char('\r'))
            out += QStringLiteral("\\r");
        else
            out += c;
    }
    return out;
}

QString unescaped(const QString& text) {
    QString out;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('\\') || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const QChar next = text[++i];
        out += next == QLatin1Char('t')   ? QChar('\t')
               : next == QLatin1Char('n') ? QChar('\n')
               : next == QLatin1Char('r') ? QChar('\r')
                                          : next;
    }
    return out;
}

QString csvField(const QString& text) {
    QString field = text;
    // A spreadsheet would run a cell that starts like a formula.
    if (!field.isEmpty() && QStringLiteral("=+-@").contains(field[0]))
        field.prepend(QLatin1Char('\''));
    field.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + field + QLatin1Char('"');
}

void writeAll(int fd, const QByteArray& bytes, const QString& path) {
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            throw ESiteError(
                TSiteJournal::tr("Can not write the journal %1: %2")
                    .arg(QDir::toNativeSeparators(path), QString::fromLocal8Bit(std::strerror(errno))));
        done += n;
    }
}
} // namespace

TSiteJournal::TSiteJournal(const QString& siteFolder, const QString& user) : folder(siteFolder), user(user) {}

QString TSiteJournal::CurrentUser() {
    if (const passwd* entry = ::getpwuid(::geteuid()))
        return QString::fromLocal8Bit(entry->pw_name);
    return QStringLiteral("uid%1").arg(::geteuid());
}

QString TSiteJournal::UserFile() const {
    // Percent-encoding keeps every user name a plain file name of its own.
    const QString name = QString::fromLatin1(user.toUtf8().toPercentEncoding(QByteArray(), "."));
    return QDir(QDir(folder).filePath(JournalFolderName)).filePath(name + Suffix);
}

QString TSiteJournal::SlotText(const TKeySlot& key) {
    const QString code = TKeyDifference::NormalCode(key);
    if (code.isEmpty())
        return QString::fromLatin1(TKeyPlaceholder::EmptyCode);
    const QString note = TKeyDifference::NormalNote(key);
    return QStringLiteral("%1%2 \"%3\"")
        .arg(code, key.active ? QString() : QStringLiteral(" inactive"), note);
}

QString TSiteJournal::HeldText(const TKeySlot& key) {
    return key.active ? SlotText(key) : QString::fromLatin1(TKeyPlaceholder::EmptyCode);
}

QString TSiteJournal::TEntry::Line() const {
    const QStringList fields{time.toUTC().toString(Qt::ISODate),
                             user,
                             kind,
                             name,
                             TKeyTables::TableName(table),
                             QString::number(number),
                             before,
                             after};
    QStringList out;
    for (const QString& field : fields)
        out.append(escaped(field));
    return out.join(QLatin1Char('\t'));
}

bool TSiteJournal::TEntry::Parse(const QString& line, TEntry* entry) {
    const QStringList fields = line.split(QLatin1Char('\t'));
    if (fields.size() != FieldCount)
        return false;
    TEntry parsed;
    parsed.time = QDateTime::fromString(fields[0], Qt::ISODate);
    bool numbered = false;
    parsed.number = fields[5].toInt(&numbered);
    const QString table = unescaped(fields[4]);
    if (!parsed.time.isValid() || !numbered ||
        (fields[2] != QLatin1String("list") && fields[2] != QLatin1String("controller")))
        return false;
    parsed.time = parsed.time.toUTC();
    parsed.user = unescaped(fields[1]);
    parsed.kind = fields[2];
    parsed.name = unescaped(fields[3]);
    parsed.table = table == TKeyTables::TableName(TKeyTransfer::Table::Master) ? TKeyTransfer::Table::Master
                                                                               : TKeyTransfer::Table::Slave;
    parsed.before = unescaped(fields[6]);
    parsed.after = unescaped(fields[7]);
    *entry = parsed;
    return true;
}

bool TSiteJournal::TFilter::Accepts(const TEntry& entry) const {
    if (!code.isEmpty() && !entry.before.startsWith(code) && !entry.after.startsWith(code))
        return false;
    if (!names.isEmpty() && !names.contains(entry.name, Qt::CaseInsensitive))
        return false;
    if (since.isValid() && entry.time < since)
        return false;
    return !until.isValid() || entry.time < until;
}

void TSiteJournal::Append(QList<TEntry> entries) {
    if (entries.isEmpty())
        return;
    TSiteFolder::Subfolder(folder, JournalFolderName);
    const QString path = UserFile();
    const QDateTime now = QDateTime::currentDateTimeUtc();
    QByteArray bytes;
    for (TEntry& entry : entries) {
        entry.time = now;
        entry.user = user;
        bytes += entry.Line().toUtf8() + '\n';
    }
    const bool existed = QFile::exists(path);
    // O_NOFOLLOW: a link planted under the journal's name is never written through.
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_RDWR | O_APPEND | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        throw ESiteError(
            TSiteJournal::tr("Can not open the journal %1: %2")
                .arg(QDir::toNativeSeparators(path), QString::fromLocal8Bit(std::strerror(errno))));
    try {
        // A writer killed mid-line left a piece without its line break: the new lines start afresh.
        char last = '\n';
        const off_t size = ::lseek(fd, 0, SEEK_END);
        if (size > 0 && ::pread(fd, &last, 1, size - 1) == 1 && last != '\n')
            bytes.prepend('\n');
        writeAll(fd, bytes, path);
        if (::fsync(fd) != 0)
            throw ESiteError(
                TSiteJournal::tr("Can not write the journal %1: %2")
                    .arg(QDir::toNativeSeparators(path), QString::fromLocal8Bit(std::strerror(errno))));
    } catch (...) {
        ::close(fd);
        throw;
    }
    ::close(fd);
    if (!existed)
        TSiteFolder::ApplyMode(folder, path);
}

QList<TSiteJournal::TEntry> TSiteJournal::Read(const TFilter& filter) const {
    QList<TEntry> entries;
    const QDir journals(QDir(folder).filePath(JournalFolderName));
    for (const QString& name : journals.entryList({QStringLiteral("*") + Suffix}, QDir::Files, QDir::Name)) {
        const TRegularFile::TContents contents = TRegularFile::Read(journals.filePath(name), MaxFileBytes);
        if (!contents.ok)
            continue;
        const QList<QByteArray> lines = contents.data.split('\n');
        // The last piece is empty, or a line whose writer was cut off: not a whole entry.
        for (int i = 0; i + 1 < lines.size(); ++i) {
            TEntry entry;
            if (TEntry::Parse(QString::fromUtf8(lines[i]), &entry) && filter.Accepts(entry))
                entries.append(entry);
        }
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const TEntry& a, const TEntry& b) { return a.time < b.time; });
    return entries;
}

QString TSiteJournal::Csv(const QList<TEntry>& entries) {
    QString csv = QStringLiteral("time,user,kind,name,table,#,old,new\n");
    for (const TEntry& entry : entries) {
        const QStringList fields{entry.time.toString(Qt::ISODate),
                                 entry.user,
                                 entry.kind,
                                 entry.name,
                                 TKeyTables::TableName(entry.table),
                                 QString::number(entry.number),
                                 entry.before,
                                 entry.after};
        QStringList cells;
        for (const QString& field : fields)
            cells.append(csvField(field));
        csv += cells.join(QLatin1Char(',')) + QLatin1Char('\n');
    }
    return csv;
}
