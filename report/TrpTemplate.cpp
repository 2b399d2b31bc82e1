#include "report/TrpTemplate.h"

#include "report/ERpTemplateError.h"
#include "report/TrpPlaceholders.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <optional>

namespace {

enum class Section { Header, Footer, Body };

bool isPageField(const QString& name) {
    return name.compare(QLatin1String("PAGE"), Qt::CaseInsensitive) == 0 ||
           name.compare(QLatin1String("PAGES"), Qt::CaseInsensitive) == 0;
}

class Parser {
public:
    Parser(const QStringList& sources) : sources(sources) {}

    TrpTemplate Run(const QString& text) {
        QStringList lines = text.split(QLatin1Char('\n'));
        if (lines.size() > 1 && lines.last().isEmpty())
            lines.removeLast();
        bool started = false;
        for (int i = 0; i < lines.size(); ++i) {
            lineNo = i + 1;
            QString line = lines[i];
            if (line.endsWith(QLatin1Char('\r')))
                line.chop(1);
            const QString trimmed = line.trimmed();
            if (!started) {
                if (trimmed.isEmpty())
                    continue;
                if (directiveWord(trimmed) != QLatin1String("report"))
                    throw ERpTemplateError(
                        TrpTemplate::tr("not a report template (it must begin with @report)"));
                started = true;
                continue;
            }
            if (trimmed.startsWith(QLatin1String("@@")))
                Content(line.mid(line.indexOf(QLatin1Char('@')) + 1));
            else if (trimmed.startsWith(QLatin1Char('@')))
                Directive(trimmed);
            else
                Content(line);
        }
        if (!started)
            throw ERpTemplateError(TrpTemplate::tr("not a report template (it must begin with @report)"));
        if (band) {
            lineNo = bandLine;
            fail(TrpTemplate::tr("the band of %1 is not closed by @end").arg(band->source));
        }
        return std::move(result);
    }

private:
    [[noreturn]] void fail(const QString& fault) const {
        throw ERpTemplateError(TrpTemplate::tr("line %1: %2").arg(lineNo).arg(fault));
    }

    static QString directiveWord(const QString& trimmed) {
        if (!trimmed.startsWith(QLatin1Char('@')))
            return QString();
        return trimmed.mid(1).section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty).toLower();
    }

    void Directive(const QString& trimmed) {
        const QString word = directiveWord(trimmed);
        const QStringList args = trimmed.mid(1).split(QLatin1Char(' '), Qt::SkipEmptyParts).mid(1);
        if (word == QLatin1String("--"))
            return;
        if (word == QLatin1String("header") || word == QLatin1String("footer") ||
            word == QLatin1String("body")) {
            if (band)
                fail(TrpTemplate::tr("@%1 inside the band of %2").arg(word, band->source));
            section = word == QLatin1String("header")   ? Section::Header
                      : word == QLatin1String("footer") ? Section::Footer
                                                        : Section::Body;
            return;
        }
        if (word == QLatin1String("page"))
            return Page(args);
        if (word == QLatin1String("band"))
            return OpenBand(args);
        if (word == QLatin1String("empty")) {
            if (!band)
                fail(TrpTemplate::tr("@empty outside a band"));
            if (inEmpty)
                fail(TrpTemplate::tr("second @empty in the band of %1").arg(band->source));
            inEmpty = true;
            return;
        }
        if (word == QLatin1String("end")) {
            if (!band)
                fail(TrpTemplate::tr("@end closes no band"));
            result.body.push_back(std::move(*band));
            band.reset();
            return;
        }
        if (word == QLatin1String("report"))
            fail(TrpTemplate::tr("second @report"));
        fail(TrpTemplate::tr("unknown directive \"%1\"").arg(trimmed.section(QLatin1Char(' '), 0, 0)));
    }

