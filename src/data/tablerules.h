#pragma once

#include <QString>

class Table;

// The record rules the data module attaches to one table object. Every hook runs inside the
// edit that triggered it, whichever window or operation made the edit.
class TableRules {
public:
    virtual ~TableRules() = default;

    virtual void afterOpen(Table&) {}
    virtual void beforeClose(Table&) {}
    virtual void beforeInsert(Table&) {}
    // Fills a new row; what it sets does not count as the user's input.
    virtual void newRecord(Table&) {}
    virtual void valueChanged(Table&, const QString& /*column*/) {}
    // Returns false to refuse the post; the rule tells the user why.
    virtual bool beforePost(Table&) { return true; }
    // The engine refused the post; the default leaves the row open for correction.
    virtual void postFailed(Table&, const QString& /*engineError*/) {}
};
