#pragma once

#include "framework/reportdocument.h"

#include <QStringList>

class Interaction;

// Saves each part of a report (one plot's statement or letter) as a PDF file of its own, in a
// folder the user chooses, ready to be sent to that member: "Jahresabrechnung 2026 Parz. 16
// Lange.pdf" from the document's part title and the part's label.
class PartPdfExport {
public:
    PartPdfExport(const ReportDocument& document, Interaction& interaction);

    // Whether the document names parts to be saved one by one.
    static bool isPossible(const ReportDocument& document);
    // The title and the label, with every character that a file name cannot hold on any
    // common system replaced by "_", and ".pdf".
    static QString fileName(const QString& title, const QString& label);

    // A file name per part, in the parts' order; names that would coincide are numbered.
    QStringList fileNames() const;

    // Asks for the folder and saves there; returns how many files were written.
    int run();
    // Saves into the folder, asking once before replacing files that are there; returns how
    // many files were written. A failure is reported and ends the saving.
    int saveInto(const QString& folder);

private:
    ReportDocument m_document;
    QList<ReportPart> m_parts;
    Interaction& m_interaction;
};
