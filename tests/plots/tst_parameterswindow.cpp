#include "support/enterkey.h"
#include "support/simulateddisk.h"
#include "support/workspace.h"

#include "data/girocodesetting.h"
#include "framework/fieldlink.h"
#include "plots/losssharing.h"
#include "plots/plotsums.h"
#include "plots/tparam.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

// The general parameters window as the treasurer uses it: German number input, the
// loss-sharing choice and its main-meter boxes, the general custom items, the plot counts,
// and that whatever was typed is stored however the window is closed.
class TestParametersWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void captionsAndLabels();
    void computedBoxesAreReadOnly();
    void tabOrderSkipsComputedBoxes();
    void germanNumberInputIsStored();
    void clearedNumberShowsZeroAtOnce();
    void garbageCannotBeTyped();
    void newDatabaseHasNoLossSharingChosen();
    void lossSharingChoiceHidesMainMeterAndSurvivesRestart();
    void generalCustomItemsShowByTheirLabels();
    void countsOnEmptyRegister();
    void sumsOverPlots();
    void plotSumsTakeAWhereLine();
    void everyTypedValueSurvivesClosingAndReconnect();
    void closeBoxAndEscapeStoreToo();
    void enterInABoxPressesNoButton();
    void refusedStoreKeepsWhatWasTyped_data();
    void refusedStoreKeepsWhatWasTyped();
    void giroCodeIsOnUnlessTurnedOff();
    void invalidBankDetailsAreKeptButWarnedAbout();
};

