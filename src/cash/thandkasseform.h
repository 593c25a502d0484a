#pragma once

#include "cash/cashjournalform.h"

// The petty cash book.
class THandkasseForm : public CashJournalForm {
    Q_OBJECT

public:
    THandkasseForm(DM1& dm, Interaction& interaction, QWidget* parent = nullptr);
};
