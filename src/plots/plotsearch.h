#pragma once

#include <QString>

class Table;

// Finding a plot in the plot table object by the start of the tenant's name or by its number.
// A search also sets the order in which the table is walked afterwards, until it is reopened.
namespace PlotSearch {

enum class Outcome {
    Found,
    NotFound,
    // What was typed into the current plot could not be stored (the record rules said why);
    // nothing moved.
    Unstored,
};

// Orders the plots by name as a German reader does (an umlaut with its vowel, any case) and
// makes the first plot whose name begins with `start`, in any case, current. Without such a
// plot the current plot stays.
Outcome findName(Table& plots, const QString& start);

// Orders the plots by number and makes the plot whose number is exactly `number` current.
// Without such a plot the current plot stays.
Outcome findNumber(Table& plots, const QString& number);

} // namespace PlotSearch
