#pragma once

#include "framework/bandedreport.h"

#include <QPointF>
#include <QRectF>
#include <QString>

#include <functional>

class Query;

// The printed pieces every letter to a tenant shares: the association's name at the head of
// the page, the sender and tenant lines, the association's details and the fields of the
// bank's pre-printed transfer form. The statements print them and so will the dunning
// letters, from rows of plots joined with the parameter row; one place keeps the address in
// the envelope window and the form's fields on the paper's boxes. Positions are millimetres
// from the band's top-left corner unless said otherwise.
namespace LetterParts {

// The faces reports name; the renderer puts metrically similar free faces in their place.
ReportFont arial(double pointSize, bool bold = false, bool italic = false);
ReportFont bookAntiqua(double pointSize, bool bold = false);
// The fixed-pitch face of the transfer form's fields.
ReportFont typewriter(double pointSize = 12);

// A box whose text ends at `right`, for right-aligned figures.
QRectF endingAt(double right, double y, double width, double height);

// The association's name (`Verein`) in bold Book Antiqua at the page header's top left.
void addAssociationName(ReportBand& header, double pointSize);

// "Erika Kasse, Am Anger 3": the sender's first name, name and street.
QString senderLine(const Query& row);
// "04109 Leipzig": the sender's postcode and town.
QString senderPlaceLine(const Query& row);
// "Hanna Gärtner": the tenant's first name and name, as in the address and the salutation.
QString tenantLine(const Query& row);

// The two sender lines in 8 pt at the band's top left.
void addSenderLines(ReportBand& detail);
// At the right, from 106.4 mm to the band's `width`: tax number, treasurer and telephone of
// the association in 8 pt, and below them that the letter is valid without a signature.
void addAssociationDetails(ReportBand& detail, double width);
// The tenant line, street, postcode and town in 10 pt from 20.6 mm below the band's top, in
// the window of a folded letter.
void addTenantAddress(ReportBand& detail);

// Two thin rules close together under a total.
void addDoubleRule(ReportBand& detail, double left, double right, double y);

// Where the fields of the pre-printed transfer form lie, in millimetres from the top-left
// corner of the sheet (not of the band): the paper's boxes fix them. The defaults are the
// statement's.
struct TransferFormPositions {
    double left = 69.4; // recipient, account, reference and payer start here
    double recipientY = 212.1;
    double ibanY = 220.3;
    double bicY = 228.8;
    QPointF amount{141.4, 238.1};
    double referenceY = 246.0;
    double referenceYearX = 97.2;
    double referencePlotCaptionX = 111.8;
    double referencePlotX = 128.4;
    double secondReferenceY = 254.5;
    double payerY = 262.9;
    QPointF date{127.4, 280.4};
};

// What a letter writes into the form. The recipient (`Verein`), its IBAN (`Bank`) and BIC
// (`Kto`), the reference "Abrechng. <year> Parz. <Nr>" and the payer (`Name`) are always
// filled in.
struct TransferFormContent {
    QString year; // of the bill, in the reference
    // The amount as the form shows it ("%8.2f", leading blanks included); none leaves the
    // box for the payer (the statement).
    std::function<QString(const Query&)> amount;
    // A column printed as the second reference line (the statement's `varzahlgrd`); empty:
    // none.
    QString secondReferenceColumn;
    bool printDate = false; // the date of printing in the form's date box, 10 pt
};

// Adds the form's fields in the fixed-pitch face, 12 pt, to a detail band whose top-left
// corner lies at `bandCorner` on the sheet.
void addTransferForm(ReportBand& detail, const QPointF& bandCorner,
                     const TransferFormContent& content,
                     const TransferFormPositions& positions = TransferFormPositions());

} // namespace LetterParts
