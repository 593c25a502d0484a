#include "framework/reportstyle.h"

namespace ReportStyle {

ReportFont arial(double pointSize, bool bold, bool italic) {
    return ReportFont{QStringLiteral("Arial"), pointSize, bold, italic};
}

ReportFont bookAntiqua(double pointSize, bool bold) {
    return ReportFont{QStringLiteral("Book Antiqua"), pointSize, bold, false};
}

ReportFont typewriter(double pointSize) {
    return ReportFont{QStringLiteral("Lucida Sans Typewriter"), pointSize, false, false};
}

QRectF endingAt(double right, double y, double width, double height) {
    return QRectF(right - width, y, width, height);
}

} // namespace ReportStyle
