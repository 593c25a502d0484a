#include "framework/textfieldlink.h"

#include "data/schema.h"
#include "data/table.h"

#include <QLineEdit>

TextFieldLink::TextFieldLink(Table& table, const QString& column, QLineEdit* edit, Commit commit)
    : FieldLink(table, column, edit)
    , m_edit(edit)
    , m_commit(commit) {
    const int size = Schema::textSize(table.tableName(), column);
    if (size > 0)
        edit->setMaxLength(size);
    if (commit == Commit::EachChange)
        connect(edit, &QLineEdit::textEdited, this, [this](const QString& text) { store(text); });
    connect(edit, &QLineEdit::editingFinished, this, &TextFieldLink::commit);
    refresh();
}

bool TextFieldLink::commit() {
    if (m_commit == Commit::OnLeave) {
        m_edit->setModified(false);
        if (m_edit->text() != table().text(column()))
            store(m_edit->text());
    }
    // The rules may have tidied what was typed (a plot number loses its blanks): a box that
    // is left shows what the row holds.
    refresh();
    return true;
}

void TextFieldLink::refresh() {
    if (isStoring())
        return;
    // Text still being typed is the user's until the box is left.
    if (m_commit == Commit::OnLeave && m_edit->hasFocus() && m_edit->isModified())
        return;
    const QString text = table().text(column());
    if (m_edit->text() != text) {
        m_edit->setText(text);
        m_edit->setCursorPosition(0); // a long name shows its beginning
    }
    m_edit->setEnabled(table().isOpen() && !table().isEmpty());
}
