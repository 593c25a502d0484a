#include "support/enterkey.h"
#include "support/simulateddisk.h"
#include "support/workspace.h"

#include "data/billamounts.h"
#include "plots/plotcommands.h"
#include "plots/tparzelleform.h"

#include "framework/dialoginteraction.h"
#include "framework/navigatorbar.h"
#include "framework/reportdocument.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

// The plot register as the treasurer uses it: typing into its boxes, its switches and
// commands, and what ends up stored.
class TestPlotRegister : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void clearedReadingBecomesZeroAndConsumptionFollows();
    void germanNumbersAsTheTreasurerMeansThem();
    void numbersNoOneCanMeanAreRefused();
    void connectionMarkerShowsOrHidesTheReadings();
    void meterChangeSwitchFollowsThePlot();
    void advanceSwitchNeedsAPercentage();
    void namedPlotItemShowsItsBox();
    void parametersAreGuardedWhilePaidInvoicesWait();
    void checksResetAnsweredNoAndYes();
    void dunningFeeIsAddedOnceOnly();
    void feeMarkWaitsForAFee();
    void enterInABoxPressesNoButton();
    void plotNumberIsRequiredAndUnique();
    void plotNumberWithBlanksIsNoNewNumber();
    void untouchedNewPlotIsDropped();
    void remarksButtonTurnsRed();
    void helpPointsToTheManual();
    void everythingTypedSurvivesARestart();
    void printMenuRunsTheBillingAndShowsTheStatements();
    void stoppedRunLeavesTheNextOnWithTheTransferForm();
    void addressListAndExportShowWhatWasJustTyped();
    void stopMessageIsAnsweredWithEnter();
    void fullDiskRefusalsAreReported();

private:
    void type(const QString& column, const QString& text);
    SimulatedDisk m_disk; // before any database is opened, so that every one goes through it
    Workspace* m_w = nullptr;
    TParzelleform* m_window = nullptr;
};

void TestPlotRegister::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void TestPlotRegister::init() {
    m_w = new Workspace;
    m_w->execute(QStringLiteral(
        "INSERT INTO parzelle (Nr, Name, text1, text2, sza, szn, Strom, nsza, nszn, wza, wzn, "
        "Wasser) VALUES ('1', 'Franke', 'X', 'X', 1200, 1500, 300, 0, 40, 10, 20, 10), "
        "('2', 'Neumann', ' ', 'X', 0, 0, 0, 0, 0, 5, 9, 4)"));
    m_w->dm->parzelle().reopen();
    m_window = new TParzelleform(*m_w->dm, m_w->interaction);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestPlotRegister::cleanup() {
    m_disk.setTrouble(SimulatedDisk::Trouble::None);
    delete m_window;
    delete m_w;
}

void TestPlotRegister::type(const QString& column, const QString& text) {
    QLineEdit* edit = m_window->edit(column);
    QVERIFY2(edit, qPrintable(column));
    edit->setFocus();
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, text);
}

void TestPlotRegister::clearedReadingBecomesZeroAndConsumptionFollows() {
    type(QStringLiteral("szn"), QString());
    QCOMPARE(m_window->edit(QStringLiteral("szn"))->text(), QStringLiteral("0"));
    // 0 - 1200 + 40 - 0
    QCOMPARE(m_window->edit(QStringLiteral("Strom"))->text(), QStringLiteral("-1160,00"));
    type(QStringLiteral("szn"), QStringLiteral("1500,5"));
    QCOMPARE(m_window->edit(QStringLiteral("Strom"))->text(), QStringLiteral("340,50"));
}

