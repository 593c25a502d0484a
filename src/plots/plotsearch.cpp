#include "plots/plotsearch.h"

#include "data/table.h"

#include <QCollator>
#include <QLocale>

namespace PlotSearch {

namespace {

Outcome find(Table& plots, const QString& column, const std::optional<QCollator>& collator,
             const std::function<bool(const QVariant&)>& matches) {
    if (!plots.setOrder(column, collator))
        return Outcome::Unstored;
    const int found = plots.indexWhere(column, matches);
    if (found < 0)
        return Outcome::NotFound;
    return plots.moveTo(found) ? Outcome::Found : Outcome::Unstored;
}

} // namespace

Outcome findName(Table& plots, const QString& start) {
    QCollator german(QLocale(QLocale::German, QLocale::Germany));
    german.setCaseSensitivity(Qt::CaseInsensitive);
    return find(plots, QStringLiteral("Name"), german, [&start](const QVariant& name) {
        return name.toString().startsWith(start, Qt::CaseInsensitive);
    });
}

Outcome findNumber(Table& plots, const QString& number) {
    return find(plots, QStringLiteral("Nr"), std::nullopt,
                [&number](const QVariant& nr) { return nr.toString() == number; });
}

} // namespace PlotSearch
