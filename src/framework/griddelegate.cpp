#include "framework/griddelegate.h"

#include "framework/germandate.h"
#include "framework/germandatevalidator.h"
#include "framework/gridmodel.h"

#include "data/interaction.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QTimer>

namespace {

const char* kindProperty = "lunetraGridKind";
const char* modelProperty = "lunetraGridModel";
const char* columnProperty = "lunetraGridColumn";

const GridColumn* columnOf(const QModelIndex& index) {
    const auto* model = qobject_cast<const GridModel*>(index.model());
    return model ? &model->gridColumn(index.column()) : nullptr;
}

GridColumn::Kind kindOf(const QWidget* editor) {
    return GridColumn::Kind(editor->property(kindProperty).toInt());
}

// A number typed into the editor, read for the editor's column.
NumberInput numberIn(const QWidget* editor, const QString& text) {
    const auto* model =
        qobject_cast<const GridModel*>(editor->property(modelProperty).value<QObject*>());
    return model ? model->readNumber(editor->property(columnProperty).toInt(), text)
                 : NumberInput::read(text);
}

QLineEdit* lineEditOf(QWidget* editor) {
    if (auto* edit = qobject_cast<QLineEdit*>(editor))
        return edit;
    if (auto* combo = qobject_cast<QComboBox*>(editor))
        return combo->lineEdit();
    return nullptr;
}

} // namespace

GridDelegate::GridDelegate(Interaction& interaction, QObject* parent)
    : QStyledItemDelegate(parent)
    , m_interaction(interaction) {}

QWidget* GridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const {
    const GridColumn* column = columnOf(index);
    if (!column)
        return QStyledItemDelegate::createEditor(parent, option, index);
    QWidget* editor = nullptr;
    switch (column->kind) {
    case GridColumn::Kind::YesNo: {
        auto* combo = new QComboBox(parent);
        combo->addItems({QStringLiteral("Ja"), QStringLiteral("Nein")});
        editor = combo;
        break;
    }
    case GridColumn::Kind::Number: {
        auto* edit = new QLineEdit(parent);
        edit->setValidator(new QRegularExpressionValidator(NumberInput::typingPattern(), edit));
        edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        editor = edit;
        break;
    }
    case GridColumn::Kind::Date: {
        auto* edit = new QLineEdit(parent);
        edit->setValidator(new GermanDateValidator(edit));
        edit->setPlaceholderText(QStringLiteral("TT.MM.JJJJ"));
        editor = edit;
        break;
    }
    case GridColumn::Kind::Text:
        if (!column->pickList.isEmpty()) {
            auto* combo = new QComboBox(parent);
            combo->setEditable(true);
            combo->setInsertPolicy(QComboBox::NoInsert);
            combo->addItems(column->pickList);
            combo->setMaxVisibleItems(20);
            editor = combo;
        } else {
            editor = new QLineEdit(parent);
        }
        if (QLineEdit* edit = lineEditOf(editor)) {
            const auto* model = qobject_cast<const GridModel*>(index.model());
            if (const int size = model->maxLength(index.column()); size > 0)
                edit->setMaxLength(size);
        }
        break;
    }
    editor->setProperty(kindProperty, int(column->kind));
    editor->setProperty(modelProperty, QVariant::fromValue(const_cast<QObject*>(
                                           static_cast<const QObject*>(index.model()))));
    editor->setProperty(columnProperty, index.column());
    editor->setAutoFillBackground(true);
    m_openEditor = editor;
    return editor;
}

void GridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    const QVariant value = index.data(Qt::EditRole);
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        if (kindOf(editor) == GridColumn::Kind::YesNo)
            combo->setCurrentIndex(value.toBool() ? 0 : 1);
        else if (const int listed = combo->findText(value.toString()); listed >= 0)
            combo->setCurrentIndex(listed); // the drop-down opens at the cell's value
        else
            combo->setEditText(value.toString());
        return;
    }
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        edit->setText(value.toString());
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void GridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                const QModelIndex& index) const {
    // Nothing that is not yet a number or a date reaches the row.
    if (!refusal(editor).isEmpty())
        return;
    const GridColumn::Kind kind = kindOf(editor);
    if (kind == GridColumn::Kind::YesNo) {
        model->setData(index, qobject_cast<QComboBox*>(editor)->currentIndex() == 0);
        return;
    }
    QLineEdit* edit = lineEditOf(editor);
    if (!edit) {
        QStyledItemDelegate::setModelData(editor, model, index);
        return;
    }
    const QString text = edit->text();
    QVariant value;
    if (kind == GridColumn::Kind::Number) {
        const NumberInput input = numberIn(editor, text);
        if (input.isNumber())
            value = input.value();
    } else if (kind == GridColumn::Kind::Date) {
        if (!text.trimmed().isEmpty())
            value = GermanDate::parse(text);
    } else {
        value = text;
    }
    // An editor left as it was leaves the row alone.
    if (index.data(Qt::EditRole).toString() == text && kind != GridColumn::Kind::Text)
        return;
    model->setData(index, value);
}

QString GridDelegate::refusal(QWidget* editor) const {
    QLineEdit* edit = lineEditOf(editor);
    if (!edit || edit->text().trimmed().isEmpty())
        return {};
    switch (kindOf(editor)) {
    case GridColumn::Kind::Number:
        return numberIn(editor, edit->text()).error();
    case GridColumn::Kind::Date:
        return GermanDate::parse(edit->text()).isValid() ? QString()
                                                         : GermanDate::refusal(edit->text());
    default:
        return {};
    }
}

bool GridDelegate::eventFilter(QObject* watched, QEvent* event) {
    auto* editor = qobject_cast<QWidget*>(watched);
    if (editor && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool storing = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Tab ||
                             key == Qt::Key_Backtab;
        if (storing) {
            const QString reason = refusal(editor);
            if (!reason.isEmpty()) {
                // Told once the key has been handled; the entry is not stored.
                QTimer::singleShot(0, this, [this, reason] { m_interaction.inform(reason); });
                return true;
            }
        }
        auto* combo = qobject_cast<QComboBox*>(editor);
        if (storing && !(combo && combo->view()->isVisible())) {
            // Enter moves on to the next cell, as Tab does. A rule may have dropped the row
            // and its editor with it.
            Q_EMIT commitData(editor);
            if (editor->isVisible())
                Q_EMIT closeEditor(editor, key == Qt::Key_Backtab
                                               ? QAbstractItemDelegate::EditPreviousItem
                                               : QAbstractItemDelegate::EditNextItem);
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(watched, event);
}
