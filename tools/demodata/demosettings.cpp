#include "demosettings.h"

#include "demoplots.h"
#include "demorandom.h"
#include "preparedstatement.h"

#include <QDate>

#include <algorithm>

#include <utility>

namespace {

using Setting = std::pair<QString, QVariant>;

QVariant money(qint64 cents) {
    return double(cents) / 100.0;
}

// The association's main meter counts a little more than the plots' meters together: line
// losses, the clubhouse, the standpipe at the gate.
qint64 mainMeterReading(DemoRandom& random, qint64 plotsTotal) {
    const qint64 surplusPerTenThousand = random.between(200, 600);
    return plotsTotal + std::max<qint64>(1, (plotsTotal * surplusPerTenThousand + 5000) / 10000);
}

QString writeSettingsRow(Database& database, const QList<Setting>& settings) {
    QStringList columns;
    QVariantList values;
    for (const Setting& setting : settings) {
        columns << setting.first;
        values << setting.second;
    }
    PreparedStatement update(database, PreparedStatement::update(QStringLiteral("param"), columns));
    return update.run(values);
}

QString writeOpeningBalance(Database& database, const QString& table, qint64 cents, int year) {
    PreparedStatement update(
        database,
        PreparedStatement::update(table, {QStringLiteral("anfangswert"), QStringLiteral("Jahr")}));
    return update.run({money(cents), QString::number(year)});
}

} // namespace

namespace DemoData {

QString writeSettings(Database& database, DemoRandom& random, int year, int plots,
                      const MeteredConsumption& consumption) {
    const qint64 kwh = mainMeterReading(random, consumption.kilowattHours);
    const qint64 cubicMetres = mainMeterReading(random, consumption.cubicMetres);
    const QDate paymentDeadline(year + 1, 3, 31);

    const QList<Setting> settings{
        {QStringLiteral("Verein"), QStringLiteral("Kleingartenverein Sonnenblick e.V.")},
        {QStringLiteral("Ort"), QStringLiteral("Strausberg")},
        {QStringLiteral("Bank"), QStringLiteral("DE98170560000004712839")},
        {QStringLiteral("Kto"), QStringLiteral("SBLKDEF1STR")},
        {QStringLiteral("Zahlfrist"), paymentDeadline.toString(Qt::ISODate)},
        {QStringLiteral("varzahlgrd"), QStringLiteral("Jahresrechnung %1 Parzelle").arg(year)},
        {QStringLiteral("absname"), QStringLiteral("Lehmann")},
        {QStringLiteral("absvorname"), QStringLiteral("Sabine")},
        {QStringLiteral("absstrasse"), QStringLiteral("Am Wiesengrund 12")},
        {QStringLiteral("absort"), QStringLiteral("Strausberg")},
        {QStringLiteral("absplz"), QStringLiteral("15344")},
        {QStringLiteral("text6"), QStringLiteral("064/141/05237")},
        {QStringLiteral("text7"), QStringLiteral("Sabine Lehmann")},
        {QStringLiteral("text8"), QStringLiteral("03341 308452")},
        {QStringLiteral("Pachtzins"), 0.2150},
        {QStringLiteral("Beitrag"), money(4200)},
        {QStringLiteral("Preis_Arbeitsstunde"), money(1500)},
        {QStringLiteral("Umlagen"), money(1000)},
        {QStringLiteral("Neuvermessung"), money(250)},
        {QStringLiteral("Mahngebuehr"), money(500)},
        // The association's own bills for the year, in line with its main meters and size.
        {QStringLiteral("strech"), money((kwh * 3385 + 50) / 100)},
        {QStringLiteral("grundg_verein"), money(21588)},
        {QStringLiteral("warech"), money(cubicMetres * 512)},
        {QStringLiteral("Grundgebuehr_W_Verein"), money(11880)},
        {QStringLiteral("strreiv"), money(plots * 940LL)},
        {QStringLiteral("haftpflv"), money(3800 + plots * 635LL)},
        {QStringLiteral("unfallv"), money(2250 + plots * 310LL)},
        {QStringLiteral("z6"), double(kwh)},
        {QStringLiteral("z7"), double(cubicMetres)},
        {QStringLiteral("z21"), 50.0},
        {QStringLiteral("z22"), 50.0},
        // Losses shared equally among the metered plots, so the demo bills at once.
        {QStringLiteral("z23"), 1.0},
        {QStringLiteral("z24"), 1.0},
    };
    QString error = writeSettingsRow(database, settings);
    if (error.isEmpty())
        error = writeOpeningBalance(database, QStringLiteral("hauptanfangsw"), 481237, year);
    if (error.isEmpty())
        error = writeOpeningBalance(database, QStringLiteral("handanfangsw"), 23650, year);
    return error;
}

} // namespace DemoData
