#pragma once

#include "framework/reportrenderer.h"

class QPrinter;

// Prints a report as the print dialog was filled in: all pages, a range or the page on view,
// first or last page first, as many copies as asked, collated or not.
namespace ReportPrinter {

// What to paint for a printer set up by its dialog; `currentPage` (from 0) is the page the
// preview shows. A printer that makes copies itself (a print server does) gets each page once
// and is told the count and collation through the printer settings.
PrintSelection selectionFor(const QPrinter& printer, int currentPage);

bool print(const ReportDocument& document, QPrinter& printer, int currentPage,
           const ReportRenderer::PrintProgress& progress = {});

} // namespace ReportPrinter
