#pragma once

#include <QString>

class DM1;
class Interaction;

// The plot register's commands over every tenant's address: the address list and the export
// for a spreadsheet program.
namespace AddressCommands {

// Previews the address list of all plots in text order of their numbers.
void showAddressList(DM1& dm, Interaction& interaction);

// Asks, then writes the tenants' addresses to the file, by default "Export.xls" in the
// working directory. A failure is reported and leaves an earlier export as it was.
void exportAddresses(DM1& dm, Interaction& interaction,
                     const QString& filePath = QStringLiteral("Export.xls"));

} // namespace AddressCommands
