#include "data/singlerowrules.h"

#include "data/table.h"

void SingleRowRules::beforeClose(Table& table) {
    table.edit();
    table.post();
}
