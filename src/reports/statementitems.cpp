#include "reports/statementitems.h"

#include "data/customitems.h"
#include "data/query.h"
#include "data/rounding.h"
#include "framework/numberformat.h"

namespace {

const QString money = QStringLiteral("%8.2f");
const QString consumption = QStringLiteral("%8.1f");

bool isEmpty(const Query& row, const QString& column) {
    const QVariant value = row.value(column);
    return value.isNull() || value.toString().isEmpty();
}

QString column(const Query& row, const QString& name, const QString& pattern) {
    return StatementItems::printedColumn(row, name, pattern);
}

// A column printed only when it is positive.
QString positive(const Query& row, const QString& name) {
    return row.number(name) > 0 ? column(row, name, QStringLiteral("0.00")) : QString();
}

QString when(bool condition, const QString& text) {
    return condition ? text : QString();
}

const CustomItem& itemOf(int item) {
    return CustomItems::all().at(item - 1);
}

bool isAreaLinked(const Query& row, int item) {
    const QString& link = itemOf(item).areaLinkColumn;
    return !link.isEmpty() && row.flag(link);
}

QStringList breakdown(bool shown, const QString& intro, double own, double share,
                      const QString& unit, const QString& losses) {
    if (!shown)
        return {QString(), QString(), QString()};
    return {intro,
            NumberFormat::format(own, consumption) + u' ' + unit +
                QStringLiteral(" Eigenverbrauch"),
            u'+' + NumberFormat::format(share, consumption) + u' ' + unit + u' ' + losses};
}

QString breakdownLine(bool shown, double own, double share, const QString& unit,
                      const QString& losses) {
    if (!shown)
        return {};
    return NumberFormat::format(own, consumption) + u' ' + unit +
           QStringLiteral(" Eigenverbrauch + ") + NumberFormat::format(share, consumption) + u' ' +
           unit + u' ' + losses;
}

} // namespace

