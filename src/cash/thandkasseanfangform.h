#pragma once

#include "cash/openingbalanceform.h"

class DM1;

// The petty cash book's opening balance.
class THandkasseanfangForm : public OpeningBalanceForm {
    Q_OBJECT

public:
    THandkasseanfangForm(DM1& dm, Interaction& interaction, QWidget* parent = nullptr);
};