void TestPlotRegister::germanNumbersAsTheTreasurerMeansThem() {
    type(QStringLiteral("Flaeche"), QStringLiteral("1.234")); // square metres, not 1,234
    type(QStringLiteral("Laubenversicherung"), QStringLiteral("12a5"));
    QCOMPARE(m_window->edit(QStringLiteral("Laubenversicherung"))->text(), QStringLiteral("125"));
    type(QStringLiteral("Parkplatzgebuehr"), QStringLiteral("7.25"));
    QTest::keyClick(m_window->edit(QStringLiteral("Parkplatzgebuehr")), Qt::Key_Return);
    QCOMPARE(m_w->interaction.messages.size(), 1);
    QVERIFY(m_w->interaction.messages.first().contains(QStringLiteral("nach einem Komma")));
    QCOMPARE(m_window->edit(QStringLiteral("Parkplatzgebuehr"))->text(), QStringLiteral("0,00"));
    type(QStringLiteral("Parkplatzgebuehr"), QStringLiteral("7,25"));
    m_window->close();
    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_w->scalar(QStringLiteral("SELECT Flaeche || '/' || Laubenversicherung || '/' || "
                                        "Parkplatzgebuehr FROM parzelle WHERE Nr = '1'"))
                 .toString(),
             QStringLiteral("1234.0/125.0/7.25"));
}

void TestPlotRegister::numbersNoOneCanMeanAreRefused() {
    type(QStringLiteral("Laubenversicherung"), QString(400, u'9'));
    QTest::keyClick(m_window->edit(QStringLiteral("Laubenversicherung")), Qt::Key_Tab);
    type(QStringLiteral("Flaeche"), QStringLiteral("-5"));
    QTest::keyClick(m_window->edit(QStringLiteral("Flaeche")), Qt::Key_Tab);
    QCOMPARE(m_w->interaction.messages.size(), 2);
    QVERIFY(m_w->interaction.messages.at(0).contains(QStringLiteral("als Betrag nicht möglich")));
    QVERIFY(m_w->interaction.messages.at(1).contains(QStringLiteral("als Fläche nicht möglich")));
    QCOMPARE(m_window->edit(QStringLiteral("Laubenversicherung"))->text(), QStringLiteral("0,00"));
    m_window->close();
    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_w->scalar(QStringLiteral("SELECT Laubenversicherung + Flaeche FROM parzelle "
                                        "WHERE Nr = '1'"))
                 .toDouble(),
             0.0);
}

void TestPlotRegister::connectionMarkerShowsOrHidesTheReadings() {
    QVERIFY(m_window->edit(QStringLiteral("szn"))->isVisible());
    m_window->connectionButton(QStringLiteral("text1"), false)->click();
    QVERIFY(!m_window->edit(QStringLiteral("szn"))->isVisible());
    QVERIFY(!m_window->edit(QStringLiteral("sza"))->isVisible());
    QVERIFY(!m_window->electricityMeterChangeBox()->isVisible());
    QCOMPARE(m_w->dm->parzelle().text(QStringLiteral("text1")), QStringLiteral(" "));
    m_window->connectionButton(QStringLiteral("text1"), true)->click();
    QVERIFY(m_window->edit(QStringLiteral("szn"))->isVisible());
    QVERIFY(m_window->electricityMeterChangeBox()->isVisible());
    // Moving to a plot without electricity hides them again.
    m_w->dm->parzelle().next();
    QVERIFY(!m_window->edit(QStringLiteral("szn"))->isVisible());
    QVERIFY(m_window->edit(QStringLiteral("wzn"))->isVisible());
}

void TestPlotRegister::meterChangeSwitchFollowsThePlot() {
    QVERIFY(m_window->electricityMeterChangeBox()->isChecked());
    QVERIFY(m_window->edit(QStringLiteral("nszn"))->isVisible());
    QCOMPARE(m_window->label(QStringLiteral("nszn"))->text(), QStringLiteral("Endwert[kwh]"));
    m_w->dm->parzelle().next();
    QVERIFY(!m_window->electricityMeterChangeBox()->isChecked());
    QVERIFY(!m_window->edit(QStringLiteral("nszn"))->isVisible());
    QVERIFY(!m_window->edit(QStringLiteral("nsza"))->isVisible());
    m_w->dm->parzelle().first();
    m_window->waterMeterChangeBox()->click();
    QVERIFY(m_window->edit(QStringLiteral("nwzn"))->isVisible());
    QCOMPARE(m_window->label(QStringLiteral("nwza"))->text(), QStringLiteral("Anfangswert[m³]"));
}

