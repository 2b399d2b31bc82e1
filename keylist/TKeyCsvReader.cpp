#include "keylist/TKeyCsvReader.h"

#include "dbf/TWin1252.h"

#include <QStringDecoder>

#include <csv.h>

#include <stdexcept>

namespace {

const QByteArray ByteOrderMark("\xEF\xBB\xBF");

// What the parser's callbacks fill: the fields of the row being read, and the finished rows.
struct TSink {
    QVector<QByteArray> fields;
    QVector<QVector<QByteArray>> rows;
    QVector<int>* lines = nullptr;
    int startLine = 0;
    bool awaitingRow = true;
};

void fieldRead(void* data, size_t size, void* sink) {
    static_cast<TSink*>(sink)->fields << QByteArray(static_cast<const char*>(data), qsizetype(size));
}

void rowRead(int, void* sink) {
    auto* s = static_cast<TSink*>(sink);
    s->rows << s->fields;
    if (s->lines)
        *s->lines << s->startLine;
    s->fields.clear();
    s->awaitingRow = true;
}

bool blank(char c) {
    return c == '\r' || c == '\n' || c == ' ' || c == '\t';
}

QByteArray withoutMark(const QByteArray& bytes) {
    return bytes.startsWith(ByteOrderMark) ? bytes.mid(ByteOrderMark.size()) : bytes;
}

bool isUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
    Q_UNUSED(text);
    return !decoder.hasError();
}

} // namespace

QVector<QVector<QByteArray>> TKeyCsvReader::split(const QByteArray& bytes, char delimiter,
                                                  QVector<int>* lines, int maxRows) {
    csv_parser parser;
    if (csv_init(&parser, 0) != 0)
        throw std::runtime_error("The CSV reader could not start");
    csv_set_delim(&parser, static_cast<unsigned char>(delimiter));
    TSink sink;
    sink.lines = lines;
    int line = 1;
    // Fed a byte at a time so that a row's first line is known even when a quoted field in it
    // runs over several lines.
    for (char c : bytes) {
        if (sink.awaitingRow && !blank(c)) {
            sink.startLine = line;
            sink.awaitingRow = false;
        }
        if (csv_parse(&parser, &c, 1, fieldRead, rowRead, &sink) != 1) {
            const QString reason = QString::fromLatin1(csv_strerror(csv_error(&parser)));
            csv_free(&parser);
            throw std::runtime_error(QStringLiteral("The CSV file cannot be read on line %1: %2")
                                         .arg(line)
                                         .arg(reason)
                                         .toStdString());
        }
        if (c == '\n')
            ++line;
        if (maxRows > 0 && sink.rows.size() >= maxRows)
            break;
    }
    csv_fini(&parser, fieldRead, rowRead, &sink);
    csv_free(&parser);
    return sink.rows;
}

char TKeyCsvReader::Delimiter(const QByteArray& bytes) {
    const QByteArray text = withoutMark(bytes);
    const auto headerFields = [&text](char delimiter) {
        const auto rows = split(text, delimiter, nullptr, 1);
        return rows.isEmpty() ? 0 : rows.first().size();
    };
    return headerFields(';') > headerFields(',') ? ';' : ',';
}

QVector<TKeyCsvReader::TRow> TKeyCsvReader::Read(const QByteArray& bytes) {
    const QByteArray text = withoutMark(bytes);
    const bool utf8 = isUtf8(text);
    QVector<int> lines;
    const auto rows = split(text, Delimiter(text), &lines, 0);
    QVector<TRow> result;
    for (int i = 0; i < rows.size(); ++i) {
        TRow row;
        row.line = lines[i];
        for (const QByteArray& field : rows[i])
            row.fields << (utf8 ? QString::fromUtf8(field) : TWin1252::toUnicode(field));
        result << row;
    }
    return result;
}
