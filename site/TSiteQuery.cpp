#include "site/TSiteQuery.h"

#include "keys/TKeyCode.h"

bool TSiteQuery::MatchesNote(const QString& note) const {
    return !text.isEmpty() && note.contains(text, Qt::CaseInsensitive);
}

bool TSiteQuery::MayMatch(const QByteArray& fileBytes) const {
    if (IsCode()) {
        const QByteArray upper = fileBytes.toUpper();
        for (const QString& code : codes)
            if (upper.contains(code.toLatin1()))
                return true;
        return false;
    }
    for (const QChar c : text)
        if (c.unicode() > 0x7F)
            return true;
    return fileBytes.toLower().contains(text.toLower().toLatin1());
}

TSiteQuery TSiteQuery::Code(const QString& text, QString* error) {
    TSiteQuery query;
    const TKeyCode::TReading reading = TKeyCode::Read(text);
    if (reading.ok)
        query.codes.append(reading.code);
    else if (reading.ambiguous)
        query.codes << reading.code << reading.other;
    else if (error)
        *error = reading.error;
    return query;
}

TSiteQuery TSiteQuery::Parse(const QString& text) {
    TSiteQuery query = Code(text, nullptr);
    if (!query.IsCode())
        query.text = text.trimmed();
    return query;
}
