#pragma once

#include "framework/bandedreport.h"
#include "reports/statementitems.h"

#include <QDate>
#include <QString>

class Query;

// The annual statement with the fields of the bank's pre-printed transfer form: one A4 page
// per plot with the charges in a main table, the consumption split and the custom items in a
// narrow left column, and the transfer form filled in on the lower third of the sheet.
class TListe1 {
public:
    TListe1();
    TListe1(const TListe1&) = delete;
    TListe1& operator=(const TListe1&) = delete;

    BandedReport& report() { return m_report; }

    // Lays the statements out over the open print query, one page per plot. The year is the
    // main cash book's; the flags tell whether the run shared a medium's losses equally.
    ReportDocument preview(Query& rows, const QString& year, bool electricityEqualShare,
                           bool waterEqualShare, const QDate& printDate = QDate::currentDate());

    // Sets every computed and conditional caption of the detail band for the current plot.
    void DetailBand1BeforePrint(ReportBandContext& context);

    // The page set-up both layouts share: A4 with the given margins, the page header, a
    // group per plot (on a fresh page when asked) and the detail band, which it returns.
    static ReportBand& addStatementBands(BandedReport& report, const QMarginsF& margins,
                                         double headerHeight, bool pagePerPlot,
                                         double detailHeight);
    // The pieces the second layout prints the same way, measured from the band's left edge.
    static void addPageHeader(ReportBand& header);
    static void addLetterHead(ReportBand& detail, double width);
    static void setLetterHeadCaptions(ReportBandContext& context, const Query& row,
                                      const QString& year);
    // A main table row with its text starting at `left` and the figures in the three number
    // columns; an indented row starts `indent` further right.
    static void addTableRow(ReportBand& detail, StatementItems::TableRow tableRow, double left,
                            double y, double indent);
    static void setTableRowCaptions(ReportBandContext& context, const Query& row,
                                    StatementItems::TableRow tableRow);
    // Two thin rules close together under a total.
    static void addDoubleRule(ReportBand& detail, double left, double right, double y);

    static constexpr double tableTop = 58.0; // first row of the main table
    static constexpr double rowPitch = 4.5;  // rows of the main and side tables
    static constexpr double priceRight = 128.3;
    static constexpr double quantityRight = 144.7;
    static constexpr double amountRight = 168.3;

private:
    void addDetail(ReportBand& detail);
    void addLeftColumn(ReportBand& detail);
    void addTransferForm(ReportBand& detail);

    BandedReport m_report;
    QString m_year;
    bool m_electricityEqualShare = false;
    bool m_waterEqualShare = false;
};
