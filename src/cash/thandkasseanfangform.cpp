#include "cash/thandkasseanfangform.h"

#include "data/dm1.h"

THandkasseanfangForm::THandkasseanfangForm(DM1& dm, Interaction& interaction, QWidget* parent)
    : OpeningBalanceForm(dm.anfanghand(), interaction, QStringLiteral("Handkasseanfangsbestand"),
                         false, parent) {}
