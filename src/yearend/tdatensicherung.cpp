#include "yearend/tdatensicherung.h"

#include <QHBoxLayout>
#include <QPushButton>

TDatensicherung::TDatensicherung(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setWindowTitle(QStringLiteral("Datensicherung"));
    m_write = new QPushButton(QStringLiteral("&Sicherheitskopie schreiben"), this);
    m_read = new QPushButton(QStringLiteral("Sicherheitskopie/Archiv &lesen"), this);
    m_cancel = new QPushButton(QStringLiteral("&Abbruch"), this);
    for (QPushButton* button : {m_write, m_read, m_cancel}) {
        button->setAutoDefault(false);
        button->setMinimumHeight(36);
    }
    connect(m_write, &QPushButton::clicked, this, [this] {
        m_choice = Choice::WriteBackup;
        accept();
    });
    connect(m_read, &QPushButton::clicked, this, [this] {
        m_choice = Choice::ReadBackup;
        accept();
    });
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->setSpacing(12);
    layout->addWidget(m_write);
    layout->addWidget(m_read);
    layout->addWidget(m_cancel);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

TDatensicherung::Choice TDatensicherung::choose() {
    m_choice = Choice::None;
    exec();
    return m_choice;
}