    void Page(const QStringList& args) {
        for (const QString& arg : args) {
            const QString key = arg.section(QLatin1Char('='), 0, 0).toLower();
            bool ok = false;
            const double value = arg.section(QLatin1Char('='), 1).toDouble(&ok);
            if (key != QLatin1String("margin"))
                fail(TrpTemplate::tr("unknown page setting \"%1\"").arg(arg));
            if (!ok || value < 0 || value > 50)
                fail(TrpTemplate::tr("page margin \"%1\" is not a number of millimetres from 0 to 50")
                         .arg(arg));
            result.marginMm = value;
        }
    }

    void OpenBand(const QStringList& args) {
        if (section != Section::Body)
            fail(TrpTemplate::tr("a band outside @body"));
        if (band)
            fail(TrpTemplate::tr("a band inside the band of %1").arg(band->source));
        if (args.size() != 1)
            fail(TrpTemplate::tr("@band needs one data-band source name"));
        if (!sources.contains(args[0], Qt::CaseInsensitive))
            fail(TrpTemplate::tr("unknown band source \"%1\"").arg(args[0]));
        band = TrpTemplate::Item{true, QString(), args[0], QString()};
        bandLine = lineNo;
        inEmpty = false;
    }

    void Check(const QString& line) {
        try {
            TrpPlaceholders::Scan(line, [this](const TrpPlaceholders::Name& name) { CheckName(name); });
        } catch (const ERpTemplateError& e) {
            fail(e.Fault());
        }
    }

    void CheckName(const TrpPlaceholders::Name& name) {
        const QString written =
            name.source.isEmpty() ? name.name : name.source + QLatin1Char('.') + name.name;
        if (!name.source.isEmpty()) {
            if (!band)
                throw ERpTemplateError(TrpTemplate::tr("field {{%1}} outside a band").arg(written));
            if (inEmpty)
                throw ERpTemplateError(
                    TrpTemplate::tr("field {{%1}} in the @empty part of a band").arg(written));
            if (name.source.compare(band->source, Qt::CaseInsensitive) != 0)
                throw ERpTemplateError(
                    TrpTemplate::tr("field {{%1}} inside the band of %2").arg(written, band->source));
            return;
        }
        if (section == Section::Body && isPageField(name.name))
            throw ERpTemplateError(TrpTemplate::tr("{{%1}} belongs in @header or @footer").arg(written));
    }

    void Content(const QString& line) {
        Check(line);
        QString& target = band                         ? (inEmpty ? band->emptyHtml : band->html)
                          : section == Section::Header ? result.headerHtml
                          : section == Section::Footer ? result.footerHtml
                                                       : Fixed();
        target += line;
        target += QLatin1Char('\n');
    }

    QString& Fixed() {
        if (result.body.empty() || result.body.back().isBand)
            result.body.push_back(TrpTemplate::Item{});
        return result.body.back().html;
    }

    const QStringList& sources;
    TrpTemplate result;
    Section section = Section::Body;
    std::optional<TrpTemplate::Item> band;
    bool inEmpty = false;
    int lineNo = 0;
    int bandLine = 0;
};

} // namespace

TrpTemplate TrpTemplate::Parse(const QString& text, const QStringList& sources) {
    return Parser(sources).Run(text);
}

TrpTemplate TrpTemplate::Load(const QString& path, const QStringList& sources) {
    const QFileInfo info(path);
    if (!info.isFile())
        throw ERpTemplateError(TrpTemplate::tr("the file cannot be read: it is not a regular file"));
    if (info.size() > MaxFileSize)
        throw ERpTemplateError(TrpTemplate::tr("the file is larger than %1 bytes").arg(MaxFileSize));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ERpTemplateError(TrpTemplate::tr("the file cannot be read: %1").arg(file.errorString()));
    const QByteArray bytes = file.read(MaxFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        throw ERpTemplateError(TrpTemplate::tr("the file cannot be read: %1").arg(file.errorString()));
    if (bytes.size() > MaxFileSize)
        throw ERpTemplateError(TrpTemplate::tr("the file is larger than %1 bytes").arg(MaxFileSize));
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError() || text.contains(QChar(0)))
        throw ERpTemplateError(TrpTemplate::tr("the file is not UTF-8 text"));
    return Parse(text, sources);
}
