#include "reports/statementfigures.h"

#include "data/customitems.h"
#include "data/query.h"
#include "framework/numberformat.h"

namespace {

using Component = BillAmounts::Component;
using Row = StatementFigures::TableRow;

const QString money = QStringLiteral("%8.2f");
const QString cents = QStringLiteral("0.00");
const QString consumption = QStringLiteral("%8.1f");

// When a row of the main table is printed although the bill has nothing on it.
enum class Shown { Always, WhenPositive, WhenNotZero, WhenConnected };

struct RowTerms {
    Component component;
    const char* text;
    Shown shown;
    const char* column; // whose value the condition tests
};

// Rows 2 to 19 of the main table; the first carries the custom items' sum.
const RowTerms& termsOf(Row row) {
    static const RowTerms terms[] = {
        {Component::Lease, "Pachtzins", Shown::Always, nullptr},
        {Component::CommonArea, "Ant.Gemeinfl.[m²]", Shown::WhenPositive, "Neuvermessung"},
        {Component::Levies, "allgemeine Umlagen", Shown::WhenPositive, "Umlagen"},
        {Component::Membership, "Mitgliedsbeitrag", Shown::Always, nullptr},
        {Component::MissedWorkHours, "nicht gel. Arbeitsstunden [h]", Shown::WhenNotZero,
         "nicht_gel_Arbeitsstunden"},
        {Component::Electricity, "El.-Energie [kwh]", Shown::WhenPositive, "Strom"},
        {Component::ElectricityAdvancePreviousYear, "Abschlag El.-Energie Vorjahr",
         Shown::WhenPositive, "Abschlag_Strom_Vorjahr"},
        {Component::ElectricityAdvance, "Abschlag El.-Energie lfd. Jahr", Shown::WhenPositive,
         "Abschlag_Strom"},
        {Component::ElectricityStandingCharge, "Grundgebühr El.-Energie", Shown::WhenConnected,
         "text1"},
        {Component::Water, "Wasser [m³]", Shown::WhenPositive, "Wasser"},
        {Component::WaterAdvancePreviousYear, "Abschlag Wasser Vorjahr", Shown::WhenPositive,
         "Abschlag_Wasser_Vorjahr"},
        {Component::WaterAdvance, "Abschlag Wasser lfd. Jahr", Shown::WhenPositive,
         "Abschlag_Wasser"},
        {Component::WaterStandingCharge, "Grundgebühr Wasser", Shown::WhenConnected, "text2"},
        {Component::Parking, "Parkplatzgebühr", Shown::WhenPositive, "Parkplatzgebuehr"},
        {Component::FireInsurance, "Feuerschadenber.vers.", Shown::WhenPositive,
         "Vereinshaftpflicht"},
        {Component::AccidentInsurance, "Unfallversicherung", Shown::WhenPositive,
         "Vereinsunfallversicherung"},
        {Component::ArbourInsurance, "Laubenversicherung", Shown::WhenPositive,
         "Laubenversicherung"},
        {Component::StreetCleaning, "Strassenreinigung", Shown::WhenPositive, "Strassenreinigung"},
    };
    Q_ASSERT(row != Row::CarriedCustomItems);
    return terms[int(row) - int(Row::Lease)];
}

// The rows that print a unit price and a quantity beside their amount.
struct PricedRow {
    Row row;
    const char* price;
    const char* pricePattern;
    const char* quantity;
    const char* quantityPattern; // empty: the shortest plain form
};

const PricedRow* pricedRow(Row row) {
    static const PricedRow rows[] = {
        {Row::Lease, "Pachtzins", "0.0000", "Flaeche", ""},
        {Row::CommonArea, "Pachtzins", "0.0000", "Neuvermessung", "0.00"},
        {Row::MissedHours, "Preis_Arbeitsstunde", "0.00", "nicht_gel_Arbeitsstunden", "0"},
        {Row::Electricity, "Preis_kwh", "0.0000", "Strom", "0.0"},
        {Row::Water, "Preis_qm", "0.00", "Wasser", "0.0"},
    };
    for (const PricedRow& priced : rows) {
        if (priced.row == row)
            return &priced;
    }
    return nullptr;
}

QString when(bool condition, const QString& text) {
    return condition ? text : QString();
}

} // namespace

StatementFigures::StatementFigures(const Query& row, const StatementOptions& options)
    : m_row(row)
    , m_options(options)
    , m_bill(BillAmounts::fromRow(row, BillInputs::LossShare::Included)) {}

bool StatementFigures::isShown(TableRow tableRow) const {
    if (tableRow == Row::CarriedCustomItems)
        return m_bill.customItemsCents() != 0;
    const RowTerms& terms = termsOf(tableRow);
    // Whatever the bill holds is printed, so that the rows add up to the total.
    if (m_bill.charges(terms.component))
        return true;
    const QString column = terms.column ? QLatin1String(terms.column) : QLatin1String();
    switch (terms.shown) {
    case Shown::Always:
        return true;
    case Shown::WhenPositive:
        return m_row.number(column) > 0;
    case Shown::WhenNotZero:
        return m_row.number(column) != 0;
    case Shown::WhenConnected:
        return m_row.text(column) == QStringLiteral("X");
    }
    return false;
}

QString StatementFigures::rowText(TableRow tableRow) const {
    if (tableRow == Row::CarriedCustomItems)
        return when(isShown(tableRow), QStringLiteral("Übertrag Sonderposten"));
    return when(isShown(tableRow), QString::fromUtf8(termsOf(tableRow).text));
}