void TestPlotRegister::advanceSwitchNeedsAPercentage() {
    QTest::mouseClick(m_window->electricityAdvanceBox(), Qt::LeftButton);
    QCOMPARE(m_w->interaction.messages,
             QStringList{QStringLiteral("Sie müssen noch die Energiepauschale im Formular "
                                        "'Allgemeine Eingaben' eingeben")});
    QVERIFY(!m_window->electricityAdvanceBox()->isChecked());
    QVERIFY(!m_window->chargesElectricityAdvance());
    QVERIFY(!m_window->edit(QStringLiteral("Abschlag_Strom_Vorjahr"))->isVisible());

    m_w->dm->param().setValue(QStringLiteral("z22"), 50.0);
    QTest::mouseClick(m_window->waterAdvanceBox(), Qt::LeftButton);
    QVERIFY(m_window->chargesWaterAdvance());
    QVERIFY(m_window->edit(QStringLiteral("Abschlag_Wasser_Vorjahr"))->isVisible());
    QCOMPARE(m_window->label(QStringLiteral("Abschlag_Wasser_Vorjahr"))->text(),
             QStringLiteral("Vorauszahlung-Gutschrift[€]"));
    QTest::mouseClick(m_window->waterAdvanceBox(), Qt::LeftButton);
    QVERIFY(!m_window->edit(QStringLiteral("Abschlag_Wasser_Vorjahr"))->isVisible());
    QCOMPARE(m_w->interaction.messages.size(), 1);
}

void TestPlotRegister::namedPlotItemShowsItsBox() {
    QVERIFY(!m_window->edit(QStringLiteral("Reserve1"))->isVisible());
    QDialog items;
    m_window->setCustomItemsWindow(&items);
    QTimer::singleShot(0, &items, [&] {
        m_w->dm->nfelder().setValue(QStringLiteral("reserve1"), QStringLiteral("Wegebau"));
        items.accept();
    });
    m_window->action(QStringLiteral("&neue Felder"))->trigger();
    QVERIFY(m_window->edit(QStringLiteral("Reserve1"))->isVisible());
    QCOMPARE(m_window->label(QStringLiteral("Reserve1"))->text(), QStringLiteral("Wegebau"));
    QVERIFY(!m_window->edit(QStringLiteral("Reserve9"))->isVisible());
}

void TestPlotRegister::parametersAreGuardedWhilePaidInvoicesWait() {
    QDialog parameters;
    int shown = 0;
    m_window->setParametersWindow(&parameters);
    connect(&parameters, &QDialog::finished, this, [&] { ++shown; });
    const auto openParameters = [&] {
        QTimer::singleShot(0, &parameters, [&] {
            if (parameters.isVisible())
                parameters.accept();
        });
        m_window->action(QStringLiteral("&alllgemeine Eingaben"))->trigger();
        QTest::qWait(1);
    };
    m_w->dm->parzelle().setValue(QStringLiteral("gezahlt"), true); // ticked, not yet stored
    openParameters();
    QCOMPARE(shown, 0);
    QCOMPARE(m_w->interaction.messages.size(), 1);
    QVERIFY(
        m_w->interaction.messages.first().startsWith(QStringLiteral(" A C H T U N G ! Es sind")));
    m_w->execute(QStringLiteral("UPDATE parzelle SET uebernommen = true"));
    openParameters();
    QCOMPARE(shown, 1);
}

