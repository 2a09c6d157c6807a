#include "OutsideErpSeeds.h"

#include "closing/OutsideErpExport.h"
#include "db/NewDatabase.h"
#include "platform/StationPaths.h"

#include <QDir>
#include <QFileInfo>

namespace erpseeds {

QString createErpDatabase(Place place, bool withGeraId, qint64 lastDav, bool productAsText)
{
    const QString path = station::pathForWriting(place == Place::Slim ? OutsideErpExport::kSlimDatabase
                                                                     : OutsideErpExport::kProDatabase);
    QDir().mkpath(QFileInfo(path).absolutePath());
    newdb::createDatabaseFile(path);
    auto db = open(path);
    db->run(QStringLiteral("CREATE GENERATOR GEN_DAVSID"));
    db->run(QStringLiteral("SET GENERATOR GEN_DAVSID TO %1").arg(lastDav));
    db->run(QStringLiteral(
        "CREATE TABLE DAVS (ID INTEGER NOT NULL PRIMARY KEY, NUMERO INTEGER, IDSTATUS INTEGER, "
        "DATA_EMISSAO DATE, HORA_EMISSAO TIME, IDTIPO INTEGER, VALIDADE INTEGER, DESCONTO NUMERIC(18,4), "
        "TITULO VARCHAR(60), FORMA_PAG VARCHAR(60), STATUS_IFOOD INTEGER, ENTREGA INTEGER, NOVO INTEGER, "
        "MOV_ESTOQUE INTEGER, MOV_FINANCEIRO INTEGER, MOV_ESTOQUE_AUTO INTEGER, FRETE NUMERIC(18,4), "
        "ID_SINCRONIZADOR INTEGER, PERCENTUAL_DESCONTO NUMERIC(18,4))"));
    db->run(QStringLiteral("CREATE TABLE DAVS_CLIENTE (IDDAV INTEGER)"));
    db->run(QStringLiteral(
        "CREATE TABLE DAVS_ITENS (IDDAV INTEGER, ITEM INTEGER, IDPRODUTO %1, QT NUMERIC(18,4), "
        "UN VARCHAR(6), VAL_UNITARIO NUMERIC(18,4), VAL_DESC NUMERIC(18,4), VAL_ACRE NUMERIC(18,4), "
        "STATUS INTEGER, TIPO_ITEM INTEGER, DATA_EMISSAO TIMESTAMP, IDUSUARIO INTEGER, IMPORTADO INTEGER)")
                .arg(productAsText ? QStringLiteral("VARCHAR(14)") : QStringLiteral("INTEGER")));
    if (withGeraId) {
        db->run(QStringLiteral("CREATE TABLE GERAID (ID INTEGER NOT NULL)"));
        db->run(QStringLiteral("INSERT INTO GERAID (ID) VALUES (0)"));
    }
    db->close();
    return path;
}

void createEstoque(TLogon& erp, bool codeAsText)
{
    erp.run(QStringLiteral("CREATE TABLE ESTOQUE (CODIGO %1, DESCRICAO VARCHAR(60), UND VARCHAR(6), "
                           "PRECO_VENDA NUMERIC(18,4), PRECO_CUSTO NUMERIC(18,4), ESTOQUE_ATUAL NUMERIC(18,4))")
                .arg(codeAsText ? QStringLiteral("VARCHAR(20)") : QStringLiteral("INTEGER")));
}

void addErpProducts(TLogon& erp, const std::vector<ErpProduct>& products)
{
    erp.action([&] {
        for (const ErpProduct& p : products)
            erp.run(QStringLiteral("INSERT INTO ESTOQUE (CODIGO, DESCRICAO, UND, PRECO_VENDA, PRECO_CUSTO, ESTOQUE_ATUAL) "
                                   "VALUES (?, ?, ?, ?, ?, 99)"),
                    {p.code, p.description, p.unit, p.price, p.cost});
    });
}

std::unique_ptr<TLogon> open(const QString& path)
{
    auto db = std::make_unique<TLogon>();
    if (!db->connectTo(path))
        throw DbError(db->lastError());
    return db;
}

QStringList rowsOf(TLogon& db, const QString& table, const QString& orderBy)
{
    // Table names are the test's own constants.
    RowSet rows = db.run(QStringLiteral("SELECT * FROM %1 ORDER BY %2").arg(table, orderBy));
    QStringList out;
    while (rows.next()) {
        QStringList cells;
        for (int i = 0; i < rows.columns().size(); ++i)
            cells << textOf(rows.value(i));
        out << cells.join(QLatin1Char('|'));
    }
    return out;
}

bool hasTable(TLogon& db, const QString& table)
{
    return integerOf(db.scalar(QStringLiteral("SELECT COUNT(*) FROM RDB$RELATIONS WHERE RDB$RELATION_NAME = ?"),
                               {table}))
        > 0;
}

QStringList erpState(TLogon& erp)
{
    QStringList state;
    for (const char* table : {"DAVS", "DAVS_CLIENTE", "DAVS_ITENS", "GERAID"}) {
        const QString t = QString::fromLatin1(table);
        state << QStringLiteral("[%1]").arg(t);
        if (hasTable(erp, t))
            state << rowsOf(erp, t, t == QLatin1String("DAVS_ITENS") ? QStringLiteral("1, 2") : QStringLiteral("1"));
        else
            state << QStringLiteral("(sem tabela)");
    }
    return state;
}

QStringList localState(TLogon& local)
{
    QStringList state;
    for (const char* table : {"CABMESA", "MESA", "FATURA", "RECARQ", "SERVICO"}) {
        state << QStringLiteral("[%1]").arg(QString::fromLatin1(table));
        state << rowsOf(local, QString::fromLatin1(table), QStringLiteral("ID"));
    }
    return state;
}

void addPaymentMethod(TLogon& local, int code, const QString& name, const QString& bx, const QString& dav)
{
    local.run(QStringLiteral("INSERT INTO FORMAPAGA (ID, NOME, BX, CD, DAV) VALUES (GEN_ID(FORMAPAGA,1), ?, ?, ?, ?)"),
              {name, bx, code, dav});
}

void openTab(TLogon& local, const QString& tab)
{
    local.run(QStringLiteral("INSERT INTO CABMESA (MESA, VENDEDOR, CLIENTE, STATUS, DATA) VALUES (?, 1, 1, 1, CURRENT_DATE)"),
              {tab});
}

void addTabItem(TLogon& local, const QString& tab, const QString& code, const QString& name,
                const Decimal& quantity, const Decimal& price)
{
    local.run(QStringLiteral("INSERT INTO MESA (MESA, CODIGO, NOMEP, QUANT, VALOR, VEND) VALUES (?, ?, ?, ?, ?, 1)"),
              {tab, code, name, quantity, price});
}

} // namespace erpseeds
