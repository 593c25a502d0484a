#pragma once

#include "framework/gridmodel.h"

class Query;

// A read-only grid over the rows of a query object, as they were when it was opened.
class QueryModel : public GridModel {
    Q_OBJECT

public:
    QueryModel(Query& query, const QList<GridColumn>& columns, QObject* parent = nullptr);

    // Shows the query's rows anew, after it has been opened again.
    void refresh();

    QVariant rawValue(int row, int column) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;

private:
    Query& m_query;
    int m_rowCount = 0;
};
