#include "plots/plotsums.h"

#include "data/dm1.h"

QString PlotSums::read(DM1& dm, const QString& whereLine, PlotSums& sums) {
    Query& query = dm.sumparzquery();
    query.close();
    QStringList lines{
        QStringLiteral("select count(*) as nr, sum(parzelle.strom) as strom, "
                       "sum(parzelle.wasser) as wasser"),
        QStringLiteral("from parzelle"),
    };
    if (!whereLine.isEmpty())
        lines << whereLine;
    query.setSql(lines);

    sums = PlotSums();
    if (!query.open())
        return query.lastError();
    if (!query.isEmpty()) {
        query.first();
        // Sums over no rows come back empty; number() reads that as 0.
        sums.count = int(query.number(QStringLiteral("nr")));
        sums.electricity = query.number(QStringLiteral("strom"));
        sums.water = query.number(QStringLiteral("wasser"));
    }
    query.close();
    return {};
}
