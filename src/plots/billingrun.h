#pragma once

#include "reports/statementoptions.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <functional>
#include <utility>

class DM1;
class Interaction;
class ProgressScope;
class Query;
struct PlotSums;

// What the plot register asks of one run: the coming year's advances, and the statement
// layout it shows at the end.
struct BillingOptions {
    bool electricityAdvance = false;
    bool waterAdvance = false;
    StatementLayout statementLayout = StatementLayout::WithTransferForm;
};

// The annual billing run: consumption with the loss shares, prices and per-plot shares into
// the parameter row and advances into every plot by set-based statements, and every plot's
// invoice total from its bill's amounts; then the statements are shown and the raw
// consumption is put back. Either the whole computation is stored or none of it. The
// interaction shows the run's progress.
class BillingRun {
public:
    enum class Outcome {
        Completed, // computed, stored and shown
        Stopped,   // a required input is missing, or the current plot could not be stored
        Failed,    // the engine refused a statement; the error has been reported
    };

    BillingRun(DM1& dm, Interaction& interaction);

    // Called after a stop message: the caller shows the general parameters window.
    void setShowParameters(std::function<void()> show) { m_showParameters = std::move(show); }
    // Called to show the statements: with the rows (one per plot with the parameter and
    // custom-item columns, in the order of Nr; consumption with the loss shares), the main
    // cash book's year and how to print them. Returns when the preview is closed.
    using ShowStatements =
        std::function<void(Query& rows, const QString& year, const StatementOptions& options)>;
    void setShowStatements(ShowStatements show) { m_showStatements = std::move(show); }

    Outcome run(const BillingOptions& options);
    // What the last run handed to the statements; a stopped run may have set the first
    // medium's equal-share flag only.
    StatementOptions statementOptions() const { return m_statementOptions; }

private:
    enum class Medium { Electricity, Water };

    bool compute(const BillingOptions& options, QString& stopMessage);
    bool checkMedium(Medium medium, QString& stopMessage);
    bool shareByConsumption(Medium medium);
    bool shareEqually(Medium medium);
    bool shareFixedCosts();
    bool computeAdvances(const BillingOptions& options);
    bool computeTotals();
    bool restoreRawConsumption();
    void showStatements();

    bool readParameters();
    bool count(const QString& whereLine, PlotSums& sums);
    bool execute(const QStringList& lines, const QVariantList& values = {});
    double parameter(const QString& column) const;
    Outcome fail(const QString& text);
    void reportProgress(int percent);

    DM1& m_dm;
    Interaction& m_interaction;
    std::function<void()> m_showParameters;
    ShowStatements m_showStatements;
    ProgressScope* m_progress = nullptr; // while a run is under way

    StatementOptions m_statementOptions;
    bool m_electricityByConsumption = false;
    bool m_waterByConsumption = false;
    QHash<QString, double> m_parameters; // the parameter row as the run found it; lower case
    QString m_error;
};
