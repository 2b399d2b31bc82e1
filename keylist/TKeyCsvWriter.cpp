#include "keylist/TKeyCsvWriter.h"

#include "keylist/TKeyCode.h"

#include <QDir>
#include <QSaveFile>

#include <csv.h>

#include <stdexcept>

const QStringList TKeyCsvWriter::Header = {
    QStringLiteral("type"),     QStringLiteral("#"),      QStringLiteral("slot"), QStringLiteral("code"),
    QStringLiteral("engraved"), QStringLiteral("active"), QStringLiteral("note")};

QByteArray TKeyCsvWriter::Write(const QVector<TKeyRecord>& records) {
    QByteArray out = row(Header);
    for (const TKeyRecord& record : records) {
        out += row({QString(record.type), QString::number(record.recId), QString::number(record.slot),
                    record.code, TKeyCode::Engraved(record.code),
                    record.active ? QStringLiteral("yes") : QStringLiteral("no"), record.note});
    }
    return out;
}

QByteArray TKeyCsvWriter::row(const QStringList& fields) {
    QByteArray line;
    for (const QString& text : fields) {
        if (!line.isEmpty())
            line += ',';
        line += field(text);
    }
    return line + "\r\n";
}

// Plain where a reader cannot misread it; quoted (quotes doubled) where it holds a delimiter of
// either kind, a quote, a line break or space at an end, which readers would otherwise trim.
QByteArray TKeyCsvWriter::field(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    const bool plain = !bytes.contains(',') && !bytes.contains(';') && !bytes.contains('"') &&
                       !bytes.contains('\r') && !bytes.contains('\n') && text == text.trimmed();
    if (plain)
        return bytes;
    QByteArray quoted(int(csv_write(nullptr, 0, bytes.constData(), size_t(bytes.size()))), Qt::Uninitialized);
    csv_write(quoted.data(), size_t(quoted.size()), bytes.constData(), size_t(bytes.size()));
    return quoted;
}

void TKeyCsvWriter::Save(const QString& path, const QVector<TKeyRecord>& records) {
    QSaveFile file(path);
    const QByteArray bytes = Write(records);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw std::runtime_error(QStringLiteral("Can not write the CSV file %1: %2")
                                     .arg(QDir::toNativeSeparators(path), file.errorString())
                                     .toStdString());
}
