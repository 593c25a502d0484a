#include "cash/tselecthform.h"

#include "cash/cashbook.h"

// The caption is spelled as the treasurers know it.
Tselecthform::Tselecthform(DM1& dm, Interaction& interaction, QWidget* parent)
    : VoucherTypeSelectForm(dm, interaction, CashBook::petty(), QStringLiteral("BA-Selktierung"),
                            parent) {}
