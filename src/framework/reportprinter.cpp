#include "framework/reportprinter.h"

#include <QPrinter>

namespace ReportPrinter {

PrintSelection selectionFor(const QPrinter& printer, int currentPage) {
    PrintSelection selection;
    switch (printer.printRange()) {
    case QPrinter::AllPages:
    case QPrinter::Selection: // reports offer no selection
        break;
    case QPrinter::PageRange:
        selection.pages = printer.pageRanges();
        break;
    case QPrinter::CurrentPage:
        selection.pages.addPage(currentPage + 1);
        break;
    }
    // The printer leaves the order to the program, whoever makes the copies.
    selection.lastPageFirst = printer.pageOrder() == QPrinter::LastPageFirst;
    if (!printer.supportsMultipleCopies()) {
        selection.copies = printer.copyCount();
        selection.collate = printer.collateCopies();
    }
    return selection;
}

bool print(const ReportDocument& document, QPrinter& printer, int currentPage,
           const ReportRenderer::PrintProgress& progress) {
    return ReportRenderer::print(document, printer, selectionFor(printer, currentPage), progress);
}

} // namespace ReportPrinter