namespace {

// Shows the window as the active one, as the user meets it.
bool showActive(Tparam& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

void replaceText(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Backspace);
    // Key by key, as typed; umlauts too, which the ASCII shortcut of QTest refuses.
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

QVariant stored(Workspace& w, const QString& column) {
    return w.scalar(QStringLiteral("SELECT %1 FROM param").arg(column));
}

void reconnect(Workspace& w) {
    w.dm->disconnectDatabase();
    QVERIFY(w.dm->connectDatabase());
}

const QStringList computedColumns{
    "Preis_kwh",          "Wartungsgebuehr",           "Preis_qm",          "Grundgebuehr_W",
    "Vereinshaftpflicht", "Vereinsunfallversicherung", "Strassenreinigung",
};

} // namespace

void TestParametersWindow::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void TestParametersWindow::captionsAndLabels() {
    Workspace w;
    Tparam window(*w.dm, w.interaction);
    QVERIFY(showActive(window));
    QCOMPARE(window.windowTitle(), QStringLiteral("Allgemeine Eingaben"));

    const QList<std::pair<QString, QString>> labels{
        {"Preis_kwh", "Energiepreis[€/kwh]"},
        {"strech", "Energie Verein[€]"},
        {"Wartungsgebuehr", "Uml. Grundgebühr Energie [€]"},
        {"grundg_verein", "Grundgeb. Energie Verein[€]"},
        {"z6", "Verbrauch Hauptzähler[kwh]"},
        {"z21", "Energiepauschale in %"},
        {"Preis_qm", "Wasserpreis[€/m³]"},
        {"warech", "Wasser Verein[€]"},
        {"Grundgebuehr_W", "Uml. Grundgeb. Wasser[€]"},
        {"Grundgebuehr_W_Verein", "Grundgeb. Wasser Verein[€]"},
        {"z7", "Verbrauch Hauptzähler [m³]"},
        {"z22", "Wasserpauschale in %"},
        {"haftpflv", "Feuerschadenber.vers.[€]"},
        {"Vereinshaftpflicht", "Uml. Feuerschadenber.vers.[€]"},
        {"unfallv", "Unfallvers. Verein[€]"},
        {"Vereinsunfallversicherung", "Uml.Vereinsunfallvers.[€]"},
        {"strreiv", "Strassenreinigungsgeb.[€]"},
        {"Strassenreinigung", "Uml. Strassenreinigungsgeb.[€]"},
        {"Beitrag", "Mitgliedsbeitrag[€]"},
        {"Pachtzins", "Pachtzins[€/m²]"},
        {"Preis_Arbeitsstunde", "Preis/Arbeitsstunde[€/h]"},
        {"Umlagen", "allg. Umlagen[€]"},
        {"Neuvermessung", "Anteil Gemeinfläche[m²]"},
        {"Mahngebuehr", "Mahngebühr[€]"},
        {"Verein", "Name Verein"},
        {"Ort", "Ort"},
        {"Bank", "IBAN"},
        {"Kto", "BIC"},
        {"Zahlfrist", "Fälligkeitsdatum"},
        {"varzahlgrd", "Variabler Zahlungsgrund"},
        {"absname", "Name"},
        {"absvorname", "Vorname"},
        {"absstrasse", "Strasse"},
        {"absort", "Ort"},
        {"absplz", "PLZ"},
        {"text6", "Steuer-Nr."},
        {"text7", "Kassierer"},
        {"text8", "Telefon"},
    };
    for (const auto& [column, caption] : labels) {
        QLabel* label = window.label(column);
        QVERIFY2(label, qPrintable(column));
        QCOMPARE(label->text().remove(u'&'), caption);
        QVERIFY(label->isVisible());
        // A label with a mnemonic leads to its own box.
        if (label->text().contains(u'&'))
            QCOMPARE(label->buddy(), window.edit(column));
    }
    QCOMPARE(window.noteLabel("z6")->text(), QStringLiteral("(falls gleichm. Umlage)"));
    QCOMPARE(window.noteLabel("z7")->text(), QStringLiteral("(falls gleichm. Umlage)"));
    // The sender lines stand under their own heading.
    auto* sender = qobject_cast<QGroupBox*>(window.edit("absname")->parentWidget());
    QVERIFY(sender);
    QCOMPARE(sender->title(), QStringLiteral("Absender"));

    // Columns the window does not show.
    for (const char* hidden : {"z8", "z9", "BLZ", "text9", "text10", "z10", "z23"})
        QVERIFY(!window.edit(QString::fromLatin1(hidden)));

    auto* electricityGroup =
        qobject_cast<QGroupBox*>(window.electricityButtons().first()->parentWidget());
    auto* waterGroup = qobject_cast<QGroupBox*>(window.waterButtons().first()->parentWidget());
    QCOMPARE(electricityGroup->title(), QStringLiteral("Umlage Energieverluste"));
    QCOMPARE(waterGroup->title(), QStringLiteral("Umlage Wasserverluste"));
    for (const auto& group : {window.electricityButtons(), window.waterButtons()}) {
        QCOMPARE(group.size(), 2);
        QCOMPARE(group.at(0)->text(), QStringLiteral("gleichmässig"));
        QCOMPARE(group.at(1)->text(), QStringLiteral("verbrauchsabhängig"));
    }
    QCOMPARE(window.plotCountButton()->text(), QStringLiteral("Anzahl Parzellen"));
    QCOMPARE(window.electricitySumButton()->text(), QStringLiteral("Kwh Strom Parz. ges."));
    QCOMPARE(window.waterSumButton()->text(), QStringLiteral("m³ Wasser Parz. ges."));
    QCOMPARE(window.okButton()->text(), QStringLiteral("ok"));

    QCOMPARE(window.edit("Verein")->maxLength(), 60);
    QCOMPARE(window.minimumSize(), window.maximumSize());
    // Fits a 1366 × 768 screen with room for the window frame and a task bar.
    QVERIFY2(window.width() <= 1350 && window.height() <= 680,
             qPrintable(QStringLiteral("%1 × %2").arg(window.width()).arg(window.height())));
    QVERIFY(w.interaction.said().isEmpty());
}

void TestParametersWindow::computedBoxesAreReadOnly() {
    Workspace w;
    w.execute(QStringLiteral("UPDATE param SET Preis_kwh = 0.31234, Vereinshaftpflicht = 12.5"));
    w.dm->param().reopen();
    Tparam window(*w.dm, w.interaction);
    QVERIFY(showActive(window));
    for (const QString& column : computedColumns) {
        QLineEdit* edit = window.edit(column);
        QVERIFY2(edit->isReadOnly(), qPrintable(column));
        QCOMPARE(edit->toolTip(), QStringLiteral("wird erst beim Rechnungsdruck berechnet"));
        const QString before = edit->text();
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("7"));
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text(), before);
    }
    QCOMPARE(window.edit("Preis_kwh")->text(), QStringLiteral("0,3123"));
    QCOMPARE(window.edit("Vereinshaftpflicht")->text(), QStringLiteral("12,50"));
    window.okButton()->click();
    QCOMPARE(stored(w, "Preis_kwh").toDouble(), 0.31234);
    QCOMPARE(stored(w, "Vereinshaftpflicht").toDouble(), 12.5);
}

