#include "framework/gridmodel.h"

#include "framework/germandate.h"
#include "framework/numberformat.h"

#include <QDate>

GridModel::GridModel(const QList<GridColumn>& columns, QObject* parent)
    : QAbstractTableModel(parent)
    , m_columns(columns) {}

void GridModel::setPickList(int column, const QStringList& values) {
    if (column >= 0 && column < m_columns.size())
        m_columns[column].pickList = values;
}

int GridModel::columnOf(const QString& field) const {
    for (int i = 0; i < m_columns.size(); ++i) {
        if (m_columns.at(i).field.compare(field, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int GridModel::maxLength(int column) const {
    return m_columns.at(column).maxLength;
}

QString GridModel::numberFormat(int column) const {
    return m_columns.at(column).format;
}

ValueRange GridModel::valueRange(int /*column*/) const {
    return ValueRange();
}

NumberInput GridModel::readNumber(int column, const QString& text) const {
    return NumberInput::read(text, valueRange(column),
                             NumberFormat::decimals(numberFormat(column)));
}

QString GridModel::displayText(int row, int column) const {
    const QVariant value = rawValue(row, column);
    const GridColumn& def = m_columns.at(column);
    if (def.kind == GridColumn::Kind::YesNo)
        return value.toBool() ? QStringLiteral("Ja") : QStringLiteral("Nein");
    if (value.isNull())
        return {};
    switch (def.kind) {
    case GridColumn::Kind::Number: {
        bool ok = false;
        const double number = value.toDouble(&ok);
        return ok ? NumberFormat::format(number, numberFormat(column)) : value.toString();
    }
    case GridColumn::Kind::Date: {
        const QDate date = value.typeId() == QMetaType::QDate
                               ? value.toDate()
                               : QDate::fromString(value.toString().left(10), Qt::ISODate);
        return date.isValid() ? GermanDate::format(date) : value.toString();
    }
    default:
        return value.toString();
    }
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.column() >= m_columns.size())
        return {};
    const GridColumn& def = m_columns.at(index.column());
    switch (role) {
    case Qt::DisplayRole:
        return displayText(index.row(), index.column());
    case Qt::EditRole: {
        // What an editor starts from: the number in full, without thousands separators.
        const QVariant value = rawValue(index.row(), index.column());
        if (def.kind == GridColumn::Kind::Number && !value.isNull())
            return NumberFormat::format(value.toDouble(), QString());
        if (def.kind == GridColumn::Kind::YesNo)
            return value.toBool();
        return displayText(index.row(), index.column());
    }
    case Qt::ForegroundRole:
        return def.color.isValid() ? QVariant(def.color) : QVariant();
    case Qt::TextAlignmentRole:
        return def.kind == GridColumn::Kind::Number
                   ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter))
                   : QVariant(int(Qt::AlignLeft | Qt::AlignVCenter));
    default:
        return {};
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < m_columns.size())
        return m_columns.at(section).title;
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && isEditable() && !m_columns.at(index.column()).readOnly)
        flags |= Qt::ItemIsEditable;
    return flags;
}
