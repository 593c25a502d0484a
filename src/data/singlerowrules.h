#pragma once

#include "data/tablerules.h"

// A table that is always read and written as its one row: closing stores that row, and an
// empty table thereby gains it.
class SingleRowRules : public TableRules {
public:
    void beforeClose(Table& table) override;
};
