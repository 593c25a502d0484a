#pragma once

#include "cash/openingbalanceform.h"

class DM1;

// The main cash book's opening balance; its year is typed as four digits.
class TAnfangsbestandform : public OpeningBalanceForm {
    Q_OBJECT

public:
    TAnfangsbestandform(DM1& dm, Interaction& interaction, QWidget* parent = nullptr);
};
