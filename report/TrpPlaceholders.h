#pragma once

#include <QString>

#include <functional>

// Placeholders in template text: {{NAME}} for a variable, {{SOURCE.FIELD}} for a field of a data
// band's current row. Names are letters, digits and underscores, starting with a letter or "_".
class TrpPlaceholders {
public:
    struct Name {
        QString source; // empty for a variable
        QString name;
    };

    // Every placeholder in text, in order; throws ERpTemplateError for a "{{" that starts no
    // well-formed placeholder.
    static void Scan(const QString& text, const std::function<void(const Name&)>& visit);
    // text with every placeholder replaced by what resolve returns for it (inserted as it is).
    static QString Expand(const QString& text, const std::function<QString(const Name&)>& resolve);
};
