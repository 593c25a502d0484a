#pragma once

#include "framework/bandedreport.h"

#include <QDate>
#include <QString>

class Query;

// The address list: one line per plot with number, tenant, address and telephone, under a
// header with the association's name, the page number and the date of printing.
class TAdressen {
public:
    TAdressen();
    TAdressen(const TAdressen&) = delete;
    TAdressen& operator=(const TAdressen&) = delete;

    // Lays the list out over the open query's plots, in the order the query gives them.
    ReportDocument preview(Query& rows, const QString& association,
                           const QDate& printDate = QDate::currentDate());

private:
    BandedReport m_report;
    QString m_association;
};
