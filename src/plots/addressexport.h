#pragma once

#include <QString>
#include <QStringList>

class Query;

// The tenants' addresses as a file for a spreadsheet program: an XML row set in the layout
// of a persisted recordset, a schema describing the columns followed by one row element per
// plot.
namespace AddressExport {

// The exported columns of the plot table, in the order the file declares them.
QStringList columns();

// Writes every row of the open query (which has the exported columns) to the file. The file
// is replaced only once the new content is complete, so a failed write keeps the previous
// export. Returns what went wrong in German, empty on success.
QString write(Query& rows, const QString& filePath);

} // namespace AddressExport
