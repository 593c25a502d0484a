#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <functional>
#include <utility>

class DM1;
class Interaction;
class ProgressScope;
struct PlotSums;

// The plot register's switches for the coming year's advances.
struct BillingOptions {
    bool electricityAdvance = false;
    bool waterAdvance = false;
};

// What the statements need to know of the last run: whether a medium's loss share was added
// to every metered plot, so that its consumption is printed as own use plus share.
struct BillingFlags {
    bool electricityEqualShare = false;
    bool waterEqualShare = false;
};

// The annual billing run: consumption with the loss shares, prices and per-plot shares into
// the parameter row, advances and invoice totals into every plot, all by set-based
// statements; then the statements are shown and the raw consumption is put back. Either the
// whole computation is stored or none of it. The interaction shows the run's progress.
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
    // Called with DruckQuery open (one row per plot with the parameter and custom-item
    // columns, in the order of Nr) to show the statements; returns when the preview is closed.
    void setShowStatements(std::function<void(const BillingFlags&)> show) {
        m_showStatements = std::move(show);
    }

    Outcome run(const BillingOptions& options);
    // Set by the last run; a stopped run may have set the first medium's flag only.
    BillingFlags flags() const { return m_flags; }

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
    std::function<void(const BillingFlags&)> m_showStatements;
    ProgressScope* m_progress = nullptr; // while a run is under way

    BillingFlags m_flags;
    bool m_electricityByConsumption = false;
    bool m_waterByConsumption = false;
    QHash<QString, double> m_parameters; // the parameter row as the run found it; lower case
    QString m_error;
};
