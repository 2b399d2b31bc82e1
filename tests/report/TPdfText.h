#pragma once

#include <QString>

// Reads a PDF back with poppler's tools, as a reader of the printed page would.
namespace TPdfText {
// The text of pages first..last (1-based; 0 for last means to the end), laid out as on the page.
QString text(const QString& path, int first = 1, int last = 0);
int pageCount(const QString& path);
// Page size in points as pdfinfo reports it, e.g. "595.276 x 841.89".
QString pageSize(const QString& path);
} // namespace TPdfText
