#include "cash/openingbalanceform.h"

#include "data/interaction.h"
#include "data/table.h"
#include "framework/dataentrywindow.h"
#include "framework/fieldlink.h"
#include "framework/numberfieldlink.h"
#include "framework/singlerowstore.h"
#include "framework/textfieldlink.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

OpeningBalanceForm::OpeningBalanceForm(Table& table, Interaction& interaction,
                                       const QString& caption, bool fourDigitYear, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_table(table)
    , m_interaction(interaction) {
    setWindowTitle(caption);
    makeDataEntryWindow(this);

    m_year = new QLineEdit(this);
    new TextFieldLink(table, QStringLiteral("Jahr"), m_year, TextFieldLink::Commit::OnLeave);
    if (fourDigitYear)
        m_year->setInputMask(QStringLiteral("9999;_")); // four digits required
    m_year->setFixedWidth(80);
    m_balance = new QLineEdit(this);
    auto* balance =
        new NumberFieldLink(table, QStringLiteral("anfangswert"), m_balance, interaction);
    balance->setEmptyToZero(true);
    m_balance->setFixedWidth(140);

    auto* yearCaption = new QLabel(QStringLiteral("&Jahr"), this);
    yearCaption->setBuddy(m_year);
    auto* balanceCaption = new QLabel(QStringLiteral("&Anfangsbestand"), this);
    balanceCaption->setBuddy(m_balance);

    m_ok = new QPushButton(QStringLiteral("ok"), this);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(yearCaption);
    layout->addWidget(m_year);
    layout->addWidget(balanceCaption);
    layout->addWidget(m_balance);
    layout->addSpacing(8);
    layout->addWidget(m_ok, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void OpeningBalanceForm::done(int result) {
    // An amount still being typed is taken, or refused with the reason, before anything else.
    if (!commitFocusedEdit(this))
        return;
    if (!m_year->hasAcceptableInput()) {
        m_interaction.inform(QStringLiteral("Bitte geben Sie das Jahr vierstellig ein, zum "
                                            "Beispiel 2025."));
        m_year->setFocus();
        return;
    }
    // The year is taken when its box is left; the window may go while it is still in it.
    Q_EMIT m_year->editingFinished();
    m_table.open();
    if (!SingleRowStore::storeBeforeClosing({&m_table}, m_interaction,
                                            QStringLiteral("Jahr und Anfangsbestand")))
        return;
    QDialog::done(result);
}
