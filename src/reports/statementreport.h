#pragma once

#include "framework/bandedreport.h"
#include "reports/letterparts.h"
#include "reports/statementfigures.h"
#include "reports/statementoptions.h"

#include <QDate>
#include <QMarginsF>
#include <QString>

class Query;

// What both statement layouts share: an A4 page per plot with the association's header, the
// letter head with the tenant's address, the heading and column heads, the main table's rows
// and the invoice total. A layout adds what only it prints, and the captions for it.
class StatementReport {
public:
    virtual ~StatementReport() = default;
    StatementReport(const StatementReport&) = delete;
    StatementReport& operator=(const StatementReport&) = delete;

    // Lays the statements out over the rows, one page per plot.
    ReportDocument layout(Query& rows, const QDate& printDate = QDate::currentDate());

protected:
    // How a layout sets its page up.
    struct Page {
        QMarginsF margins;
        double headerHeight = 0;
        bool pagePerPlot = false; // a fresh page for each plot, else the bands fill the page
        double detailHeight = 0;
        double width = 0;     // of the bands
        double tableLeft = 0; // where the main table's texts start
        double indent = 0;    // of the advance and standing-charge rows
    };

    StatementReport(const QString& year, const StatementOptions& options, const Page& page);

    // The first row of the main table, the pitch of its rows, and where its figures end.
    static constexpr double tableTop = 58.0;
    static constexpr double rowPitch = 4.5;
    static constexpr double priceRight = 128.3;
    static constexpr double quantityRight = 144.7;
    static constexpr double amountRight = 168.3;

    ReportBand& detail() { return m_report.bands.last(); }
    // Where the detail band starts on the sheet: below the top margin and the page header.
    QPointF detailCorner() const {
        return {m_page.margins.left(), m_page.margins.top() + m_page.headerHeight};
    }

    // A main table row at `y`, its figures in the three number columns.
    void addTableRow(StatementFigures::TableRow tableRow, double y);
    // A name with a number: the labels of custom item rows are named for the item
    // ("itemLabel5", "itemUnitPrice5", "itemQuantity5", "itemAmount5"), and the report sets
    // their captions for every plot.
    static QString numbered(const char* name, int number);
    // The rule over the amount column at `ruleY`, "Rechnungsbetrag" with the stored total, a
    // double rule and a rule across the band. Returns the height of the closing rule.
    double addTotal(double ruleY);

    // The transfer a statement asks for: the invoice total, referenced "Abrechng. <year> Parz.
    // <Nr>" and the variable reference line; its form's fields and its GiroCode print it.
    LetterParts::TransferFormContent transfer() const;

    // Sets the captions of what only this layout prints for the plot.
    virtual void setLayoutCaptions(ReportBandContext& context, const StatementFigures& figures) = 0;

private:
    void addPageHeader(ReportBand& header);
    void addHeading();
    // Sets every computed and conditional caption of the detail band for the current plot.
    void DetailBand1BeforePrint(ReportBandContext& context);

    QString m_year;
    StatementOptions m_options;
    Page m_page;
    BandedReport m_report; // the page header, a group per plot and the detail band, last
};
