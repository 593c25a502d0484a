#pragma once

#include <QString>

class Database;
struct CustomItem;

namespace DemoData {

// The two charges the demo association names itself: road works per plot and a credit for
// the summer festival, the same for all plots.
const CustomItem& roadWorksItem();
const CustomItem& festivalItem();

// Labels and sides in nfelder, the festival credit's amount and the matching system voucher
// types. The per-plot road-works amounts come with the plots.
QString writeCustomItems(Database& database);

} // namespace DemoData
