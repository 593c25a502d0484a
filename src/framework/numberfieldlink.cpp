#include "framework/numberfieldlink.h"

#include "framework/numberformat.h"
#include "framework/numberinput.h"

#include "data/schema.h"
#include "data/table.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>

NumberFieldLink::NumberFieldLink(Table& table, const QString& column, QLineEdit* edit,
                                 Interaction& interaction)
    : FieldLink(table, column, edit)
    , m_edit(edit)
    , m_interaction(interaction)
    , m_range(ValueRange::of(table.tableName(), column)) {
    if (const Column* def = Schema::column(table.tableName(), column))
        m_format = def->format;
    edit->setValidator(new QRegularExpressionValidator(NumberInput::typingPattern(), edit));
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textEdited, this, &NumberFieldLink::edited);
    connect(edit, &QLineEdit::editingFinished, this, &NumberFieldLink::commit);
    refresh();
}

void NumberFieldLink::setFormat(const QString& format) {
    m_format = format;
    refresh();
}

NumberInput NumberFieldLink::typed() const {
    return NumberInput::read(m_edit->text(), m_range, NumberFormat::decimals(m_format));
}

void NumberFieldLink::edited() {
    if (!m_editing) {
        m_before = table().value(column());
        m_editing = true;
    }
    const NumberInput input = typed();
    if (input.isEmpty()) {
        if (m_emptyToZero) {
            // Selected, so that the number typed next replaces it.
            m_edit->setText(QStringLiteral("0"));
            m_edit->selectAll();
            store(0.0);
        } else {
            store(QVariant());
        }
        return;
    }
    // Half-typed or refused text leaves the column as it was before the typing began, so the
    // row never holds a number that only was on the way to the one meant ("1" of "1.234").
    store(input.isNumber() ? QVariant(input.value()) : m_before);
}

bool NumberFieldLink::commit() {
    if (isRefusing())
        return false;
    if (!m_editing) {
        refresh();
        return true;
    }
    m_editing = false;
    const NumberInput input = typed();
    if (!input.isRefused()) {
        if (input.isNumber())
            store(input.value());
        else
            store(m_emptyToZero ? QVariant(0.0) : QVariant());
        showStored();
        return true;
    }
    store(m_before);
    showStored();
    return refuse(m_edit, m_interaction,
                  input.error() + QStringLiteral(" Das Feld behält seinen bisherigen Wert."));
}

void NumberFieldLink::rowChanged() {
    m_editing = false;
    refresh();
}

bool NumberFieldLink::eventFilter(QObject* watched, QEvent* event) {
    // Escape takes back a text that cannot be stored; any other Escape is the window's.
    if (watched == m_edit && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && m_editing &&
        typed().isRefused()) {
        m_editing = false;
        store(m_before);
        showStored();
        m_edit->selectAll();
        return true;
    }
    return FieldLink::eventFilter(watched, event);
}

void NumberFieldLink::refresh() {
    if (isStoring())
        return;
    m_edit->setEnabled(table().isOpen() && !table().isEmpty());
    // What is being typed stays the user's until the box is left.
    if (m_editing && m_edit->hasFocus())
        return;
    m_editing = false;
    showStored();
}

void NumberFieldLink::showStored() {
    const QVariant value = table().value(column());
    const QString shown =
        value.isNull() ? QString() : NumberFormat::format(value.toDouble(), m_format);
    if (m_edit->text() != shown)
        m_edit->setText(shown);
}
