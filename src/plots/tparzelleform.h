#pragma once

#include "reports/statementoptions.h"

#include <QDialog>
#include <QHash>

class DM1;
class Interaction;
class NumberFieldLink;
class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QRadioButton;
class Tbemerkungen;
class Tmahnform;

// The plot register: one plot at a time with tenant, readings, charges and the paid flag,
// and the menu from which the year's plot work starts.
class TParzelleform : public QDialog {
    Q_OBJECT

public:
    TParzelleform(DM1& dm, Interaction& interaction, QWidget* parent = nullptr);

    void setParametersWindow(QDialog* window) { m_parametersWindow = window; }
    void setCustomItemsWindow(QDialog* window) { m_customItemsWindow = window; }
    void setUnpaidListWindow(Tmahnform* window) { m_unpaidListWindow = window; }
    // Shows the boxes of the named plot custom items with their names, hides the others.
    void updateCustomItemLabels();

    // The billing run charges an advance for the coming year while these are ticked.
    bool chargesElectricityAdvance() const;
    bool chargesWaterAdvance() const;

    QLineEdit* edit(const QString& column) const { return m_edits.value(column.toLower()); }
    QLabel* label(const QString& column) const { return m_labels.value(column.toLower()); }
    QCheckBox* electricityAdvanceBox() const { return m_electricityAdvance; }
    QCheckBox* waterAdvanceBox() const { return m_waterAdvance; }
    QCheckBox* electricityMeterChangeBox() const { return m_electricityMeterChange; }
    QCheckBox* waterMeterChangeBox() const { return m_waterMeterChange; }
    QCheckBox* paidBox() const { return m_paid; }
    QRadioButton* connectionButton(const QString& column, bool yes) const;
    QPushButton* remarksButton() const { return m_remarksButton; }
    QPushButton* dunningTotalButton() const { return m_dunningTotalButton; }
    QPushButton* resetButton() const { return m_resetButton; }
    QAction* action(const QString& text) const;

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

public Q_SLOTS:
    void done(int result) override;

private:
    QWidget* createTenantBox();
    QWidget* createMediumBox(bool electricity);
    QWidget* createChargesBox();
    void createMenu(QMenuBar* menuBar);
    QLineEdit* addNumber(const QString& column, const QString& caption, bool emptyToZero = true);
    QLineEdit* addText(const QString& column, const QString& caption);

    void activated();
    void plotChanged();
    void updateConnections();
    void showSecondMeter(bool electricity);
    void advanceSwitched(bool electricity);
    void openParameters();
    void openCustomItems();
    void showRemarks();
    void updateRemarksCaption();
    void resetPaidFlags();
    void addDunningFee();
    // The list of unpaid plots opens only after the due date; before, its command says why.
    void updateUnpaidListCommand();
    void showUnpaidPlots();
    void runBilling(StatementLayout layout);

    DM1& m_dm;
    Interaction& m_interaction;
    QDialog* m_parametersWindow = nullptr;
    QDialog* m_customItemsWindow = nullptr;
    Tmahnform* m_unpaidListWindow = nullptr;
    Tbemerkungen* m_remarksWindow = nullptr;

    QHash<QString, QLineEdit*> m_edits; // lower-case column
    QHash<QString, QLabel*> m_labels;   // lower-case column
    QHash<QString, QRadioButton*> m_connectionButtons;
    QCheckBox* m_paid = nullptr;
    QCheckBox* m_electricityAdvance = nullptr;
    QCheckBox* m_waterAdvance = nullptr;
    QCheckBox* m_electricityMeterChange = nullptr;
    QCheckBox* m_waterMeterChange = nullptr;
    QPushButton* m_remarksButton = nullptr;
    QPushButton* m_dunningTotalButton = nullptr;
    QPushButton* m_resetButton = nullptr;
    QAction* m_unpaidListAction = nullptr;
    QList<QAction*> m_actions;
};
