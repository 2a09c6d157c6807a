#pragma once
// Brings an older database up to the schema at every start.
//
// The catalogue is read once (four queries) and every step decides from that
// picture, so an up-to-date database pays those selects and one count. The steps
// and their order are those the stations have always run: clean-up, the item-key
// table, the widenings, the delivery tables, the added columns, the later tables;
// then the data layer's action journal, the amounts and quantities older databases
// hold as FLOAT made exact, the unit costs they hold with three places given six,
// the totals kept beside the stock ledger (created and filled from its rows once, in
// one transaction), the indexes the lookups need, and the closed cash-shift row a
// database must hold. Columns whose table did not exist yet, and widenings of
// tables created on the way, are finished in the same start.

#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <vector>
#include <set>

class TLogon;
namespace schema {
struct Column;
}

class SchemaUpgrade {
public:
    explicit SchemaUpgrade(TLogon& logon);

    // Step 1: removes products and customers that have no code.
    void cleanUp();
    // Steps 2 to 6. Errors of the table steps raise DbError; those of the widenings
    // and the added columns are swallowed.
    void run() { readCatalogue(); applySteps(); }

    // The two halves of run(): the catalogue picture, then the steps taken from it.
    void readCatalogue();
    void applySteps();

    // Creates a table that its window makes on demand (EXCLUIDOS) when missing.
    // Returns false when that failed; the window then works without the table.
    static bool ensureOnDemandTable(TLogon& logon, const QString& table);

    // The value an exact column takes from a FLOAT or DOUBLE PRECISION one: writers
    // wrote at most three decimals, so a binary value that is the nearest to a
    // three-decimal number stands for that number, rounded once to the column's
    // scale, half away from zero; any other value is rounded from its binary value.
    static QString exactValueSql(const QString& column, bool doublePrecision, const char* exactType);

    // Told of a step that takes long (the first fill of the stock totals): what it
    // does and how far it is, in percent. The start-up shows it in a window.
    void setProgress(std::function<void(const QString& what, int percent)> progress) { m_progress = std::move(progress); }

    // The DDL statements this run executed, in order.
    const QStringList& executed() const { return m_executed; }
    int catalogueReads() const { return m_catalogueReads; }

    // The upgrade's lists, in order (exposed for tests and older-database fixtures).
    struct ColumnRef { const char* table; const char* column; };
    static const std::vector<ColumnRef>& widenings();
    static const std::vector<ColumnRef>& addedColumns();

private:
    struct ColumnInfo {
        int length = 0;                 // RDB$FIELD_LENGTH
        int type = 0;                   // RDB$FIELD_TYPE (10 FLOAT, 27 DOUBLE PRECISION, ...)
        int position = 0;               // RDB$FIELD_POSITION
        int scale = 0;                  // RDB$FIELD_SCALE (-3 for a NUMERIC(15,3))
    };
    bool hasTable(const QString& t) const { return m_columns.count(t) != 0; }
    bool hasColumn(const QString& t, const QString& c) const;
    const ColumnInfo* columnInfo(const QString& t, const QString& c) const;
    int lengthOf(const QString& t, const QString& c) const;
    bool isFloating(const QString& t, const QString& c) const;

    void widen();                       // step 3
    void createUpgradeTable(const char* name); // steps 2, 4, 6 and the journal
    bool addColumns();                  // step 5; false when it stopped on an error
    void makeAmountsExact();            // FLOAT amounts and quantities to NUMERIC
    bool needsExact(const QString& table, const schema::Column& column) const;
    void makeExact(const QString& table, const QString& column, const char* exactType);
    void refineUnitCosts();             // NUMERIC(15,3) unit costs to NUMERIC(18,6), in place
    void addIndexes();                  // last: indexes missing on tables that have their columns
    void keepLedgerTotals();            // the stock totals' tables and trigger, filled once from the rows
    // Runs one DDL statement; when it fails, re-reads the catalogue and counts the
    // statement as done if another station has just made the same object.
    void ddl(const QString& sql, const std::function<bool()>& nowPresent);

    TLogon& m_logon;
    std::map<QString, std::map<QString, ColumnInfo>> m_columns;   // table -> column -> what the catalogue says
    std::set<QString> m_generators;
    std::set<QString> m_triggers;
    std::set<QString> m_indexes;
    QStringList m_executed;
    int m_catalogueReads = 0;
    std::function<void(const QString&, int)> m_progress;
};
