#pragma once

#include "framework/fieldlink.h"

class Interaction;
class QLineEdit;

// A date column in a line edit, as dd.mm.yyyy, or empty.
class DateFieldLink : public FieldLink {
    Q_OBJECT

public:
    DateFieldLink(Table& table, const QString& column, QLineEdit* edit, Interaction& interaction);
    void refresh() override;

private:
    void finished();

    QLineEdit* m_edit;
    Interaction& m_interaction;
    bool m_checking = false;
};
