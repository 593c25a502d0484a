#pragma once

#include "plots/losssharing.h"

#include <QDialog>
#include <QHash>
#include <QList>

class DM1;
class Interaction;
class NumberFieldLink;
class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The general parameters: the association's prices and its own bills, how metering losses
// are shared, the payment and sender data of the statements and the amounts of the general
// custom items, all in the one parameter row. What was typed is stored however the window
// closes; there is no cancel.
class Tparam : public QDialog {
    Q_OBJECT

public:
    Tparam(DM1& dm, Interaction& interaction, QWidget* parent = nullptr);

    // The box and label bound to a column of the parameter row (null for a column not shown).
    QLineEdit* edit(const QString& column) const;
    QLabel* label(const QString& column) const;
    // The "(falls gleichm. Umlage)" line under the main-meter boxes z6 and z7.
    QLabel* noteLabel(const QString& column) const;
    // "gleichmässig", "verbrauchsabhängig".
    QList<QRadioButton*> electricityButtons() const { return m_electricityButtons; }
    QList<QRadioButton*> waterButtons() const { return m_waterButtons; }
    QPushButton* plotCountButton() const { return m_plotCountButton; }
    QPushButton* electricitySumButton() const { return m_electricitySumButton; }
    QPushButton* waterSumButton() const { return m_waterSumButton; }
    QPushButton* okButton() const { return m_okButton; }
    // "GiroCode drucken".
    QCheckBox* giroCodeBox() const { return m_giroCodeBox; }

    // "ok", the close box and Escape all end here, so each of them stores the row. A row the
    // engine refuses keeps the window open unless the user discards the changes.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // OwnFigure: the association's own bills and main-meter readings, which the treasurer
    // must bring in every year and which are therefore highlighted.
    enum class Kind { Input, OwnFigure, Computed };

    QGroupBox* energyBox();
    QGroupBox* waterBox();
    QGroupBox* insuranceBox();
    QGroupBox* feesBox();
    QGroupBox* associationBox();
    QGroupBox* senderBox();
    QGroupBox* customItemsBox();
    QGroupBox* countBox();
    QGroupBox* lossSharingBox(const QString& title, QList<QRadioButton*>& buttons);

    void addNumber(QGridLayout* grid, const QString& column, const QString& caption, Kind kind);
    void addText(QGridLayout* grid, const QString& column, const QString& caption);
    void addDate(QGridLayout* grid, const QString& column, const QString& caption);
    QLabel* addRow(QGridLayout* grid, const QString& column, const QString& caption,
                   QLineEdit* edit);
    void addMainMeterNote(QGridLayout* grid, const QString& column);
    void addGiroCodeBox(QGridLayout* grid);

    void activate();
    void showLossSharing();
    void chooseElectricity(int index);
    void chooseWater(int index);
    void showMainMeter(const QString& column, bool visible);
    // Marks the IBAN or BIC box while it holds something invalid, and with `warn` says what
    // is wrong once the box is left with a changed text.
    void checkBankDetail(const QString& column, bool warn);
    // True when the window may close.
    bool store();

    void showPlotCount();
    void showElectricitySum();
    void showWaterSum();

    DM1& m_dm;
    Interaction& m_interaction;
    QHash<QString, QLineEdit*> m_edits;             // lower-case column
    QHash<QString, QLabel*> m_labels;               // lower-case column
    QHash<QString, QLabel*> m_notes;                // lower-case column: z6, z7
    QHash<QString, NumberFieldLink*> m_numberLinks; // lower-case column
    QList<QRadioButton*> m_electricityButtons;
    QList<QRadioButton*> m_waterButtons;
    QPushButton* m_plotCountButton = nullptr;
    QPushButton* m_electricitySumButton = nullptr;
    QPushButton* m_waterSumButton = nullptr;
    QPushButton* m_okButton = nullptr;
    QCheckBox* m_giroCodeBox = nullptr;
    QHash<QString, QString> m_checkedBankText; // lower-case column: the text last checked
    bool m_storing = false;
};
