#pragma once

#include "framework/reportdocument.h"

#include <QFont>
#include <QList>
#include <QPageRanges>
#include <QString>

#include <functional>

class QPainter;
class QPagedPaintDevice;

// What goes onto paper: which pages, in which order, how many copies, and whether each copy
// is complete before the next starts (collated) or each page's copies lie together.
struct PrintSelection {
    QPageRanges pages; // page numbers from 1; empty for every page
    bool lastPageFirst = false;
    int copies = 1;
    bool collate = true;
};

// Paints report pages. The preview, the printer and PDF files all go through here, so what
// the treasurer sees is what is printed.
namespace ReportRenderer {

// The free face that stands in for a face a report names.
QString resolvedFamily(const QString& family);
QFont fontFor(const ReportFont& font);

// Paints one page on a device whose logical resolution is `dotsPerInch`, with the sheet's
// top-left corner at the painter's origin.
void paintPage(QPainter& painter, const ReportPage& page, double dotsPerInch);

// The document's pages (indexes from 0) in the order they are painted for the selection.
QList<int> sheetOrder(int pageCount, const PrintSelection& selection);

// Told after each sheet how far the printing has come, from 0 to 100 per cent.
using PrintProgress = std::function<void(int percent)>;

// Prints the selected pages on a printer or PDF writer, a page per sheet; every page once
// when nothing is selected. False when the device cannot be painted on or no page of the
// document is selected.
bool print(const ReportDocument& document, QPagedPaintDevice& device,
           const PrintSelection& selection = {}, const PrintProgress& progress = {});

// Writes the document as a PDF file; returns an error text, empty on success.
QString writePdf(const ReportDocument& document, const QString& filePath,
                 const PrintProgress& progress = {});

} // namespace ReportRenderer
