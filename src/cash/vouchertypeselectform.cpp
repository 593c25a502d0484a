#include "cash/vouchertypeselectform.h"

#include "cash/cashbook.h"
#include "cash/tselect.h"
#include "cash/vouchertypeselection.h"

#include "data/dm1.h"
#include "data/engineerror.h"
#include "data/interaction.h"
#include "framework/dataentrywindow.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

VoucherTypeSelectForm::VoucherTypeSelectForm(DM1& dm, Interaction& interaction,
                                             const CashBook& book, const QString& caption,
                                             QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_dm(dm)
    , m_interaction(interaction)
    , m_book(book) {
    setWindowTitle(caption);
    makeDataEntryWindow(this);
    m_code = new QComboBox(this);
    m_code->setMinimumWidth(100);
    m_description = new QLineEdit(this);
    m_description->setMaxLength(50);
    m_description->setMinimumWidth(300);
    // Only the main book's window lets the description of the type be overtyped.
    m_description->setReadOnly(!book.isMain());
    m_ok = new QPushButton(QStringLiteral("ok"), this);

    auto* row = new QHBoxLayout;
    if (book.isMain()) {
        auto* caption = new QLabel(QStringLiteral("&Belegart:"), this);
        caption->setBuddy(m_code);
        row->addWidget(caption);
    }
    row->addWidget(m_code);
    row->addWidget(m_description, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(m_ok, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_code, &QComboBox::currentIndexChanged, this, &VoucherTypeSelectForm::showDescription);
    connect(m_description, &QLineEdit::editingFinished, this,
            &VoucherTypeSelectForm::storeDescription);
    connect(m_ok, &QPushButton::clicked, this, &VoucherTypeSelectForm::showEntries);
}

void VoucherTypeSelectForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    m_code->blockSignals(true);
    m_code->clear();
    m_code->addItems(VoucherTypeSelection::voucherTypeCodes(m_dm));
    // The lowest code used in the book comes first, when konto knows it.
    m_code->setCurrentIndex(m_code->findText(VoucherTypeSelection::lowestUsedCode(m_dm, m_book)));
    m_code->blockSignals(false);
    showDescription();
}

void VoucherTypeSelectForm::showDescription() {
    const auto type = m_dm.findVoucherType(m_code->currentText());
    m_description->setText(type ? type->bezeichnung : QString());
    m_description->setModified(false);
}

void VoucherTypeSelectForm::storeDescription() {
    if (!m_book.isMain() || !m_description->isModified() || m_code->currentText().isEmpty())
        return;
    m_description->setModified(false);
    Table& types = m_dm.konto();
    types.open();
    if (!types.locate(QStringLiteral("art"), m_code->currentText(), Qt::CaseInsensitive))
        return;
    types.setValue(QStringLiteral("bezeichnung"), m_description->text());
    if (!types.post()) {
        m_interaction.reportError(QStringLiteral("Die Bezeichnung konnte nicht gespeichert "
                                                 "werden.\n%1")
                                      .arg(EngineError::describe(types.lastError())));
        types.cancel();
    }
}

void VoucherTypeSelectForm::showEntries() {
    storeDescription();
    const QString code = m_code->currentText();
    if (code.isEmpty()) {
        m_interaction.inform(QStringLiteral("Bitte wählen Sie eine Belegart."));
        return;
    }
    const QString error = VoucherTypeSelection::select(m_dm, m_book, code);
    if (!error.isEmpty()) {
        m_interaction.reportError(QStringLiteral("Die Einträge der Belegart %1 konnten nicht "
                                                 "gelesen werden.\n%2")
                                      .arg(code, EngineError::describe(error)));
        return;
    }
    if (m_list) {
        if (m_book.isMain())
            m_list->showNavigator();
        m_list->setCode(code);
        m_list->exec();
    }
    accept();
}
