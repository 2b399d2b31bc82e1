#include "keylist/TKeyCsvWriter.h"

#include "keylist/TKeyCsvCell.h"
#include "keys/TKeyCode.h"
#include "seams/TCheckedSave.h"

#include <QDir>

#include <csv.h>

#include <stdexcept>

const QStringList TKeyCsvWriter::Header = {
    QStringLiteral("type"), QStringLiteral("#"),        QStringLiteral("slot"),
    QStringLiteral("code"), QStringLiteral("engraved"), QStringLiteral("active"),
    QStringLiteral("note"), QStringLiteral("serial"),   QStringLiteral("info")};

QByteArray TKeyCsvWriter::Write(const QVector<TKeySlot>& records, const TKeyListStore::THeader& controller,
                                TFormat format) {
    const char delimiter = format == TFormat::Spreadsheet ? ';' : ',';
    QByteArray out = format == TFormat::Spreadsheet ? QByteArray("\xEF\xBB\xBF") : QByteArray();
    out += row(Header, delimiter);
    for (const TKeySlot& record : records) {
        out += row({QString(record.keyType), QString::number(record.recId), QString::number(record.keyId),
                    record.keyCode, TKeyCode::Engraved(record.keyCode),
                    record.active ? QStringLiteral("yes") : QStringLiteral("no"), record.memo,
                    controller.serial, controller.info},
                   delimiter);
    }
    return out;
}

QByteArray TKeyCsvWriter::row(const QStringList& fields, char delimiter) {
    QByteArray line;
    for (const QString& text : fields) {
        if (!line.isEmpty())
            line += delimiter;
        line += field(TKeyCsvCell::Neutralised(text));
    }
    return line + "\r\n";
}

// Plain where a reader cannot misread it; quoted (quotes doubled) where it holds a delimiter of
// any kind, a quote, a line break or space at an end, which readers would otherwise trim.
QByteArray TKeyCsvWriter::field(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    const bool plain = !bytes.contains(',') && !bytes.contains(';') && !bytes.contains('\t') &&
                       !bytes.contains('"') && !bytes.contains('\r') && !bytes.contains('\n') &&
                       text == text.trimmed();
    if (plain)
        return bytes;
    QByteArray quoted(int(csv_write(nullptr, 0, bytes.constData(), size_t(bytes.size()))), Qt::Uninitialized);
    csv_write(quoted.data(), size_t(quoted.size()), bytes.constData(), size_t(bytes.size()));
    return quoted;
}

void TKeyCsvWriter::Save(const QString& path, const QVector<TKeySlot>& records,
                         const TKeyListStore::THeader& controller, TFormat format) {
    QString error;
    if (!TCheckedSave::Save(path, Write(records, controller, format), &error))
        throw std::runtime_error(
            tr("Can not write the CSV file %1: %2").arg(QDir::toNativeSeparators(path), error).toStdString());
}
