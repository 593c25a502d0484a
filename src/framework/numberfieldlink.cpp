#include "framework/numberfieldlink.h"

#include "framework/numberformat.h"

#include "data/schema.h"
#include "data/table.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

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
