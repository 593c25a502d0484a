#include "support/workspace.h"

#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <limits>

// The table object: order, the current row, editing and posting.
class TestTable : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void plotsAreOrderedAsText();
    void postedRowTakesItsPlaceInTheOrder();
    void untouchedNewRowIsDropped();
    void cancelledInsertReturnsToThePreviousRow();
    void postWritesOnlyWhatChanged();
    void removeKeepsAPlaceInTheTable();
    void textIsCutToTheColumnSize();
    void emptyNumberReadsAsZero();
    void closeStoresWhatWasTyped();
    void collatedOrderHoldsUntilReopened();
    void infiniteAndUndefinedNumbersAreRefused();
};

namespace {

void addPlots(Workspace& w, const QStringList& numbers) {
    for (const QString& number : numbers)
        w.execute(QStringLiteral("INSERT INTO parzelle (Nr, Name) VALUES ('%1', 'Pächter %1')")
                      .arg(number));
    w.dm->parzelle().reopen();
}

// A column's values in the table's order; the current row stays current.
QStringList columnInOrder(Table& plots, const QString& column) {
    const int current = plots.position();
    QStringList values;
    for (int i = 0; i < plots.rowCount(); ++i) {
        plots.moveTo(i);
        values << plots.text(column);
    }
    plots.moveTo(current);
    return values;
}

QStringList numbersInOrder(Table& plots) {
    return columnInOrder(plots, QStringLiteral("Nr"));
}

} // namespace

void TestTable::plotsAreOrderedAsText() {
    Workspace w;
    addPlots(w, {QStringLiteral("2"), QStringLiteral("10"), QStringLiteral("1")});
    QCOMPARE(numbersInOrder(w.dm->parzelle()),
             QStringList({QStringLiteral("1"), QStringLiteral("10"), QStringLiteral("2")}));
    QCOMPARE(w.dm->parzelle().text(QStringLiteral("Nr")), QStringLiteral("1"));
}

