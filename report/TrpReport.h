#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "report/TrpTemplate.h"

class TMessageBoxes;
class TrpDBDataSet;
class TrpPages;

// The report: a template loaded from a file, built into pages from its data-band sources and from
// variables answered through OnGetValue, and shown in a modal preview from which the user prints.
// A template that cannot be used is told in the boxes its owner passes in.
class TrpReport : public QObject {
    Q_OBJECT
public:
    enum TrpPreviewButton {
        pbZoom = 0x01,
        pbLoad = 0x02,
        pbSave = 0x04,
        pbPrint = 0x08,
        pbFind = 0x10,
        pbHelp = 0x20,
        pbExit = 0x40,
        pbPageSetup = 0x80,
    };
    Q_DECLARE_FLAGS(TrpPreviewButtons, TrpPreviewButton)
    // pzDefault fits the page width into the window.
    enum TrpInitialZoom { pzDefault, pzPageWidth, pzFullPage };

    explicit TrpReport(TMessageBoxes& boxes, QObject* parent = nullptr);
    ~TrpReport() override;

    QString Title;
    TrpPreviewButtons PreviewButtons =
        TrpPreviewButtons(pbZoom | pbPrint | pbFind | pbHelp | pbExit | pbPageSetup);
    TrpInitialZoom InitialZoom = pzDefault;
    bool ModalPreview = true;
    bool ShowPrintDialog = true;
    // False: a report whose bands all came out empty has no page.
    bool PrintIfEmpty = true;

    // Events. They run on the calling thread inside BuildPages; what they throw ends the build
    // (OnEndDoc still runs) and leaves the report without pages.
    std::function<void()> OnBeginDoc;
    std::function<void()> OnEndDoc;
    // name as the template writes it; value holds the engine's own value and may be replaced.
    std::function<void(const QString& name, QVariant& value)> OnGetValue;

    // Data-band sources a template may name; the caller keeps ownership.
    void AddDataSet(TrpDBDataSet* dataSet);

    // Drops the template and the prepared pages.
    void ClearReport();
    // Loads the template at path. A missing file changes nothing and gives false, silently; a file
    // that cannot be used is reported in an error box naming the file and the fault, and leaves
    // the report without template (false).
    bool LoadTemplate(const QString& path);
    // Fires OnBeginDoc, builds the pages, fires OnEndDoc. False when there is no template or the
    // build failed.
    bool BuildPages();
    // Builds again, then opens the preview when there is at least one page.
    void ShowPreview();

    bool HasTemplate() const { return loaded.has_value(); }
    const QString& TemplatePath() const { return templatePath; }
    // The prepared pages, or nullptr; PageCount() is 0 without them.
    std::shared_ptr<TrpPages> Pages() const { return pages; }
    int PageCount() const;
    QString PreviewCaption() const;

    // Where ShowPreview hands its pages; tests install their own. nullptr restores the standard one.
    using PreviewHook = std::function<void(TrpReport& report)>;
    static void SetPreviewHook(PreviewHook hook);
    // The standard preview: the windowed program installs its preview window here; without one
    // ShowPreview only builds the pages.
    static void SetStandardPreview(PreviewHook preview);

private:
    void ReportFault(QString path, const QString& fault); // by value: it clears what path may refer to
    void Build();
    QString Resolve(const QString& name);
    QString ExpandFixed(const QString& html);
    QString ExpandBand(const TrpTemplate::Item& band, bool* hadRows);
    TrpDBDataSet* FindDataSet(const QString& name) const;
    QStringList DataSetNames() const;

    TMessageBoxes& boxes;
    std::vector<TrpDBDataSet*> dataSets;
    std::optional<TrpTemplate> loaded;
    QString templatePath;
    std::shared_ptr<TrpPages> pages;
    QString printDate;
    QString printTime;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TrpReport::TrpPreviewButtons)
