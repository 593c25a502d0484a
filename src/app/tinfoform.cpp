#include "app/tinfoform.h"

#include "app/titlefont.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TInfoForm::TInfoForm(QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Info"));

    auto* title = new QLabel(QStringLiteral("Lunetra"), this);
    title->setFont(titleFont(28));
    title->setAlignment(Qt::AlignCenter);

    auto* version =
        new QLabel(QStringLiteral("Version %1").arg(QStringLiteral(LUNETRA_VERSION)), this);
    auto* maker = new QLabel(QStringLiteral("Entwickelt vom Lunetra-Team"), this);
    auto* purpose = new QLabel(QStringLiteral("für die Kassierer von Kleingartenvereinen"), this);
    for (QLabel* line : {version, maker, purpose})
        line->setAlignment(Qt::AlignCenter);

    auto* ok = new QPushButton(QStringLiteral("ok"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addSpacing(8);
    layout->addWidget(version);
    layout->addWidget(maker);
    layout->addWidget(purpose);
    layout->addSpacing(12);
    layout->addWidget(ok, 0, Qt::AlignCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