void TestParametersWindow::tabOrderSkipsComputedBoxes() {
    Workspace w;
    Tparam window(*w.dm, w.interaction);
    for (const QString& column : computedColumns)
        QVERIFY(!(window.edit(column)->focusPolicy() & Qt::TabFocus));
    // Down the electricity box: the association's bill, its standing charge, the main meter.
    const QList<QWidget*> expected{window.edit("strech"), window.edit("grundg_verein"),
                                   window.edit("z6"), window.edit("z21")};
    QList<QWidget*> chain;
    QWidget* widget = window.edit("strech");
    while (chain.size() < expected.size()) {
        if (widget->focusPolicy() & Qt::TabFocus)
            chain << widget;
        widget = widget->nextInFocusChain();
    }
    QCOMPARE(chain, expected);
}

void TestParametersWindow::germanNumberInputIsStored() {
    Workspace w;
    Tparam window(*w.dm, w.interaction);
    QVERIFY(showActive(window));
    replaceText(window.edit("Beitrag"), QStringLiteral("1.212,5"));
    replaceText(window.edit("Pachtzins"), QStringLiteral("0,1234"));
    // A point is no decimal sign in German: the window stays open on the refused box.
    replaceText(window.edit("Mahngebuehr"), QStringLiteral("2.5"));
    window.okButton()->click();
    QVERIFY(window.isVisible());
    QCOMPARE(w.interaction.messages.size(), 1);
    QVERIFY(w.interaction.messages.first().contains(QStringLiteral("nach einem Komma")));
    QCOMPARE(window.edit("Mahngebuehr")->text(), QStringLiteral("0,00"));
    QTRY_VERIFY(window.edit("Mahngebuehr")->hasFocus());
    replaceText(window.edit("Mahngebuehr"), QStringLiteral("2,5"));
    window.okButton()->click();
    QVERIFY(!window.isVisible());
    QCOMPARE(stored(w, "Beitrag").toDouble(), 1212.5);
    QCOMPARE(stored(w, "Pachtzins").toDouble(), 0.1234);
    QCOMPARE(stored(w, "Mahngebuehr").toDouble(), 2.5);
    // Shown again in the column's display format.
    QVERIFY(showActive(window));
    QCOMPARE(window.edit("Beitrag")->text(), QStringLiteral("1212,50"));
    QCOMPARE(window.edit("Pachtzins")->text(), QStringLiteral("0,1234"));
}

void TestParametersWindow::clearedNumberShowsZeroAtOnce() {
    Workspace w;
    w.execute(QStringLiteral("UPDATE param SET Beitrag = 30, z7 = 120"));
    w.dm->param().reopen();
    Tparam window(*w.dm, w.interaction);
    QVERIFY(showActive(window));
    for (const char* column : {"Beitrag", "z7", "strech"}) {
        QLineEdit* edit = window.edit(QString::fromLatin1(column));
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text(), QStringLiteral("0"));
        QCOMPARE(w.dm->param().value(QString::fromLatin1(column)), QVariant(0.0));
    }
    window.okButton()->click();
    QCOMPARE(stored(w, "Beitrag").toDouble(), 0.0);
    QVERIFY(!stored(w, "Beitrag").isNull());
    QCOMPARE(stored(w, "z7").toDouble(), 0.0);
}

void TestParametersWindow::garbageCannotBeTyped() {
    Workspace w;
    w.execute(QStringLiteral("UPDATE param SET Beitrag = 30"));
    w.dm->param().reopen();
    Tparam window(*w.dm, w.interaction);
    QVERIFY(showActive(window));
    QLineEdit* edit = window.edit("Beitrag");
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, QStringLiteral("abc"));
    QCOMPARE(edit->text(), QStringLiteral("30,00"));
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClicks(edit, QStringLiteral("x%e"));
    QCOMPARE(edit->text(), QStringLiteral("30,00"));
    window.okButton()->click();
    QCOMPARE(stored(w, "Beitrag").toDouble(), 30.0);
    QVERIFY(w.interaction.said().isEmpty());
}

