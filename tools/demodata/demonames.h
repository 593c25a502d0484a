#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Invented people and places for the demo association: common German names and a handful of
// neighbouring towns, so that addresses and telephone numbers look like the real thing.
namespace DemoNames {

struct Town {
    QString name;
    QString postcode;
    QString dialCode;
};

const QStringList& surnames();
const QStringList& firstNames();
const QStringList& streets();
const QList<Town>& towns();
const QStringList& mobilePrefixes();
const QStringList& plotRemarks();

} // namespace DemoNames
