#pragma once

#include "framework/bandedreport.h"

#include <QDate>
#include <QString>

class Query;

// The annual statement without transfer form: the same figures as the statement with it, in
// one column, with the meter readings on the consumption rows, the custom items as ordinary
// rows and the association's bank details at the foot.
class TListe2 {
public:
    TListe2();
    TListe2(const TListe2&) = delete;
    TListe2& operator=(const TListe2&) = delete;

    BandedReport& report() { return m_report; }

    // Lays the statements out over the open print query, one page per plot.
    ReportDocument preview(Query& rows, const QString& year, bool electricityEqualShare,
                           bool waterEqualShare, const QDate& printDate = QDate::currentDate());

    // Sets every computed and conditional caption of the detail band for the current plot.
    void DetailBand1BeforePrint(ReportBandContext& context);

private:
    void addDetail(ReportBand& detail);
    static void addReadings(ReportBand& detail, const QString& medium, const QString& consumption,
                            const QStringList& readings, double y);

    BandedReport m_report;
    QString m_year;
    bool m_electricityEqualShare = false;
    bool m_waterEqualShare = false;
};
