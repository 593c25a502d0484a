#pragma once

#include "framework/reportdocument.h"

#include <QDialog>

class Interaction;
class QComboBox;
class QLabel;
class QPrinter;
class QScrollArea;
class QToolButton;

// The print preview: every page of a report, paged and zoomed, printed on a chosen printer
// or saved as a PDF file.
class ReportPreview : public QDialog {
    Q_OBJECT

public:
    ReportPreview(const ReportDocument& document, Interaction& interaction,
                  QWidget* parent = nullptr);

    int currentPage() const { return m_page; }
    void showPage(int page);
    void setZoom(double zoom);
    // Asks for the printer, the pages and the copies, then prints.
    void printPages();
    // Prints on a printer already set up: its range ("Aktuelle Seite" is the page on view),
    // copies and collation.
    void print(QPrinter& printer);
    void saveAsPdf();
    // One PDF file per plot (or whatever the report's parts are), into a chosen folder.
    void savePartsAsPdf();

private:
    void render();

    ReportDocument m_document;
    Interaction& m_interaction;
    int m_page = 0;
    double m_zoom = 1.0;
    QScrollArea* m_scroll = nullptr;
    QLabel* m_sheet = nullptr;
    QLabel* m_pageLabel = nullptr;
    QComboBox* m_zoomBox = nullptr;
    QList<QToolButton*> m_navigation;
};