void TestTable::postedRowTakesItsPlaceInTheOrder() {
    Workspace w;
    addPlots(w, {QStringLiteral("1"), QStringLiteral("3")});
    Table& plots = w.dm->parzelle();
    plots.insert();
    plots.setValue(QStringLiteral("Nr"), QStringLiteral("2"));
    QVERIFY(plots.post());
    QCOMPARE(plots.position(), 1);
    QCOMPARE(numbersInOrder(plots),
             QStringList({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));

    plots.setValue(QStringLiteral("Nr"), QStringLiteral("4"));
    QVERIFY(plots.post());
    QCOMPARE(plots.position(), 2);
    QCOMPARE(plots.text(QStringLiteral("Nr")), QStringLiteral("4"));
}

void TestTable::untouchedNewRowIsDropped() {
    Workspace w;
    addPlots(w, {QStringLiteral("1")});
    Table& plots = w.dm->parzelle();
    plots.insert();
    QCOMPARE(plots.rowCount(), 2);
    QVERIFY(plots.first());
    QCOMPARE(plots.rowCount(), 1);
    QCOMPARE(w.scalar(QStringLiteral("SELECT count(*) FROM parzelle")).toInt(), 1);
    QVERIFY(w.interaction.said().isEmpty());
}

void TestTable::cancelledInsertReturnsToThePreviousRow() {
    Workspace w;
    addPlots(w, {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    Table& plots = w.dm->parzelle();
    plots.moveTo(1);
    plots.insert();
    plots.setValue(QStringLiteral("Name"), QStringLiteral("Neu"));
    plots.cancel();
    QCOMPARE(plots.text(QStringLiteral("Nr")), QStringLiteral("2"));
    QCOMPARE(plots.rowCount(), 3);
}

void TestTable::postWritesOnlyWhatChanged() {
    Workspace w;
    addPlots(w, {QStringLiteral("1")});
    Table& plots = w.dm->parzelle();
    QCOMPARE(plots.text(QStringLiteral("Name")), QStringLiteral("Pächter 1"));
    // Another part of the program changes the plot behind the table object's back.
    w.execute(QStringLiteral("UPDATE parzelle SET gesamt = 99.5"));
    plots.setValue(QStringLiteral("Name"), QStringLiteral("Schulze"));
    QVERIFY(plots.post());
    QCOMPARE(w.scalar(QStringLiteral("SELECT gesamt FROM parzelle")).toDouble(), 99.5);
    QCOMPARE(w.scalar(QStringLiteral("SELECT Name FROM parzelle")).toString(),
             QStringLiteral("Schulze"));
}

void TestTable::removeKeepsAPlaceInTheTable() {
    Workspace w;
    addPlots(w, {QStringLiteral("1"), QStringLiteral("2")});
    Table& plots = w.dm->parzelle();
    QVERIFY(plots.last());
    QVERIFY(plots.remove());
    QCOMPARE(plots.rowCount(), 1);
    QCOMPARE(plots.text(QStringLiteral("Nr")), QStringLiteral("1"));
    QVERIFY(plots.remove());
    QVERIFY(plots.isEmpty());
    QCOMPARE(plots.position(), -1);
}

void TestTable::textIsCutToTheColumnSize() {
    Workspace w;
    Table& plots = w.dm->parzelle();
    plots.insert();
    plots.setValue(QStringLiteral("Nr"), QStringLiteral("123456789"));
    plots.setValue(QStringLiteral("PLZ"), QStringLiteral("123456"));
    QVERIFY(plots.post());
    QCOMPARE(w.scalar(QStringLiteral("SELECT Nr || '/' || PLZ FROM parzelle")).toString(),
             QStringLiteral("12345678/12345"));
}

void TestTable::emptyNumberReadsAsZero() {
    Workspace w;
    w.execute(QStringLiteral("INSERT INTO parzelle (Nr, Flaeche) VALUES ('1', NULL)"));
    Table& plots = w.dm->parzelle();
    plots.reopen();
    QVERIFY(plots.isNull(QStringLiteral("Flaeche")));
    QCOMPARE(plots.number(QStringLiteral("Flaeche")), 0.0);
    plots.setValue(QStringLiteral("Flaeche"), QStringLiteral("  "));
    QVERIFY(plots.isNull(QStringLiteral("Flaeche")));
}

void TestTable::closeStoresWhatWasTyped() {
    Workspace w;
    addPlots(w, {QStringLiteral("1")});
    Table& plots = w.dm->parzelle();
    QSignalSpy closed(&plots, &Table::closed);
    plots.setValue(QStringLiteral("Name"), QStringLiteral("Krause"));
    plots.close();
    QCOMPARE(closed.count(), 1);
    QCOMPARE(w.scalar(QStringLiteral("SELECT Name FROM parzelle")).toString(),
             QStringLiteral("Krause"));
}

void TestTable::collatedOrderHoldsUntilReopened() {
    Workspace w;
    const QStringList names{QStringLiteral("Zander"), QStringLiteral("müller"),
                            QStringLiteral("Abel"),   QStringLiteral("Äbel"),
                            QStringLiteral("MÜLLER"), QStringLiteral("Mueller"),
                            QStringLiteral("Becker")};
    for (int i = 0; i < names.size(); ++i)
        w.execute(QStringLiteral("INSERT INTO parzelle (Nr, Name) VALUES ('%1', '%2')")
                      .arg(i + 1)
                      .arg(names.at(i)));
    Table& plots = w.dm->parzelle();
    plots.reopen();
    QVERIFY(plots.moveTo(2));
    QCOMPARE(plots.text(QStringLiteral("Name")), QStringLiteral("Abel"));

    QCollator german(QLocale(QLocale::German, QLocale::Germany));
    german.setCaseSensitivity(Qt::CaseInsensitive);
    QVERIFY(plots.setOrder(QStringLiteral("Name"), german));
    // Umlauts sort with their vowel, case does not count, equal names keep their storage
    // order; the current plot stays current.
    QCOMPARE(columnInOrder(plots, QStringLiteral("Name")),
             QStringList({QStringLiteral("Abel"), QStringLiteral("Äbel"), QStringLiteral("Becker"),
                          QStringLiteral("Mueller"), QStringLiteral("müller"),
                          QStringLiteral("MÜLLER"), QStringLiteral("Zander")}));
    QCOMPARE(plots.position(), 0);
    QCOMPARE(plots.text(QStringLiteral("Name")), QStringLiteral("Abel"));
    QCOMPARE(plots.indexWhere(QStringLiteral("Name"),
                              [](const QVariant& name) {
                                  return name.toString().startsWith(QStringLiteral("MÜ"),
                                                                    Qt::CaseInsensitive);
                              }),
             4);

    // A renamed plot moves to its place in that order.
    QVERIFY(plots.last());
    plots.setValue(QStringLiteral("Name"), QStringLiteral("Ärmel"));
    QVERIFY(plots.post());
    QCOMPARE(plots.position(), 2);
    QVERIFY(plots.next());
    QCOMPARE(plots.text(QStringLiteral("Name")), QStringLiteral("Becker"));

    plots.reopen();
    QCOMPARE(numbersInOrder(plots),
             QStringList({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                          QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"),
                          QStringLiteral("7")}));
}

void TestTable::infiniteAndUndefinedNumbersAreRefused() {
    Workspace w;
    w.execute(QStringLiteral("INSERT INTO parzelle (Nr, gesamt, sza, Strom) VALUES "
                             "('1', 12.5, 10, 5)"));
    Table& plots = w.dm->parzelle();
    plots.reopen();
    const double infinite = std::numeric_limits<double>::infinity();
    for (const QVariant& value :
         {QVariant(infinite), QVariant(-infinite),
          QVariant(std::numeric_limits<double>::quiet_NaN()), QVariant(QStringLiteral("inf"))}) {
        QVERIFY(!plots.setValue(QStringLiteral("gesamt"), value));
        QVERIFY(!plots.lastError().isEmpty());
        QCOMPARE(plots.number(QStringLiteral("gesamt")), 12.5);
    }
    QCOMPARE(plots.state(), Table::State::Browse);
    // Nor can a rule's arithmetic overflow into a column.
    QVERIFY(plots.setValue(QStringLiteral("sza"), 1e308));
    QVERIFY(plots.setValue(QStringLiteral("szn"), -1e308));
    QVERIFY(std::isfinite(plots.number(QStringLiteral("Strom"))));
    QVERIFY(plots.post());
    QCOMPARE(w.scalar(QStringLiteral("SELECT gesamt FROM parzelle")).toDouble(), 12.5);
}

QTEST_GUILESS_MAIN(TestTable)
#include "tst_table.moc"
