#include "support/workspace.h"

#include "data/customitems.h"

#include <QTest>

// The custom charge items keep their voucher types in step, and an item without a name
// holds no amount anywhere.
class TestCustomItemRules : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void itemsAndTheirVoucherTypes();
    void namingAnItemNamesItsVoucherType();
    void incomeFlagFollowsIntoTheVoucherType();
    void clearingAPlotItemZeroesEveryPlot();
    void clearingAGeneralItemZeroesTheParameter();
    void typedAmountDoesNotOutliveTheClearing();
    void closingStoresTheRow();
};

namespace {

QString description(Workspace& w, const char* code) {
    return w
        .scalar(QStringLiteral("SELECT coalesce(bezeichnung, '') FROM syskonto WHERE art = '%1'")
                    .arg(QLatin1String(code)))
        .toString();
}

} // namespace

void TestCustomItemRules::itemsAndTheirVoucherTypes() {
    QStringList codes;
    for (const CustomItem& item : CustomItems::all())
        codes << item.voucherType + u':' + item.amountTable.left(2);
    QCOMPARE(codes.join(u' '), QStringLiteral("45:pa 46:pa 47:pa 48:pa 49:pa 50:pa 51:pa 52:pa "
                                              "57:pa 58:pa 59:pa 60:pa"));
    QVERIFY(CustomItems::byLabelColumn(QStringLiteral("reserve9"))->isPerPlot());
    QVERIFY(!CustomItems::byLabelColumn(QStringLiteral("reserve11"))->isPerPlot());
    QCOMPARE(CustomItems::byLabelColumn(QStringLiteral("reserve6"))->areaLinkColumn,
             QStringLiteral("rc222"));
}

void TestCustomItemRules::namingAnItemNamesItsVoucherType() {
    Workspace w;
    w.dm->nfelder().setValue(QStringLiteral("reserve1"), QStringLiteral("Wegebau"));
    w.dm->nfelder().setValue(QStringLiteral("reserve12"), QStringLiteral("Heckenschnitt"));
    QCOMPARE(description(w, "45"), QStringLiteral("Wegebau"));
    QCOMPARE(description(w, "60"), QStringLiteral("Heckenschnitt"));
    QCOMPARE(description(w, "46"), QString());
}

void TestCustomItemRules::incomeFlagFollowsIntoTheVoucherType() {
    Workspace w;
    w.dm->nfelder().setValue(QStringLiteral("rc9"), true);
    QCOMPARE(w.scalar(QStringLiteral("SELECT einzahlung FROM syskonto WHERE art = '57'")).toInt(),
             1);
    w.dm->nfelder().setValue(QStringLiteral("rc9"), false);
    QCOMPARE(w.scalar(QStringLiteral("SELECT einzahlung FROM syskonto WHERE art = '57'")).toInt(),
             0);
}

void TestCustomItemRules::clearingAPlotItemZeroesEveryPlot() {
    Workspace w;
    w.execute(QStringLiteral("INSERT INTO parzelle (Nr, Reserve3, Reserve4) VALUES ('1', 10, 1), "
                             "('2', 20, 2)"));
    w.dm->parzelle().reopen();
    Table& items = w.dm->nfelder();
    items.setValue(QStringLiteral("reserve3"), QStringLiteral("Wasseruhr"));
    QCOMPARE(description(w, "47"), QStringLiteral("Wasseruhr"));
    items.setValue(QStringLiteral("reserve3"), QString());
    QCOMPARE(w.scalar(QStringLiteral("SELECT sum(Reserve3) FROM parzelle")).toDouble(), 0.0);
    QCOMPARE(w.scalar(QStringLiteral("SELECT sum(Reserve4) FROM parzelle")).toDouble(), 3.0);
    QCOMPARE(description(w, "47"), QString());
    QCOMPARE(w.dm->parzelle().number(QStringLiteral("Reserve3")), 0.0);
}

void TestCustomItemRules::clearingAGeneralItemZeroesTheParameter() {
    Workspace w;
    w.dm->nfelder().setValue(QStringLiteral("reserve6"), QStringLiteral("Strom Vereinsheim"));
    w.execute(QStringLiteral("UPDATE param SET reserve6 = 12.5, reserve7 = 3"));
    w.dm->param().reopen();
    QCOMPARE(description(w, "50"), QStringLiteral("Strom Vereinsheim"));
    w.dm->nfelder().setValue(QStringLiteral("reserve6"), QString());
    QCOMPARE(description(w, "50"), QString());
    QCOMPARE(w.dm->param().number(QStringLiteral("reserve6")), 0.0);
    // The parameter row is stored when it is next closed.
    w.dm->disconnectDatabase();
    QCOMPARE(
        w.folder.scalar(QStringLiteral("SELECT reserve6 || '/' || reserve7 FROM param")).toString(),
        QStringLiteral("0.0/3.0"));
}

void TestCustomItemRules::typedAmountDoesNotOutliveTheClearing() {
    Workspace w;
    w.execute(QStringLiteral("INSERT INTO parzelle (Nr) VALUES ('1')"));
    w.dm->nfelder().setValue(QStringLiteral("reserve1"), QStringLiteral("Wegebau"));
    Table& plots = w.dm->parzelle();
    plots.reopen();
    plots.setValue(QStringLiteral("Reserve1"), 25.0);
    w.dm->nfelder().setValue(QStringLiteral("reserve1"), QString());
    w.dm->disconnectDatabase();
    QCOMPARE(w.folder.scalar(QStringLiteral("SELECT Reserve1 FROM parzelle")).toDouble(), 0.0);
}

void TestCustomItemRules::closingStoresTheRow() {
    Workspace w;
    w.dm->nfelder().setValue(QStringLiteral("rc111"), true);
    w.dm->disconnectDatabase();
    QCOMPARE(w.folder.scalar(QStringLiteral("SELECT rc111 FROM nfelder")).toInt(), 1);
}

QTEST_GUILESS_MAIN(TestCustomItemRules)
#include "tst_customitemrules.moc"
