#pragma once

#include <QFont>

// The large bold serif face of the program's title.
inline QFont titleFont(int pointSize) {
    QFont font;
    font.setFamilies({QStringLiteral("P052"), QStringLiteral("TeX Gyre Pagella"),
                      QStringLiteral("DejaVu Serif")});
    font.setStyleHint(QFont::Serif);
    font.setPointSize(pointSize);
    font.setBold(true);
    return font;
}
