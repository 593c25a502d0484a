#include "plots/tbemerkungen.h"

#include "framework/dataentrywindow.h"
#include "framework/memofieldlink.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

Tbemerkungen::Tbemerkungen(Table& plots, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Bemerkungen"));
    auto* remarks = new QPlainTextEdit(this);
    remarks->setObjectName(QStringLiteral("memo"));
    new MemoFieldLink(plots, QStringLiteral("memo"), remarks);
    auto* ok = new QPushButton(QStringLiteral("ok"), this);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(remarks);
    layout->addWidget(ok, 0, Qt::AlignRight);
    setFixedSize(480, 320);
    makeDataEntryWindow(this);
}
