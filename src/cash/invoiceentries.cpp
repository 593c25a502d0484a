#include "cash/invoiceentries.h"

#include "data/billamounts.h"
#include "data/query.h"

namespace {

using Component = BillAmounts::Component;

const int textSize = 50;

// What an entry says before the plot number; {year} and {next} stand for the book's year and
// the one after it.
QString fixedText(Component component) {
    switch (component) {
    case Component::Lease:
        return QStringLiteral("Pachtzins Parz. ");
    case Component::Electricity:
        return QStringLiteral("El.-Energie Parz. ");
    case Component::Water:
        return QStringLiteral("Wasser Parz. ");
    case Component::Membership:
        return QStringLiteral("Mitgliedsbeitrag Parz. ");
    case Component::ElectricityAdvance:
        return QStringLiteral("Abschlag El.-Energie {next} Parz. ");
    case Component::ElectricityAdvancePreviousYear:
        return QStringLiteral("Abschlag El.-Energie {year} Parz. ");
    case Component::ElectricityStandingCharge:
        return QStringLiteral("Grundgebühr El.-Energie Parz. ");
    case Component::ArbourInsurance:
        return QStringLiteral("Laubenversicherung Parz. ");
    case Component::MissedWorkHours:
        return QStringLiteral("nichtgel.Arbeitsstunden Parz. ");
    case Component::WaterStandingCharge:
        return QStringLiteral("Grundgebühr Wasser Parz. ");
    case Component::WaterAdvance:
        return QStringLiteral("Abschlag Wasser Parz. ");
    case Component::WaterAdvancePreviousYear:
        return QStringLiteral("Abschlag Wasser Vorjahr Parz. ");
    case Component::DunningFee:
        return QStringLiteral("Mahngebühr Parz. ");
    case Component::Parking:
        return QStringLiteral("Parkplatzgebühr Parz. ");
    case Component::FireInsurance:
        return QStringLiteral("Feuerschadenber.vers. Parz. ");
    case Component::AccidentInsurance:
        return QStringLiteral("Vereinsunfallversicherung Parz. ");
    case Component::Levies:
        return QStringLiteral("Umlagen Parz. ");
    case Component::CommonArea:
        return QStringLiteral("Anteil Gemeinfl. Parz. ");
    case Component::StreetCleaning:
        return QStringLiteral("Straßenreinigung Parz. ");
    default:
        return {}; // custom items take their voucher type's description
    }
}

// Last year's advances are paid back: they stand in the expense column.
bool isExpense(Component component) {
    return component == Component::ElectricityAdvancePreviousYear ||
           component == Component::WaterAdvancePreviousYear;
}

} // namespace

namespace InvoiceEntries {

QString customItemText(const QString& description, const QString& plot) {
    const QString suffix = QStringLiteral(" Parz. ") + plot;
    return description.left(std::max<qsizetype>(0, textSize - suffix.size())).trimmed() + suffix;
}

std::optional<Refusal> forPlot(const Query& row, const Context& context,
                               QList<InvoiceEntry>& entries) {
    entries.clear();
    const QString plot = row.text(QStringLiteral("Nr"));
    // The plots hold their metered consumption; the bill priced it with the loss share.
    const BillAmounts bill = BillAmounts::fromRow(row, BillInputs::LossShare::NotIncluded);
    if (!bill.isValid()) {
        return Refusal{QStringLiteral("Die Rechnung der Parzelle %1 enthält einen Wert, der kein "
                                      "Geldbetrag sein kann. Bitte prüfen Sie die Angaben der "
                                      "Parzelle und die allgemeinen Eingaben.")
                           .arg(plot)};
    }
    for (int c = 0; c < BillAmounts::componentCount; ++c) {
        const auto component = Component(c);
        if (!bill.charges(component))
            continue;
        InvoiceEntry entry;
        entry.code = BillAmounts::voucherType(component);
        if (BillAmounts::customItemNumber(component) > 0) {
            const auto type = context.customTypes.constFind(entry.code);
            if (type == context.customTypes.constEnd()) {
                return Refusal{
                    QStringLiteral("Die Belegart %1 fehlt in den Belegarten, deshalb kann die "
                                   "Parzelle %2 nicht gebucht werden. Bitte öffnen Sie die "
                                   "Hauptkasse neu, damit die Belegarten 30 bis 60 ergänzt werden.")
                        .arg(entry.code, plot)};
            }
            entry.text = customItemText(type->description, plot);
            entry.income = type->income;
        } else {
            QString text = fixedText(component);
            if (text.contains(u'{')) {
                bool whole = false;
                const int year = context.year.trimmed().toInt(&whole);
                if (!whole) {
                    return Refusal{
                        QStringLiteral("Das Jahr „%1“ der Hauptkasse ist keine ganze Zahl. Bitte "
                                       "geben Sie unter „Datei – Anfangsbestand eingeben“ das Jahr "
                                       "vierstellig ein, zum Beispiel 2025.")
                            .arg(context.year)};
                }
                text.replace(QStringLiteral("{year}"), QString::number(year));
                text.replace(QStringLiteral("{next}"), QString::number(year + 1));
            }
            entry.text = text + plot;
            entry.income = !isExpense(component);
        }
        // The bill's cents, signed as they enter the total: a credit booked as an expense is
        // positive there, and income minus expenses is always what the bill summed.
        entry.amount = bill.amount(component) * (entry.income ? 1 : -1);
        entries << entry;
    }
    return std::nullopt;
}

} // namespace InvoiceEntries
