#pragma once

#include "framework/bandedreport.h"
#include "reports/dunninglevel.h"

#include <QDate>
#include <QString>

class Query;

// The dunning letters: one A4 page per unpaid plot, addressed to the tenant, with the level
// as heading, the bill that fell due, the dunning fee and what is owed now, and the fields of
// the bank's pre-printed transfer form filled in with that amount.
class TMahnung {
public:
    // Letters of the level about the bills of the main cash book's year.
    TMahnung(const QString& year, DunningLevel level);
    TMahnung(const TMahnung&) = delete;
    TMahnung& operator=(const TMahnung&) = delete;

    // Lays the letters out over the rows (one per plot, the plot joined with the parameter
    // row and the custom items, as "select * from parzelle,param,nfelder" gives them), in the
    // order the rows come. No rows give one page with only the page header.
    ReportDocument layout(Query& rows, const QDate& printDate = QDate::currentDate());

    // Where the letter's band and its sum block stand, in millimetres: the band's top-left
    // corner on the sheet, and the sum block's lines from the band's top.
    static constexpr double bandLeft = 30.0;
    static constexpr double bandTop = 10.0 + 14.6; // the top margin and the page header
    static constexpr double billY = 92.0;
    static constexpr double feeY = 97.0;
    static constexpr double totalY = 103.0;

private:
    void addPageHeader(ReportBand& header);
    void addSumBlock(ReportBand& detail);
    // Sets the heading, the salutation, the due date and the amounts for the current plot.
    void DetailBand1BeforePrint(ReportBandContext& context);

    QString m_year;
    DunningLevel m_level;
    BandedReport m_report;
};
