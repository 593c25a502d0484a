#include "framework/memofieldlink.h"

#include "data/table.h"

#include <QPlainTextEdit>

MemoFieldLink::MemoFieldLink(Table& table, const QString& column, QPlainTextEdit* edit)
    : FieldLink(table, column, edit)
    , m_edit(edit) {
    connect(edit, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_refreshing)
            store(m_edit->toPlainText());
    });
    refresh();
}

void MemoFieldLink::refresh() {
    if (isStoring())
        return;
    const QString text = table().text(column());
    if (m_edit->toPlainText() != text) {
        m_refreshing = true;
        m_edit->setPlainText(text);
        m_refreshing = false;
    }
}
