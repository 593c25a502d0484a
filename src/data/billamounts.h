#pragma once

#include <QString>
#include <QtGlobal>

#include <array>

class Query;

// What goes into a plot's bill, read from the plot's row, the parameter row and the custom
// items. An empty column reads as 0 (or false). Names follow the columns they come from.
struct BillInputs {
    // Plot (parzelle).
    double flaeche = 0;
    double strom = 0;  // consumption billed, loss share included (kWh)
    double wasser = 0; // consumption billed, loss share included (m³)
    QString text1;     // electricity connection marker: "X" connected, " " not connected
    QString text2;     // water connection marker
    double abschlagStrom = 0;
    double abschlagStromVorjahr = 0;
    double abschlagWasser = 0;
    double abschlagWasserVorjahr = 0;
    double nichtGelArbeitsstunden = 0;
    double laubenversicherung = 0;
    double parkplatzgebuehr = 0;
    bool dunningFeeIncluded = false; // the plot register added the dunning fee to gesamt
    // Parameters (param).
    double pachtzins = 0;
    double preisKwh = 0;
    double preisQm = 0;
    double beitrag = 0;
    double wartungsgebuehr = 0;
    double grundgebuehrW = 0;
    double preisArbeitsstunde = 0;
    double mahngebuehr = 0;
    double vereinshaftpflicht = 0;
    double vereinsunfallversicherung = 0;
    double umlagen = 0;
    double neuvermessung = 0;
    double strassenreinigung = 0;
    // Custom item 1 to 12 at index 0 to 11: the amount (plot Reserve1-4, 9, 10; param
    // reserve5-8, 11, 12; for items 5 and 6 with their area link a price per m²) and the
    // income flag (nfelder rc1-rc12: true charges the item, false credits it).
    std::array<double, 12> customItemAmount{};
    std::array<bool, 12> customItemIncome{};
    bool areaLinkItem5 = false; // nfelder.rc111
    bool areaLinkItem6 = false; // nfelder.rc222

    // Whether a row's Strom and Wasser already hold the loss shares z8 and z9 of the
    // connected plots. They do while the billing run shows its statements; at any other time
    // the plots hold their metered consumption, and the share is added here.
    enum class LossShare { Included, NotIncluded };

    // From one row of "select * from parzelle,param,nfelder" (the custom item labels are the
    // suffixed reserve1_1 ... and are not read).
    static BillInputs fromRow(const Query& row, LossShare lossShare);
};

// A plot's annual bill: every charge and credit rounded to whole cents once, by the
// program's rounding rule (halves to the even cent), and the invoice total as their exact
// sum. This one set of amounts is what the billing run stores as gesamt, what both statement
// layouts print, and what the transfer of paid invoices books.
//
// Each component's amount is signed as it enters the total: charges are positive, credits
// (last year's advances, custom items without income flag) negative. A component with an
// amount of 0 is not on the bill.
class BillAmounts {
public:
    // The components in the order the transfer books them, with their system voucher types.
    enum class Component {
        Lease,                          // "30": Flaeche × Pachtzins
        Electricity,                    // "31": Strom (with loss share) × Preis_kwh
        Water,                          // "32": Wasser (with loss share) × Preis_qm
        Membership,                     // "33": Beitrag
        ElectricityAdvance,             // "34": Abschlag_Strom, the coming year's advance
        ElectricityAdvancePreviousYear, // "35": − Abschlag_Strom_Vorjahr, paid last year
        ElectricityStandingCharge,      // "36": Wartungsgebuehr; none when text1 is " "
        ArbourInsurance,                // "37": Laubenversicherung
        MissedWorkHours,                // "38": nicht_gel_Arbeitsstunden × Preis_Arbeitsstunde
        WaterStandingCharge,            // "53": Grundgebuehr_W; none when text2 is " "
        WaterAdvance,                   // "54": Abschlag_Wasser, the coming year's advance
        WaterAdvancePreviousYear,       // "55": − Abschlag_Wasser_Vorjahr, paid last year
        DunningFee,                     // "56": Mahngebuehr, only once it is in gesamt
        Parking,                        // "39": Parkplatzgebuehr
        FireInsurance,                  // "40": Vereinshaftpflicht
        AccidentInsurance,              // "41": Vereinsunfallversicherung
        CustomItem1,                    // "45": plot Reserve1, ± by rc1
        CustomItem2,                    // "46": plot Reserve2, ± by rc2
        CustomItem3,                    // "47": plot Reserve3, ± by rc3
        CustomItem4,                    // "48": plot Reserve4, ± by rc4
        CustomItem9,                    // "57": plot Reserve9, ± by rc9
        CustomItem10,                   // "58": plot Reserve10, ± by rc10
        CustomItem5,                    // "49": param reserve5, × Flaeche with rc111; ± by rc5
        CustomItem11,                   // "59": param reserve11, ± by rc11
        CustomItem12,                   // "60": param reserve12, ± by rc12
        CustomItem6,                    // "50": param reserve6, × Flaeche with rc222; ± by rc6
        CustomItem7,                    // "51": param reserve7, ± by rc7
        CustomItem8,                    // "52": param reserve8, ± by rc8
        Levies,                         // "42": Umlagen
        CommonArea,                     // "43": Neuvermessung × Pachtzins
        StreetCleaning,                 // "44": Strassenreinigung
    };
    static constexpr int componentCount = 31;

    explicit BillAmounts(const BillInputs& inputs);
    static BillAmounts fromRow(const Query& row, BillInputs::LossShare lossShare);

    // In cents, signed as the component enters the total.
    qint64 cents(Component component) const { return m_cents.at(int(component)); }
    // In euros: exactly the cents, as a double.
    double amount(Component component) const { return double(cents(component)) / 100; }
    bool charges(Component component) const { return cents(component) != 0; }
    qint64 totalCents() const { return m_total; }
    double total() const { return double(m_total) / 100; }
    // False when an input is not a finite number or too large to be money; the amounts of
    // such a bill are meaningless and must not be stored.
    bool isValid() const { return m_valid; }

    // Custom item 1 to 12.
    static Component customItem(int item);
    qint64 customItemCents(int item) const { return cents(customItem(item)); }
    // The twelve custom items' sum.
    qint64 customItemsCents() const;
    // 1 to 12 for a custom item's component, 0 for the others.
    static int customItemNumber(Component component);
    // The system voucher type the transfer books the component under ("30" ... "60").
    static QString voucherType(Component component);

    // The column that marks that the plot register added the dunning fee to gesamt.
    static constexpr const char* dunningFeeIncludedColumn = "bool1";

private:
    void set(Component component, double euros);

    std::array<qint64, componentCount> m_cents{};
    qint64 m_total = 0;
    bool m_valid = true;
};
