#include "plots/billingrun.h"

#include "plots/losssharing.h"
#include "plots/plotsums.h"

#include "data/billamounts.h"
#include "data/dm1.h"
#include "data/engineerror.h"
#include "data/interaction.h"
#include "data/rounding.h"
#include "data/transaction.h"

#include <QScopedValueRollback>

namespace {

// What differs between electricity and water; everything else the run does alike.
struct MediumTerms {
    QString marker;      // connection marker column of the plot
    QString consumption; // consumption column of the plot
    QString readings;    // raw consumption from both meters
    QString mainMeter;   // the association's main-meter consumption
    QString bill;        // the association's bill for the medium
    QString lossShare;   // loss share per metered plot
    QString price;       // price per unit charged to the plots
    int priceDecimals = 0;
    QString noMethod;
    QString noBill;
    QString noMainMeter;

    QString meteredLine() const { return QStringLiteral("where parzelle.%1 = 'X'").arg(marker); }
};

const MediumTerms& electricityTerms() {
    static const MediumTerms terms{
        QStringLiteral("text1"),
        QStringLiteral("strom"),
        QStringLiteral("parzelle.szn-parzelle.sza+parzelle.nszn-parzelle.nsza"),
        QStringLiteral("z6"),
        QStringLiteral("strech"),
        QStringLiteral("z8"),
        QStringLiteral("Preis_kwh"),
        4,
        QStringLiteral("S T O P ! Sie müssen erst ein Umlageverfahren für die Energieverluste "
                       "im Formular 'Allg. Eingaben' auswählen!"),
        QStringLiteral("S T O P ! Das Feld 'Energie Verein' im Formular 'allg. Eingaben' muss "
                       "noch ausgefüllt werden!"),
        QStringLiteral("S T O P ! Das Feld 'Verbrauch Hauptzähler[kwh]' im Formular 'allg. "
                       "Eingaben' muss noch ausgefüllt werden!"),
    };
    return terms;
}

const MediumTerms& waterTerms() {
    static const MediumTerms terms{
        QStringLiteral("text2"),
        QStringLiteral("wasser"),
        QStringLiteral("parzelle.wzn-parzelle.wza+parzelle.nwzn-parzelle.nwza"),
        QStringLiteral("z7"),
        QStringLiteral("warech"),
        QStringLiteral("z9"),
        QStringLiteral("Preis_qm"),
        2,
        QStringLiteral("S T O P ! Sie müssen erst ein Umlageverfahren für die Wasserverluste "
                       "im Formular 'Allg. Eingaben' auswählen!"),
        QStringLiteral("S T O P ! Das Feld 'Wasser Verein' im Formular 'allg. Eingaben' muss "
                       "noch ausgefüllt werden!"),
        QStringLiteral("S T O P ! Das Feld 'Verbrauch Hauptzähler[m³]' im Formular 'allg. "
                       "Eingaben' muss noch ausgefüllt werden!"),
    };
    return terms;
}

// Every statement joins the single rows of param (and nfelder) as constants: without such a
// row the join is empty and the statement changes nothing.
QStringList rawConsumptionStatement(const MediumTerms& terms) {
    return {QStringLiteral("update parzelle set %1 = %2 from param")
                .arg(terms.consumption, terms.readings),
            terms.meteredLine()};
}

} // namespace

BillingRun::BillingRun(DM1& dm, Interaction& interaction)
    : m_dm(dm)
    , m_interaction(interaction) {}

