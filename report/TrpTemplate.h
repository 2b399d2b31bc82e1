#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <vector>

// A parsed report template: rich text for the page header, the body and the page footer, the body
// holding data bands that repeat for every row of their source. The format is described in the
// README ("Report templates").
class TrpTemplate {
    Q_DECLARE_TR_FUNCTIONS(TrpTemplate)

public:
    struct Item {
        bool isBand = false;
        QString html;      // fixed text, or a band's text for one row
        QString source;    // bands: the data-band source's name as written
        QString emptyHtml; // bands: shown instead when the source has no row
    };

    QString headerHtml;
    QString footerHtml;
    std::vector<Item> body;
    double marginMm = 15;

    // Throws ERpTemplateError naming the line and the fault. Band sources must be among sources
    // (compared without regard to letter case).
    static TrpTemplate Parse(const QString& text, const QStringList& sources);
    // Reading faults (not a file, unreadable, too large, not UTF-8 text) throw ERpTemplateError too.
    static TrpTemplate Load(const QString& path, const QStringList& sources);

    static constexpr qint64 MaxFileSize = 1024 * 1024;
};
