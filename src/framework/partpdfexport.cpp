#include "framework/partpdfexport.h"

#include "data/interaction.h"
#include "framework/reportrenderer.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

PartPdfExport::PartPdfExport(const ReportDocument& document, Interaction& interaction)
    : m_document(document)
    , m_parts(document.parts())
    , m_interaction(interaction) {}

bool PartPdfExport::isPossible(const ReportDocument& document) {
    return !document.partTitle.isEmpty() &&
           std::any_of(document.pages.cbegin(), document.pages.cend(),
                       [](const ReportPage& page) { return !page.partLabel.isEmpty(); });
}

QString PartPdfExport::fileName(const QString& title, const QString& label) {
    QString name = (title + u' ' + label).simplified();
    // Windows forbids these, and the files are meant to travel by e-mail.
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    for (QChar& c : name) {
        if (forbidden.contains(c) || c.unicode() < 0x20)
            c = u'_';
    }
    // A name may not end in a dot or a blank on Windows, nor start with a dot anywhere.
    while (name.endsWith(u'.') || name.endsWith(u' '))
        name.chop(1);
    while (name.startsWith(u'.'))
        name.remove(0, 1);
    if (name.isEmpty())
        name = QStringLiteral("_");
    return name + QStringLiteral(".pdf");
}

QStringList PartPdfExport::fileNames() const {
    QStringList names;
    QSet<QString> taken; // file systems that ignore case see "A" and "a" as one name
    for (const ReportPart& part : m_parts) {
        const QString name = fileName(m_document.partTitle, part.label);
        QString unique = name;
        for (int n = 2; taken.contains(unique.toLower()); ++n)
            unique = name.chopped(4) + QStringLiteral(" (%1).pdf").arg(n);
        taken.insert(unique.toLower());
        names << unique;
    }
    return names;
}

int PartPdfExport::run() {
    FileDialogRequest request;
    request.caption = QStringLiteral("Ordner für die einzelnen PDF-Dateien");
    request.folder = QDir::currentPath();
    const QString folder = m_interaction.chooseFolder(request);
    if (folder.isEmpty())
        return 0;
    return saveInto(folder);
}

int PartPdfExport::saveInto(const QString& folder) {
    const QDir dir(folder);
    const QStringList names = fileNames();
    QStringList existing;
    for (const QString& name : names) {
        if (QFileInfo::exists(dir.filePath(name)))
            existing << name;
    }
    if (!existing.isEmpty()) {
        const QString question =
            existing.size() == 1
                ? QStringLiteral("Im Ordner „%1“ gibt es die Datei „%2“ schon. Soll sie ersetzt "
                                 "werden?")
                      .arg(QDir::toNativeSeparators(folder), existing.first())
                : QStringLiteral("Im Ordner „%1“ gibt es %2 der Dateien schon, zum Beispiel "
                                 "„%3“. Sollen sie ersetzt werden?")
                      .arg(QDir::toNativeSeparators(folder))
                      .arg(existing.size())
                      .arg(existing.first());
        if (!m_interaction.askYesNo(question))
            return 0;
    }

    int written = 0;
    ProgressScope progress(m_interaction, QStringLiteral("Einzeln als PDF speichern"),
                           QStringLiteral("Die PDF-Dateien werden geschrieben …"));
    for (int i = 0; i < m_parts.size(); ++i) {
        progress.setPercent(int(i * 100 / m_parts.size()));
        const QString path = dir.filePath(names.at(i));
        const QString error =
            ReportRenderer::writePdf(m_document.pagesOf(m_parts.at(i).pages), path);
        if (!error.isEmpty()) {
            m_interaction.reportError(QStringLiteral("%1\n\n%2 von %3 Dateien wurden gespeichert.")
                                          .arg(error)
                                          .arg(written)
                                          .arg(m_parts.size()));
            return written;
        }
        ++written;
    }
    m_interaction.inform(written == 1
                             ? QStringLiteral("Eine PDF-Datei wurde im Ordner „%1“ gespeichert.")
                                   .arg(QDir::toNativeSeparators(folder))
                             : QStringLiteral("%1 PDF-Dateien wurden im Ordner „%2“ gespeichert.")
                                   .arg(written)
                                   .arg(QDir::toNativeSeparators(folder)));
    return written;
}
