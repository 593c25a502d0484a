#pragma once

#include "data/singlerowrules.h"

class DM1;
struct CustomItem;

// Rules of the custom charge items: an item's voucher type follows its label and income
// flag, and an item without a label holds no amount anywhere.
class CustomItemRules : public SingleRowRules {
public:
    explicit CustomItemRules(DM1& dm);

    void valueChanged(Table& items, const QString& column) override;

private:
    void labelChanged(const CustomItem& item, const QString& label);
    void incomeFlagChanged(const CustomItem& item, bool income);

    DM1& m_dm;
};
