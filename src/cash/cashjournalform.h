#pragma once

#include <QDialog>

#include <functional>

class DataGrid;
class DM1;
class Interaction;
class NavigatorBar;
class QAction;
class QHBoxLayout;
class QLabel;
class QMenu;
class QMenuBar;
class TableModel;
struct CashBook;

// A cash book's window: the journal in a grid under a heading with the navigator, the book's
// name and year, and the menus from which the treasurer keeps the voucher types and opening
// balance and prints the book. The main and the petty cash window are built alike.
class CashJournalForm : public QDialog {
    Q_OBJECT

public:
    DataGrid* grid() const { return m_grid; }
    TableModel* model() const { return m_model; }
    NavigatorBar* navigator() const { return m_navigator; }
    QLabel* yearLabel() const { return m_yearLabel; }
    QAction* action(const QString& text) const;

    void setOpeningBalanceWindow(QDialog* window) { m_openingBalanceWindow = window; }
    void setVoucherTypesWindow(QDialog* window) { m_voucherTypesWindow = window; }
    void setSelectionWindow(QDialog* window) { m_selectionWindow = window; }

    // What the window does each time it becomes the active window: when it is opened and
    // when a window opened from it closes.
    virtual void activate();
    // Offers every code of konto, in table order, in the voucher-type column.
    void rebuildPickList();

    // Stores the row being typed before the window goes; a row that cannot be stored keeps
    // the window open.
    void done(int result) override;

protected:
    CashJournalForm(DM1& dm, Interaction& interaction, const CashBook& book,
                    QWidget* parent = nullptr);

    // The heading row, for what one book's window adds to it.
    QHBoxLayout* heading() const { return m_heading; }
    QMenuBar* menuBar() const { return m_menuBar; }
    // Adds the menu "&Vorschau/Druck" to the bar with the cash report under the given caption
    // and the sum list, and returns it.
    QMenu* addPrintMenu(const QString& cashReportCaption);
    QAction* addCommand(QMenu* menu, const QString& text, std::function<void()> command);
    QAction* addCommand(QMenuBar* bar, const QString& text, std::function<void()> command);
    // Runs a window opened from this one, and activates this one again when it closes.
    void runChild(QDialog* window);
    virtual void closeCommand();

    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

    DM1& m_dm;
    Interaction& m_interaction;

private:
    void voucherTypeMissing();

    const CashBook& m_book;
    QDialog* m_openingBalanceWindow = nullptr;
    QDialog* m_voucherTypesWindow = nullptr;
    QDialog* m_selectionWindow = nullptr;
    QMenuBar* m_menuBar = nullptr;
    QHBoxLayout* m_heading = nullptr;
    NavigatorBar* m_navigator = nullptr;
    QLabel* m_yearLabel = nullptr;
    TableModel* m_model = nullptr;
    DataGrid* m_grid = nullptr;
    QList<QAction*> m_actions;
};
