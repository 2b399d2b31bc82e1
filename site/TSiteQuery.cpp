#include "site/TSiteQuery.h"

#include "keylist/TKeyCode.h"

bool TSiteQuery::MatchesNote(const QString& note) const {
    return !text.isEmpty() && note.contains(text, Qt::CaseInsensitive);
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
