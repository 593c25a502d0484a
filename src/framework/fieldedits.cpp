#include "fieldedits.h"

#include "interaction.h"
#include "numberformat.h"

#include "data/schema.h"
#include "data/table.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpressionValidator>

namespace {

const QString germanDate = QStringLiteral("dd.MM.yyyy");

} // namespace

TextFieldLink::TextFieldLink(Table& table, const QString& column, QLineEdit* edit, Commit commit)
    : FieldLink(table, column, edit)
    , m_edit(edit)
    , m_commit(commit) {
    const int size = Schema::textSize(table.tableName(), column);
    if (size > 0)
        edit->setMaxLength(size);
    if (commit == Commit::EachChange) {
        connect(edit, &QLineEdit::textEdited, this, [this](const QString& text) { store(text); });
    } else {
        connect(edit, &QLineEdit::editingFinished, this, [this] {
            m_edit->setModified(false);
            if (m_edit->text() != this->table().text(this->column()))
                store(m_edit->text());
        });
    }
    refresh();
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

NumberFieldLink::NumberFieldLink(Table& table, const QString& column, QLineEdit* edit)
    : FieldLink(table, column, edit)
    , m_edit(edit) {
    if (const Column* def = Schema::column(table.tableName(), column))
        m_format = def->format;
    edit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("-?\\d*([.,]\\d*)?")), edit));
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(edit, &QLineEdit::textEdited, this, &NumberFieldLink::edited);
    connect(edit, &QLineEdit::editingFinished, this, [this] {
        m_edit->setText(QString()); // shown again in the display format
        refresh();
    });
    refresh();
}

void NumberFieldLink::setFormat(const QString& format) {
    m_format = format;
    refresh();
}

void NumberFieldLink::edited(const QString& text) {
    if (text.isEmpty()) {
        if (m_emptyToZero) {
            m_edit->setText(QStringLiteral("0"));
            store(0.0);
        } else {
            store(QVariant());
        }
        return;
    }
    double value = 0;
    if (NumberFormat::parse(text, &value))
        store(value);
}

void NumberFieldLink::refresh() {
    if (isStoring())
        return;
    m_edit->setEnabled(table().isOpen() && !table().isEmpty());
    const QVariant value = table().value(column());
    if (m_edit->hasFocus() && !m_edit->text().isEmpty()) {
        // Leave the user's typing alone while it says what the row holds.
        double typed = 0;
        if (NumberFormat::parse(m_edit->text(), &typed) && !value.isNull() &&
            typed == value.toDouble())
            return;
    }
    const QString shown =
        value.isNull() ? QString() : NumberFormat::format(value.toDouble(), m_format);
    if (m_edit->text() != shown)
        m_edit->setText(shown);
}

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

void commitFocusedEdit(QWidget* window) {
    QWidget* focused = QApplication::focusWidget();
    if (focused && window->isAncestorOf(focused)) {
        if (auto* edit = qobject_cast<QLineEdit*>(focused))
            Q_EMIT edit->editingFinished();
    }
}
