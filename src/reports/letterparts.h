#pragma once

#include "framework/bandedreport.h"

#include <QPointF>
#include <QRectF>
#include <QString>

#include <functional>

class Query;

// The printed pieces every letter to a tenant shares: the association's name at the head of
// the page, the sender and tenant lines, the association's details, the fields of the
// bank's pre-printed transfer form and the GiroCode of the same transfer. The statements print them
// and so will the dunning letters, from rows of plots joined with the parameter row; one place
// keeps the address in the envelope window and the form's fields on the paper's boxes. Positions
// are millimetres from the band's top-left corner unless said otherwise.
namespace LetterParts {

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

// "Parz. 16 Lange": the plot and the tenant's name, which name a letter's own PDF file.
QString plotAndTenant(const Query& row);
// Makes each plot's pages a part of the document that can be saved as a file of its own,
// called `title` ("Jahresabrechnung 2026", "1. Mahnung 2026") and the plot and tenant.
void namePartsByPlot(BandedReport& report, const QString& title);

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
    // Whether the form's amount box shows what the member is asked to pay ("%8.2f", leading
    // blanks included); otherwise it is left for the payer (the statement).
    bool printAmount = false;
    // A column printed as the second reference line (the statement's `varzahlgrd`); empty:
    // none.
    QString secondReferenceColumn;
    bool printDate = false; // the date of printing in the form's date box, 10 pt
    // What the member is asked to pay, in cents: the amount the GiroCode carries. None: the
    // invoice total `gesamt`, as on the statements. A letter that asks for another amount
    // (the dunning letter: `gesamt` and `Mahngebuehr`) gives it here.
    std::function<qint64(const Query&)> payableCents;
};

// The reference as the form prints it, on one line: "Abrechng. 2026 Parz. 16", followed by
// the second reference line when the letter has one and it is not empty.
QString transferReference(const Query& row, const TransferFormContent& content);
// What the member is asked to pay, in cents.
qint64 payableCents(const Query& row, const TransferFormContent& content);
// What the GiroCode of the row's transfer says; empty when the parameter row turns the code
// off or the transfer cannot be valid (nothing to pay, an IBAN that fails its check).
QString giroCodePayload(const Query& row, const TransferFormContent& content);

// The GiroCode of the transfer the form asks for, 28 mm wide with its quiet zone, and under
// it the caption "GiroCode – mit der Banking-App scannen". It stands at the band's top
// right, below the association's details (18.5 mm from the band's top), its right edge 10 mm
// from the sheet's: beside the tenant's address and above the heading's line, where no text
// of a letter lies, and far from the transfer form in the sheet's lower third. `bandCorner`
// is where the detail band's top-left corner lies on the sheet. Nothing prints where no code
// can.
void addGiroCode(ReportBand& detail, const QPointF& bandCorner, const TransferFormContent& content);

// Adds the form's fields in the fixed-pitch face, 12 pt, to a detail band whose top-left
// corner lies at `bandCorner` on the sheet, and the GiroCode of the same transfer.
void addTransferForm(ReportBand& detail, const QPointF& bandCorner,
                     const TransferFormContent& content,
                     const TransferFormPositions& positions = TransferFormPositions());

} // namespace LetterParts
