#pragma once

#include "reports/statementreport.h"

// The annual statement with the fields of the bank's pre-printed transfer form: one A4 page
// per plot with the charges in a main table, the consumption split and the custom items in a
// narrow left column, and the transfer form filled in on the lower third of the sheet.
class TListe1 : public StatementReport {
public:
    TListe1(const QString& year, const StatementOptions& options);

private:
    void setLayoutCaptions(ReportBandContext& context, const StatementFigures& figures) override;
    void addLeftColumn(double totalRuleY);
};
