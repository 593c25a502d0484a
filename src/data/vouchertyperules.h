#pragma once

#include "data/tablerules.h"

class DM1;

// Rules of the voucher types: the codes 30 to 60 belong to the program's own bookings, a code
// is a number, and no code exists twice. A refused new row is dropped; a refused change to a
// stored row leaves it as it was.
class VoucherTypeRules : public TableRules {
public:
    enum class Verdict { Accepted, Reserved, NotANumber };

    explicit VoucherTypeRules(DM1& dm);

    static Verdict checkCode(const QString& code);

    void beforeClose(Table& types) override;
    void valueChanged(Table& types, const QString& column) override;
    void postFailed(Table& types, const QString& engineError) override;

private:
    DM1& m_dm;
    bool m_retrying = false;
};
