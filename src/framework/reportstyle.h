#pragma once

#include "framework/reportdocument.h"

#include <QRectF>

// The faces the reports name and a helper for right-aligned figures, shared by every report.
namespace ReportStyle {

// The renderer puts metrically similar free faces in their place.
ReportFont arial(double pointSize, bool bold = false, bool italic = false);
ReportFont bookAntiqua(double pointSize, bool bold = false);
// The fixed-pitch face of the transfer form's fields.
ReportFont typewriter(double pointSize = 12);

// A box whose text ends at `right`, for right-aligned figures.
QRectF endingAt(double right, double y, double width, double height);

} // namespace ReportStyle
