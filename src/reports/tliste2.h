#pragma once

#include "reports/statementreport.h"

#include <QStringList>

// The annual statement without transfer form: the same figures as the statement with it, in
// one column, with the meter readings on the consumption rows, the custom items as ordinary
// rows and the association's bank details at the foot.
class TListe2 : public StatementReport {
public:
    TListe2(const QString& year, const StatementOptions& options);

private:
    void setLayoutCaptions(ReportBandContext& context, const StatementFigures& figures) override;
    void addReadings(const QString& medium, const QString& consumption, const QStringList& readings,
                     double y);
    void addFoot(double closingRuleY);
};