void TestPlotRegister::checksResetAnsweredNoAndYes() {
    m_w->execute(QStringLiteral("UPDATE parzelle SET gezahlt = true, uebernommen = true"));
    m_w->execute(QStringLiteral("INSERT INTO hauptkasse (lfd_nr, Art, Einnahme) VALUES "
                                "(2, '30', 35.75), (3, '60', 1), (4, '7', 20), (5, '100', 3)"));
    m_w->dm->parzelle().reopen();
    m_w->interaction.answers = {false};
    m_window->resetButton()->click();
    QCOMPARE(m_w->interaction.questions.size(), 1);
    QCOMPARE(m_w->scalar(QStringLiteral("SELECT count(*) FROM hauptkasse")).toInt(), 5);
    QCOMPARE(m_w->scalar(QStringLiteral("SELECT sum(gezahlt) FROM parzelle")).toInt(), 2);

    m_w->interaction.answers = {true};
    m_window->resetButton()->click();
    QCOMPARE(m_w->scalar(QStringLiteral("SELECT group_concat(Art) FROM hauptkasse WHERE Art IS "
                                        "NOT NULL"))
                 .toString(),
             QStringLiteral("7,100"));
    QCOMPARE(
        m_w->scalar(QStringLiteral("SELECT sum(gezahlt) + sum(uebernommen) FROM parzelle")).toInt(),
        0);
    QVERIFY(!m_window->paidBox()->isChecked());
}

void TestPlotRegister::dunningFeeIsAddedOnceOnly() {
    m_w->execute(QStringLiteral("UPDATE param SET Mahngebuehr = 5"));
    m_w->execute(
        QStringLiteral("UPDATE parzelle SET gesamt = 100, mahncheck = true WHERE Nr = '1'"));
    m_w->dm->param().reopen();
    m_w->dm->parzelle().reopen();
    m_window->paidBox()->setFocus();
    QCOMPARE(m_w->dm->parzelle().number(QStringLiteral("gesamt")), 105.0);
    m_window->edit(QStringLiteral("Name"))->setFocus();
    m_window->paidBox()->setFocus();
    m_window->dunningTotalButton()->click();
    QCOMPARE(m_w->dm->parzelle().number(QStringLiteral("gesamt")), 105.0);
    QCOMPARE(m_window->edit(QStringLiteral("gesamt"))->text(), QStringLiteral("105,00"));
    // Leaving the plot and coming back adds nothing either.
    m_w->dm->parzelle().next();
    m_w->dm->parzelle().first();
    m_window->paidBox()->setFocus();
    m_window->close();
    QCOMPARE(m_w->scalar(QStringLiteral("SELECT gesamt FROM parzelle WHERE Nr = '1'")).toDouble(),
             105.0);
    // A plot that was never dunned is left alone.
    m_w->dm->parzelle().next();
    m_window->dunningTotalButton()->click();
    QCOMPARE(m_w->dm->parzelle().state(), Table::State::Browse);
}

void TestPlotRegister::feeMarkWaitsForAFee() {
    m_w->execute(
        QStringLiteral("UPDATE parzelle SET gesamt = 100, mahncheck = true WHERE Nr = '1'"));
    m_w->dm->parzelle().reopen();
    // No dunning fee set yet: ticking "überwiesen" adds nothing and marks nothing.
    m_window->paidBox()->setFocus();
    m_window->dunningTotalButton()->click();
    m_window->edit(QStringLiteral("Name"))->setFocus();
    QVERIFY(!m_w->dm->parzelle().flag(QString::fromLatin1(BillAmounts::dunningFeeIncludedColumn)));
    m_w->dm->parzelle().checkBrowseMode();

    // The fee entered afterwards still reaches the total, once.
    m_w->dm->param().setValue(QStringLiteral("Mahngebuehr"), 5.0);
    m_window->paidBox()->setFocus();
    m_window->edit(QStringLiteral("Name"))->setFocus();
    m_window->paidBox()->setFocus();
    m_window->close();
    QCOMPARE(m_w->scalar(QStringLiteral("SELECT gesamt FROM parzelle WHERE Nr = '1'")).toDouble(),
             105.0);
}

void TestPlotRegister::enterInABoxPressesNoButton() {
    m_w->execute(QStringLiteral("UPDATE param SET Mahngebuehr = 5"));
    m_w->execute(
        QStringLiteral("UPDATE parzelle SET gesamt = 100, mahncheck = true WHERE Nr = '1'"));
    m_w->dm->param().reopen();
    m_w->dm->parzelle().reopen();
    m_window->waterMeterChangeBox()->setChecked(true); // every reading box in view
    const QString problem = pressEnterInEveryBox(m_window);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QCOMPARE(m_w->dm->parzelle().number(QStringLiteral("gesamt")), 100.0);
    QCOMPARE(m_w->dm->parzelle().state(), Table::State::Browse);
    QVERIFY(m_w->interaction.said().isEmpty());
}

