#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

// One column of a grid: its title, the field it shows and how that field is shown and typed.
struct GridColumn {
    enum class Kind {
        Text,   // typed as it stands, cut to the column's size
        Number, // shown in the display format, typed the locale's way
        Date,   // shown and typed as TT.MM.JJJJ
        YesNo,  // a flag shown as "Ja" or "Nein"
    };

    GridColumn() = default;
    GridColumn(const QString& title, const QString& field, Kind kind = Kind::Text)
        : title(title)
        , field(field)
        , kind(kind) {}

    QString title;
    QString field;
    Kind kind = Kind::Text;
    QString format; // Number: display format; empty takes the column's own
    bool readOnly = false;
    QColor color;         // text colour; invalid keeps the grid's own
    QStringList pickList; // Text: values offered in a drop-down; empty: free typing only
    int maxLength = 0;    // Text: characters the column holds; 0 takes the column's own
    int width = 0;        // pixels; 0 leaves it to the grid
    bool stretch = false; // takes the room the other columns leave
};
