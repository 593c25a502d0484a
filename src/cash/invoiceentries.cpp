#include "cash/invoiceentries.h"

#include "data/customitems.h"
#include "data/query.h"
#include "data/rounding.h"

namespace {

const int textSize = 50;

double cents(double value) {
    return Rounding::roundHalfEven(value, 2);
}

double number(const Query& row, const char* column) {
    return row.number(QLatin1String(column));
}

// The consumption the bill priced: the metered plot's own use plus the loss share of the last
// run, nothing for a plot without a meter, and what is stored for any other marker.
double billedConsumption(const Query& row, const char* marker, const char* used,
                         const char* share) {
    const QString flag = row.text(QLatin1String(marker));
    if (flag == QStringLiteral("X"))
        return number(row, used) + number(row, share);
    if (flag == QStringLiteral(" "))
        return 0;
    return number(row, used);
}

// A standing charge is paid by every plot not marked as unconnected.
double standingCharge(const Query& row, const char* marker, const char* charge) {
    return row.text(QLatin1String(marker)) == QStringLiteral(" ") ? 0 : number(row, charge);
}

double customItemAmount(const Query& row, const CustomItem& item) {
    double amount = row.number(item.amountColumn);
    if (!item.areaLinkColumn.isEmpty() && row.flag(item.areaLinkColumn))
        amount *= number(row, "Flaeche");
    return cents(amount);
}

enum class Side { Income, Expense, ByVoucherType };

struct Component {
    const char* code;
    const char* text; // before the plot number; {year} and {next} stand for the book's years
    Side side;
    double (*amount)(const Query& row);
};

// The charge components in booking order. Custom items have no text of their own.
const Component components[] = {
    {"30", "Pachtzins Parz. ", Side::Income,
     [](const Query& r) { return cents(number(r, "Flaeche") * number(r, "Pachtzins")); }},
    {"31", "El.-Energie Parz. ", Side::Income,
     [](const Query& r) {
         return cents(billedConsumption(r, "text1", "Strom", "z8") * number(r, "Preis_kwh"));
     }},
    {"32", "Wasser Parz. ", Side::Income,
     [](const Query& r) {
         return cents(billedConsumption(r, "text2", "Wasser", "z9") * number(r, "Preis_qm"));
     }},
    {"33", "Mitgliedsbeitrag Parz. ", Side::Income,
     [](const Query& r) { return cents(number(r, "Beitrag")); }},
    {"34", "Abschlag El.-Energie {next} Parz. ", Side::Income,
     [](const Query& r) { return cents(number(r, "Abschlag_Strom")); }},
    {"35", "Abschlag El.-Energie {year} Parz. ", Side::Expense,
     [](const Query& r) { return cents(number(r, "Abschlag_Strom_Vorjahr")); }},
    {"36", "Grundgebühr El.-Energie Parz. ", Side::Income,
     [](const Query& r) { return cents(standingCharge(r, "text1", "Wartungsgebuehr")); }},
    {"37", "Laubenversicherung Parz. ", Side::Income,
     [](const Query& r) { return cents(number(r, "Laubenversicherung")); }},
    {"38", "nichtgel.Arbeitsstunden Parz. ", Side::Income,
     [](const Query& r) {
         return cents(number(r, "nicht_gel_Arbeitsstunden") * number(r, "Preis_Arbeitsstunde"));
     }},
    {"53", "Grundgebühr Wasser Parz. ", Side::Income,
     [](const Query& r) { return cents(standingCharge(r, "text2", "Grundgebuehr_W")); }},
    {"54", "Abschlag Wasser Parz. ", Side::Income,
     [](const Query& r) { return cents(number(r, "Abschlag_Wasser")); }},
    {"55", "Abschlag Wasser Vorjahr Parz. ", Side::Expense,
     [](const Query& r) { return cents(number(r, "Abschlag_Wasser_Vorjahr")); }},
    {"56", "Mahngebühr Parz. ", Side::Income,
     [](const Query& r) {
         return r.flag(QStringLiteral("mahncheck")) ? cents(number(r, "Mahngebuehr")) : 0.0;
     }},
    {"39", "Parkplatzgebühr Parz. ", Side::Income,
     [](const Query& r) { return cents(number(r, "Parkplatzgebuehr")); }},
    {"40", "Feuerschadenber.vers. Parz. ", Side::Income,
     [](const Query& r) { return cents(number(r, "Vereinshaftpflicht")); }},
    {"41", "Vereinsunfallversicherung Parz. ", Side::Income,
     [](const Query& r) { return cents(number(r, "Vereinsunfallversicherung")); }},
    {"45", nullptr, Side::ByVoucherType, nullptr},
    {"46", nullptr, Side::ByVoucherType, nullptr},
    {"47", nullptr, Side::ByVoucherType, nullptr},
    {"48", nullptr, Side::ByVoucherType, nullptr},
    {"57", nullptr, Side::ByVoucherType, nullptr},
    {"58", nullptr, Side::ByVoucherType, nullptr},
    {"49", nullptr, Side::ByVoucherType, nullptr},
    {"59", nullptr, Side::ByVoucherType, nullptr},
    {"60", nullptr, Side::ByVoucherType, nullptr},
    {"50", nullptr, Side::ByVoucherType, nullptr},
    {"51", nullptr, Side::ByVoucherType, nullptr},
    {"52", nullptr, Side::ByVoucherType, nullptr},
    {"42", "Umlagen Parz. ", Side::Income,
     [](const Query& r) { return cents(number(r, "Umlagen")); }},
    {"43", "Anteil Gemeinfl. Parz. ", Side::Income,
     [](const Query& r) { return cents(number(r, "Neuvermessung") * number(r, "Pachtzins")); }},
    {"44", "Straßenreinigung Parz. ", Side::Income,
     [](const Query& r) { return cents(number(r, "Strassenreinigung")); }},
};

const CustomItem* customItemOf(const QString& code) {
    for (const CustomItem& item : CustomItems::all()) {
        if (item.voucherType == code)
            return &item;
    }
    return nullptr;
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
    for (const Component& component : components) {
        const QString code = QLatin1String(component.code);
        InvoiceEntry entry;
        entry.code = code;
        if (component.side == Side::ByVoucherType) {
            const CustomItem* item = customItemOf(code);
            // The bill credits an item whose income flag is off: the entry stands on the
            // expense side with the same amount.
            entry.amount = customItemAmount(row, *item);
            if (entry.amount == 0)
                continue;
            const auto type = context.customTypes.constFind(code);
            if (type == context.customTypes.constEnd()) {
                return Refusal{
                    QStringLiteral("Die Belegart %1 fehlt in den Belegarten, deshalb kann die "
                                   "Parzelle %2 nicht gebucht werden. Bitte öffnen Sie die "
                                   "Hauptkasse neu, damit die Belegarten 30 bis 60 ergänzt werden.")
                        .arg(code, plot)};
            }
            entry.text = customItemText(type->description, plot);
            entry.income = type->income;
        } else {
            entry.amount = component.amount(row);
            if (entry.amount == 0)
                continue;
            QString text = QString::fromUtf8(component.text);
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
            entry.income = component.side == Side::Income;
        }
        entries << entry;
    }
    return std::nullopt;
}

} // namespace InvoiceEntries
