#pragma once

#include "framework/bandedreport.h"

#include <QDate>
#include <QString>

class Query;

// What the cash report prints beside the journal's rows.
struct CashReportHeading {
    QString bookLabel;         // "Hauptkasse" or "Handkasse"
    QString association;       // param.Verein
    double openingBalance = 0; // the book's anfangswert
};

// The cash report: the journal with its running balance, the carry-over at the top of every
// page, the page's totals at its foot, and a new page for every month. Each layout starts
// from the opening balance, so every run and every print of it shows the same figures.
class TKassenbericht {
public:
    TKassenbericht();
    TKassenbericht(const TKassenbericht&) = delete;
    TKassenbericht& operator=(const TKassenbericht&) = delete;

    // Lays the report out over the open rows (the journal in report order, saldo written).
    ReportDocument layout(Query& rows, const CashReportHeading& heading,
                          const QDate& printDate = QDate::currentDate());

    static constexpr QSizeF paperSize{210, 287};

private:
    void addPageHeader(ReportBand& band);
    void addColumnHeader(ReportBand& band);
    void addDetail(ReportBand& band);
    void addPageFooter(ReportBand& band);

    void PageHeaderBand1BeforePrint(ReportBandContext& context);
    void PageHeaderBand1AfterPrint();
    void DetailBand1AfterPrint(const Query& row);
    void PageFooterBand1BeforePrint(ReportBandContext& context);

    BandedReport m_report;
    CashReportHeading m_heading;
    double m_incomeTotal = 0;  // carry-over plus the page's income
    double m_expenseTotal = 0; // the page's expenses
    double m_carryOver = 0;    // the balance after the last entry printed
};