void TestParametersWindow::newDatabaseHasNoLossSharingChosen() {
    Workspace w;
    Tparam window(*w.dm, w.interaction);
    QVERIFY(showActive(window));
    for (QRadioButton* button : window.electricityButtons() + window.waterButtons())
        QVERIFY(!button->isChecked());
    for (const char* column : {"z6", "z7"}) {
        const QString c = QString::fromLatin1(column);
        QVERIFY(window.edit(c)->isVisible());
        QVERIFY(window.label(c)->isVisible());
        QVERIFY(window.noteLabel(c)->isVisible());
    }
}

void TestParametersWindow::lossSharingChoiceHidesMainMeterAndSurvivesRestart() {
    Workspace w;
    {
        Tparam window(*w.dm, w.interaction);
        QVERIFY(showActive(window));
        window.electricityButtons().at(1)->click();
        QVERIFY(!window.electricityButtons().at(0)->isChecked());
        QVERIFY(window.electricityButtons().at(1)->isChecked());
        QVERIFY(!window.label("z6")->isVisible());
        QVERIFY(!window.noteLabel("z6")->isVisible());
        QVERIFY(!window.edit("z6")->isVisible());
        // Water is untouched.
        QVERIFY(window.edit("z7")->isVisible());
        QVERIFY(!window.waterButtons().at(0)->isChecked());

        // Changing one's mind brings the box back; a second click keeps the choice.
        window.electricityButtons().at(0)->click();
        QVERIFY(window.edit("z6")->isVisible());
        QVERIFY(window.label("z6")->isVisible());
        window.electricityButtons().at(1)->click();
        window.electricityButtons().at(1)->click();
        QVERIFY(window.electricityButtons().at(1)->isChecked());
        QVERIFY(!window.edit("z6")->isVisible());

        window.waterButtons().at(0)->click();
        QVERIFY(window.edit("z7")->isVisible());
        window.okButton()->click();

        // Shown again while the program runs.
        QVERIFY(showActive(window));
        QVERIFY(window.electricityButtons().at(1)->isChecked());
        QVERIFY(!window.edit("z6")->isVisible());
        window.okButton()->click();
    }

    reconnect(w);
    QCOMPARE(LossSharingChoice::electricity(w.dm->param()), LossSharing::ByConsumption);
    QCOMPARE(LossSharingChoice::water(w.dm->param()), LossSharing::Equal);
    Tparam window(*w.dm, w.interaction);
    QVERIFY(showActive(window));
    QVERIFY(!window.electricityButtons().at(0)->isChecked());
    QVERIFY(window.electricityButtons().at(1)->isChecked());
    QVERIFY(!window.label("z6")->isVisible());
    QVERIFY(window.waterButtons().at(0)->isChecked());
    QVERIFY(!window.waterButtons().at(1)->isChecked());
    QVERIFY(window.label("z7")->isVisible());
    QVERIFY(window.edit("z7")->isVisible());
}

void TestParametersWindow::generalCustomItemsShowByTheirLabels() {
    Workspace w;
    w.execute(QStringLiteral("UPDATE nfelder SET reserve5 = 'Wasserleitung', rc111 = 1, "
                             "reserve6 = 'Wegebau', reserve12 = 'Vereinsfest'"));
    w.execute(QStringLiteral("UPDATE param SET reserve5 = 0.1234, reserve6 = 2.5, "
                             "reserve12 = 7"));
    w.dm->nfelder().reopen();
    w.dm->param().reopen();
    Tparam window(*w.dm, w.interaction);
    const QSize size = window.size();
    QVERIFY(showActive(window));
    // Named items take room kept for them: the window keeps its size.
    QCOMPARE(window.size(), size);
    QCOMPARE(window.minimumSize(), window.maximumSize());

    QVERIFY(window.label("reserve5")->isVisible());
    QCOMPARE(window.label("reserve5")->text(), QStringLiteral("Wasserleitung"));
    QVERIFY(window.edit("reserve5")->isVisible());
    QCOMPARE(window.edit("reserve5")->text(), QStringLiteral("0,1234"));
    QCOMPARE(window.label("reserve6")->text(), QStringLiteral("Wegebau"));
    QCOMPARE(window.edit("reserve6")->text(), QStringLiteral("2,50"));
    QCOMPARE(window.label("reserve12")->text(), QStringLiteral("Vereinsfest"));
    QCOMPARE(window.edit("reserve12")->text(), QStringLiteral("7,00"));
    for (const char* unnamed : {"reserve7", "reserve8", "reserve11"}) {
        QVERIFY(!window.label(QString::fromLatin1(unnamed))->isVisible());
        QVERIFY(!window.edit(QString::fromLatin1(unnamed))->isVisible());
    }
    window.okButton()->click();

    // Renamed, unnamed and linked in the custom items window between two showings.
    Table& nfelder = w.dm->nfelder();
    nfelder.setValue(QStringLiteral("reserve5"), QString());
    nfelder.setValue(QStringLiteral("reserve7"), QStringLiteral("Müllabfuhr"));
    nfelder.setValue(QStringLiteral("rc222"), true);
    nfelder.post();
    QVERIFY(showActive(window));
    QVERIFY(!window.label("reserve5")->isVisible());
    QVERIFY(!window.edit("reserve5")->isVisible());
    QCOMPARE(window.edit("reserve6")->text(), QStringLiteral("2,5000"));
    QVERIFY(window.edit("reserve7")->isVisible());
    QCOMPARE(window.label("reserve7")->text(), QStringLiteral("Müllabfuhr"));
    window.okButton()->click();
}

