#include "singlerowrules.h"

#include "table.h"

void SingleRowRules::beforeClose(Table& table) {
    table.edit();
    table.post();
}
