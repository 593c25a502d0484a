#include "data/billamounts.h"

#include "data/customitems.h"
#include "data/query.h"
#include "data/rounding.h"

namespace {

using Component = BillAmounts::Component;

constexpr Component customItems[12] = {
    Component::CustomItem1,  Component::CustomItem2,  Component::CustomItem3,
    Component::CustomItem4,  Component::CustomItem5,  Component::CustomItem6,
    Component::CustomItem7,  Component::CustomItem8,  Component::CustomItem9,
    Component::CustomItem10, Component::CustomItem11, Component::CustomItem12,
};

bool isConnected(const QString& marker) {
    return marker == QStringLiteral("X");
}

// Only a plot marked " " is not connected; any other marker pays the standing charge.
bool isUnconnected(const QString& marker) {
    return marker == QStringLiteral(" ");
}

} // namespace

BillInputs BillInputs::fromRow(const Query& row, LossShare lossShare) {
    const auto n = [&row](const char* column) { return row.number(QLatin1String(column)); };
    BillInputs in;
    in.flaeche = n("Flaeche");
    in.text1 = row.text(QStringLiteral("text1"));
    in.text2 = row.text(QStringLiteral("text2"));
    in.strom = n("Strom");
    in.wasser = n("Wasser");
    // An unconnected plot is billed no consumption: the run sets it to 0, and readings typed
    // after the run make no bill.
    if (isUnconnected(in.text1))
        in.strom = 0;
    if (isUnconnected(in.text2))
        in.wasser = 0;
    if (lossShare == LossShare::NotIncluded) {
        if (isConnected(in.text1))
            in.strom += n("z8");
        if (isConnected(in.text2))
            in.wasser += n("z9");
    }
    in.abschlagStrom = n("Abschlag_Strom");
    in.abschlagStromVorjahr = n("Abschlag_Strom_Vorjahr");
    in.abschlagWasser = n("Abschlag_Wasser");
    in.abschlagWasserVorjahr = n("Abschlag_Wasser_Vorjahr");
    in.nichtGelArbeitsstunden = n("nicht_gel_Arbeitsstunden");
    in.laubenversicherung = n("Laubenversicherung");
    in.parkplatzgebuehr = n("Parkplatzgebuehr");
    in.dunningFeeIncluded = row.flag(QLatin1String(BillAmounts::dunningFeeIncludedColumn));

    in.pachtzins = n("Pachtzins");
    in.preisKwh = n("Preis_kwh");
    in.preisQm = n("Preis_qm");
    in.beitrag = n("Beitrag");
    in.wartungsgebuehr = n("Wartungsgebuehr");
    in.grundgebuehrW = n("Grundgebuehr_W");
    in.preisArbeitsstunde = n("Preis_Arbeitsstunde");
    in.mahngebuehr = n("Mahngebuehr");
    in.vereinshaftpflicht = n("Vereinshaftpflicht");
    in.vereinsunfallversicherung = n("Vereinsunfallversicherung");
    in.umlagen = n("Umlagen");
    in.neuvermessung = n("Neuvermessung");
    in.strassenreinigung = n("Strassenreinigung");

    // The plot's Reserve1 and the parameter row's reserve5 come before the labels of the
    // same names, which the join suffixes.
    for (const CustomItem& item : CustomItems::all()) {
        in.customItemAmount.at(item.number - 1) = row.number(item.amountColumn);
        in.customItemIncome.at(item.number - 1) = row.flag(item.flagColumn);
    }
    in.areaLinkItem5 = row.flag(QStringLiteral("rc111"));
    in.areaLinkItem6 = row.flag(QStringLiteral("rc222"));
    return in;
}

BillAmounts::BillAmounts(const BillInputs& in) {
    set(Component::Lease, in.flaeche * in.pachtzins);
    set(Component::Electricity, in.strom * in.preisKwh);
    set(Component::Water, in.wasser * in.preisQm);
    set(Component::Membership, in.beitrag);
    set(Component::ElectricityAdvance, in.abschlagStrom);
    set(Component::ElectricityAdvancePreviousYear, -in.abschlagStromVorjahr);
    set(Component::ElectricityStandingCharge, isUnconnected(in.text1) ? 0 : in.wartungsgebuehr);
    set(Component::ArbourInsurance, in.laubenversicherung);
    set(Component::MissedWorkHours, in.nichtGelArbeitsstunden * in.preisArbeitsstunde);
    set(Component::WaterStandingCharge, isUnconnected(in.text2) ? 0 : in.grundgebuehrW);
    set(Component::WaterAdvance, in.abschlagWasser);
    set(Component::WaterAdvancePreviousYear, -in.abschlagWasserVorjahr);
    set(Component::DunningFee, in.dunningFeeIncluded ? in.mahngebuehr : 0);
    set(Component::Parking, in.parkplatzgebuehr);
    set(Component::FireInsurance, in.vereinshaftpflicht);
    set(Component::AccidentInsurance, in.vereinsunfallversicherung);
    for (int item = 1; item <= 12; ++item) {
        double amount = in.customItemAmount.at(item - 1);
        // An area-linked item is a price per m², billed in cents like every other amount.
        if ((item == 5 && in.areaLinkItem5) || (item == 6 && in.areaLinkItem6))
            amount *= in.flaeche;
        set(customItem(item), in.customItemIncome.at(item - 1) ? amount : -amount);
    }
    set(Component::Levies, in.umlagen);
    set(Component::CommonArea, in.neuvermessung * in.pachtzins);
    set(Component::StreetCleaning, in.strassenreinigung);

    m_total = 0;
    for (qint64 cents : m_cents)
        m_total += cents;
}

BillAmounts BillAmounts::fromRow(const Query& row, BillInputs::LossShare lossShare) {
    return BillAmounts(BillInputs::fromRow(row, lossShare));
}

void BillAmounts::set(Component component, double euros) {
    const std::optional<qint64> cents = Rounding::wholeCents(euros);
    m_valid = m_valid && cents.has_value();
    m_cents.at(int(component)) = cents.value_or(0);
}

BillAmounts::Component BillAmounts::customItem(int item) {
    Q_ASSERT(item >= 1 && item <= 12);
    return customItems[item - 1];
}

qint64 BillAmounts::customItemsCents() const {
    qint64 sum = 0;
    for (Component item : customItems)
        sum += cents(item);
    return sum;
}

int BillAmounts::customItemNumber(Component component) {
    for (int item = 1; item <= 12; ++item) {
        if (customItems[item - 1] == component)
            return item;
    }
    return 0;
}

QString BillAmounts::voucherType(Component component) {
    if (const int item = customItemNumber(component))
        return CustomItems::all().at(item - 1).voucherType;
    // The fixed components' codes in the order of the components; custom items have none here.
    static const char* const codes[componentCount] = {
        "30", "31", "32", "33", "34", "35", "36", "37", "38", "53", "54",
        "55", "56", "39", "40", "41", "",   "",   "",   "",   "",   "",
        "",   "",   "",   "",   "",   "",   "42", "43", "44",
    };
    return QString::fromLatin1(codes[int(component)]);
}
