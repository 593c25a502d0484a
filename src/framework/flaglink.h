#pragma once

#include "framework/fieldlink.h"

class QCheckBox;

// A yes/no column in a check box.
class FlagLink : public FieldLink {
    Q_OBJECT

public:
    FlagLink(Table& table, const QString& column, QCheckBox* box);
    void refresh() override;

private:
    QCheckBox* m_box;
};
