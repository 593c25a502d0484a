#include "data/schema.h"

namespace {

Column text(const QString& name, int size = 20) {
    return Column{name, ColumnType::Text, size, {}, 0, 0, 0, Measure::Figure};
}

Column number(const QString& name, const QString& format = {}) {
    return Column{name, ColumnType::Double, 0, format, 0, 0, 0, Measure::Figure};
}

// Euro, or euro per unit (kWh, m³, m², hour).
Column euro(const QString& name, const QString& format = QStringLiteral("0.00")) {
    Column column = number(name, format);
    column.measure = Measure::Money;
    return column;
}

// Square metres of garden land.
Column area(const QString& name) {
    Column column = number(name, QStringLiteral("0.00"));
    column.measure = Measure::Area;
    return column;
}

Column flag(const QString& name) {
    return Column{name, ColumnType::Boolean, 0, {}, 0, 0, 0, Measure::Figure};
}

Column date(const QString& name) {
    return Column{name, ColumnType::Date, 0, {}, 0, 0, 0, Measure::Figure};
}

Column addedBy(Column column, int step) {
    column.addedByStep = step;
    return column;
}

QList<TableSchema> declareTables() {
    const QString money = QStringLiteral("0.00");

    TableSchema parzelle{QStringLiteral("parzelle"), {}, QStringLiteral("Nr")};
    auto& p = parzelle.columns;
    p << text("Nr", 8) << text("Name", 50) << text("Vorname", 50) << text("Anschrift", 50)
      << text("Ort", 50) << text("PLZ", 5) << area("Flaeche") << number("Strom", money)
      << euro("Abschlag_Strom_Vorjahr") << euro("Abschlag_Strom") << number("Wasser", money)
      << number("nicht_gel_Arbeitsstunden", money) << euro("Laubenversicherung")
      << euro("Parkplatzgebuehr") << flag("gezahlt") << flag("uebernommen");
    for (const char* reserve :
         {"Reserve1", "Reserve2", "Reserve3", "Reserve4", "Reserve9", "Reserve10"})
        p << euro(QString::fromLatin1(reserve));
    p << flag("stromcheck");
    for (const char* reading : {"sza", "szn", "nsza", "nszn", "wza", "wzn", "nwza", "nwzn"})
        p << number(QString::fromLatin1(reading));
    p << euro("gesamt") << euro("Abschlag_Wasser_Vorjahr") << euro("Abschlag_Wasser")
      << flag("mahncheck");
    for (int i = 1; i <= 5; ++i)
        p << text(QStringLiteral("text%1").arg(i));
    for (int i = 1; i <= 5; ++i)
        p << number(QStringLiteral("z%1").arg(i), money);
    for (int i = 1; i <= 5; ++i)
        p << flag(QStringLiteral("bool%1").arg(i));
    p << Column{QStringLiteral("memo"), ColumnType::Memo, 0, {}, 0, 0, 0, Measure::Figure};
    p << addedBy(text("telefon", 15), 2);
    for (int i = 11; i <= 20; ++i)
        p << addedBy(number(QStringLiteral("z%1").arg(i)), i - 8); // steps 3 to 12

    TableSchema param{QStringLiteral("param"), {}, {}};
    auto& a = param.columns;
    a << euro("Pachtzins", "0.0000") << euro("Beitrag") << euro("Preis_Arbeitsstunde")
      << euro("Preis_kwh", "0.0000") << euro("Preis_qm") << euro("Vereinshaftpflicht")
      << euro("Vereinsunfallversicherung") << euro("Wartungsgebuehr") << text("Bank", 30)
      << text("BLZ", 8) << text("Kto", 12) << text("Ort", 30) << date("Zahlfrist")
      << euro("Umlagen") << area("Neuvermessung") << euro("Mahngebuehr")
      << euro("Strassenreinigung") << euro("grundg_verein");
    for (const char* reserve :
         {"reserve5", "reserve6", "reserve7", "reserve8", "reserve11", "reserve12"})
        a << euro(QString::fromLatin1(reserve));
    a << euro("strech") << euro("warech") << euro("strreiv") << euro("haftpflv") << euro("unfallv")
      << euro("Grundgebuehr_W") << euro("Grundgebuehr_W_Verein");
    for (int i = 6; i <= 10; ++i)
        a << text(QStringLiteral("text%1").arg(i));
    a << number("z6", "0.0") << number("z7", "0.0") << number("z8", money) << number("z9", money)
      << number("z10", money) << text("varzahlgrd", 50) << text("absname", 30)
      << text("absvorname", 30) << text("absstrasse", 30) << text("absort", 30)
      << text("absplz", 5);
    Column verein = text("Verein", 60);
    verein.widenedByStep = 23;
    verein.sizeBefore = 30;
    a << verein;
    for (int i = 21; i <= 30; ++i)
        a << addedBy(number(QStringLiteral("z%1").arg(i)), i - 8); // steps 13 to 22

    TableSchema nfelder{QStringLiteral("nfelder"), {}, {}};
    for (int i = 1; i <= 12; ++i)
        nfelder.columns << text(QStringLiteral("reserve%1").arg(i), 50);
    for (int i = 1; i <= 12; ++i)
        nfelder.columns << flag(QStringLiteral("rc%1").arg(i));
    nfelder.columns << addedBy(flag("rc111"), 1) << addedBy(flag("rc222"), 1);

    const auto journal = [&](const char* name) {
        TableSchema t{QString::fromLatin1(name), {}, QStringLiteral("lfd_nr")};
        t.columns << Column{QStringLiteral("lfd_nr"), ColumnType::Integer, 0, {}, 0, 0, 0,
                            Measure::Figure}
                  << date("datum") << text("Art", 8) << text("Bezeichnung", 50) << text("konto", 7)
                  << euro("Einnahme", "#,##0.00") << euro("Ausgabe", "#,##0.00")
                  << euro("saldo", "#,##0.00") << text("monat", 10);
        return t;
    };

    const auto voucherTypes = [&](const char* name, const char* orderBy) {
        TableSchema t{QString::fromLatin1(name), {}, QString::fromLatin1(orderBy)};
        t.columns << text("art", 8) << text("konto", 7) << text("bezeichnung", 50)
                  << flag("einzahlung");
        return t;
    };

    const auto openingBalance = [&](const char* name, const char* orderBy) {
        TableSchema t{QString::fromLatin1(name), {}, QString::fromLatin1(orderBy)};
        t.columns << text("nr", 3) << euro("anfangswert") << text("Jahr", 4);
        return t;
    };

    return {parzelle,
            param,
            nfelder,
            journal("hauptkasse"),
            journal("handkasse"),
            voucherTypes("konto", "art"),
            voucherTypes("syskonto", ""),
            openingBalance("hauptanfangsw", "nr"),
            openingBalance("handanfangsw", "")};
}

} // namespace

