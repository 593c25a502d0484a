#pragma once

#include "framework/bandedreport.h"

#include <QDate>
#include <QString>

class Query;

// The plot sums: every plot number with its invoice total, in the text order of the numbers.
class TParzellensummen {
public:
    TParzellensummen();
    TParzellensummen(const TParzellensummen&) = delete;
    TParzellensummen& operator=(const TParzellensummen&) = delete;

    // Lays the list out over the open rows, one per plot.
    ReportDocument layout(Query& rows, const QString& association, const QString& year,
                          const QDate& printDate = QDate::currentDate());

private:
    BandedReport m_report;
    QString m_association;
    QString m_year;
};
