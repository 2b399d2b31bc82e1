#include "app/TVersionInfo.h"

#include <QFile>
#include <QList>
#include <QStringList>

namespace {

struct Entry {
    QString section;
    QString name;
    QString value;
};

QString unquoted(const QString& value) {
    if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
        return value.mid(1, value.size() - 2);
    return value;
}

QList<Entry> entries(const QByteArray& content) {
    QList<Entry> all;
    QString section;
    for (const QByteArray& raw : content.split('\n')) {
        // Values may end in blanks that belong to them, so only the line end is cut.
        QString line = QString::fromUtf8(raw);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
            continue;
        if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']'))) {
            section = trimmed.mid(1, trimmed.size() - 2);
            continue;
        }
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0)
            continue;
        all.append({section, line.left(eq).trimmed(), unquoted(line.mid(eq + 1))});
    }
    return all;
}

QString valueOf(const QList<Entry>& all, const QString& section, const QString& name) {
    for (const Entry& e : all)
        if (e.section == section && e.name == name)
            return e.value;
    return QString();
}

bool readFixedPart(const QString& text, std::array<quint16, 4>& numbers) {
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() != 4)
        return false;
    std::array<quint16, 4> read{};
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        const uint n = parts[i].trimmed().toUInt(&ok);
        if (!ok || n > 0xFFFF)
            return false;
        read[i] = quint16(n);
    }
    numbers = read;
    return true;
}

// The string table of the first listed translation, named by language and code page as two
// four-digit lower-case hexadecimal numbers.
QString firstTranslationSection(const QString& translations) {
    const QStringList pair = translations.split(QLatin1Char(','));
    if (pair.size() < 2)
        return QString();
    bool okLanguage = false, okCodePage = false;
    const uint language = pair[0].trimmed().toUInt(&okLanguage, 16);
    const uint codePage = pair[1].trimmed().toUInt(&okCodePage, 16);
    if (!okLanguage || !okCodePage || language > 0xFFFF || codePage > 0xFFFF)
        return QString();
    return QStringLiteral("StringFileInfo\\%1%2")
        .arg(language, 4, 16, QLatin1Char('0'))
        .arg(codePage, 4, 16, QLatin1Char('0'));
}

} // namespace

TVersionInfo TVersionInfo::ofExecutable() {
    return load(QString::fromLatin1(ResourcePath));
}

TVersionInfo TVersionInfo::load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return TVersionInfo();
    return parse(file.readAll());
}

TVersionInfo TVersionInfo::parse(const QByteArray& content) {
    TVersionInfo info;
    const QList<Entry> all = entries(content);
    if (!readFixedPart(valueOf(all, QString(), QStringLiteral("FILEVERSION")), info.FileVersion))
        return TVersionInfo();
    info.Present = true;
    const QString section = firstTranslationSection(valueOf(all, QString(), QStringLiteral("TRANSLATION")));
    if (!section.isEmpty())
        info.ProductName = valueOf(all, section, QStringLiteral("ProductName"));
    return info;
}

QString TVersionInfo::fileVersionText() const {
    return QStringLiteral("%1.%2.%3.%4")
        .arg(FileVersion[0])
        .arg(FileVersion[1])
        .arg(FileVersion[2])
        .arg(FileVersion[3]);
}
