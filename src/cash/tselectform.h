#pragma once

#include "cash/vouchertypeselectform.h"

// "BA-Selektierung": a voucher type of the main cash book, whose description may be
// overtyped here.
class Tselectform : public VoucherTypeSelectForm {
    Q_OBJECT

public:
    Tselectform(DM1& dm, Interaction& interaction, QWidget* parent = nullptr);
};
