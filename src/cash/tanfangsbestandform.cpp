#include "cash/tanfangsbestandform.h"

#include "data/dm1.h"

TAnfangsbestandform::TAnfangsbestandform(DM1& dm, Interaction& interaction, QWidget* parent)
    : OpeningBalanceForm(dm.anfanghaupt(), interaction, QStringLiteral("Anfangsbestand"), true,
                         parent) {}
