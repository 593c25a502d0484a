#include "framework/reportpreview.h"

#include "data/interaction.h"
#include "framework/partpdfexport.h"
#include "framework/reportprinter.h"
#include "framework/reportrenderer.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const double screenDpi = 96.0;

} // namespace

ReportPreview::ReportPreview(const ReportDocument& document, Interaction& interaction,
                             QWidget* parent)
    : QDialog(parent)
    , m_document(document)
    , m_interaction(interaction) {
    setWindowTitle(document.title.isEmpty()
                       ? QStringLiteral("Druckvorschau")
                       : QStringLiteral("Druckvorschau – %1").arg(document.title));

    auto* bar = new QHBoxLayout;
    const QStringList symbols = {QStringLiteral("|◀"), QStringLiteral("◀"), QStringLiteral("▶"),
                                 QStringLiteral("▶|")};
    const QStringList hints = {QStringLiteral("Erste Seite"), QStringLiteral("Vorherige Seite"),
                               QStringLiteral("Nächste Seite"), QStringLiteral("Letzte Seite")};
    for (int i = 0; i < symbols.size(); ++i) {
        auto* button = new QToolButton(this);
        button->setText(symbols.at(i));
        button->setToolTip(hints.at(i));
        bar->addWidget(button);
        m_navigation << button;
    }
    connect(m_navigation.at(0), &QToolButton::clicked, this, [this] { showPage(0); });
    connect(m_navigation.at(1), &QToolButton::clicked, this, [this] { showPage(m_page - 1); });
    connect(m_navigation.at(2), &QToolButton::clicked, this, [this] { showPage(m_page + 1); });
    connect(m_navigation.at(3), &QToolButton::clicked, this,
            [this] { showPage(int(m_document.pages.size()) - 1); });
    m_pageLabel = new QLabel(this);
    bar->addWidget(m_pageLabel);
    bar->addSpacing(16);

    auto* zoomLabel = new QLabel(QStringLiteral("&Zoom:"), this);
    m_zoomBox = new QComboBox(this);
    for (int percent : {50, 75, 100, 125, 150, 200})
        m_zoomBox->addItem(QStringLiteral("%1 %").arg(percent), percent / 100.0);
    zoomLabel->setBuddy(m_zoomBox);
    connect(m_zoomBox, &QComboBox::currentIndexChanged, this,
            [this] { setZoom(m_zoomBox->currentData().toDouble()); });
    bar->addWidget(zoomLabel);
    bar->addWidget(m_zoomBox);
    bar->addStretch();

    auto* print = new QPushButton(QStringLiteral("&Drucken"), this);
    auto* pdf = new QPushButton(QStringLiteral("Als &PDF speichern…"), this);
    auto* close = new QPushButton(QStringLiteral("&Schließen"), this);
    connect(print, &QPushButton::clicked, this, &ReportPreview::printPages);
    connect(pdf, &QPushButton::clicked, this, &ReportPreview::saveAsPdf);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    bar->addWidget(print);
    bar->addWidget(pdf);
    if (PartPdfExport::isPossible(document)) {
        auto* parts = new QPushButton(QStringLiteral("&Einzeln als PDF speichern…"), this);
        parts->setToolTip(QStringLiteral("Speichert die Seiten jedes Empfängers als eigene "
                                         "PDF-Datei, zum Versand per E-Mail"));
        connect(parts, &QPushButton::clicked, this, &ReportPreview::savePartsAsPdf);
        bar->addWidget(parts);
    }
    bar->addWidget(close);

    m_sheet = new QLabel(this);
    m_sheet->setAlignment(Qt::AlignCenter);
    m_scroll = new QScrollArea(this);
    m_scroll->setWidget(m_sheet);
    m_scroll->setWidgetResizable(true);
    m_scroll->setBackgroundRole(QPalette::Dark);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_scroll, 1);

    // Fits a 1366 x 768 screen with the sheet readable.
    QSize size(980, 700);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableSize() - QSize(20, 40));
    resize(size);
    m_zoomBox->setCurrentIndex(1);
    setZoom(0.75);
}

void ReportPreview::showPage(int page) {
    m_page = std::clamp(page, 0, std::max(0, int(m_document.pages.size()) - 1));
    render();
}

void ReportPreview::setZoom(double zoom) {
    m_zoom = zoom;
    render();
}

void ReportPreview::render() {
    const int count = int(m_document.pages.size());
    m_pageLabel->setText(QStringLiteral("Seite %1 von %2").arg(count ? m_page + 1 : 0).arg(count));
    m_navigation.at(0)->setEnabled(m_page > 0);
    m_navigation.at(1)->setEnabled(m_page > 0);
    m_navigation.at(2)->setEnabled(m_page + 1 < count);
    m_navigation.at(3)->setEnabled(m_page + 1 < count);
    if (count == 0) {
        m_sheet->clear();
        return;
    }
    const double dpi = screenDpi * m_zoom;
    const QSize pixels(qRound(m_document.paperSize.width() / 25.4 * dpi),
                       qRound(m_document.paperSize.height() / 25.4 * dpi));
    QImage image(pixels, QImage::Format_RGB32);
    const int dotsPerMeter = qRound(dpi / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    ReportRenderer::paintPage(painter, m_document.pages.at(m_page), dpi);
    painter.end();
    m_sheet->setPixmap(QPixmap::fromImage(image));
}

void ReportPreview::printPages() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setDocName(m_document.title);
    const int pageCount = int(m_document.pages.size());
    printer.setFromTo(1, std::max(1, pageCount));
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Drucken"));
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage);
    dialog.setOption(QAbstractPrintDialog::PrintCollateCopies);
    dialog.setMinMax(1, std::max(1, pageCount));
    if (dialog.exec() != QDialog::Accepted)
        return;
    print(printer);
}

void ReportPreview::print(QPrinter& printer) {
    ProgressScope progress(m_interaction, QStringLiteral("Drucken"),
                           QStringLiteral("Die Seiten werden gedruckt …"));
    if (!ReportPrinter::print(m_document, printer, m_page,
                              [&progress](int percent) { progress.setPercent(percent); }))
        m_interaction.reportError(QStringLiteral("Der Druck konnte nicht gestartet werden."));
}

void ReportPreview::saveAsPdf() {
    FileDialogRequest request;
    request.caption = QStringLiteral("Als PDF speichern");
    request.folder = QDir::currentPath();
    request.filter = QStringLiteral("PDF-Dateien (*.pdf)");
    request.defaultSuffix = QStringLiteral("pdf");
    QString path = m_interaction.chooseFileToSave(request);
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    if (QFile::exists(path) &&
        !m_interaction.askYesNo(
            QStringLiteral("Die Datei „%1“ gibt es schon. Soll sie überschrieben werden?")
                .arg(QDir::toNativeSeparators(path))))
        return;
    ProgressScope progress(m_interaction, QStringLiteral("Als PDF speichern"),
                           QStringLiteral("Die PDF-Datei wird geschrieben …"));
    const QString error = ReportRenderer::writePdf(
        m_document, path, [&progress](int percent) { progress.setPercent(percent); });
    if (!error.isEmpty())
        m_interaction.reportError(error);
}

void ReportPreview::savePartsAsPdf() {
    PartPdfExport(m_document, m_interaction).run();
}
