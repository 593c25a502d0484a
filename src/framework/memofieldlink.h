#pragma once

#include "framework/fieldlink.h"

class QPlainTextEdit;

// A memo column in a multi-line text box.
class MemoFieldLink : public FieldLink {
    Q_OBJECT

public:
    MemoFieldLink(Table& table, const QString& column, QPlainTextEdit* edit);
    void refresh() override;

private:
    QPlainTextEdit* m_edit;
    bool m_refreshing = false;
};
