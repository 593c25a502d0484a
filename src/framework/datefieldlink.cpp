#include "framework/datefieldlink.h"

#include "framework/germandate.h"

#include "data/table.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>

DateFieldLink::DateFieldLink(Table& table, const QString& column, QLineEdit* edit,
                             Interaction& interaction)
    : FieldLink(table, column, edit)
    , m_edit(edit)
    , m_interaction(interaction) {
    edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]{0,10}")), edit));
    edit->setPlaceholderText(QStringLiteral("TT.MM.JJJJ"));
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::editingFinished, this, &DateFieldLink::commit);
    refresh();
}

QDate DateFieldLink::typedDate() const {
    return GermanDate::parse(m_edit->text());
}

bool DateFieldLink::commit() {
    if (isRefusing())
        return false;
    m_edit->setModified(false);
    const QString text = m_edit->text().trimmed();
    if (text.isEmpty()) {
        store(QVariant());
        return true;
    }
    const QDate date = typedDate();
    if (date.isValid()) {
        store(date);
        showStored();
        return true;
    }
    showStored();
    return refuse(m_edit, m_interaction, GermanDate::refusal(text));
}

void DateFieldLink::rowChanged() {
    m_edit->setModified(false);
    refresh();
}

bool DateFieldLink::eventFilter(QObject* watched, QEvent* event) {
    // Escape takes back a text that is no date; any other Escape is the window's.
    if (watched == m_edit && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && m_edit->isModified() &&
        !m_edit->text().trimmed().isEmpty() && !typedDate().isValid()) {
        m_edit->setModified(false);
        showStored();
        m_edit->selectAll();
        return true;
    }
    return FieldLink::eventFilter(watched, event);
}

void DateFieldLink::refresh() {
    if (isStoring())
        return;
    m_edit->setEnabled(table().isOpen() && !table().isEmpty());
    // A date being typed stays the user's until the box is left.
    if (m_edit->hasFocus() && m_edit->isModified())
        return;
    showStored();
}

void DateFieldLink::showStored() {
    const QString shown = GermanDate::format(table().date(column()));
    if (m_edit->text() != shown)
        m_edit->setText(shown);
}
