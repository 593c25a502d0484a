#pragma once

#include "cash/vouchertypeselectform.h"

// "BA-Selktierung": a voucher type of the petty cash book.
class Tselecthform : public VoucherTypeSelectForm {
    Q_OBJECT

public:
    Tselecthform(DM1& dm, Interaction& interaction, QWidget* parent = nullptr);
};