void TestParametersWindow::countsOnEmptyRegister() {
    Workspace w;
    Tparam window(*w.dm, w.interaction);
    QVERIFY(showActive(window));
    window.plotCountButton()->click();
    window.electricitySumButton()->click();
    window.waterSumButton()->click();
    QCOMPARE(w.interaction.messages, QStringList({"0", "0 kwh", QStringLiteral("0 m³")}));
}

void TestParametersWindow::sumsOverPlots() {
    Workspace w;
    w.execute(QStringLiteral("INSERT INTO parzelle (Nr, Strom, Wasser) VALUES "
                             "('1', 400.5, 12.25), ('2', 100, 3), ('10', 0, 0)"));
    Tparam window(*w.dm, w.interaction);
    QVERIFY(showActive(window));
    window.plotCountButton()->click();
    window.electricitySumButton()->click();
    window.waterSumButton()->click();
    QCOMPARE(w.interaction.messages, QStringList({"3", "500,5 kwh", QStringLiteral("15,25 m³")}));
}

void TestParametersWindow::plotSumsTakeAWhereLine() {
    Workspace w;
    w.execute(QStringLiteral("INSERT INTO parzelle (Nr, Strom, Wasser, text1) VALUES "
                             "('1', 400.5, 12.25, 'X'), ('2', 100, 3, ' '), ('3', 20, 1, 'X')"));
    PlotSums all;
    QCOMPARE(PlotSums::read(*w.dm, QString(), all), QString());
    QCOMPARE(all.count, 3);
    QCOMPARE(all.electricity, 520.5);
    QCOMPARE(all.water, 16.25);

    PlotSums metered;
    QCOMPARE(PlotSums::read(*w.dm, QStringLiteral("where parzelle.text1 = 'X'"), metered),
             QString());
    QCOMPARE(metered.count, 2);
    QCOMPARE(metered.electricity, 420.5);
    QCOMPARE(metered.water, 13.25);

    PlotSums none;
    QCOMPARE(PlotSums::read(*w.dm, QStringLiteral("where parzelle.text1 = 'Y'"), none), QString());
    QCOMPARE(none.count, 0);
    QCOMPARE(none.electricity, 0.0);

    // A statement the engine refuses says why, and counts nothing.
    PlotSums failed = all;
    QVERIFY(PlotSums::read(*w.dm, QStringLiteral("where no_such_column = 1"), failed)
                .contains(QStringLiteral("no_such_column")));
    QCOMPARE(failed.count, 0);
    QCOMPARE(failed.water, 0.0);

    // The window says so instead of showing a count of nothing.
    Tparam window(*w.dm, w.interaction);
    QVERIFY(showActive(window));
    w.execute(QStringLiteral("ALTER TABLE parzelle RENAME TO parzellen"));
    window.plotCountButton()->click();
    QCOMPARE(w.interaction.messages, QStringList());
    QCOMPARE(w.interaction.errors.size(), 1);
    QVERIFY(w.interaction.errors.first().startsWith(
        QStringLiteral("Die Parzellen konnten nicht gezählt werden.")));
}

