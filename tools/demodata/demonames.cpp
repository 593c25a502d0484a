#include "demonames.h"

namespace {

QStringList split(const char* words) {
    return QString::fromUtf8(words).split(u'|');
}

} // namespace

namespace DemoNames {

const QStringList& surnames() {
    static const QStringList names = split(
        "Müller|Schmidt|Schneider|Fischer|Weber|Meyer|Wagner|Becker|Schulz|Hoffmann|Schäfer|"
        "Koch|Bauer|Richter|Klein|Wolf|Schröder|Neumann|Schwarz|Zimmermann|Braun|Krüger|"
        "Hofmann|Hartmann|Lange|Schmitt|Werner|Schmitz|Krause|Meier|Lehmann|Schmid|Schulze|"
        "Maier|Köhler|Herrmann|König|Walter|Mayer|Huber|Kaiser|Fuchs|Peters|Lang|Scholz|Möller|"
        "Weiß|Jung|Hahn|Schubert|Vogel|Friedrich|Keller|Günther|Frank|Berger|Winkler|Roth|Beck|"
        "Lorenz|Baumann|Franke|Albrecht|Schuster|Simon|Ludwig|Böhm|Winter|Kraus|Martin|Krämer|"
        "Vogt|Stein|Jäger|Otto|Sommer|Groß|Seidel|Heinrich|Brandt|Haas|Schreiber|Graf|Dietrich");
    return names;
}

const QStringList& firstNames() {
    static const QStringList names = split(
        "Andreas|Angelika|Anja|Bernd|Birgit|Christian|Claudia|Dieter|Doris|Elke|Frank|Gabriele|"
        "Gerd|Heike|Helga|Holger|Ingrid|Jens|Jörg|Jürgen|Karin|Klaus|Kerstin|Lutz|Manfred|"
        "Marion|Martina|Michael|Monika|Nicole|Peter|Petra|Rainer|Renate|Sabine|Silke|Stefan|"
        "Susanne|Thomas|Torsten|Ute|Uwe|Wolfgang|Yvonne|Lena|Jonas|Paul|Marie|Lukas|Anna");
    return names;
}

const QStringList& streets() {
    static const QStringList names = split(
        "Lindenstraße|Hauptstraße|Gartenstraße|Bahnhofstraße|Schulstraße|Birkenweg|Am Anger|"
        "Fliederweg|Rosenstraße|Dorfstraße|Ahornweg|Karl-Liebknecht-Straße|Seestraße|"
        "Am Mühlenfließ|Waldstraße|Parkstraße|Kiefernweg|Berliner Straße|Wiesenweg|"
        "Friedensstraße|Goethestraße|Schillerstraße|Am Sportplatz|Eichendorffstraße|Ulmenallee");
    return names;
}

const QList<Town>& towns() {
    static const QList<Town> list{
        {QStringLiteral("Strausberg"), QStringLiteral("15344"), QStringLiteral("03341")},
        {QStringLiteral("Altlandsberg"), QStringLiteral("15345"), QStringLiteral("033438")},
        {QStringLiteral("Neuenhagen bei Berlin"), QStringLiteral("15366"), QStringLiteral("03342")},
        {QStringLiteral("Petershagen/Eggersdorf"), QStringLiteral("15370"),
         QStringLiteral("033439")},
        {QStringLiteral("Fredersdorf-Vogelsdorf"), QStringLiteral("15370"),
         QStringLiteral("033439")},
        {QStringLiteral("Rüdersdorf bei Berlin"), QStringLiteral("15562"),
         QStringLiteral("033638")},
    };
    return list;
}

const QStringList& mobilePrefixes() {
    static const QStringList prefixes = split("0151|0152|0160|0162|0170|0171|0172|0176");
    return prefixes;
}

const QStringList& plotRemarks() {
    static const QStringList remarks = split(
        "Pächterwechsel zum Saisonende angekündigt|Zählerschrank im Frühjahr erneuert|"
        "Rechnung bitte an die Tochter senden|Hecke zur Wegseite zurückschneiden (Begehung Juni)|"
        "Ratenzahlung vereinbart, siehe Vorstandsprotokoll|Wasseranschluss im Herbst abgesperrt");
    return remarks;
}

} // namespace DemoNames
