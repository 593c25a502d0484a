#include "cash/thandkasseform.h"

#include "cash/cashbook.h"

THandkasseForm::THandkasseForm(DM1& dm, Interaction& interaction, QWidget* parent)
    : CashJournalForm(dm, interaction, CashBook::petty(), parent) {
    setObjectName(QStringLiteral("HandkasseForm"));
    addPrintMenu(QStringLiteral("Kassenbericht"));
}
