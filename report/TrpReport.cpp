#include "report/TrpReport.h"

#include "report/ERpTemplateError.h"
#include "report/TrpDBDataSet.h"
#include "report/TrpLocale.h"
#include "report/TrpPages.h"
#include "report/TrpPlaceholders.h"
#include "report/TrpRowSource.h"
#include "seams/TMessageBoxes.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPdfWriter>

namespace {

TrpReport::PreviewHook& standardPreview() {
    static TrpReport::PreviewHook preview;
    return preview;
}

TrpReport::PreviewHook& previewHook() {
    static TrpReport::PreviewHook hook;
    return hook;
}

bool is(const QString& name, const char* word) {
    return name.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

// A value as rich text: escaped, line breaks kept, never a page field.
QString asHtml(QString text) {
    text.remove(TrpPages::PageMark).remove(TrpPages::PagesMark);
    text = text.toHtmlEscaped();
    text.replace(QLatin1String("\r\n"), QLatin1String("<br>"));
    text.replace(QLatin1Char('\r'), QLatin1String("<br>"));
    text.replace(QLatin1Char('\n'), QLatin1String("<br>"));
    return text;
}

QPageSize defaultPageSize() {
    return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                : QPageSize::A4);
}

} // namespace

TrpReport::TrpReport(TMessageBoxes& boxes, QObject* parent) : QObject(parent), boxes(boxes) {}

TrpReport::~TrpReport() = default;

void TrpReport::SetPreviewHook(PreviewHook hook) {
    previewHook() = std::move(hook);
}

void TrpReport::SetStandardPreview(PreviewHook preview) {
    standardPreview() = std::move(preview);
}

void TrpReport::AddDataSet(TrpDBDataSet* dataSet) {
    dataSets.push_back(dataSet);
}

TrpDBDataSet* TrpReport::FindDataSet(const QString& name) const {
    for (TrpDBDataSet* dataSet : dataSets)
        if (dataSet->Name().compare(name, Qt::CaseInsensitive) == 0)
            return dataSet;
    return nullptr;
}

QStringList TrpReport::DataSetNames() const {
    QStringList names;
    for (const TrpDBDataSet* dataSet : dataSets)
        names.append(dataSet->Name());
    return names;
}

void TrpReport::ClearReport() {
    loaded.reset();
    templatePath.clear();
    pages.reset();
}

int TrpReport::PageCount() const {
    return pages ? pages->PageCount() : 0;
}

QString TrpReport::PreviewCaption() const {
    return tr("Preview - %1").arg(Title);
}

void TrpReport::ReportFault(const QString path, const QString& fault) {
    ClearReport();
    boxes.error(
        tr("The report template \"%1\" cannot be used:\r%2.").arg(QDir::toNativeSeparators(path), fault),
        Title);
}

bool TrpReport::LoadTemplate(const QString& path) {
    if (path.isEmpty() || !QFileInfo::exists(path))
        return false;
    const QString chosen = TrpLocale::TemplateFor(path, TrpLocale::Language());
    try {
        TrpTemplate parsed = TrpTemplate::Load(chosen, DataSetNames());
        pages.reset();
        loaded = std::move(parsed);
        templatePath = chosen;
        return true;
    } catch (const ERpTemplateError& e) {
        ReportFault(chosen, e.Fault());
        return false;
    }
}

bool TrpReport::BuildPages() {
    pages.reset();
    if (!loaded)
        return false;
    const QDateTime now = QDateTime::currentDateTime();
    printDate = TrpLocale::Date(now.date(), QLocale());
    printTime = TrpLocale::Time(now.time(), QLocale());

    std::exception_ptr failure;
    std::optional<QString> fault;
    try {
        if (OnBeginDoc)
            OnBeginDoc();
        Build();
    } catch (const ERpTemplateError& e) {
        fault = e.Fault();
    } catch (...) {
        failure = std::current_exception();
    }
    // The end event undoes what the begin event set up, whatever happened in between.
    try {
        if (OnEndDoc)
            OnEndDoc();
    } catch (...) {
        if (!failure)
            failure = std::current_exception();
    }
    if (failure || fault)
        pages.reset();
    if (failure)
        std::rethrow_exception(failure);
    if (fault) {
        ReportFault(templatePath, *fault);
        return false;
    }
    return PageCount() > 0;
}

void TrpReport::Build() {
    const TrpTemplate& t = *loaded;
    const QString header = ExpandFixed(t.headerHtml);
    const QString footer = ExpandFixed(t.footerHtml);
    QString body;
    bool anyBand = false;
    bool anyRows = false;
    for (const TrpTemplate::Item& item : t.body) {
        if (!item.isBand) {
            body += ExpandFixed(item.html);
            continue;
        }
        anyBand = true;
        bool hadRows = false;
        body += ExpandBand(item, &hadRows);
        anyRows = anyRows || hadRows;
    }
    if (!PrintIfEmpty && anyBand && !anyRows)
        return;

    auto prepared = std::make_shared<TrpPages>(header, body, footer, t.marginMm);
    // Laid out on the usual paper of the locale until a printer asks for its own.
    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    QPdfWriter measure(&sink);
    measure.setResolution(300);
    measure.setPageLayout(prepared->PageLayout(defaultPageSize()));
    prepared->LayoutFor(measure);
    pages = std::move(prepared);
}

QString TrpReport::Resolve(const QString& name) {
    QVariant value = QString();
    if (is(name, "DATE"))
        value = printDate;
    else if (is(name, "TIME"))
        value = printTime;
    else if (is(name, "TITLE"))
        value = Title;
    if (OnGetValue)
        OnGetValue(name, value);
    return asHtml(value.toString());
}

QString TrpReport::ExpandFixed(const QString& html) {
    return TrpPlaceholders::Expand(html, [this](const TrpPlaceholders::Name& n) -> QString {
        if (is(n.name, "PAGE"))
            return QString(TrpPages::PageMark);
        if (is(n.name, "PAGES"))
            return QString(TrpPages::PagesMark);
        return Resolve(n.name);
    });
}

QString TrpReport::ExpandBand(const TrpTemplate::Item& band, bool* hadRows) {
    const TrpDBDataSet* dataSet = FindDataSet(band.source);
    if (!dataSet)
        throw ERpTemplateError(tr("unknown band source \"%1\"").arg(band.source));
    QString out;
    dataSet->ForEachRow([&](const TrpRowSource& row) {
        *hadRows = true;
        out += TrpPlaceholders::Expand(band.html, [&](const TrpPlaceholders::Name& n) -> QString {
            if (n.source.isEmpty())
                return Resolve(n.name);
            if (!row.HasField(n.name))
                throw ERpTemplateError(tr("%1 has no field \"%2\"").arg(dataSet->Name(), n.name));
            return asHtml(row.FieldText(n.name));
        });
    });
    if (!*hadRows)
        out += ExpandFixed(band.emptyHtml);
    return out;
}

void TrpReport::ShowPreview() {
    BuildPages();
    if (PageCount() == 0)
        return;
    if (previewHook())
        previewHook()(*this);
    else if (standardPreview())
        standardPreview()(*this);
}