BillingRun::Outcome BillingRun::run(const BillingOptions& options) {
    ProgressScope progress(m_interaction, QStringLiteral("Jahresabrechnung"),
                           QStringLiteral("Die Jahresabrechnung wird berechnet …"));
    const QScopedValueRollback<ProgressScope*> showingProgress(m_progress, &progress);
    m_statementOptions = {};
    m_statementOptions.layout = options.statementLayout;
    m_electricityByConsumption = false;
    m_waterByConsumption = false;
    m_error.clear();

    // What is typed but not yet stored is part of the run's input. When a rule refuses to
    // store it, the rule has told the user why.
    Table& plots = m_dm.parzelle();
    Table& parameters = m_dm.param();
    parameters.open();
    if (!parameters.checkBrowseMode())
        return fail(parameters.lastError());
    if (!plots.checkBrowseMode())
        return Outcome::Stopped;
    const QString currentPlot =
        plots.isOpen() && !plots.isEmpty() ? plots.text(QStringLiteral("Nr")) : QString();
    reportProgress(0);

    QString stopMessage;
    {
        // A half run must never be stored: the totals would no longer match the prices.
        Transaction transaction(m_dm.parzelleADOConnection());
        if (!transaction.isActive())
            return fail(transaction.error());
        if (!compute(options, stopMessage)) {
            transaction.rollback();
            return fail(m_error);
        }
        // On a stop only the raw consumption has been written, which is what the plots hold
        // anyway.
        if (!transaction.commit())
            return fail(transaction.error());
    }
    if (!stopMessage.isEmpty()) {
        m_interaction.inform(stopMessage);
        if (m_showParameters)
            m_showParameters();
        return Outcome::Stopped;
    }

    parameters.reopen();
    plots.reopen();
    reportProgress(100);
    showStatements();

    const bool restored = restoreRawConsumption();
    plots.reopen();
    if (!currentPlot.isEmpty())
        plots.locate(QStringLiteral("Nr"), currentPlot);
    if (!restored) {
        m_interaction.reportError(
            QStringLiteral("Die Jahresabrechnung ist gespeichert, aber Strom und Wasser der "
                           "Parzellen enthalten noch den Verlustanteil: Der Verbrauch laut "
                           "Zähler konnte nicht zurückgeschrieben werden. Bitte starten Sie die "
                           "Jahresabrechnung erneut.\n\n%1")
                .arg(EngineError::describe(m_error)));
        return Outcome::Failed;
    }
    return m_error.isEmpty() ? Outcome::Completed : Outcome::Failed;
}

bool BillingRun::compute(const BillingOptions& options, QString& stopMessage) {
    const MediumTerms& electricity = electricityTerms();
    const MediumTerms& water = waterTerms();

    // Metered plots get their raw consumption, unconnected ones none; a plot marked neither
    // way keeps what it has.
    if (!execute(rawConsumptionStatement(water)) || !execute(rawConsumptionStatement(electricity)))
        return false;
    for (const MediumTerms* terms : {&electricity, &water}) {
        if (!execute(
                {QStringLiteral("update parzelle set %1 = 0 from param").arg(terms->consumption),
                 QStringLiteral("where parzelle.%1 = ' '").arg(terms->marker)}))
            return false;
    }
    reportProgress(10);

    if (!readParameters() || !checkMedium(Medium::Electricity, stopMessage))
        return false;
    if (!stopMessage.isEmpty())
        return true;
    if (!checkMedium(Medium::Water, stopMessage))
        return false;
    if (!stopMessage.isEmpty())
        return true;
    reportProgress(20);

    if (m_electricityByConsumption && !shareByConsumption(Medium::Electricity))
        return false;
    reportProgress(30);
    if (m_waterByConsumption && !shareByConsumption(Medium::Water))
        return false;
    reportProgress(40);
    if (m_statementOptions.electricityEqualShare && !shareEqually(Medium::Electricity))
        return false;
    reportProgress(50);
    if (m_statementOptions.waterEqualShare && !shareEqually(Medium::Water))
        return false;
    reportProgress(60);
    if (!shareFixedCosts())
        return false;
    reportProgress(70);
    if (!computeAdvances(options))
        return false;
    reportProgress(80);
    if (!computeTotals())
        return false;
    reportProgress(95);
    return true;
}

bool BillingRun::checkMedium(Medium medium, QString& stopMessage) {
    const MediumTerms& terms = medium == Medium::Electricity ? electricityTerms() : waterTerms();
    PlotSums metered;
    if (!count(terms.meteredLine(), metered))
        return false;
    // Without a metered plot the medium is not billed, and its inputs do not matter.
    if (metered.count <= 0)
        return true;

    const LossSharing method = medium == Medium::Electricity
                                   ? LossSharingChoice::electricity(m_dm.param())
                                   : LossSharingChoice::water(m_dm.param());
    bool& byConsumption =
        medium == Medium::Electricity ? m_electricityByConsumption : m_waterByConsumption;
    bool& equalShare = medium == Medium::Electricity ? m_statementOptions.electricityEqualShare
                                                     : m_statementOptions.waterEqualShare;
    switch (method) {
    case LossSharing::NotChosen:
        stopMessage = terms.noMethod;
        break;
    case LossSharing::ByConsumption:
        if (parameter(terms.bill) > 0)
            byConsumption = true;
        else
            stopMessage = terms.noBill;
        break;
    case LossSharing::Equal:
        if (parameter(terms.mainMeter) > 0)
            equalShare = true;
        else
            stopMessage = terms.noMainMeter;
        break;
    }
    return true;
}

