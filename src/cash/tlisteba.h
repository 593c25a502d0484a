#pragma once

#include "framework/bandedreport.h"

#include <QDate>
#include <QString>

class Query;

// The sum list of a cash book: one line per voucher type with the sums of its income and
// expenses, and the totals of all listed entries. Entries whose voucher type has no row in
// konto are not in its rows, so they are in no sum.
class Tlisteba {
public:
    Tlisteba();
    Tlisteba(const Tlisteba&) = delete;
    Tlisteba& operator=(const Tlisteba&) = delete;

    // Lays the list out over the open rows: the book's entries joined with their voucher
    // type, in the order of the code.
    ReportDocument layout(Query& rows, const QString& bookLabel, const QString& year,
                          const QDate& printDate = QDate::currentDate());

private:
    void DetailBand1AfterPrint(const Query& row);
    void GroupFooterBand1BeforePrint(ReportBandContext& context);
    void SummaryBand1BeforePrint(ReportBandContext& context);

    BandedReport m_report;
    QString m_bookLabel;
    QString m_year;
    double m_groupIncome = 0;
    double m_groupExpense = 0;
    double m_totalIncome = 0;
    double m_totalExpense = 0;
};
