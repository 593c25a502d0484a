#include "framework/datefieldlink.h"

#include "data/interaction.h"
#include "data/table.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace {

const QString germanDate = QStringLiteral("dd.MM.yyyy");

} // namespace

DateFieldLink::DateFieldLink(Table& table, const QString& column, QLineEdit* edit,
                             Interaction& interaction)
    : FieldLink(table, column, edit)
    , m_edit(edit)
    , m_interaction(interaction) {
    edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]{0,10}")), edit));
    edit->setPlaceholderText(QStringLiteral("TT.MM.JJJJ"));
    connect(edit, &QLineEdit::editingFinished, this, &DateFieldLink::finished);
    refresh();
}

void DateFieldLink::finished() {
    if (m_checking)
        return;
    const QString text = m_edit->text().trimmed();
    if (text.isEmpty()) {
        store(QVariant());
        return;
    }
    QDate date = QDate::fromString(text, germanDate);
    if (!date.isValid())
        date = QDate::fromString(text, QStringLiteral("d.M.yyyy"));
    if (date.isValid()) {
        store(date);
        refresh();
        return;
    }
    m_checking = true;
    m_interaction.inform(QStringLiteral("„%1“ ist kein gültiges Datum. Bitte geben Sie das Datum "
                                        "als TT.MM.JJJJ ein, zum Beispiel 31.03.2027, oder lassen "
                                        "Sie das Feld leer.")
                             .arg(text));
    m_checking = false;
    refresh();
}

void DateFieldLink::refresh() {
    if (isStoring())
        return;
    m_edit->setEnabled(table().isOpen() && !table().isEmpty());
    const QDate date = table().date(column());
    const QString shown = date.isValid() ? date.toString(germanDate) : QString();
    if (m_edit->text() != shown)
        m_edit->setText(shown);
}