void TestPlotRegister::plotNumberIsRequiredAndUnique() {
    Table& plots = m_w->dm->parzelle();
    plots.insert();
    type(QStringLiteral("Name"), QStringLiteral("Ohne Nummer"));
    m_window->close();
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_w->interaction.messages.size(), 1);
    QVERIFY(m_w->interaction.messages.first().contains(QStringLiteral("Parzellennummer")));

    type(QStringLiteral("Nr"), QStringLiteral("2"));
    QVERIFY(!plots.first());
    QCOMPARE(m_w->interaction.messages.last(),
             QStringLiteral("Die Parzellennummer „2“ ist bereits vergeben. Bitte wählen Sie eine "
                            "andere Nummer."));
    QCOMPARE(plots.state(), Table::State::Insert);

    type(QStringLiteral("Nr"), QStringLiteral("3"));
    m_window->close();
    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_w->scalar(QStringLiteral("SELECT Name FROM parzelle WHERE Nr = '3'")).toString(),
             QStringLiteral("Ohne Nummer"));
}

void TestPlotRegister::plotNumberWithBlanksIsNoNewNumber() {
    m_w->execute(QStringLiteral("INSERT INTO parzelle (Nr) VALUES ('10')"));
    m_w->dm->parzelle().reopen();
    type(QStringLiteral("Nr"), QStringLiteral(" 10 "));
    QTest::keyClick(m_window->edit(QStringLiteral("Nr")), Qt::Key_Tab);
    QCOMPARE(m_window->edit(QStringLiteral("Nr"))->text(), QStringLiteral("10"));
    m_window->close();
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_w->interaction.messages,
             QStringList{QStringLiteral("Die Parzellennummer „10“ ist bereits vergeben. Bitte "
                                        "wählen Sie eine andere Nummer.")});
    // Blanks inside a number are the treasurer's own.
    type(QStringLiteral("Nr"), QStringLiteral("1 a "));
    m_window->close();
    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_w->scalar(QStringLiteral("SELECT count(*) FROM parzelle WHERE Nr = '1 a'")).toInt(),
             1);
}

void TestPlotRegister::untouchedNewPlotIsDropped() {
    m_w->dm->parzelle().insert();
    m_window->close();
    QVERIFY(!m_window->isVisible());
    QVERIFY(m_w->interaction.said().isEmpty());
    QCOMPARE(m_w->scalar(QStringLiteral("SELECT count(*) FROM parzelle")).toInt(), 2);
}

void TestPlotRegister::remarksButtonTurnsRed() {
    m_w->execute(QStringLiteral("UPDATE parzelle SET memo = 'Zaun reparieren' WHERE Nr = '2'"));
    m_w->dm->parzelle().reopen();
    QVERIFY(!m_window->remarksButton()->styleSheet().contains(QStringLiteral("red")));
    m_w->dm->parzelle().next();
    QVERIFY(m_window->remarksButton()->styleSheet().contains(QStringLiteral("red")));
}

void TestPlotRegister::helpPointsToTheManual() {
    m_window->action(QStringLiteral("&?"))->trigger();
    QCOMPARE(m_w->interaction.messages,
             QStringList{QStringLiteral("Öffnen Sie bitte die Datei \"Hilfe.pdf\" in Ihrem "
                                        "Arbeitsverzeichnis mit Ihrem Standard-Internetbrowser")});
}

