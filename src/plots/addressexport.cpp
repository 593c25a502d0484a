#include "plots/addressexport.h"

#include "data/query.h"
#include "data/schema.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QXmlStreamWriter>

namespace {

// The namespaces spreadsheet programs expect of a persisted row set.
const QString schemaNamespace = QStringLiteral("uuid:BDC6E3F0-6DA3-11d1-A2A3-00C04FD6CE36");
const QString typeNamespace = QStringLiteral("uuid:C2F41010-65B3-11d1-A29F-00AA00C14882");
const QString rowsetNamespace = QStringLiteral("urn:schemas-microsoft-com:rowset");
const QString rowNamespace = QStringLiteral("#RowsetSchema");

void writeSchema(QXmlStreamWriter& xml) {
    xml.writeStartElement(schemaNamespace, QStringLiteral("Schema"));
    xml.writeAttribute(QStringLiteral("id"), QStringLiteral("RowsetSchema"));
    xml.writeStartElement(schemaNamespace, QStringLiteral("ElementType"));
    xml.writeAttribute(QStringLiteral("name"), QStringLiteral("row"));
    xml.writeAttribute(QStringLiteral("content"), QStringLiteral("eltOnly"));
    int number = 0;
    for (const QString& name : AddressExport::columns()) {
        xml.writeStartElement(schemaNamespace, QStringLiteral("AttributeType"));
        xml.writeAttribute(QStringLiteral("name"), name);
        xml.writeAttribute(rowsetNamespace, QStringLiteral("number"), QString::number(++number));
        xml.writeAttribute(rowsetNamespace, QStringLiteral("nullable"), QStringLiteral("true"));
        xml.writeAttribute(rowsetNamespace, QStringLiteral("maydefer"), QStringLiteral("true"));
        xml.writeAttribute(rowsetNamespace, QStringLiteral("write"), QStringLiteral("true"));
        xml.writeAttribute(rowsetNamespace, QStringLiteral("basetable"),
                           QStringLiteral("parzelle"));
        xml.writeAttribute(rowsetNamespace, QStringLiteral("basecolumn"), name);
        xml.writeEmptyElement(schemaNamespace, QStringLiteral("datatype"));
        xml.writeAttribute(typeNamespace, QStringLiteral("type"), QStringLiteral("string"));
        xml.writeAttribute(typeNamespace, QStringLiteral("maxLength"),
                           QString::number(Schema::textSize(u"parzelle", name)));
        xml.writeEndElement(); // AttributeType
    }
    xml.writeEmptyElement(schemaNamespace, QStringLiteral("extends"));
    xml.writeAttribute(QStringLiteral("type"), QStringLiteral("rs:rowbase"));
    xml.writeEndElement(); // ElementType
    xml.writeEndElement(); // Schema
}

void writeRows(QXmlStreamWriter& xml, Query& rows) {
    xml.writeStartElement(rowsetNamespace, QStringLiteral("data"));
    const QStringList names = AddressExport::columns();
    for (rows.first(); !rows.atEnd(); rows.next()) {
        xml.writeEmptyElement(rowNamespace, QStringLiteral("row"));
        // An empty column has no attribute, as in any persisted row set.
        for (const QString& name : names) {
            const QVariant value = rows.value(name);
            if (!value.isNull())
                xml.writeAttribute(name, value.toString());
        }
    }
    xml.writeEndElement(); // data
}

QString failure(const QString& filePath, QFileDevice::FileError error, const QString& detail) {
    QString text = QStringLiteral("Die Datei „%1“ konnte nicht geschrieben werden; eine "
                                  "bisherige Datei dieses Namens bleibt unverändert.\n")
                       .arg(QFileInfo(filePath).fileName());
    if (QFileInfo(filePath).isDir())
        text += QStringLiteral("An ihrer Stelle steht ein Ordner gleichen Namens.");
    else if (error == QFileDevice::OpenError)
        text += QStringLiteral("Der Ordner fehlt oder ist schreibgeschützt.");
    else if (error == QFileDevice::RenameError)
        text += QStringLiteral("Die bisherige Datei ist schreibgeschützt oder von einem anderen "
                               "Programm geöffnet.");
    else
        text += QStringLiteral("Der Datenträger ist voll oder nicht beschreibbar.");
    // The system's own words help whoever looks further, when it has any.
    if (!detail.isEmpty() && detail != QLatin1String("Unknown error"))
        text += QStringLiteral("\n\n(%1)").arg(detail);
    return text;
}

} // namespace

namespace AddressExport {

QStringList columns() {
    return {QStringLiteral("nr"),        QStringLiteral("name"), QStringLiteral("vorname"),
            QStringLiteral("anschrift"), QStringLiteral("ort"),  QStringLiteral("plz"),
            QStringLiteral("telefon")};
}

QString write(Query& rows, const QString& filePath) {
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly))
        return failure(filePath, file.error(), file.errorString());
    QXmlStreamWriter xml(&file);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("xml"));
    xml.writeNamespace(schemaNamespace, QStringLiteral("s"));
    xml.writeNamespace(typeNamespace, QStringLiteral("dt"));
    xml.writeNamespace(rowsetNamespace, QStringLiteral("rs"));
    xml.writeNamespace(rowNamespace, QStringLiteral("z"));
    writeSchema(xml);
    writeRows(xml, rows);
    xml.writeEndElement(); // xml
    xml.writeEndDocument();
    // The last buffered bytes go out here; commit() would not notice if they failed and
    // would put a cut-off file in place of the previous one.
    if (xml.hasError() || !file.flush()) {
        const QFileDevice::FileError error =
            file.error() != QFileDevice::NoError ? file.error() : QFileDevice::WriteError;
        const QString detail = file.errorString();
        file.cancelWriting();
        return failure(filePath, error, detail);
    }
    if (!file.commit())
        return failure(filePath, file.error(), file.errorString());
    return {};
}

} // namespace AddressExport
