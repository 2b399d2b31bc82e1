#include "report/TrpPlaceholders.h"

#include "report/ERpTemplateError.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

const QRegularExpression& placeholderPattern() {
    static const QRegularExpression pattern(
        QStringLiteral(R"(\{\{\s*([A-Za-z_][A-Za-z0-9_]*)(?:\.([A-Za-z_][A-Za-z0-9_]*))?\s*\}\})"));
    return pattern;
}

template <typename OnText, typename OnName> void walk(const QString& text, OnText onText, OnName onName) {
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype open = text.indexOf(QLatin1String("{{"), pos);
        if (open < 0)
            break;
        const QRegularExpressionMatch m = placeholderPattern().match(
            text, open, QRegularExpression::NormalMatch, QRegularExpression::AnchorAtOffsetMatchOption);
        if (!m.hasMatch()) {
            const QString start = text.mid(open, 24).section(QLatin1Char('\n'), 0, 0);
            throw ERpTemplateError(
                QCoreApplication::translate("TrpPlaceholders", "malformed placeholder \"%1\"").arg(start));
        }
        onText(QStringView(text).mid(pos, open - pos));
        TrpPlaceholders::Name name;
        if (m.capturedLength(2) > 0) {
            name.source = m.captured(1);
            name.name = m.captured(2);
        } else {
            name.name = m.captured(1);
        }
        onName(name);
        pos = m.capturedEnd(0);
    }
    onText(QStringView(text).mid(pos));
}

} // namespace

void TrpPlaceholders::Scan(const QString& text, const std::function<void(const Name&)>& visit) {
    walk(
        text, [](QStringView) {}, visit);
}

QString TrpPlaceholders::Expand(const QString& text, const std::function<QString(const Name&)>& resolve) {
    QString out;
    out.reserve(text.size());
    walk(
        text, [&out](QStringView part) { out += part; }, [&](const Name& name) { out += resolve(name); });
    return out;
}
