#include "db/SchemaUpgrade.h"
#include "db/NewDatabase.h"
#include "db/LedgerTotals.h"
#include "db/Schema.h"
#include "db/UnitLogon.h"

#include <QRegularExpression>
#include <cstring>

namespace {

// RDB$FIELD_TYPE of the binary floating-point types, and of a NUMERIC(18,2) or (15,3).
constexpr int kFloat = 10;
constexpr int kDouble = 27;
constexpr int kInt64 = 16;

int varcharWidth(const char* type)
{
    static const QRegularExpression re(QStringLiteral("^VARCHAR\\((\\d+)\\)$"), QRegularExpression::CaseInsensitiveOption);
    const auto m = re.match(QString::fromLatin1(type));
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

// The name a column's exact copy has until it takes the column's place.
const QString kExactSuffix = QStringLiteral("_EXATO");

const schema::Table& tableDef(const char* name)
{
    const schema::Table* t = schema::findTable(QString::fromLatin1(name));
    Q_ASSERT(t);
    return *t;
}

} // namespace

const std::vector<SchemaUpgrade::ColumnRef>& SchemaUpgrade::widenings()
{
    static const std::vector<ColumnRef> list = {
        {"MESA", "NOMEP"}, {"CABMESA", "MESA"}, {"MESA", "MESA"}, {"COMPLEMENTO", "NOME"},
        {"FATURA", "CLIENTE"}, {"ACOMPMESA", "PRODUTO"}, {"DELIITEM", "NOME"},
        {"ACOMPANHA", "PRODUTO"}, {"COZINHA2", "PRODUTO"}, {"ESTFIC", "HISTORICO"},
        // passwords are stored as digests, longer than the passwords themselves
        {"MILTREX", "SENHA"}, {"VENDEDOR", "CEP"},
    };
    return list;
}

const std::vector<SchemaUpgrade::ColumnRef>& SchemaUpgrade::addedColumns()
{
    static const std::vector<ColumnRef> list = {
        {"ACOMPMESA", "COD"}, {"ACOMPMESA", "IDMESA"}, {"PRODUTOS", "CODBARRA"}, {"KITMASTER", "CLASSE"},
        {"PRODUTOS", "NCM"}, {"PRODUTOS", "CEST"}, {"FATURA", "BALCAO"}, {"PRODUTOS", "CFOP"},
        {"CABMESA", "EDELY"}, {"VENDEDOR", "ATENDE"}, {"PRODUTOS", "JUNTAR"}, {"CONTDATA", "OPERADOR"},
        {"CABMESA", "DELYENTREGA"}, {"CABMESA", "DELYTAXA"}, {"FATURA", "DELYENTREGA"}, {"FATURA", "DELYTAXA"},
        {"CABMESA", "CLIMESA"}, {"COZINHA2", "IDMESA"}, {"MESA", "IDMESA"}, {"FATURA", "GUIA"},
        {"FATURA", "BALCAO"}, {"DESPLOJA", "CCUSTO"}, {"PRODUTOS", "COMPOSICAO"}, {"DELIPED", "RECEBIDO"},
        {"CLIENTES", "DDD"}, {"DELIPED", "RECEBIDO2"}, {"DELIPED", "FP1"}, {"DELIPED", "FP2"},
        {"ACOMPMESA", "PRODUTOS2"}, {"DELIPED", "RECEBIDO3"}, {"DELIPED", "FP3"}, {"ESTFIC", "CUSTO"},
        {"TIPOS", "ATIVO"}, {"PRODUTOS", "ATIVO"}, {"EMPRESA", "CARDAPIO"}, {"EMPRESA", "IP"},
        {"EMPRESA", "WIFI"}, {"EMPRESA", "SENHA"}, {"KITPROD", "NOMEP"}, {"CABMESA", "FECHADO"},
        {"CABMESA", "FPANTI"}, {"COZINHA2", "GRUPO"}, {"CABMESA", "PAGAMENTOANTI"}, {"TIPOS", "ATIVO"},
        {"CABMESA", "EDELIVERY"}, {"CABMESA", "OBSDELI"}, {"PRODUTOS", "DESCRICAO"}, {"CABMESA", "PAGADELIVARY"},
        {"CABMESA", "VALORDELIVERY"}, {"DELIITEM", "OBS"}, {"DELIVERE", "STATUS"}, {"DELIVERE", "ENTREGA"},
        {"DELIITEM", "BUSCA"}, {"FATURA", "FRETE"}, {"FATURA", "HORA"}, {"RECARQ", "HORA"},
        {"FORMAPAGA", "DAV"}, {"EMPRESA", "USARBALANCA"}, {"EMPRESA", "CONFIGBALANCA"}, {"DELIITEM", "IMPRESSORA"},
        {"COZINHA2", "IMPRESSORA"}, {"EMPRESA", "TITULO"}, {"MESA", "IMPRESSORA"}, {"FATURA", "TIPO"},
        {"FATURA", "DELIVERY"}, {"DELIVERE", "TROCO"}, {"DELIVERE", "PAGAMENTO"}, {"CLIENTES", "FIDELIDADE"},
        {"PRODUTOS", "CONTABIL"}, {"EMPRESA", "CONTABIL"}, {"PRODUTOS", "DATAENTRADA"}, {"PRODUTOS", "DATASAIDA"},
        // The delivery complements table is first created with five columns; the
        // delivery desk writes these three too.
        {"ACOMPDELI", "COD"}, {"ACOMPDELI", "PRODUTOS2"}, {"ACOMPDELI", "VALOR"},
    };
    return list;
}

SchemaUpgrade::SchemaUpgrade(TLogon& logon)
    : m_logon(logon)
{
}

void SchemaUpgrade::cleanUp()
{
    m_logon.ExecSqlOnDataset(QStringLiteral("atualiza"), QStringLiteral("delete from produtos where codigo is null"), QStringLiteral("exec"));
    m_logon.ExecSqlOnDataset(QStringLiteral("atualiza"), QStringLiteral("delete from clientes where codigo is null"), QStringLiteral("exec"));
}

void SchemaUpgrade::readCatalogue()
{
    ++m_catalogueReads;
    m_columns.clear();
    m_generators.clear();
    m_triggers.clear();
    m_indexes.clear();
    RowSet q = m_logon.run(QStringLiteral(
        "SELECT TRIM(r.RDB$RELATION_NAME), TRIM(r.RDB$FIELD_NAME), f.RDB$FIELD_LENGTH, f.RDB$FIELD_TYPE, "
        "r.RDB$FIELD_POSITION, f.RDB$FIELD_SCALE "
        "FROM RDB$RELATION_FIELDS r LEFT JOIN RDB$FIELDS f ON r.RDB$FIELD_SOURCE = f.RDB$FIELD_NAME "
        "WHERE COALESCE(r.RDB$SYSTEM_FLAG, 0) = 0"));
    while (q.next())
        m_columns[q.value(0).toString()][q.value(1).toString()] =
            ColumnInfo{q.value(2).toInt(), q.value(3).toInt(), q.value(4).toInt(), q.value(5).toInt()};
    q = m_logon.run(QStringLiteral(
        "SELECT TRIM(RDB$GENERATOR_NAME) FROM RDB$GENERATORS WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0"));
    while (q.next())
        m_generators.insert(q.value(0).toString());
    q = m_logon.run(QStringLiteral(
        "SELECT TRIM(RDB$TRIGGER_NAME) FROM RDB$TRIGGERS WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0"));
    while (q.next())
        m_triggers.insert(q.value(0).toString());
    q = m_logon.run(QStringLiteral(
        "SELECT TRIM(RDB$INDEX_NAME) FROM RDB$INDICES WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0"));
    while (q.next())
        m_indexes.insert(q.value(0).toString());
}

bool SchemaUpgrade::hasColumn(const QString& t, const QString& c) const
{
    return columnInfo(t, c) != nullptr;
}

const SchemaUpgrade::ColumnInfo* SchemaUpgrade::columnInfo(const QString& t, const QString& c) const
{
    auto it = m_columns.find(t);
    if (it == m_columns.end())
        return nullptr;
    auto c2 = it->second.find(c);
    return c2 == it->second.end() ? nullptr : &c2->second;
}

int SchemaUpgrade::lengthOf(const QString& t, const QString& c) const
{
    const ColumnInfo* i = columnInfo(t, c);
    return i ? i->length : 0;
}

bool SchemaUpgrade::isFloating(const QString& t, const QString& c) const
{
    const ColumnInfo* i = columnInfo(t, c);
    return i && (i->type == kFloat || i->type == kDouble);
}

void SchemaUpgrade::ddl(const QString& sql, const std::function<bool()>& nowPresent)
{
    try {
        m_logon.run(sql);
        m_executed << sql;
    } catch (const DbError&) {
        // Another station starting at the same moment may have just made it.
        readCatalogue();
        if (!nowPresent())
            throw;
    }
}

void SchemaUpgrade::createUpgradeTable(const char* name)
{
    const QString t = QString::fromLatin1(name);
    if (hasTable(t))
        return;
    const schema::Table& def = tableDef(name);
    ddl(schema::upgradeCreateTableSql(def), [&] { return hasTable(t); });
    // Until the catalogue is read again, the new table has its created columns.
    const int created = def.upgradeCreateColumns > 0 ? def.upgradeCreateColumns : int(def.columns.size());
    for (int i = 0; i < created; ++i) {
        const schema::Column& c = def.columns[size_t(i)];
        const char* type = c.olderType ? c.olderType : c.type;
        m_columns[t][QString::fromLatin1(c.name)] =
            ColumnInfo{varcharWidth(type), std::strcmp(type, schema::kFloatType) == 0 ? kFloat : 0, i};
    }
    if (def.primaryKey && !schema::keyInCreate(def))
        ddl(schema::addPrimaryKeySql(def), [] { return true; });
    if (def.generator) {
        const QString g = QString::fromLatin1(def.generator);
        if (!m_generators.count(g)) {
            ddl(QStringLiteral("CREATE GENERATOR %1").arg(g), [&] { return m_generators.count(g) != 0; });
            m_generators.insert(g);
        }
    }
    if (def.trigger != schema::TriggerKind::None) {
        const QString name = QString::fromLatin1(def.triggerName).toUpper();
        if (!m_triggers.count(name)) {
            ddl(schema::createTriggerSql(def), [&] { return m_triggers.count(name) != 0; });
            m_triggers.insert(name);
        }
    }
}

void SchemaUpgrade::widen()
{
    for (const ColumnRef& w : widenings()) {
        const QString t = QString::fromLatin1(w.table), c = QString::fromLatin1(w.column);
        const schema::Column* def = schema::findColumn(tableDef(w.table), c);
        const int width = varcharWidth(def->type);
        const int now = lengthOf(t, c);
        // A missing column, or one already as wide or wider, is left alone (the
        // database would refuse to shorten it anyway).
        if (!hasColumn(t, c) || now >= width)
            continue;
        try {
            ddl(QStringLiteral("ALTER TABLE %1 ALTER %2 TYPE %3").arg(t, c, QString::fromLatin1(def->type)),
                [&] { return lengthOf(t, c) >= width; });
            m_columns[t][c].length = width;
        } catch (const DbError&) {
            // ignored: the column keeps its width
        }
    }
}

bool SchemaUpgrade::addColumns()
{
    for (const ColumnRef& a : addedColumns()) {
        const QString t = QString::fromLatin1(a.table), c = QString::fromLatin1(a.column);
        if (!hasTable(t) || hasColumn(t, c))
            continue;   // a table still missing gets its columns once it exists
        const schema::Column* def = schema::findColumn(tableDef(a.table), c);
        try {
            ddl(QStringLiteral("ALTER TABLE %1 ADD %2 %3").arg(t, c, QString::fromLatin1(def->type)),
                [&] { return hasColumn(t, c); });
            m_columns[t][c] = ColumnInfo{varcharWidth(def->type), schema::isExactNumber(*def) ? kInt64 : 0,
                                         int(m_columns[t].size())};
        } catch (const DbError&) {
            return false;   // the rest waits for the next start
        }
    }
    return true;
}

void SchemaUpgrade::applySteps()
{
    const size_t tablesBefore = m_columns.size();

    createUpgradeTable("ACOMBALCAO");                        // step 2
    widen();                                                 // step 3
    createUpgradeTable("ACOMPDELI");                         // step 4
    createUpgradeTable("DELIITEM");
    const bool columnsDone = addColumns();                   // step 5
    for (const char* t : {"CENTROCUSTO", "DELIPED", "COZINHA2", "CAIXA", "CONTA", "DESPESA", "EXCLUIDOS",
                          "GENERO", "EXCLUSAO"})
        createUpgradeTable(t);                               // step 6

    // Tables created above get their widenings and added columns now, not at the
    // next start.
    if (columnsDone && m_columns.size() != tablesBefore) {
        widen();
        addColumns();
    }
    createUpgradeTable("DIARIOACOES");
    createUpgradeTable("DELIFIC");
    makeAmountsExact();
    refineUnitCosts();
    keepLedgerTotals();
    addIndexes();
    newdb::ensureCashShiftRow(m_logon);
}

bool SchemaUpgrade::needsExact(const QString& t, const schema::Column& col) const
{
    const QString c = QString::fromLatin1(col.name);
    // FLOAT still, or a conversion cut short (the copy without the column, or beside
    // a column another station has already made exact)
    return schema::isExactNumber(col) && (isFloating(t, c) || hasColumn(t, c + kExactSuffix));
}

void SchemaUpgrade::makeAmountsExact()
{
    auto pending = [&] {
        for (const schema::Table& def : schema::tables())
            for (const schema::Column& col : def.columns)
                if (needsExact(QString::fromLatin1(def.name), col))
                    return true;
        return false;
    };
    if (!pending())
        return;
    // A fresh picture first: another station starting at the same moment may have
    // converted some of them since this one read the catalogue.
    readCatalogue();
    for (const schema::Table& def : schema::tables()) {
        const QString t = QString::fromLatin1(def.name);
        for (const schema::Column& col : def.columns) {
            if (!needsExact(t, col))
                continue;
            try {
                makeExact(t, QString::fromLatin1(col.name), col.type);
            } catch (const DbError&) {
                // The column stays as it is (values it cannot hold, another station
                // converting it at the same moment): the next start looks again.
                readCatalogue();
            }
        }
    }
}

void SchemaUpgrade::makeExact(const QString& t, const QString& c, const char* exactType)
{
    // A column cannot change from FLOAT to NUMERIC in place: the exact values go to a
    // new column, which then takes the old one's name and place. The copy, the drop
    // and the rename are one transaction, done only while the column is still FLOAT
    // when it runs; a start cut short after the copy was added finds it and goes on.
    const QString exact = c + kExactSuffix;
    const ColumnInfo* old = columnInfo(t, c);
    if (old && !isFloating(t, c)) {
        // exact already: the copy is what a station that lost the race left behind
        ddl(QStringLiteral("ALTER TABLE %1 DROP %2").arg(t, exact), [&] { return !hasColumn(t, exact); });
        m_columns[t].erase(exact);
        return;
    }
    int position = 0;
    if (old) {
        position = old->position;
        const bool doublePrecision = old->type == kDouble;
        if (!hasColumn(t, exact)) {
            ddl(QStringLiteral("ALTER TABLE %1 ADD %2 %3").arg(t, exact, QString::fromLatin1(exactType)),
                [&] { return hasColumn(t, exact); });
            m_columns[t][exact] = ColumnInfo{0, kInt64, int(m_columns[t].size())};
        }
        const QStringList steps = {
            QStringLiteral("UPDATE %1 SET %2 = %3").arg(t, exact, exactValueSql(c, doublePrecision, exactType)),
            QStringLiteral("ALTER TABLE %1 DROP %2").arg(t, c),
            QStringLiteral("ALTER TABLE %1 ALTER %2 TO %3").arg(t, exact, c),
        };
        const bool converted = m_logon.action([&] {
            const QVariant stillFloating = m_logon.scalar(QStringLiteral(
                "SELECT COUNT(*) FROM RDB$RELATION_FIELDS r JOIN RDB$FIELDS f ON r.RDB$FIELD_SOURCE = f.RDB$FIELD_NAME "
                "WHERE r.RDB$RELATION_NAME = ? AND r.RDB$FIELD_NAME = ? AND f.RDB$FIELD_TYPE IN (%1, %2)")
                .arg(kFloat).arg(kDouble), {t, c});
            if (integerOf(stillFloating) == 0)
                return false;
            for (const QString& sql : steps)
                m_logon.run(sql);
            return true;
        });
        if (!converted) {
            readCatalogue();
            makeExact(t, c, exactType);   // made exact meanwhile: only the copy to drop
            return;
        }
        m_executed << steps;
    } else {
        ddl(QStringLiteral("ALTER TABLE %1 ALTER %2 TO %3").arg(t, exact, c), [&] { return hasColumn(t, c); });
        position = int(m_columns[t].size()) - 1;
    }
    m_columns[t].erase(exact);
    m_columns[t][c] = ColumnInfo{8, kInt64, position};
    try {
        const QString sql = QStringLiteral("ALTER TABLE %1 ALTER %2 POSITION %3").arg(t, c).arg(position + 1);
        m_logon.run(sql);
        m_executed << sql;
    } catch (const DbError&) {
        // the column keeps its place at the end: every reader finds it by name
    }
}

void SchemaUpgrade::refineUnitCosts()
{
    // A NUMERIC(15,3) takes six places in place (its twelve whole digits stay): the
    // database changes the column's type only, and reads the rows written before
    // with their three places.
    const int places = -6;
    for (const schema::Table& def : schema::tables()) {
        const QString t = QString::fromLatin1(def.name);
        for (const schema::Column& col : def.columns) {
            const QString c = QString::fromLatin1(col.name);
            const ColumnInfo* now = columnInfo(t, c);
            if (!schema::isFinerUnitCost(col) || !now || now->type != kInt64 || now->scale <= places)
                continue;
            try {
                ddl(QStringLiteral("ALTER TABLE %1 ALTER %2 TYPE %3").arg(t, c, QString::fromLatin1(col.type)),
                    [&] { const ColumnInfo* i = columnInfo(t, c); return i && i->scale <= places; });
                m_columns[t][c].scale = places;
            } catch (const DbError&) {
                // the column keeps its three places until the next start
            }
        }
    }
}

QString SchemaUpgrade::exactValueSql(const QString& c, bool doublePrecision, const char* exactType)
{
    const QString binary = doublePrecision ? QStringLiteral("DOUBLE PRECISION") : QStringLiteral("FLOAT");
    const QString type = QString::fromLatin1(exactType);
    if (std::strcmp(exactType, schema::kQuantityType) == 0)
        return QStringLiteral("CAST(%1 AS %2)").arg(c, type);
    return QStringLiteral("CASE WHEN CAST(CAST(%1 AS NUMERIC(18,3)) AS %2) = %1 "
                          "THEN CAST(ROUND(CAST(%1 AS NUMERIC(18,3)), 2) AS %3) "
                          "ELSE CAST(%1 AS %3) END").arg(c, binary, type);
}


void SchemaUpgrade::keepLedgerTotals()
{
    for (const char* t : {"ESTMES", "ESTANO", "ESTAGORA", "ESTMESNOVO"})
        createUpgradeTable(t);
    bool added = false;
    for (const schema::Trigger& t : schema::triggers()) {
        const QString name = QString::fromLatin1(t.name);
        if (m_triggers.count(name))
            continue;
        ddl(t.sql, [&] { return m_triggers.count(name) != 0; });
        m_triggers.insert(name);
        added = true;
    }
    if (!added)
        return;
    // From the trigger on, every writer appends its lines; the fill sees one snapshot
    // of the rows and drops the lines of that snapshot, so no row counts twice.
    const QString what = QStringLiteral("Preparando os totais do estoque a partir do movimento (uma vez só)...");
    if (m_progress)
        m_progress(what, 0);
    ledgertotals::rebuild(m_logon);
    if (m_progress)
        m_progress(what, 100);
}

void SchemaUpgrade::addIndexes()
{
    for (const schema::Index& i : schema::indexes()) {
        const QString name = QString::fromLatin1(i.name), t = QString::fromLatin1(i.table);
        if (m_indexes.count(name))
            continue;
        bool columnsThere = hasTable(t);
        for (const QString& c : QString::fromLatin1(i.columns).split(QLatin1Char(',')))
            columnsThere = columnsThere && hasColumn(t, c.trimmed());
        if (!columnsThere)
            continue;
        try {
            ddl(schema::createIndexSql(i), [&] { return m_indexes.count(name) != 0; });
            m_indexes.insert(name);
        } catch (const DbError&) {
            // a lookup without its index is slower, never wrong: the next start tries again
        }
    }
}

bool SchemaUpgrade::ensureOnDemandTable(TLogon& logon, const QString& table)
{
    try {
        SchemaUpgrade u(logon);
        u.readCatalogue();
        const schema::Table* def = schema::findTable(table);
        if (!def)
            return false;
        u.createUpgradeTable(def->name);
        u.makeAmountsExact();
        return true;
    } catch (const DbError&) {
        return false;
    }
}
