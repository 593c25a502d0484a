#include "demoplots.h"

#include "democustomitems.h"
#include "demonames.h"
#include "demorandom.h"
#include "preparedstatement.h"

#include "data/customitems.h"

#include <algorithm>
#include <numeric>

namespace {

enum class Role { Ordinary, ReplacedMeter, NoElectricity, NoWater };

QVariant money(qint64 cents) {
    return double(cents) / 100.0;
}

// Which plots are special: they are the cases a treasurer's bills have to get right.
QList<Role> assignRoles(DemoRandom& random, int count, QList<bool>& withRemark) {
    QList<int> order(count);
    std::iota(order.begin(), order.end(), 0);
    random.shuffle(order);

    QList<Role> roles(count, Role::Ordinary);
    int next = 0;
    const auto assign = [&](Role role, int wanted) {
        for (int i = 0; i < wanted && next < count; ++i)
            roles[order.at(next++)] = role;
    };
    assign(Role::ReplacedMeter, std::max(2, count / 20));
    assign(Role::NoElectricity, std::max(2, count / 20));
    assign(Role::NoWater, std::max(1, count / 40));

    withRemark = QList<bool>(count, false);
    const int remarks = std::min(count, std::max(2, count / 20));
    for (int i = 0; i < remarks; ++i)
        withRemark[order.at(count - 1 - i)] = true;
    return roles;
}

QVariant telephone(DemoRandom& random, const DemoNames::Town& town) {
    if (!random.chance(65))
        return {};
    if (random.chance(30)) {
        const QString prefix = random.pick(DemoNames::mobilePrefixes());
        const qint64 number = random.between(1000000, 99999999);
        return prefix + u' ' + QString::number(number);
    }
    // Longer dialling codes leave fewer digits for the subscriber.
    const qint64 number =
        town.dialCode.size() > 5 ? random.between(10000, 99999) : random.between(100000, 999999);
    return town.dialCode + u' ' + QString::number(number);
}

QString street(DemoRandom& random) {
    const QString name = random.pick(DemoNames::streets());
    const qint64 number = random.between(1, 120);
    const bool withLetter = random.chance(10);
    return QStringLiteral("%1 %2%3").arg(name).arg(number).arg(withLetter ? u"a" : u"");
}

} // namespace

namespace DemoData {

QString writePlots(Database& database, DemoRandom& random, int count,
                   MeteredConsumption& consumption) {
    const QStringList columns{
        QStringLiteral("Nr"),
        QStringLiteral("Name"),
        QStringLiteral("Vorname"),
        QStringLiteral("Anschrift"),
        QStringLiteral("Ort"),
        QStringLiteral("PLZ"),
        QStringLiteral("telefon"),
        QStringLiteral("Flaeche"),
        QStringLiteral("text1"),
        QStringLiteral("sza"),
        QStringLiteral("szn"),
        QStringLiteral("nsza"),
        QStringLiteral("nszn"),
        QStringLiteral("Strom"),
        QStringLiteral("Abschlag_Strom_Vorjahr"),
        QStringLiteral("text2"),
        QStringLiteral("wza"),
        QStringLiteral("wzn"),
        QStringLiteral("nwza"),
        QStringLiteral("nwzn"),
        QStringLiteral("Wasser"),
        QStringLiteral("Abschlag_Wasser_Vorjahr"),
        QStringLiteral("nicht_gel_Arbeitsstunden"),
        QStringLiteral("Laubenversicherung"),
        QStringLiteral("Parkplatzgebuehr"),
        roadWorksItem().amountColumn,
        QStringLiteral("gezahlt"),
        QStringLiteral("uebernommen"),
        QStringLiteral("mahncheck"),
        QStringLiteral("memo"),
    };
    PreparedStatement insert(database,
                             PreparedStatement::insertInto(QStringLiteral("parzelle"), columns));

    QList<bool> withRemark;
    const QList<Role> roles = assignRoles(random, count, withRemark);
    const QString metered = QStringLiteral("X");
    const QString unmetered = QStringLiteral(" ");

    for (int i = 0; i < count; ++i) {
        const Role role = roles.at(i);
        const QString surname = random.pick(DemoNames::surnames());
        const QString firstName = random.pick(DemoNames::firstNames());
        const QString address = street(random);
        const DemoNames::Town town = random.pick(DemoNames::towns());
        const QVariant phone = telephone(random, town);
        const qint64 area = random.between(150, 500);

        // Electricity: most plots use a few hundred to a good thousand kWh a year.
        qint64 sza = 0, szn = 0, nsza = 0, nszn = 0, kwh = 0, electricityAdvance = 0;
        if (role != Role::NoElectricity) {
            sza = random.between(1500, 48000);
            kwh = random.between(100, 1250);
            kwh += random.between(100, 1250);
            if (role == Role::ReplacedMeter) {
                const qint64 oldMeterShare = kwh * random.between(25, 75) / 100;
                szn = sza + oldMeterShare;
                nsza = random.between(0, 3);
                nszn = nsza + kwh - oldMeterShare;
            } else {
                szn = sza + kwh;
            }
            if (random.chance(25))
                electricityAdvance = kwh * 18; // about half of last year's bill, in cents
            consumption.kilowattHours += kwh;
        }

        qint64 wza = 0, wzn = 0, cubicMetres = 0, waterAdvance = 0;
        if (role != Role::NoWater) {
            wza = random.between(40, 1800);
            cubicMetres = random.between(2, 30);
            cubicMetres += random.between(3, 30);
            wzn = wza + cubicMetres;
            if (random.chance(25))
                waterAdvance = cubicMetres * 250;
            consumption.cubicMetres += cubicMetres;
        }

        const qint64 missedHours = random.chance(20) ? random.between(1, 8) : 0;
        const qint64 arbourInsurance =
            random.chance(25) ? QList<qint64>{1850, 2400, 3120}.at(random.below(3)) : 0;
        const qint64 parking = random.chance(15) ? (random.chance(50) ? 3000 : 4500) : 0;
        const qint64 roadWorks = random.chance(30) ? (random.chance(50) ? 2000 : 3500) : 0;
        const QVariant remark =
            withRemark.at(i) ? QVariant(random.pick(DemoNames::plotRemarks())) : QVariant();

        const QString error = insert.run({
            QString::number(i + 1),
            surname,
            firstName,
            address,
            town.name,
            town.postcode,
            phone,
            double(area),
            role == Role::NoElectricity ? unmetered : metered,
            double(sza),
            double(szn),
            double(nsza),
            double(nszn),
            double(kwh),
            money(electricityAdvance),
            role == Role::NoWater ? unmetered : metered,
            double(wza),
            double(wzn),
            0.0,
            0.0,
            double(cubicMetres),
            money(waterAdvance),
            double(missedHours),
            money(arbourInsurance),
            money(parking),
            money(roadWorks),
            0,
            0,
            0,
            remark,
        });
        if (!error.isEmpty())
            return error;
    }
    return {};
}

} // namespace DemoData
