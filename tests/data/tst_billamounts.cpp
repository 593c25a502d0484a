#include "support/workspace.h"

#include "data/billamounts.h"
#include "data/customitems.h"

#include <QSet>
#include <QTest>

#include <limits>

using Component = BillAmounts::Component;

// A plot's bill: each component rounded to cents once, halves to even, signed as it enters
// the total, and the total exactly their sum.
class TestBillAmounts : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void productsRoundHalvesToEvenCents_data();
    void productsRoundHalvesToEvenCents();
    void totalIsTheSumOfTheComponents();
    void creditsAndUnconnectedPlots();
    void areaLinkedItemsAreBilledInCents();
    void lossShareIsAddedToStoredConsumption();
    void dunningFeeOnlyOnceInTheTotal();
    void amountsNoOneCanMeanMakeTheBillInvalid();
    void everyComponentHasItsOwnVoucherType();
};

void TestBillAmounts::productsRoundHalvesToEvenCents_data() {
    QTest::addColumn<int>("component");
    QTest::addColumn<double>("quantity");
    QTest::addColumn<double>("price");
    QTest::addColumn<qint64>("cents");
    QTest::newRow("lease 223 m² at 0.215") << int(Component::Lease) << 223.0 << 0.215 << 4794LL;
    QTest::newRow("lease 225 m² at 0.215") << int(Component::Lease) << 225.0 << 0.215 << 4838LL;
    QTest::newRow("lease 0.25 m² at 0.5") << int(Component::Lease) << 0.25 << 0.5 << 12LL;
    QTest::newRow("electricity 1 kWh at 0.125")
        << int(Component::Electricity) << 1.0 << 0.125 << 12LL;
    QTest::newRow("electricity 3 kWh at 0.125")
        << int(Component::Electricity) << 3.0 << 0.125 << 38LL;
    QTest::newRow("electricity credited") << int(Component::Electricity) << -1.0 << 0.125 << -12LL;
    QTest::newRow("water 0.5 m³ at 2.25") << int(Component::Water) << 0.5 << 2.25 << 112LL;
    QTest::newRow("work 1.5 h at 12.25")
        << int(Component::MissedWorkHours) << 1.5 << 12.25 << 1838LL;
    QTest::newRow("common area 1 m² at 0.215")
        << int(Component::CommonArea) << 1.0 << 0.215 << 22LL;
}

void TestBillAmounts::productsRoundHalvesToEvenCents() {
    QFETCH(int, component);
    QFETCH(double, quantity);
    QFETCH(double, price);
    QFETCH(qint64, cents);

    BillInputs in;
    switch (Component(component)) {
    case Component::Lease:
        in.flaeche = quantity;
        in.pachtzins = price;
        break;
    case Component::Electricity:
        in.strom = quantity;
        in.preisKwh = price;
        break;
    case Component::Water:
        in.wasser = quantity;
        in.preisQm = price;
        break;
    case Component::MissedWorkHours:
        in.nichtGelArbeitsstunden = quantity;
        in.preisArbeitsstunde = price;
        break;
    default:
        in.neuvermessung = quantity;
        in.pachtzins = price;
    }
    const BillAmounts bill(in);
    QCOMPARE(bill.cents(Component(component)), cents);
    QCOMPARE(bill.amount(Component(component)), double(cents) / 100);
    QCOMPARE(bill.totalCents(), cents);
}