namespace StatementItems {

using Row = TableRow;

double leaseAmount(const Query& row) {
    return row.number(QStringLiteral("Pachtzins")) * row.number(QStringLiteral("Flaeche"));
}

std::optional<double> commonAreaAmount(const Query& row) {
    const double share = row.number(QStringLiteral("Neuvermessung"));
    if (share <= 0)
        return std::nullopt;
    return Rounding::roundHalfEven(row.number(QStringLiteral("Pachtzins")) * share, 2);
}

double customItemAmount(const Query& row, int item) {
    const CustomItem& definition = itemOf(item);
    // The plot's Reserve1 and the parameter row's reserve5 come before the labels of the same
    // names, which the join suffixes.
    double amount = row.number(definition.amountColumn);
    if (isAreaLinked(row, item))
        amount = Rounding::roundHalfEven(amount * row.number(QStringLiteral("Flaeche")), 4);
    return row.flag(definition.flagColumn) ? amount : -amount;
}

double customItemsSum(const Query& row) {
    double sum = 0;
    for (int item = 1; item <= 12; ++item)
        sum += customItemAmount(row, item);
    return sum;
}

const QList<int>& listedItemOrder() {
    static const QList<int> order{5, 6, 3, 4, 1, 2, 9, 10, 7, 8, 11, 12};
    return order;
}

QString customItemLabel(const Query& row, int item) {
    return when(customItemAmount(row, item) != 0,
                row.text(itemOf(item).labelColumn + QStringLiteral("_1")));
}

QString customItemUnitPrice(const Query& row, int item) {
    const bool shown = isAreaLinked(row, item) && customItemAmount(row, item) != 0;
    return when(shown, NumberFormat::format(row.number(itemOf(item).amountColumn), QString()));
}

QString customItemQuantity(const Query& row, int item) {
    const bool shown = isAreaLinked(row, item) && customItemAmount(row, item) != 0;
    return when(shown, NumberFormat::format(row.number(QStringLiteral("Flaeche")), QString()));
}

QString customItemFigure(const Query& row, int item) {
    const double amount = customItemAmount(row, item);
    return when(amount != 0, NumberFormat::format(amount, money));
}

QStringList electricityBreakdown(const Query& row, bool equalShare) {
    const double used = row.number(QStringLiteral("Strom"));
    const double share = row.number(QStringLiteral("z8"));
    return breakdown(equalShare && used != 0,
                     QStringLiteral("Ihr Energieverbrauch setzt sich zusammen aus"), used - share,
                     share, QStringLiteral("kwh"), QStringLiteral("Umlage aus Energieverlusten"));
}

QStringList waterBreakdown(const Query& row, bool equalShare) {
    const double used = row.number(QStringLiteral("Wasser"));
    const double share = row.number(QStringLiteral("z9"));
    return breakdown(equalShare && used != 0,
                     QStringLiteral("Ihr Wasserverbrauch setzt sich zusammen aus"), used - share,
                     share, QStringLiteral("m³"), QStringLiteral("Umlage aus Wasserverlusten"));
}

QString electricityBreakdownLine(const Query& row, bool equalShare) {
    const double used = row.number(QStringLiteral("Strom"));
    const double share = row.number(QStringLiteral("z8"));
    return breakdownLine(equalShare && used != 0, used - share, share, QStringLiteral("kwh"),
                         QStringLiteral("Umlage aus Energieverlusten"));
}

QString waterBreakdownLine(const Query& row, bool equalShare) {
    const double used = row.number(QStringLiteral("Wasser"));
    const double share = row.number(QStringLiteral("z9"));
    return breakdownLine(equalShare && used != 0, used - share, share, QStringLiteral("m³"),
                         QStringLiteral("Umlage aus Wasserverlusten"));
}

QString senderLine(const Query& row) {
    return row.text(QStringLiteral("absvorname")) + u' ' + row.text(QStringLiteral("absname")) +
           QStringLiteral(", ") + row.text(QStringLiteral("absstrasse"));
}

QString senderPlaceLine(const Query& row) {
    return row.text(QStringLiteral("absplz")) + u' ' + row.text(QStringLiteral("absort"));
}

QString tenantLine(const Query& row) {
    return row.text(QStringLiteral("Vorname")) + u' ' + row.text(QStringLiteral("Name"));
}

QString rowText(const Query& row, TableRow tableRow) {
    const auto above = [&row](const char* name) { return row.number(QLatin1String(name)) > 0; };
    switch (tableRow) {
    case Row::CarriedCustomItems:
        return when(customItemsSum(row) != 0, QStringLiteral("Übertrag Sonderposten"));
    case Row::Lease:
        return QStringLiteral("Pachtzins");
    case Row::CommonArea:
        return when(above("Neuvermessung"), QStringLiteral("Ant.Gemeinfl.[m²]"));
    case Row::Levies:
        return when(above("Umlagen"), QStringLiteral("allgemeine Umlagen"));
    case Row::Membership:
        return QStringLiteral("Mitgliedsbeitrag");
    case Row::MissedHours:
        return when(row.number(QStringLiteral("nicht_gel_Arbeitsstunden")) != 0,
                    QStringLiteral("nicht gel. Arbeitsstunden [h]"));
    case Row::Electricity:
        return when(above("Strom"), QStringLiteral("El.-Energie [kwh]"));
    case Row::ElectricityAdvancePreviousYear:
        return when(above("Abschlag_Strom_Vorjahr"),
                    QStringLiteral("Abschlag El.-Energie Vorjahr"));
    case Row::ElectricityAdvance:
        return when(above("Abschlag_Strom"), QStringLiteral("Abschlag El.-Energie lfd. Jahr"));
    case Row::ElectricityStandingCharge:
        return when(row.text(QStringLiteral("text1")) == QStringLiteral("X"),
                    QStringLiteral("Grundgebühr El.-Energie"));
    case Row::Water:
        return when(above("Wasser"), QStringLiteral("Wasser [m³]"));
    case Row::WaterAdvancePreviousYear:
        return when(above("Abschlag_Wasser_Vorjahr"), QStringLiteral("Abschlag Wasser Vorjahr"));
    case Row::WaterAdvance:
        return when(above("Abschlag_Wasser"), QStringLiteral("Abschlag Wasser lfd. Jahr"));
    case Row::WaterStandingCharge:
        return when(row.text(QStringLiteral("text2")) == QStringLiteral("X"),
                    QStringLiteral("Grundgebühr Wasser"));
    case Row::Parking:
        return when(above("Parkplatzgebuehr"), QStringLiteral("Parkplatzgebühr"));
    case Row::FireInsurance:
        return when(above("Vereinshaftpflicht"), QStringLiteral("Feuerschadenber.vers."));
    case Row::AccidentInsurance:
        return when(above("Vereinsunfallversicherung"), QStringLiteral("Unfallversicherung"));
    case Row::ArbourInsurance:
        return when(above("Laubenversicherung"), QStringLiteral("Laubenversicherung"));
    case Row::StreetCleaning:
        return when(above("Strassenreinigung"), QStringLiteral("Strassenreinigung"));
    }
    return {};
}

QString rowUnitPrice(const Query& row, TableRow tableRow) {
    switch (tableRow) {
    case Row::Lease:
        return when(row.number(QStringLiteral("Flaeche")) > 0,
                    column(row, QStringLiteral("Pachtzins"), QStringLiteral("0.0000")));
    case Row::CommonArea:
        return when(row.number(QStringLiteral("Neuvermessung")) > 0,
                    column(row, QStringLiteral("Pachtzins"), QStringLiteral("0.0000")));
    case Row::MissedHours:
        return when(row.number(QStringLiteral("nicht_gel_Arbeitsstunden")) != 0,
                    column(row, QStringLiteral("Preis_Arbeitsstunde"), QStringLiteral("0.00")));
    case Row::Electricity:
        return when(row.number(QStringLiteral("Strom")) > 0,
                    column(row, QStringLiteral("Preis_kwh"), QStringLiteral("0.0000")));
    case Row::Water:
        return when(row.number(QStringLiteral("Wasser")) > 0,
                    column(row, QStringLiteral("Preis_qm"), QStringLiteral("0.00")));
    default:
        return {};
    }
}

QString rowQuantity(const Query& row, TableRow tableRow) {
    switch (tableRow) {
    case Row::Lease:
        return column(row, QStringLiteral("Flaeche"), QString());
    case Row::CommonArea:
        return when(row.number(QStringLiteral("Neuvermessung")) > 0,
                    column(row, QStringLiteral("Neuvermessung"), QStringLiteral("0.00")));
    case Row::MissedHours:
        return when(row.number(QStringLiteral("nicht_gel_Arbeitsstunden")) != 0,
                    column(row, QStringLiteral("nicht_gel_Arbeitsstunden"), QStringLiteral("0")));
    case Row::Electricity:
        // A negative consumption still shows, so that a wrong reading catches the eye.
        return when(row.number(QStringLiteral("Strom")) != 0,
                    column(row, QStringLiteral("Strom"), QStringLiteral("0.0")));
    case Row::Water:
        return when(row.number(QStringLiteral("Wasser")) > 0,
                    column(row, QStringLiteral("Wasser"), QStringLiteral("0.0")));
    default:
        return {};
    }
}

QString rowAmount(const Query& row, TableRow tableRow) {
    const QString cents = QStringLiteral("0.00");
    const auto product = [&row, &cents](const char* quantity, const char* price) {
        return NumberFormat::format(
            row.number(QLatin1String(quantity)) * row.number(QLatin1String(price)), cents);
    };
    const auto credit = [&row, &cents](const char* name) {
        return when(row.number(QLatin1String(name)) > 0,
                    NumberFormat::format(-row.number(QLatin1String(name)), cents));
    };
    switch (tableRow) {
    case Row::CarriedCustomItems: {
        const double sum = customItemsSum(row);
        return when(sum != 0, NumberFormat::format(sum, money));
    }
    case Row::Lease:
        return NumberFormat::format(leaseAmount(row), money);
    case Row::CommonArea: {
        const std::optional<double> amount = commonAreaAmount(row);
        return amount ? NumberFormat::format(*amount, money) : QString();
    }
    case Row::Levies:
        return positive(row, QStringLiteral("Umlagen"));
    case Row::Membership:
        return column(row, QStringLiteral("Beitrag"), cents);
    case Row::MissedHours:
        return when(row.number(QStringLiteral("nicht_gel_Arbeitsstunden")) != 0,
                    product("nicht_gel_Arbeitsstunden", "Preis_Arbeitsstunde"));
    case Row::Electricity:
        return when(row.number(QStringLiteral("Strom")) > 0, product("Strom", "Preis_kwh"));
    case Row::ElectricityAdvancePreviousYear:
        return credit("Abschlag_Strom_Vorjahr");
    case Row::ElectricityAdvance:
        return positive(row, QStringLiteral("Abschlag_Strom"));
    case Row::ElectricityStandingCharge:
        return when(row.text(QStringLiteral("text1")) == QStringLiteral("X"),
                    column(row, QStringLiteral("Wartungsgebuehr"), cents));
    case Row::Water:
        return when(row.number(QStringLiteral("Wasser")) > 0, product("Wasser", "Preis_qm"));
    case Row::WaterAdvancePreviousYear:
        return credit("Abschlag_Wasser_Vorjahr");
    case Row::WaterAdvance:
        return positive(row, QStringLiteral("Abschlag_Wasser"));
    case Row::WaterStandingCharge:
        return when(row.text(QStringLiteral("text2")) == QStringLiteral("X"),
                    column(row, QStringLiteral("Grundgebuehr_W"), cents));
    case Row::Parking:
        return positive(row, QStringLiteral("Parkplatzgebuehr"));
    case Row::FireInsurance:
        return positive(row, QStringLiteral("Vereinshaftpflicht"));
    case Row::AccidentInsurance:
        return positive(row, QStringLiteral("Vereinsunfallversicherung"));
    case Row::ArbourInsurance:
        return positive(row, QStringLiteral("Laubenversicherung"));
    case Row::StreetCleaning:
        return positive(row, QStringLiteral("Strassenreinigung"));
    }
    return {};
}

QString printedColumn(const Query& row, const QString& column, const QString& pattern) {
    return isEmpty(row, column) ? QString() : NumberFormat::format(row.number(column), pattern);
}

bool isIndented(TableRow tableRow) {
    switch (tableRow) {
    case Row::ElectricityAdvancePreviousYear:
    case Row::ElectricityAdvance:
    case Row::ElectricityStandingCharge:
    case Row::WaterAdvancePreviousYear:
    case Row::WaterAdvance:
    case Row::WaterStandingCharge:
        return true;
    default:
        return false;
    }
}

bool isConsumption(TableRow tableRow) {
    return tableRow == Row::Electricity || tableRow == Row::Water;
}

} // namespace StatementItems
