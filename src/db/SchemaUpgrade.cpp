#include "db/SchemaUpgrade.h"
#include "db/Schema.h"
#include "db/UnitLogon.h"

#include <QRegularExpression>

namespace {

int varcharWidth(const char* type)
{
    static const QRegularExpression re(QStringLiteral("^VARCHAR\\((\\d+)\\)$"), QRegularExpression::CaseInsensitiveOption);
    const auto m = re.match(QString::fromLatin1(type));
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

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
        "SELECT TRIM(r.RDB$RELATION_NAME), TRIM(r.RDB$FIELD_NAME), f.RDB$FIELD_LENGTH "
        "FROM RDB$RELATION_FIELDS r LEFT JOIN RDB$FIELDS f ON r.RDB$FIELD_SOURCE = f.RDB$FIELD_NAME "
        "WHERE COALESCE(r.RDB$SYSTEM_FLAG, 0) = 0"));
    while (q.next())
        m_columns[q.value(0).toString()][q.value(1).toString()] = q.value(2).toInt();
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
    auto it = m_columns.find(t);
    return it != m_columns.end() && it->second.count(c) != 0;
}

int SchemaUpgrade::lengthOf(const QString& t, const QString& c) const
{
    auto it = m_columns.find(t);
    if (it == m_columns.end())
        return 0;
    auto c2 = it->second.find(c);
    return c2 == it->second.end() ? 0 : c2->second;
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

void SchemaUpgrade::createUpgradeTable(const char* name, bool withKey)
{
    const QString t = QString::fromLatin1(name);
    if (hasTable(t))
        return;
    const schema::Table& def = tableDef(name);
    ddl(schema::upgradeCreateTableSql(def), [&] { return hasTable(t); });
    // Until the catalogue is read again, the new table has its created columns.
    for (int i = 0; i < def.upgradeCreateColumns; ++i) {
        const schema::Column& c = def.columns[i];
        m_columns[t][QString::fromLatin1(c.name)] = varcharWidth(c.olderType ? c.olderType : c.type);
    }
    if (withKey) {
        ddl(QStringLiteral("ALTER TABLE %1 ADD PRIMARY KEY (ID)").arg(t), [] { return true; });
    }
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
            m_columns[t][c] = width;
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
            m_columns[t][c] = varcharWidth(def->type);
        } catch (const DbError&) {
            return false;   // the rest waits for the next start
        }
    }
    return true;
}

void SchemaUpgrade::applySteps()
{
    const size_t tablesBefore = m_columns.size();

    createUpgradeTable("ACOMBALCAO", false);                 // step 2
    widen();                                                 // step 3
    createUpgradeTable("ACOMPDELI", true);                   // step 4
    createUpgradeTable("DELIITEM", true);
    const bool columnsDone = addColumns();                   // step 5
    for (const char* t : {"CENTROCUSTO", "DELIPED", "COZINHA2", "CAIXA", "CONTA", "DESPESA", "EXCLUIDOS",
                          "GENERO", "EXCLUSAO"})
        createUpgradeTable(t, false);                        // step 6

    // Tables created above get their widenings and added columns now, not at the
    // next start.
    if (columnsDone && m_columns.size() != tablesBefore) {
        widen();
        addColumns();
    }
    addIndexes();
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
        u.createUpgradeTable(def->name, false);
        return true;
    } catch (const DbError&) {
        return false;
    }
}
