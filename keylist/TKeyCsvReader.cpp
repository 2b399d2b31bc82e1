#include "keylist/TKeyCsvReader.h"

#include "keylist/TKeyCsvCell.h"
#include "keys/TKeyTable.h"
#include "keys/TWin1252.h"
#include "seams/TStopRequest.h"

#include <QStringDecoder>

#include <csv.h>

#include <algorithm>

#include <stdexcept>

namespace {

// What the parser's callbacks fill: the fields of the row being read, and the finished rows.
struct TSplit {
    QVector<QVector<QByteArray>> rows;
    QVector<int> lines;
    QVector<QByteArray> fields;
    int startLine = 0;
    bool awaitingRow = true;
    int wideLine = 0; // the first line with more than MaxFields fields
};

const QByteArray Utf8Mark("\xEF\xBB\xBF");

std::runtime_error failure(const QString& text) {
    return std::runtime_error(text.toStdString());
}

void fieldRead(void* data, size_t size, void* split) {
    auto* s = static_cast<TSplit*>(split);
    if (s->fields.size() < TKeyCsvReader::MaxFields)
        s->fields << QByteArray(static_cast<const char*>(data), qsizetype(size));
    else if (s->wideLine == 0)
        s->wideLine = s->startLine;
}

void rowRead(int, void* split) {
    auto* s = static_cast<TSplit*>(split);
    s->rows << s->fields;
    s->lines << s->startLine;
    s->fields.clear();
    s->awaitingRow = true;
}

bool blank(char c) {
    return c == '\r' || c == '\n' || c == ' ' || c == '\t';
}

// libcsv trims spaces and tabs around unquoted fields; spreadsheets keep them, as RFC 4180 asks,
// and a note may start with blanks on purpose.
int noSpace(unsigned char) {
    return 0;
}

enum class TEncoding { Ascii, Utf8, Other };

TEncoding encodingOf(const QVector<QByteArray>& fields) {
    TEncoding found = TEncoding::Ascii;
    for (const QByteArray& field : fields) {
        bool ascii = true;
        for (char c : field)
            ascii = ascii && static_cast<unsigned char>(c) < 0x80;
        if (ascii)
            continue;
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString text = decoder(field);
        Q_UNUSED(text);
        if (decoder.hasError())
            return TEncoding::Other;
        found = TEncoding::Utf8;
    }
    return found;
}

// Excel's first line "sep=;" names the delimiter; 0 when there is none.
char namedDelimiter(const QByteArray& text, qsizetype* lineLength) {
    if (text.left(4).toLower() != "sep=")
        return 0;
    qsizetype end = text.indexOf('\n');
    if (end < 0)
        end = text.size();
    QByteArray rest = text.mid(4, end - 4);
    if (rest.endsWith('\r'))
        rest.chop(1);
    if (rest.size() != 1)
        return 0;
    *lineLength = end + 1;
    return rest[0];
}

// The text as UTF-8 or single bytes; *marked when a byte-order mark said it is Unicode.
QByteArray decoded(const QByteArray& bytes, bool* marked) {
    const bool little = bytes.startsWith("\xFF\xFE");
    *marked = little || bytes.startsWith("\xFE\xFF") || bytes.startsWith(Utf8Mark);
    if (little || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder decoder(little ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
                               QStringDecoder::Flag::Stateless);
        const QString text = decoder(bytes.mid(2));
        if (decoder.hasError() || !text.isValidUtf16() || bytes.size() % 2 != 0)
            throw failure(TKeyCsvReader::tr("The CSV file starts as UTF-16 but is not valid UTF-16"));
        return text.toUtf8();
    }
    const QByteArray text = bytes.startsWith(Utf8Mark) ? bytes.mid(Utf8Mark.size()) : bytes;
    const qsizetype zero = text.indexOf('\0');
    if (zero >= 0)
        throw failure(
            TKeyCsvReader::tr("The CSV file holds zero bytes (line %1): UTF-16 is not supported without "
                              "its byte-order mark; save the file as CSV (UTF-8)")
                .arg(text.left(zero).count('\n') + 1));
    return text;
}

void split(const QByteArray& text, char delimiter, int firstLine, int maxRows, TSplit* result) {
    csv_parser parser;
    if (csv_init(&parser, 0) != 0)
        throw failure(TKeyCsvReader::tr("The CSV reader could not start"));
    csv_set_delim(&parser, static_cast<unsigned char>(delimiter));
    csv_set_space_func(&parser, noSpace);
    // libcsv grows a field's buffer by this much at a time: in small steps a field of megabytes
    // is copied over and over. A sixteenth of the text bounds the steps at sixteen.
    csv_set_blk_size(&parser, std::max<size_t>(128, size_t(text.size()) / 16));
    int line = firstLine;
    qsizetype fed = 0;
    // Fed a byte at a time so that a row's first line is known even when a quoted field in it
    // runs over several lines.
    for (char c : text) {
        if (result->awaitingRow && !blank(c)) {
            result->startLine = line;
            result->awaitingRow = false;
        }
        if (csv_parse(&parser, &c, 1, fieldRead, rowRead, result) != 1) {
            const QString reason = QString::fromLatin1(csv_strerror(csv_error(&parser)));
            csv_free(&parser);
            throw failure(
                TKeyCsvReader::tr("The CSV file cannot be read on line %1: %2").arg(line).arg(reason));
        }
        if (c == '\n')
            ++line;
        if ((++fed & 0xFFFF) == 0 && TStopRequest::Raised()) {
            csv_free(&parser);
            throw failure(TKeyCsvReader::tr("The CSV file was not read to its end: interrupted"));
        }
        if (result->rows.size() >= maxRows)
            break;
    }
    if (result->rows.size() < maxRows)
        csv_fini(&parser, fieldRead, rowRead, result);
    csv_free(&parser);
}

// The delimiter giving the header row the most fields; a comma when it makes no difference.
char delimiter(const QByteArray& text) {
    char best = ',';
    int most = 0;
    for (char candidate : {',', ';', '\t'}) {
        TSplit header;
        split(text, candidate, 1, 1, &header);
        const int fields = header.rows.isEmpty() ? 0 : int(header.rows.first().size());
        if (fields > most) {
            best = candidate;
            most = fields;
        }
    }
    return best;
}

// Decided for the whole file only when its lines agree; one line of each is a file edited by
// two programs, and guessing would turn "Tür" into "TÃ¼r" on one side or the other.
QVector<TKeyCsvReader::TRow> rowsOf(const TSplit& parsed, bool unicode) {
    QVector<TEncoding> encodings;
    bool utf8 = unicode;
    bool other = false;
    for (const auto& fields : parsed.rows) {
        encodings << encodingOf(fields);
        utf8 = utf8 || encodings.last() == TEncoding::Utf8;
        other = other || encodings.last() == TEncoding::Other;
    }
    const bool win1252 = other && !utf8;
    QVector<TKeyCsvReader::TRow> result;
    for (int i = 0; i < parsed.rows.size(); ++i) {
        TKeyCsvReader::TRow row;
        row.line = parsed.lines[i];
        for (const QByteArray& field : parsed.rows[i])
            row.fields << TKeyCsvCell::Plain(win1252 ? TWin1252::toUnicode(field) : QString::fromUtf8(field));
        if (!win1252 && encodings[i] == TEncoding::Other)
            row.error =
                TKeyCsvReader::tr("the line is not valid UTF-8, while other lines of the file are; save "
                                  "the file as CSV (UTF-8) again");
        result << row;
    }
    return result;
}

} // namespace

QVector<TKeyCsvReader::TRow> TKeyCsvReader::Read(const QByteArray& bytes) {
    bool marked = false;
    QByteArray text = decoded(bytes, &marked);
    qsizetype sepLine = 0;
    char delim = namedDelimiter(text, &sepLine);
    if (delim != 0)
        text.remove(0, sepLine);
    else
        delim = delimiter(text);
    TSplit parsed;
    // One row more than allowed tells a file at the limit from one past it.
    split(text, delim, sepLine > 0 ? 2 : 1, MaxRows + 1, &parsed);
    if (parsed.rows.size() > MaxRows)
        throw failure(
            TKeyCsvReader::tr("The CSV file has more than %1 rows (line %2); a key list holds %3 keys, "
                              "so this is not a list of keys")
                .arg(MaxRows)
                .arg(parsed.lines.last())
                .arg(TKeyTable::MasterSlots + TKeyTable::SlaveSlots));
    if (parsed.wideLine > 0)
        throw failure(
            TKeyCsvReader::tr("Line %1 of the CSV file has more than %2 columns; this is not a list "
                              "of keys")
                .arg(parsed.wideLine)
                .arg(MaxFields));
    return rowsOf(parsed, marked);
}