void TestParametersWindow::everyTypedValueSurvivesClosingAndReconnect() {
    Workspace w;
    w.execute(QStringLiteral("UPDATE nfelder SET reserve5 = 'A', reserve6 = 'B', reserve7 = 'C', "
                             "reserve8 = 'D', reserve11 = 'E', reserve12 = 'F'"));
    w.dm->nfelder().reopen();

    const QList<std::pair<QString, double>> numbers{
        {"strech", 1234.56},   {"grundg_verein", 99.5},
        {"z6", 15000.5},       {"z21", 80},
        {"warech", 456.78},    {"Grundgebuehr_W_Verein", 45},
        {"z7", 900.5},         {"z22", 75.5},
        {"haftpflv", 210},     {"unfallv", 33.3},
        {"strreiv", 120.4},    {"Beitrag", 40},
        {"Pachtzins", 0.3456}, {"Preis_Arbeitsstunde", 15},
        {"Umlagen", 12.5},     {"Neuvermessung", 7.25},
        {"Mahngebuehr", 5},    {"reserve5", 1.5},
        {"reserve6", 2.5},     {"reserve7", 3.5},
        {"reserve8", 4.5},     {"reserve11", 5.5},
        {"reserve12", 6.5},
    };
    const QList<std::pair<QString, QString>> texts{
        {"Verein", QStringLiteral("Kleingärtnerverein Sonnenhang am Stadtpark e. V.")},
        {"Ort", QStringLiteral("Gärtnersdorf")},
        {"Bank", QStringLiteral("DE02120300000000202051")},
        {"Kto", QStringLiteral("BYLADEM1001")},
        {"varzahlgrd", QStringLiteral("Jahresrechnung 2026")},
        {"absname", QStringLiteral("Müller")},
        {"absvorname", QStringLiteral("Jörg")},
        {"absstrasse", QStringLiteral("Gartenweg 3")},
        {"absort", QStringLiteral("Gärtnersdorf")},
        {"absplz", QStringLiteral("12345")},
        {"text6", QStringLiteral("12/345/67890")},
        {"text7", QStringLiteral("J. Müller")},
        {"text8", QStringLiteral("0301 234567")},
    };

    Tparam window(*w.dm, w.interaction);
    QVERIFY(showActive(window));
    // Typed as the treasurer writes them: decimal comma, no thousands separator.
    QLocale german;
    german.setNumberOptions(QLocale::OmitGroupSeparator);
    for (const auto& [column, value] : numbers)
        replaceText(window.edit(column), german.toString(value, 'g', 15));
    for (const auto& [column, value] : texts)
        replaceText(window.edit(column), value);
    // Still in the due-date box when "ok" is pressed.
    replaceText(window.edit("Zahlfrist"), QStringLiteral("31.03.2027"));
    window.okButton()->click();
    QVERIFY(!window.isVisible());

    reconnect(w);
    for (const auto& [column, value] : numbers)
        QCOMPARE(stored(w, column).toDouble(), value);
    for (const auto& [column, value] : texts)
        QCOMPARE(stored(w, column).toString(), value);
    QCOMPARE(w.dm->param().date(QStringLiteral("Zahlfrist")), QDate(2027, 3, 31));

    Tparam fresh(*w.dm, w.interaction);
    QVERIFY(showActive(fresh));
    QCOMPARE(fresh.edit("strech")->text(), QStringLiteral("1234,56"));
    QCOMPARE(fresh.edit("z6")->text(), QStringLiteral("15000,5"));
    QCOMPARE(fresh.edit("Zahlfrist")->text(), QStringLiteral("31.03.2027"));
    QCOMPARE(fresh.edit("absname")->text(), QStringLiteral("Müller"));
    QVERIFY(w.interaction.said().isEmpty());
}

