#include "data/plotrules.h"

#include "data/dm1.h"
#include "data/engineerror.h"
#include "data/table.h"

#include "data/interaction.h"

namespace {

bool isOneOf(const QString& column, std::initializer_list<const char*> names) {
    for (const char* name : names) {
        if (column.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

} // namespace

PlotRules::PlotRules(DM1& dm)
    : m_dm(dm) {}

void PlotRules::newRecord(Table& plots) {
    plots.setValue(QStringLiteral("uebernommen"), false);
    plots.setValue(QStringLiteral("stromcheck"), false);
}

void PlotRules::valueChanged(Table& plots, const QString& column) {
    if (isOneOf(column, {"Nr"})) {
        // "10 " prints as "10": blanks around a plot number would make two plots look alike.
        const QString number = plots.text(column);
        if (number != number.trimmed())
            plots.setValue(column, number.trimmed());
    } else if (isOneOf(column, {"sza", "szn", "nsza", "nszn"}))
        plots.setValue(QStringLiteral("Strom"), electricityConsumption(plots));
    else if (isOneOf(column, {"wza", "wzn", "nwza", "nwzn"}))
        plots.setValue(QStringLiteral("Wasser"), waterConsumption(plots));
}

bool PlotRules::beforePost(Table& plots) {
    const QString number = plots.text(QStringLiteral("Nr"));
    if (number.trimmed().isEmpty()) {
        m_dm.interaction().inform(QStringLiteral("Bitte geben Sie eine Parzellennummer ein "
                                                 "(„Parz.Nr.“). Ohne Nummer kann die Parzelle "
                                                 "nicht gespeichert werden."));
        return false;
    }
    const int others = m_dm.parzelleADOConnection()
                           .scalar(QStringLiteral("SELECT count(*) FROM parzelle "
                                                  "WHERE trim(Nr) = ? AND rowid <> ?"),
                                   {number, plots.currentRowId()})
                           .toInt();
    if (others > 0) {
        m_dm.interaction().inform(QStringLiteral("Die Parzellennummer „%1“ ist bereits "
                                                 "vergeben. Bitte wählen Sie eine andere Nummer.")
                                      .arg(number));
        return false;
    }
    return true;
}

void PlotRules::postFailed(Table& plots, const QString& engineError) {
    m_dm.interaction().reportError(
        QStringLiteral("Die Änderungen an der Parzelle konnten nicht gespeichert werden:\n%1")
            .arg(EngineError::describe(engineError)));
    plots.cancel();
    plots.reopen();
}

double PlotRules::electricityConsumption(const Table& plots) {
    return plots.number(QStringLiteral("szn")) - plots.number(QStringLiteral("sza")) +
           plots.number(QStringLiteral("nszn")) - plots.number(QStringLiteral("nsza"));
}

double PlotRules::waterConsumption(const Table& plots) {
    return plots.number(QStringLiteral("wzn")) - plots.number(QStringLiteral("wza")) +
           plots.number(QStringLiteral("nwzn")) - plots.number(QStringLiteral("nwza"));
}

bool PlotRules::hasReplacedElectricityMeter(const Table& plots) {
    return plots.number(QStringLiteral("nszn")) > 0;
}

bool PlotRules::hasReplacedWaterMeter(const Table& plots) {
    return plots.number(QStringLiteral("nwzn")) > 0;
}

bool PlotRules::hasRemarks(const Table& plots) {
    return !plots.text(QStringLiteral("memo")).isEmpty();
}