void TestBillAmounts::totalIsTheSumOfTheComponents() {
    BillInputs in;
    in.flaeche = 223;
    in.pachtzins = 0.215;
    in.neuvermessung = 1;
    in.strom = 451.5;
    in.preisKwh = 0.3385;
    in.wasser = 21.3;
    in.preisQm = 5.12;
    in.text1 = in.text2 = QStringLiteral("X");
    in.beitrag = 42;
    in.wartungsgebuehr = 5.4;
    in.grundgebuehrW = 2.97;
    in.umlagen = 10;
    in.abschlagStrom = 76;
    in.abschlagStromVorjahr = 70;
    in.abschlagWasser = 55;
    in.abschlagWasserVorjahr = 50;
    in.nichtGelArbeitsstunden = 3;
    in.preisArbeitsstunde = 15;
    in.vereinshaftpflicht = 7.3;
    in.vereinsunfallversicherung = 3.66;
    in.strassenreinigung = 9.4;
    in.laubenversicherung = 12.5;
    in.parkplatzgebuehr = 20;
    for (int i = 0; i < 12; ++i) {
        in.customItemAmount.at(i) = i + 0.005;
        in.customItemIncome.at(i) = i % 2 == 0;
    }
    const BillAmounts bill(in);
    QVERIFY(bill.isValid());
    qint64 sum = 0;
    for (int c = 0; c < BillAmounts::componentCount; ++c)
        sum += bill.cents(Component(c));
    QCOMPARE(bill.totalCents(), sum);
    // 0.215 × 223 = 47.945 is billed 47.94, not 47.95.
    QCOMPARE(bill.cents(Component::Lease), 4794);
    QCOMPARE(bill.cents(Component::Electricity), 15283); // 152.83275
    QCOMPARE(bill.total(), double(sum) / 100);
    // Stored in euros and read back, the total is the cents exactly.
    QCOMPARE(qRound64(bill.total() * 100), sum);
    // Custom item 1 (index 0) is charged, 2 credited; each rounded once to even cents.
    QCOMPARE(bill.customItemCents(1), 0);    // 0.005 → 0.00
    QCOMPARE(bill.customItemCents(2), -100); // − 1.005 → − 1.00
    QCOMPARE(bill.customItemCents(3), 200);  // 2.005 → 2.00
    qint64 items = 0;
    for (int item = 1; item <= 12; ++item)
        items += bill.customItemCents(item);
    QCOMPARE(bill.customItemsCents(), items);
}

void TestBillAmounts::creditsAndUnconnectedPlots() {
    BillInputs in;
    in.abschlagStromVorjahr = 70;
    in.abschlagWasserVorjahr = -5; // a wrong entry is billed as it stands
    in.wartungsgebuehr = 5.4;
    in.grundgebuehrW = 2.97;
    in.text1 = QStringLiteral(" ");
    in.text2 = QStringLiteral("x"); // neither "X" nor " ": pays the standing charge
    const BillAmounts bill(in);
    QCOMPARE(bill.cents(Component::ElectricityAdvancePreviousYear), -7000);
    QCOMPARE(bill.cents(Component::WaterAdvancePreviousYear), 500);
    QVERIFY(!bill.charges(Component::ElectricityStandingCharge));
    QCOMPARE(bill.cents(Component::WaterStandingCharge), 297);
    QCOMPARE(bill.totalCents(), -7000 + 500 + 297);

    in.text2 = QString();
    QCOMPARE(BillAmounts(in).cents(Component::WaterStandingCharge), 297);
    in.text2 = QStringLiteral(" ");
    QVERIFY(!BillAmounts(in).charges(Component::WaterStandingCharge));
}

void TestBillAmounts::areaLinkedItemsAreBilledInCents() {
    BillInputs in;
    in.flaeche = 250.5;
    in.customItemAmount.at(4) = 0.1234;  // item 5: 30.9117 € on this area
    in.customItemAmount.at(5) = 0.12345; // item 6: 30.924225 €
    in.customItemIncome.at(4) = true;
    in.areaLinkItem5 = true;
    in.areaLinkItem6 = true;
    BillAmounts bill(in);
    QCOMPARE(bill.customItemCents(5), 3091);
    QCOMPARE(bill.customItemCents(6), -3092);
    QCOMPARE(bill.totalCents(), 3091 - 3092);

    // Without the link the price is the amount itself.
    in.areaLinkItem5 = false;
    QCOMPARE(BillAmounts(in).customItemCents(5), 12);
}

