#pragma once

#include "data/database.h"
#include "data/query.h"
#include "data/table.h"

#include <QObject>

#include <memory>
#include <optional>

class Interaction;
class TableRules;

// A voucher type as the journals look it up.
struct VoucherType {
    QString art;
    QString konto;
    QString bezeichnung;
    bool einzahlung = false;
};

// The data module: owner of the one connection to parzelle.mdb in the working directory, of
// one table object per table with its record rules, and of the reusable query objects.
class DM1 : public QObject {
    Q_OBJECT

public:
    explicit DM1(Interaction& interaction, QObject* parent = nullptr);
    ~DM1() override;

    // Connects to parzelle.mdb in the working directory, brings it up to the current layout
    // and opens the nine tables. A missing file may be created on the user's word; every
    // failure is reported. Returns whether all tables are open.
    bool connectDatabase();
    // Closes the tables (storing their current rows) and the connection. A row the engine
    // refuses to store is reported.
    void disconnectDatabase();
    bool isConnected() const;
    // Closes the tables (storing their current rows) and the query objects; the connection and
    // the hold on the file stay, so the file can be replaced underneath without another
    // program taking it meanwhile. Returns the engine's reason when a pending row had to be
    // dropped because it could not be stored, empty otherwise.
    QString closeTables();
    // The steps after connecting, run again on the open connection: the upgrade and the nine
    // tables. Reports a table that fails to open; returns whether all are open.
    bool reopenTables();

    Interaction& interaction() { return m_interaction; }
    Database& parzelleADOConnection() { return m_connection; }

    // Switch of the voucher-type rules on cash entries.
    bool artcheck() const { return m_artcheck; }
    void setArtcheck(bool on) { m_artcheck = on; }
    // Running number of the last entry of the journal an entry is being added to.
    int lastRunningNumber() const { return m_lastRunningNumber; }
    void setLastRunningNumber(int number) { m_lastRunningNumber = number; }

    std::optional<VoucherType> findVoucherType(const QString& art);
    // The year the books are kept for, as the main cash book's opening balance holds it; the
    // table is opened first when it is not open.
    QString mainBookYear();

    Table& parzelle() { return *m_parzelle; }
    Table& param() { return *m_param; }
    Table& Hauptkasse() { return *m_hauptkasse; }
    Table& Handkasse() { return *m_handkasse; }
    Table& konto() { return *m_konto; }
    Table& anfanghaupt() { return *m_anfanghaupt; }
    Table& anfanghand() { return *m_anfanghand; }
    Table& syskonto() { return *m_syskonto; }
    Table& nfelder() { return *m_nfelder; }
    // The nine tables in the order they are opened and closed.
    QList<Table*> tables() const;

    Query& DruckQuery() { return m_druckQuery; }
    Query& mahnquery() { return m_mahnquery; }
    Query& parzupdateQuery() { return m_parzupdateQuery; }
    Query& parzcheckQuery() { return m_parzcheckQuery; }
    Query& AdressenQuery() { return m_adressenQuery; }
    Query& sumparzquery() { return m_sumparzquery; }
    Query& ExportQuery() { return m_exportQuery; }
    Query& berichtQuery() { return m_berichtQuery; }
    Query& deleteQuery() { return m_deleteQuery; }
    Query& selectQuery() { return m_selectQuery; }
    Query& lookupQuery() { return m_lookupQuery; }
    Query& sumQuery() { return m_sumQuery; }
    Query& baQuery() { return m_baQuery; }
    Query& syskontoQuery() { return m_syskontoQuery; }
    Query& nfquery() { return m_nfquery; }

Q_SIGNALS:
    // A cash entry named a voucher type that does not exist: the voucher types should open.
    void voucherTypeMissing();

private:
    // Tells the user at once when the file cannot be written.
    void announceIfReadOnly();

    Interaction& m_interaction;
    Database m_connection;
    bool m_artcheck = false;
    int m_lastRunningNumber = 0;

    std::unique_ptr<TableRules> m_plotRules;
    std::unique_ptr<TableRules> m_mainJournalRules;
    std::unique_ptr<TableRules> m_pettyJournalRules;
    std::unique_ptr<TableRules> m_voucherTypeRules;
    std::unique_ptr<TableRules> m_parameterRules;
    std::unique_ptr<TableRules> m_customItemRules;

    Table* m_parzelle;
    Table* m_param;
    Table* m_hauptkasse;
    Table* m_handkasse;
    Table* m_konto;
    Table* m_anfanghaupt;
    Table* m_anfanghand;
    Table* m_syskonto;
    Table* m_nfelder;

    Query m_druckQuery;
    Query m_mahnquery;
    Query m_parzupdateQuery;
    Query m_parzcheckQuery;
    Query m_adressenQuery;
    Query m_sumparzquery;
    Query m_exportQuery;
    Query m_berichtQuery;
    Query m_deleteQuery;
    Query m_selectQuery;
    Query m_lookupQuery;
    Query m_sumQuery;
    Query m_baQuery;
    Query m_syskontoQuery;
    Query m_nfquery;
};
