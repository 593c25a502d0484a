#pragma once

#include <QDialog>
#include <QHash>

class DM1;
class QCheckBox;
class QGroupBox;
class QLineEdit;

// The custom charge items: the treasurer names up to six charges per plot and six for all
// plots and says whether each is income. The controls edit the one row of nfelder; the data
// module keeps the items' voucher types and amounts in step. There is no cancel: every way of
// closing stores the row.
class Tneufelder : public QDialog {
    Q_OBJECT

public:
    explicit Tneufelder(DM1& dm, QWidget* parent = nullptr);

    // Controls by the item's column number in nfelder (reserveN, rcN), 1 to 12.
    QLineEdit* labelEdit(int itemNumber) const { return m_labelEdits.value(itemNumber); }
    QCheckBox* incomeBox(int itemNumber) const { return m_incomeBoxes.value(itemNumber); }
    // Only items 5 and 6 (general items 1 and 2) have one.
    QCheckBox* areaLinkBox(int itemNumber) const { return m_areaLinkBoxes.value(itemNumber); }

    // Stores the row before the window goes, whether by the menu, the close box or Escape.
    void done(int result) override;

Q_SIGNALS:
    // The items were stored; windows that show the items' labels should take them over.
    void itemsChanged();

private:
    QGroupBox* createGroup(const QString& title, const QList<int>& itemNumbers);
    // True when the window may close.
    bool storeItems();

    DM1& m_dm;
    QHash<int, QLineEdit*> m_labelEdits;
    QHash<int, QCheckBox*> m_incomeBoxes;
    QHash<int, QCheckBox*> m_areaLinkBoxes;
};