QString Column::sqlType() const {
    switch (type) {
    case ColumnType::Text:
        return QStringLiteral("TEXT(%1)").arg(size);
    case ColumnType::Memo:
        return QStringLiteral("TEXT");
    case ColumnType::Double:
        return QStringLiteral("DOUBLE");
    case ColumnType::Integer:
        return QStringLiteral("INTEGER");
    case ColumnType::Boolean:
        return QStringLiteral("BOOLEAN");
    case ColumnType::Date:
        return QStringLiteral("DATE");
    }
    return {};
}

QString Column::sqlDefinition() const {
    // Numbers start at 0 and flags at false: the billing sums add columns directly, and an
    // empty operand would make a whole total empty.
    QString definition = name + u' ' + sqlType();
    if (isNumeric() || type == ColumnType::Boolean)
        definition += QStringLiteral(" DEFAULT 0");
    return definition;
}

const Column* TableSchema::column(QStringView columnName) const {
    for (const Column& c : columns) {
        if (c.name.compare(columnName, Qt::CaseInsensitive) == 0)
            return &c;
    }
    return nullptr;
}

namespace Schema {

const QList<TableSchema>& tables() {
    static const QList<TableSchema> declared = declareTables();
    return declared;
}

const TableSchema* table(QStringView tableName) {
    for (const TableSchema& t : tables()) {
        if (t.name.compare(tableName, Qt::CaseInsensitive) == 0)
            return &t;
    }
    return nullptr;
}

const Column* column(QStringView tableName, QStringView columnName) {
    const TableSchema* t = table(tableName);
    return t ? t->column(columnName) : nullptr;
}

int textSize(QStringView tableName, QStringView columnName) {
    const Column* c = column(tableName, columnName);
    return c && c->type == ColumnType::Text ? c->size : 0;
}

} // namespace Schema