bool BillingRun::shareByConsumption(Medium medium) {
    // The consumption stays as metered; the price rises until it pays the association's bill.
    const MediumTerms& terms = medium == Medium::Electricity ? electricityTerms() : waterTerms();
    PlotSums used;
    if (!count(QStringLiteral("where parzelle.%1 > 0").arg(terms.consumption), used))
        return false;
    const double sum = medium == Medium::Electricity ? used.electricity : used.water;
    const double price =
        sum > 0 ? Rounding::roundHalfEven(parameter(terms.bill) / sum, terms.priceDecimals) : 0.0;
    return execute(
        {QStringLiteral("update param set %1 = ?, %2 = 0").arg(terms.price, terms.lossShare)},
        {price});
}

bool BillingRun::shareEqually(Medium medium) {
    // Every metered plot gets the same part of what the main meter measured beyond the plots'
    // meters (negative when they measured more), and pays the association's average price.
    const MediumTerms& terms = medium == Medium::Electricity ? electricityTerms() : waterTerms();
    PlotSums metered;
    if (!count(terms.meteredLine(), metered))
        return false;
    const double rawSum = medium == Medium::Electricity ? metered.electricity : metered.water;
    const double mainMeter = parameter(terms.mainMeter);
    const double lossShare =
        metered.count < 1 ? 0.0 : Rounding::roundHalfEven((mainMeter - rawSum) / metered.count, 1);
    const double price = mainMeter > 0 ? Rounding::roundHalfEven(parameter(terms.bill) / mainMeter,
                                                                 terms.priceDecimals)
                                       : 0.0;
    if (!execute(
            {QStringLiteral("update param set %1 = ?, %2 = ?").arg(terms.lossShare, terms.price)},
            {lossShare, price}))
        return false;
    return execute({QStringLiteral("update parzelle set %1 = %2+param.%3 from param")
                        .arg(terms.consumption, terms.readings, terms.lossShare),
                    terms.meteredLine()});
}

bool BillingRun::shareFixedCosts() {
    PlotSums electricity;
    PlotSums water;
    PlotSums all;
    if (!count(electricityTerms().meteredLine(), electricity) ||
        !count(waterTerms().meteredLine(), water) || !count(QString(), all))
        return false;

    const auto share = [this](const char* cost, int plots) {
        return plots < 1 ? 0.0
                         : Rounding::roundHalfEven(parameter(QString::fromLatin1(cost)) / plots, 2);
    };
    QStringList assignments{QStringLiteral("Wartungsgebuehr = ?"),
                            QStringLiteral("Grundgebuehr_W = ?")};
    QVariantList values{share("grundg_verein", electricity.count),
                        share("Grundgebuehr_W_Verein", water.count)};
    // With no plot at all the shares of the common costs keep their values.
    if (all.count > 0) {
        assignments << QStringLiteral("Strassenreinigung = ?")
                    << QStringLiteral("Vereinsunfallversicherung = ?")
                    << QStringLiteral("Vereinshaftpflicht = ?");
        values << share("strreiv", all.count) << share("unfallv", all.count)
               << share("haftpflv", all.count);
    }
    return execute({QStringLiteral("update param set ") + assignments.join(QStringLiteral(", "))},
                   values);
}

bool BillingRun::computeAdvances(const BillingOptions& options) {
    // An advance is a whole amount: the year's charge for the medium times the percentage.
    const QString electricity =
        options.electricityAdvance
            ? QStringLiteral("round(parzelle.strom * param.preis_kwh * param.z21 / 100)")
            : QStringLiteral("0");
    const QString water =
        options.waterAdvance
            ? QStringLiteral("round(parzelle.wasser * param.preis_qm * param.z22 / 100)")
            : QStringLiteral("0");
    return execute({QStringLiteral("update parzelle set abschlag_strom = %1 from param")
                        .arg(electricity)}) &&
           execute(
               {QStringLiteral("update parzelle set abschlag_wasser = %1 from param").arg(water)});
}