void TestParametersWindow::closeBoxAndEscapeStoreToo() {
    Workspace w;
    Tparam window(*w.dm, w.interaction);

    // The close box, with the due date still being typed.
    QVERIFY(showActive(window));
    replaceText(window.edit("Mahngebuehr"), QStringLiteral("2,5"));
    replaceText(window.edit("Zahlfrist"), QStringLiteral("15.4.2027"));
    window.close();
    QVERIFY(!window.isVisible());
    QVERIFY(!w.dm->param().isEditing());
    QCOMPARE(stored(w, "Mahngebuehr").toDouble(), 2.5);
    QCOMPARE(stored(w, "Zahlfrist").toDate(), QDate(2027, 4, 15));

    // Escape, shown modally as the plot register shows it: no cancel, the typing is kept.
    bool active = false;
    QTimer::singleShot(0, &window, [&] {
        active = QTest::qWaitForWindowActive(&window);
        replaceText(window.edit("Verein"), QStringLiteral("KGV Am Bach"));
        window.electricityButtons().at(0)->click();
        QTest::keyClick(window.edit("Verein"), Qt::Key_Escape);
    });
    window.exec();
    QVERIFY(active);
    QCOMPARE(stored(w, "Verein").toString(), QStringLiteral("KGV Am Bach"));
    QVERIFY(!w.dm->param().isEditing());
    QCOMPARE(LossSharingChoice::electricity(w.dm->param()), LossSharing::Equal);

    // A closed parameter row is opened again to take the typing.
    w.dm->param().close();
    QVERIFY(showActive(window));
    QVERIFY(w.dm->param().isOpen());
    QCOMPARE(window.edit("Verein")->text(), QStringLiteral("KGV Am Bach"));
    QVERIFY(window.electricityButtons().at(0)->isChecked());
    w.dm->param().close();
    window.close();
    QVERIFY(w.dm->param().isOpen());
    QCOMPARE(stored(w, "Verein").toString(), QStringLiteral("KGV Am Bach"));
}

void TestParametersWindow::enterInABoxPressesNoButton() {
    Workspace w;
    w.execute(QStringLiteral("UPDATE nfelder SET reserve5 = 'Wegebau', reserve12 = 'Strom'"));
    w.dm->nfelder().reopen();
    Tparam window(*w.dm, w.interaction);
    QVERIFY(showActive(window));
    const QString problem = pressEnterInEveryBox(&window);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QVERIFY(w.interaction.said().isEmpty());
    // Enter on a focused button still presses it.
    window.plotCountButton()->setFocus();
    QTest::keyClick(window.plotCountButton(), Qt::Key_Return);
    QCOMPARE(w.interaction.messages, QStringList{QStringLiteral("0")});
}

void TestParametersWindow::refusedStoreKeepsWhatWasTyped_data() {
    QTest::addColumn<int>("trouble");
    QTest::addColumn<QString>("cause");
    QTest::newRow("full disk") << int(SimulatedDisk::Trouble::Full)
                               << QStringLiteral("Der Datenträger ist voll.");
    QTest::newRow("write-protected file") << int(SimulatedDisk::Trouble::WriteProtected)
                                          << QStringLiteral("Die Datei ist schreibgeschützt.");
}

void TestParametersWindow::refusedStoreKeepsWhatWasTyped() {
    QFETCH(int, trouble);
    QFETCH(QString, cause);
    Workspace w;
    SimulatedDisk disk{SimulatedDisk::Trouble(trouble)};
    reconnect(w); // a write-protected file is met when the program starts
    w.interaction.clear();
    Tparam window(*w.dm, w.interaction);
    QVERIFY(showActive(window));
    replaceText(window.edit("strech"), QStringLiteral("1234,5"));

    // Answered "Abbrechen": the window stays open with what was typed.
    w.interaction.answers = {false};
    window.close();
    QVERIFY(window.isVisible());
    QCOMPARE(window.edit("strech")->text(), QStringLiteral("1234,50"));
    QCOMPARE(w.interaction.questions.size(), 1);
    const QString question = w.interaction.questions.first();
    QVERIFY2(question.startsWith(QStringLiteral("Die allgemeinen Eingaben konnten nicht "
                                                "gespeichert werden.\n") +
                                 cause),
             qPrintable(question));

    if (trouble == int(SimulatedDisk::Trouble::Full)) {
        // Room made on the disk: closing again stores the value.
        disk.setTrouble(SimulatedDisk::Trouble::None);
        window.okButton()->click();
        QVERIFY(!window.isVisible());
        QCOMPARE(stored(w, "strech").toDouble(), 1234.5);
    } else {
        // Answered "OK": the changes are thrown away on purpose.
        w.interaction.answers = {true};
        QTest::keyClick(window.edit("strech"), Qt::Key_Escape);
        QVERIFY(!window.isVisible());
        QCOMPARE(w.interaction.questions.size(), 2);
        QVERIFY(!w.dm->param().isEditing());
        QCOMPARE(w.dm->param().number(QStringLiteral("strech")), 0.0);
        QCOMPARE(stored(w, "strech").toDouble(), 0.0);
    }
    QCOMPARE(w.interaction.errors, QStringList());
}