void TestPlotRegister::everythingTypedSurvivesARestart() {
    type(QStringLiteral("Name"), QStringLiteral("Schulze-Wendland"));
    type(QStringLiteral("telefon"), QStringLiteral("03341 123456789012"));
    type(QStringLiteral("wzn"), QStringLiteral("25,5"));
    m_window->connectionButton(QStringLiteral("text2"), false)->click();
    m_window->paidBox()->click();
    m_window->close();
    m_w->dm->disconnectDatabase();
    QVERIFY(m_w->dm->connectDatabase());
    Table& plots = m_w->dm->parzelle();
    QCOMPARE(plots.text(QStringLiteral("Name")), QStringLiteral("Schulze-Wendland"));
    QCOMPARE(plots.text(QStringLiteral("telefon")), QStringLiteral("03341 123456789")); // 15 chars
    QCOMPARE(plots.number(QStringLiteral("wzn")), 25.5);
    QCOMPARE(plots.number(QStringLiteral("Wasser")), 15.5);
    QCOMPARE(plots.text(QStringLiteral("text2")), QStringLiteral(" "));
    QVERIFY(plots.flag(QStringLiteral("gezahlt")));
}

void TestPlotRegister::printMenuRunsTheBillingAndShowsTheStatements() {
    m_w->execute(QStringLiteral("UPDATE param SET z23 = 1, z24 = 1, z6 = 400, z7 = 20, "
                                "strech = 120, warech = 40, Beitrag = 30"));
    m_w->dm->param().reopen();
    double totalDuringPreview = 0;
    m_w->interaction.whilePreviewOpen = [&](const ReportDocument&) {
        totalDuringPreview =
            m_w->scalar(QStringLiteral("SELECT sum(gesamt) FROM parzelle")).toDouble();
    };
    m_window->action(QStringLiteral("&Jahresabrechnung mit Überweiser"))->trigger();
    QCOMPARE(m_w->interaction.reports.size(), 1);
    // The progress window is gone before the preview opens.
    QCOMPARE(m_w->interaction.events().mid(m_w->interaction.events().size() - 2),
             (QStringList{QStringLiteral("[Fortschritt zu]"), QStringLiteral("[Vorschau]")}));
    const ReportDocument& withForm = m_w->interaction.reports.first();
    QCOMPARE(withForm.pages.size(), 2);
    QVERIFY(withForm.pages.first().find(QStringLiteral("Abrechng. ")));
    QVERIFY(totalDuringPreview > 60);
    // The raw consumption is back once the preview is closed.
    QCOMPARE(m_w->scalar(QStringLiteral("SELECT Strom FROM parzelle WHERE Nr = '1'")).toDouble(),
             340.0);

    m_window->action(QStringLiteral("Jahresabrechnung ohne Überweiser"))->trigger();
    QCOMPARE(m_w->interaction.reports.size(), 2);
    QVERIFY(!m_w->interaction.reports.last().pages.first().find(QStringLiteral("Abrechng. ")));
    QVERIFY(m_w->interaction.reports.last().pages.first().find(QStringLiteral("Bankverbindung:")));
    // The choice held for that one run only.
    m_window->action(QStringLiteral("&Jahresabrechnung mit Überweiser"))->trigger();
    QVERIFY(m_w->interaction.reports.last().pages.first().find(QStringLiteral("Abrechng. ")));
}

void TestPlotRegister::stoppedRunLeavesTheNextOnWithTheTransferForm() {
    QDialog parameters;
    m_window->setParametersWindow(&parameters);
    QTimer::singleShot(0, &parameters, [&] { parameters.accept(); });
    m_window->action(QStringLiteral("Jahresabrechnung ohne Überweiser"))->trigger();
    QCOMPARE(m_w->interaction.messages.size(), 1);
    QVERIFY(m_w->interaction.messages.first().startsWith(QStringLiteral("S T O P !")));
    QVERIFY(m_w->interaction.reports.isEmpty());

    m_w->execute(QStringLiteral("UPDATE param SET z23 = 2, z24 = 2, strech = 120, warech = 40"));
    m_w->dm->param().reopen();
    // The register becomes active again when the parameters window closes.
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    m_window->action(QStringLiteral("&Jahresabrechnung mit Überweiser"))->trigger();
    QCOMPARE(m_w->interaction.reports.size(), 1);
    QVERIFY(m_w->interaction.reports.first().pages.first().find(QStringLiteral("Abrechng. ")));
}

