#include "cash/tselectform.h"

#include "cash/cashbook.h"

Tselectform::Tselectform(DM1& dm, Interaction& interaction, QWidget* parent)
    : VoucherTypeSelectForm(dm, interaction, CashBook::main(), QStringLiteral("BA-Selektierung"),
                            parent) {}