bool BillingRun::computeTotals() {
    // Every plot's total is the sum of its bill's amounts, each rounded to cents once, so that
    // the statements print, and the transfer books, what the total holds. The parameter and
    // custom-item rows are joined as constants: without them no total is computed.
    Query& rows = m_dm.parzupdateQuery();
    rows.setSql(
        {QStringLiteral("select parzelle.rowid as plot_row, * from parzelle,param,nfelder")});
    if (!rows.open()) {
        m_error = rows.lastError();
        return false;
    }
    QList<QVariantList> totals;
    totals.reserve(rows.rowCount());
    for (rows.first(); !rows.atEnd(); rows.next()) {
        BillInputs inputs = BillInputs::fromRow(rows, BillInputs::LossShare::Included);
        // The new total holds no dunning fee; the register may add it again.
        inputs.dunningFeeIncluded = false;
        const BillAmounts bill(inputs);
        if (!bill.isValid()) {
            m_error = QStringLiteral("Ein Betrag der Parzelle %1 ist keine gültige Zahl oder "
                                     "zu groß. Bitte prüfen Sie die Eingaben dieser Parzelle und "
                                     "die allgemeinen Eingaben.")
                          .arg(rows.text(QStringLiteral("Nr")));
            rows.close();
            return false;
        }
        totals << QVariantList{bill.total(), rows.value(QStringLiteral("plot_row"))};
    }
    rows.close();
    rows.setSql({QStringLiteral("update parzelle set gesamt = ?, %1 = false where rowid = ?")
                     .arg(QString::fromLatin1(BillAmounts::dunningFeeIncludedColumn))});
    const bool stored = rows.runForEach(totals);
    if (!stored)
        m_error = rows.lastError();
    rows.close();
    return stored;
}

bool BillingRun::restoreRawConsumption() {
    // The stored consumption is the metered one except while the statements are shown.
    Transaction transaction(m_dm.parzelleADOConnection());
    if (!transaction.isActive()) {
        m_error = transaction.error();
        return false;
    }
    if (!execute(rawConsumptionStatement(waterTerms())) ||
        !execute(rawConsumptionStatement(electricityTerms())))
        return false;
    if (!transaction.commit()) {
        m_error = transaction.error();
        return false;
    }
    return true;
}

void BillingRun::showStatements() {
    const QString year = m_dm.mainBookYear();
    Query& print = m_dm.DruckQuery();
    print.setSql(
        {QStringLiteral("select * from parzelle,param,nfelder"), QStringLiteral("order by nr")});
    if (!print.open()) {
        m_error = print.lastError();
        m_interaction.reportError(
            QStringLiteral("Die Jahresabrechnung ist gespeichert, aber die Abrechnungen können "
                           "nicht angezeigt werden.\n\n%1")
                .arg(EngineError::describe(m_error)));
        return;
    }
    if (m_showStatements)
        m_showStatements(print, year, m_statementOptions);
    print.close();
}

bool BillingRun::readParameters() {
    Query& query = m_dm.parzupdateQuery();
    query.setSql({QStringLiteral("select * from param")});
    if (!query.open()) {
        m_error = query.lastError();
        return false;
    }
    m_parameters.clear();
    // No parameter row reads as all zero; the statements then change nothing either.
    if (!query.isEmpty()) {
        query.first();
        for (const QString& field : query.fieldNames())
            m_parameters.insert(field.toLower(), query.number(field));
    }
    query.close();
    return true;
}

bool BillingRun::count(const QString& whereLine, PlotSums& sums) {
    m_error = PlotSums::read(m_dm, whereLine, sums);
    return m_error.isEmpty();
}

bool BillingRun::execute(const QStringList& lines, const QVariantList& values) {
    Query& query = m_dm.parzupdateQuery();
    query.setSql(lines);
    query.setBindValues(values);
    const bool ok = query.open();
    if (!ok)
        m_error = query.lastError();
    query.close();
    return ok;
}

double BillingRun::parameter(const QString& column) const {
    return m_parameters.value(column.toLower(), 0.0);
}

BillingRun::Outcome BillingRun::fail(const QString& text) {
    m_interaction.reportError(
        QStringLiteral("Die Jahresabrechnung konnte nicht durchgeführt werden. Es wurde nichts "
                       "verändert.\n\n%1")
            .arg(EngineError::describe(text)));
    return Outcome::Failed;
}

void BillingRun::reportProgress(int percent) {
    if (m_progress)
        m_progress->setPercent(percent);
}
