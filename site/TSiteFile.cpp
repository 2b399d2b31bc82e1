#include "site/TSiteFile.h"

#include "site/ESiteError.h"

#include <QStringList>

const QString TSiteFile::FileName = QStringLiteral("site.ini");

namespace {
const QString SiteSection = QStringLiteral("[site]");
const QString DoorSection = QStringLiteral("[door]");

ESiteError lineError(const QString& shown, int line, const QString& reason) {
    return ESiteError(QStringLiteral("%1:%2: %3").arg(shown).arg(line).arg(reason));
}

bool setDoorValue(TSiteDoor& door, const QString& key, const QString& value) {
    QString* field = key == QLatin1String("serial")     ? &door.serial
                     : key == QLatin1String("name")     ? &door.name
                     : key == QLatin1String("location") ? &door.location
                     : key == QLatin1String("list")     ? &door.list
                                                        : nullptr;
    if (!field) {
        door.extra.append({key, value});
        return true;
    }
    if (!field->isEmpty())
        return false;
    *field = value;
    return true;
}

bool hasControlCharacter(const QString& text) {
    for (const QChar c : text)
        if (c.category() == QChar::Other_Control)
            return true;
    return false;
}
} // namespace

TSiteFile TSiteFile::Parse(const QByteArray& bytes, const QString& shown) {
    TSiteFile file;
    const QString text = QString::fromUtf8(bytes);
    if (text.contains(QChar::ReplacementCharacter))
        throw ESiteError(TSiteFile::tr("%1: is not UTF-8 text").arg(shown));
    const QStringList lines = text.split(QLatin1Char('\n'));
    enum class Section { None, Site, Door } section = Section::None;
    for (int i = 0; i < lines.size(); ++i) {
        const int number = i + 1;
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')) || line.startsWith(QLatin1Char(';')))
            continue;
        if (line == SiteSection || line == DoorSection) {
            if (section == Section::Door)
                file.checkDoor(file.doors.constLast(), shown);
            section = line == SiteSection ? Section::Site : Section::Door;
            if (section == Section::Door) {
                file.doors.append(TSiteDoor{});
                file.doors.last().line = number;
            }
            continue;
        }
        if (line.startsWith(QLatin1Char('[')))
            throw lineError(shown, number, TSiteFile::tr("unknown section %1").arg(line));
        const int equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0)
            throw lineError(shown, number, TSiteFile::tr("expected \"key = value\""));
        const QString key = line.left(equals).trimmed().toLower();
        const QString value = line.mid(equals + 1).trimmed();
        if (hasControlCharacter(value))
            throw lineError(shown, number, TSiteFile::tr("the value holds a control character"));
        if (section == Section::None)
            throw lineError(shown, number, TSiteFile::tr("\"%1\" before [site] or [door]").arg(key));
        if (section == Section::Site) {
            if (key == QLatin1String("name"))
                file.siteName = value;
            continue;
        }
        if (!setDoorValue(file.doors.last(), key, value))
            throw lineError(shown, number, TSiteFile::tr("\"%1\" given twice for one door").arg(key));
    }
    if (section == Section::Door)
        file.checkDoor(file.doors.constLast(), shown);
    return file;
}

void TSiteFile::checkDoor(const TSiteDoor& door, const QString& shown) const {
    if (door.list.isEmpty())
        throw lineError(shown, door.line, TSiteFile::tr("the door names no key list (\"list = ...\")"));
    for (const TSiteDoor& other : doors) {
        if (&other == &door)
            break;
        if (door.HasController() && other.serial == door.serial)
            throw lineError(shown, door.line,
                            TSiteFile::tr("serial number %1 is named twice (also at line %2)")
                                .arg(door.serial)
                                .arg(other.line));
        if (other.list == door.list)
            throw lineError(
                shown, door.line,
                TSiteFile::tr("key list %1 is named twice (also at line %2)").arg(door.list).arg(other.line));
    }
}

QByteArray TSiteFile::Text() const {
    QString text = QStringLiteral("# VELM Tarvikon site: one [door] per controller; list is its key list.\n");
    text += SiteSection + QStringLiteral("\nname = %1\n").arg(siteName);
    for (const TSiteDoor& door : doors) {
        text += QStringLiteral("\n") + DoorSection + QLatin1Char('\n');
        text += QStringLiteral("serial = %1\nname = %2\nlocation = %3\nlist = %4\n")
                    .arg(door.serial, door.name, door.location, door.list);
        for (const auto& pair : door.extra)
            text += QStringLiteral("%1 = %2\n").arg(pair.first, pair.second);
    }
    return text.toUtf8();
}
