#pragma once

#include <QDialog>

class DataGrid;
class DM1;
class Interaction;
class NavigatorBar;
class TableModel;

// The voucher types ("Belegarten"): the treasurer's own codes beside the system codes 30 to
// 60, which the data module keeps for the program's own bookings.
class TKontoform : public QDialog {
    Q_OBJECT

public:
    TKontoform(DM1& dm, Interaction& interaction, QWidget* parent = nullptr);

    DataGrid* grid() const { return m_grid; }
    TableModel* model() const { return m_model; }
    NavigatorBar* navigator() const { return m_navigator; }

    // Stores the row being typed before the window goes, then has the pick lists rebuilt.
    void done(int result) override;

Q_SIGNALS:
    // The voucher types may have changed: the journals' pick lists should be rebuilt.
    void voucherTypesClosed();

protected:
    void showEvent(QShowEvent* event) override;

private:
    DM1& m_dm;
    NavigatorBar* m_navigator = nullptr;
    TableModel* m_model = nullptr;
    DataGrid* m_grid = nullptr;
};
