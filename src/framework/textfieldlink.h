#pragma once

#include "framework/fieldlink.h"

class QLineEdit;

// A text column in a line edit; input longer than the column is refused as it is typed.
class TextFieldLink : public FieldLink {
    Q_OBJECT

public:
    enum class Commit { EachChange, OnLeave };

    TextFieldLink(Table& table, const QString& column, QLineEdit* edit,
                  Commit commit = Commit::EachChange);
    void refresh() override;
    bool commit() override;

private:
    QLineEdit* m_edit;
    Commit m_commit;
};