QString StatementFigures::rowUnitPrice(TableRow tableRow) const {
    const PricedRow* priced = pricedRow(tableRow);
    if (!priced)
        return {};
    const bool shown = tableRow == Row::Lease ? m_row.number(QStringLiteral("Flaeche")) > 0 ||
                                                    m_bill.charges(Component::Lease)
                                              : isShown(tableRow);
    return when(shown, printedColumn(m_row, QLatin1String(priced->price),
                                     QLatin1String(priced->pricePattern)));
}

QString StatementFigures::rowQuantity(TableRow tableRow) const {
    const PricedRow* priced = pricedRow(tableRow);
    if (!priced)
        return {};
    // The area always shows; a negative consumption shows even without a charge, so that a
    // wrong reading catches the eye.
    const bool shown =
        tableRow == Row::Lease ||
        (tableRow == Row::Electricity && m_row.number(QStringLiteral("Strom")) != 0) ||
        isShown(tableRow);
    return when(shown, printedColumn(m_row, QLatin1String(priced->quantity),
                                     QLatin1String(priced->quantityPattern)));
}

bool StatementFigures::isPriced(TableRow tableRow) {
    return pricedRow(tableRow) != nullptr;
}

QString StatementFigures::rowAmount(TableRow tableRow) const {
    if (!isShown(tableRow))
        return {};
    switch (tableRow) {
    case Row::CarriedCustomItems:
        return NumberFormat::formatCents(m_bill.customItemsCents(), money);
    case Row::Lease:
    case Row::CommonArea:
        return NumberFormat::formatCents(m_bill.cents(termsOf(tableRow).component), money);
    default:
        return NumberFormat::formatCents(m_bill.cents(termsOf(tableRow).component), cents);
    }
}

bool StatementFigures::canBeAreaLinked(int item) {
    return !CustomItems::all().at(item - 1).areaLinkColumn.isEmpty();
}

bool StatementFigures::isAreaLinked(int item) const {
    const QString& link = CustomItems::all().at(item - 1).areaLinkColumn;
    return !link.isEmpty() && m_row.flag(link);
}

QString StatementFigures::customItemLabel(int item) const {
    return when(m_bill.customItemCents(item) != 0,
                m_row.text(CustomItems::all().at(item - 1).labelColumn + QStringLiteral("_1")));
}

QString StatementFigures::customItemUnitPrice(int item) const {
    const bool shown = isAreaLinked(item) && m_bill.customItemCents(item) != 0;
    return when(shown, NumberFormat::format(
                           m_row.number(CustomItems::all().at(item - 1).amountColumn), QString()));
}

QString StatementFigures::customItemQuantity(int item) const {
    const bool shown = isAreaLinked(item) && m_bill.customItemCents(item) != 0;
    return when(shown, NumberFormat::format(m_row.number(QStringLiteral("Flaeche")), QString()));
}

QString StatementFigures::customItemAmount(int item) const {
    const qint64 amount = m_bill.customItemCents(item);
    return when(amount != 0, NumberFormat::formatCents(amount, money));
}

QString StatementFigures::customItemsSum() const {
    return rowAmount(Row::CarriedCustomItems);
}

// A medium's consumption as own use plus the loss share the run added to it.
struct StatementFigures::Split {
    bool shown = false;
    QString intro;
    QString own;   // "   100,0 kwh Eigenverbrauch"
    QString share; // "     3,5 kwh Umlage aus Energieverlusten"
};

StatementFigures::Split StatementFigures::split(Medium medium) const {
    const bool electricity = medium == Medium::Electricity;
    const double used =
        m_row.number(electricity ? QStringLiteral("Strom") : QStringLiteral("Wasser"));
    const double share = m_row.number(electricity ? QStringLiteral("z8") : QStringLiteral("z9"));
    const bool equalShare =
        electricity ? m_options.electricityEqualShare : m_options.waterEqualShare;
    if (!equalShare || used == 0)
        return {};
    const QString unit = electricity ? QStringLiteral("kwh") : QStringLiteral("m³");
    return {true,
            electricity ? QStringLiteral("Ihr Energieverbrauch setzt sich zusammen aus")
                        : QStringLiteral("Ihr Wasserverbrauch setzt sich zusammen aus"),
            NumberFormat::format(used - share, consumption) + u' ' + unit +
                QStringLiteral(" Eigenverbrauch"),
            NumberFormat::format(share, consumption) + u' ' + unit +
                (electricity ? QStringLiteral(" Umlage aus Energieverlusten")
                             : QStringLiteral(" Umlage aus Wasserverlusten"))};
}

QStringList StatementFigures::breakdown(Medium medium) const {
    const Split s = split(medium);
    if (!s.shown)
        return {QString(), QString(), QString()};
    return {s.intro, s.own, u'+' + s.share};
}

QString StatementFigures::breakdownLine(Medium medium) const {
    const Split s = split(medium);
    return s.shown ? s.own + QStringLiteral(" + ") + s.share : QString();
}

const QList<int>& StatementFigures::listedItemOrder() {
    static const QList<int> order{5, 6, 3, 4, 1, 2, 9, 10, 7, 8, 11, 12};
    return order;
}

bool StatementFigures::isIndented(TableRow tableRow) {
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

bool StatementFigures::isConsumption(TableRow tableRow) {
    return tableRow == Row::Electricity || tableRow == Row::Water;
}

QString StatementFigures::printedColumn(const Query& row, const QString& column,
                                        const QString& pattern) {
    const QVariant value = row.value(column);
    if (value.isNull() || value.toString().isEmpty())
        return {};
    return NumberFormat::format(row.number(column), pattern);
}