void TestPlotRegister::addressListAndExportShowWhatWasJustTyped() {
    type(QStringLiteral("Name"), QStringLiteral("Frankenberg"));
    m_window->action(QStringLiteral("Adr&essen"))->trigger();
    QCOMPARE(m_w->interaction.reports.size(), 1);
    const ReportPage& page = m_w->interaction.reports.first().pages.first();
    QVERIFY(page.find(QStringLiteral("Adressenverzeichnis")));
    QVERIFY(page.find(QStringLiteral("Frankenberg")));
    QVERIFY(!m_w->dm->AdressenQuery().isOpen());

    type(QStringLiteral("Name"), QStringLiteral("Frankenstein"));
    m_w->interaction.answers = {true};
    m_window->action(QStringLiteral("Daten exportieren"))->trigger();
    QVERIFY(m_w->interaction.errors.isEmpty());
    QFile exported(QStringLiteral("Export.xls"));
    QVERIFY(exported.open(QIODevice::ReadOnly));
    QVERIFY(exported.readAll().contains("name=\"Frankenstein\""));
}

void TestPlotRegister::stopMessageIsAnsweredWithEnter() {
    // With the real dialogs: every new association meets the first stop message.
    DialogInteraction dialogs;
    TParzelleform window(*m_w->dm, dialogs);
    QDialog parameters;
    window.setParametersWindow(&parameters);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    QString seen;
    bool answered = false;
    QTimer::singleShot(0, this, [&] {
        // Longer than a progress window waits before it shows itself.
        QTest::qWait(600);
        auto* message = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        seen = message ? message->text() : QStringLiteral("keine Meldung obenauf");
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (qobject_cast<QProgressDialog*>(top) && top->isVisible())
                seen = QStringLiteral("Fortschrittsfenster über der Meldung");
        }
        if (QWidget* focus = QApplication::focusWidget())
            QTest::keyClick(focus, Qt::Key_Return);
        answered = message && !message->isVisible();
        // Whatever happened, the test must not hang on a message nobody can reach.
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<QDialog*>(top);
                dialog && dialog->isVisible() && dialog != &window && dialog != &parameters)
                dialog->done(0);
        }
    });
    // The parameters window follows the message; closing it ends the run.
    QTimer closeParameters;
    connect(&closeParameters, &QTimer::timeout, &parameters, [&] {
        if (parameters.isVisible())
            parameters.accept();
    });
    closeParameters.start(50);
    window.action(QStringLiteral("&Jahresabrechnung mit Überweiser"))->trigger();

    QVERIFY2(seen.startsWith(QStringLiteral("S T O P !")), qPrintable(seen));
    QVERIFY(answered);
    QVERIFY(!dialogs.isShowingProgress());
}

void TestPlotRegister::fullDiskRefusalsAreReported() {
    m_disk.setTrouble(SimulatedDisk::Trouble::Full);
    const QString full = QStringLiteral("\nDer Datenträger ist voll.");

    m_w->interaction.answers = {true};
    m_window->findChild<NavigatorBar*>()->click(NavigatorBar::Delete);
    QCOMPARE(m_w->interaction.errors,
             QStringList{QStringLiteral("Der Datensatz konnte nicht gelöscht werden.") + full +
                         QStringLiteral("\n\n(database or disk is full)")});
    QCOMPARE(m_w->scalar(QStringLiteral("SELECT count(*) FROM parzelle")).toInt(), 2);
    QCOMPARE(m_w->dm->parzelle().rowCount(), 2);

    m_w->interaction.clear();
    type(QStringLiteral("Name"), QStringLiteral("Krause"));
    m_w->dm->parzelle().next();
    QCOMPARE(m_w->interaction.errors.size(), 1);
    QVERIFY2(m_w->interaction.errors.first().startsWith(
                 QStringLiteral("Die Änderungen an der Parzelle konnten nicht gespeichert "
                                "werden:") +
                 full),
             qPrintable(m_w->interaction.errors.first()));
}

QTEST_MAIN(TestPlotRegister)
#include "tst_plotregister.moc"