void TestBillAmounts::lossShareIsAddedToStoredConsumption() {
    Workspace w;
    w.execute(QStringLiteral("UPDATE param SET Preis_kwh = 0.3, Preis_qm = 2, z8 = 50, z9 = -1"));
    w.execute(QStringLiteral("INSERT INTO parzelle (Nr, text1, text2, Strom, Wasser) VALUES "
                             "('1', 'X', 'X', 400, 20), ('2', ' ', 'x', 400, 20)"));
    Query& rows = w.dm->DruckQuery();
    rows.setSql({QStringLiteral("select * from parzelle,param,nfelder order by nr")});
    QVERIFY(rows.open());
    QCOMPARE(rows.rowCount(), 2);

    rows.first();
    // While the statements are shown the rows hold the share already.
    BillAmounts shown = BillAmounts::fromRow(rows, BillInputs::LossShare::Included);
    QCOMPARE(shown.cents(Component::Electricity), 12000);
    // Stored afterwards, the metered consumption gets the share again: (400 + 50) × 0.30,
    // (20 − 1) × 2.
    BillAmounts stored = BillAmounts::fromRow(rows, BillInputs::LossShare::NotIncluded);
    QCOMPARE(stored.cents(Component::Electricity), 13500);
    QCOMPARE(stored.cents(Component::Water), 3800);
    // Only connected plots were given a share; an unconnected plot is billed no consumption,
    // as the run leaves it, whatever readings were typed since.
    rows.next();
    stored = BillAmounts::fromRow(rows, BillInputs::LossShare::NotIncluded);
    QVERIFY(!stored.charges(Component::Electricity));
    QCOMPARE(stored.cents(Component::Water), 4000);
}

void TestBillAmounts::dunningFeeOnlyOnceInTheTotal() {
    BillInputs in;
    in.mahngebuehr = 5;
    in.beitrag = 42;
    QVERIFY(!BillAmounts(in).charges(Component::DunningFee));
    QCOMPARE(BillAmounts(in).totalCents(), 4200);
    in.dunningFeeIncluded = true;
    QCOMPARE(BillAmounts(in).cents(Component::DunningFee), 500);
    QCOMPARE(BillAmounts(in).totalCents(), 4700);
}

void TestBillAmounts::amountsNoOneCanMeanMakeTheBillInvalid() {
    BillInputs in;
    in.beitrag = 42;
    QVERIFY(BillAmounts(in).isValid());
    in.laubenversicherung = std::numeric_limits<double>::infinity();
    QVERIFY(!BillAmounts(in).isValid());
    in.laubenversicherung = std::numeric_limits<double>::quiet_NaN();
    QVERIFY(!BillAmounts(in).isValid());
    in.laubenversicherung = 9.999e307;
    QVERIFY(!BillAmounts(in).isValid());
    in.laubenversicherung = 0;
    in.flaeche = 1e200;
    in.pachtzins = 1e200;
    QVERIFY(!BillAmounts(in).isValid());
}

void TestBillAmounts::everyComponentHasItsOwnVoucherType() {
    QSet<QString> codes;
    for (int c = 0; c < BillAmounts::componentCount; ++c) {
        const QString code = BillAmounts::voucherType(Component(c));
        bool number = false;
        const int value = code.toInt(&number);
        QVERIFY2(number && value >= 30 && value <= 60, qPrintable(code));
        codes << code;
    }
    QCOMPARE(codes.size(), BillAmounts::componentCount);
    for (const CustomItem& item : CustomItems::all()) {
        const Component component = BillAmounts::customItem(item.number);
        QCOMPARE(BillAmounts::customItemNumber(component), item.number);
        QCOMPARE(BillAmounts::voucherType(component), item.voucherType);
    }
    QCOMPARE(BillAmounts::customItemNumber(Component::Lease), 0);
}

QTEST_GUILESS_MAIN(TestBillAmounts)
#include "tst_billamounts.moc"