void TestParametersWindow::giroCodeIsOnUnlessTurnedOff() {
    Workspace w;
    {
        Tparam window(*w.dm, w.interaction);
        QVERIFY(showActive(window));
        QVERIFY(window.giroCodeBox()->isChecked());
        window.giroCodeBox()->click();
        window.okButton()->click();
    }
    QCOMPARE(stored(w, GiroCodeSetting::column()).toDouble(), 2.0);
    reconnect(w);
    {
        Tparam window(*w.dm, w.interaction);
        QVERIFY(showActive(window));
        QVERIFY(!window.giroCodeBox()->isChecked());
        window.giroCodeBox()->click();
        window.close();
    }
    QCOMPARE(stored(w, GiroCodeSetting::column()).toDouble(), 1.0);

    // A database from before the choice existed holds nothing or 0 there: it prints the code.
    for (const char* before : {"NULL", "0"}) {
        w.execute(QStringLiteral("UPDATE param SET z25 = %1").arg(QLatin1String(before)));
        w.dm->param().reopen();
        Tparam window(*w.dm, w.interaction);
        QVERIFY(showActive(window));
        QVERIFY2(window.giroCodeBox()->isChecked(), before);
    }
}

void TestParametersWindow::invalidBankDetailsAreKeptButWarnedAbout() {
    Workspace w;
    // Old data may hold an account number where the IBAN belongs: marked, not scolded.
    w.execute(QStringLiteral("UPDATE param SET Bank = '4712839', Kto = 'SBLKDEF1STR'"));
    w.dm->param().reopen();
    Tparam window(*w.dm, w.interaction);
    QVERIFY(showActive(window));
    QLineEdit* iban = window.edit("Bank");
    QLineEdit* bic = window.edit("Kto");
    QVERIFY(!iban->styleSheet().isEmpty());
    QVERIFY(iban->toolTip().contains(QStringLiteral("Ländercode")));
    QVERIFY(bic->styleSheet().isEmpty());
    iban->setFocus();
    bic->setFocus();
    QVERIFY(w.interaction.said().isEmpty());

    // A slip of the finger, in groups as printed on a bank card, is said when the box is left.
    replaceText(iban, QStringLiteral("DE02 1203 0000 0000 2020 52"));
    bic->setFocus();
    QCOMPARE(w.interaction.messages.size(), 1);
    QVERIFY(w.interaction.messages.first().startsWith(QStringLiteral(
        "Die IBAN „DE02 1203 0000 0000 2020 52“ ist nicht gültig. Ihre Prüfziffern")));
    QVERIFY(!iban->styleSheet().isEmpty());
    // Leaving it again unchanged, or closing the window from it, says nothing more.
    iban->setFocus();
    bic->setFocus();
    iban->setFocus();
    commitFocusedEdit(&window);
    QCOMPARE(w.interaction.messages.size(), 1);

    // Mended: no word and no mark; kept as typed, blanks and all, as the form prints it.
    replaceText(iban, QStringLiteral("DE02 1203 0000 0000 2020 51"));
    replaceText(bic, QStringLiteral("BYLADEM10"));
    iban->setFocus();
    QCOMPARE(w.interaction.messages.size(), 2);
    QVERIFY(w.interaction.messages.last().startsWith(
        QStringLiteral("Der BIC „BYLADEM10“ ist nicht gültig. Ein BIC hat 8 oder 11 Zeichen")));
    QVERIFY(iban->styleSheet().isEmpty());
    QVERIFY(iban->toolTip().isEmpty());
    QVERIFY(!bic->styleSheet().isEmpty());
    window.okButton()->click();
    QCOMPARE(stored(w, "Bank").toString(), QStringLiteral("DE02 1203 0000 0000 2020 51"));
    QCOMPARE(stored(w, "Kto").toString(), QStringLiteral("BYLADEM10"));
}

QTEST_MAIN(TestParametersWindow)
#include "tst_parameterswindow.moc"
