#include "support/scriptedinteraction.h"

#include <QTest>

// Progress windows of long work: never in the way of a message, back while the work goes on,
// gone when it ends.
class TestInteraction : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void progressMakesWayForEveryMessage();
    void nestedWorkHandsTheWindowBack();
};

void TestInteraction::progressMakesWayForEveryMessage() {
    ScriptedInteraction interaction;
    interaction.answers = {true};
    interaction.files = {QStringLiteral("/tmp/sicherung.mdb")};
    {
        ProgressScope progress(interaction, QStringLiteral("Datensicherung"),
                               QStringLiteral("Die Daten werden gesichert …"));
        QVERIFY(interaction.isShowingProgress());
        QVERIFY(interaction.askYesNo(QStringLiteral("Überschreiben?")));
        QVERIFY(!interaction.isShowingProgress());
        progress.setPercent(50);
        QVERIFY(interaction.isShowingProgress());
        interaction.chooseFileToSave({});
        progress.setPercent(150);
        interaction.reportError(QStringLiteral("Der Datenträger ist voll."));
    }
    QVERIFY(!interaction.isShowingProgress());
    const QString opened = QStringLiteral("[Fortschritt: Datensicherung]");
    const QString closed = QStringLiteral("[Fortschritt zu]");
    QCOMPARE(interaction.events(),
             (QStringList{opened, closed, QStringLiteral("Überschreiben?"), opened, closed,
                          QStringLiteral("[Datei]"), opened, closed,
                          QStringLiteral("Der Datenträger ist voll.")}));
    QCOMPARE(interaction.progress, (QList<int>{0, 50, 100}));
}

void TestInteraction::nestedWorkHandsTheWindowBack() {
    ScriptedInteraction interaction;
    {
        ProgressScope yearChange(interaction, QStringLiteral("Jahreswechsel"),
                                 QStringLiteral("Der Jahreswechsel läuft …"));
        yearChange.setPercent(10);
        {
            ProgressScope copy(interaction, QStringLiteral("Archiv"),
                               QStringLiteral("Die Datenbank wird kopiert …"));
            copy.setPercent(70);
        }
        // The outer work still shows, with its own progress.
        QVERIFY(interaction.isShowingProgress());
        QCOMPARE(interaction.progress.last(), 10);
        yearChange.setPercent(90);
        interaction.inform(QStringLiteral("Fertig."));
    }
    QCOMPARE(interaction.events(),
             (QStringList{QStringLiteral("[Fortschritt: Jahreswechsel]"),
                          QStringLiteral("[Fortschritt zu]"), QStringLiteral("Fertig.")}));
    QCOMPARE(interaction.progress, (QList<int>{0, 10, 0, 70, 10, 90}));
}

QTEST_GUILESS_MAIN(TestInteraction)
#include "tst_interaction.moc"
