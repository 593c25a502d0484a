#pragma once

#include "support/scriptedinteraction.h"
#include "support/testfolder.h"

#include "data/dm1.h"

#include <QTest>

#include <memory>

// A new database in a fresh working folder, connected through the data module.
struct Workspace {
    TestFolder folder;
    ScriptedInteraction interaction;
    std::unique_ptr<DM1> dm;

    Workspace() {
        folder.createDatabase();
        dm = std::make_unique<DM1>(interaction);
        dm->connectDatabase();
    }

    // Direct reads and writes past the table objects, as another part of the program would.
    QVariant scalar(const QString& sql) { return dm->parzelleADOConnection().scalar(sql); }
    void execute(const QString& sql) {
        QCOMPARE(dm->parzelleADOConnection().execute(sql), QString());
    }
};
