#pragma once

#include "framework/reportdocument.h"

#include <QFont>
#include <QString>

class QPainter;
class QPagedPaintDevice;

// Paints report pages. The preview, the printer and PDF files all go through here, so what
// the treasurer sees is what is printed.
namespace ReportRenderer {

// The free face that stands in for a face a report names.
QString resolvedFamily(const QString& family);
QFont fontFor(const ReportFont& font);

// Paints one page on a device whose logical resolution is `dotsPerInch`, with the sheet's
// top-left corner at the painter's origin.
void paintPage(QPainter& painter, const ReportPage& page, double dotsPerInch);

// Prints every page on a printer or PDF writer, a page per sheet.
bool print(const ReportDocument& document, QPagedPaintDevice& device);

// Writes the document as a PDF file; returns an error text, empty on success.
QString writePdf(const ReportDocument& document, const QString& filePath);

} // namespace ReportRenderer
