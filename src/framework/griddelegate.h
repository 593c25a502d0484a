#pragma once

#include <QPointer>
#include <QStyledItemDelegate>

class Interaction;

// The editors of a grid's cells: a line edit for texts and amounts, a drop-down for a column
// with a pick list or a yes/no flag, a date box that takes TT.MM.JJJJ. Letters are refused in
// amounts and dates as they are typed; an entry that is not yet a number or a date is
// explained in German and not stored. Enter and Tab store the cell and move on; Esc drops it.
class GridDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    GridDelegate(Interaction& interaction, QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    // The editor of the cell being typed into; null when none is open.
    QWidget* openEditor() const {
        return m_openEditor && m_openEditor->isVisible() ? m_openEditor.data() : nullptr;
    }

    // Why the editor's text cannot be stored, empty when it can.
    QString refusal(QWidget* editor) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Interaction& m_interaction;
    mutable QPointer<QWidget> m_openEditor;
};
