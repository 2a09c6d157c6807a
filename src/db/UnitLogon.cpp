#include "db/UnitLogon.h"
#include "db/DbValues.h"
#include "core/StationSettings.h"
#include "db/UnitErro.h"
#include "core/uMensagem.h"
#include "platform/LineFile.h"
#include "platform/StationPaths.h"
#include "platform/Dialogs.h"

#include <QSqlError>
#include <QSqlRecord>

TLogon* Logon = nullptr;

namespace {

// Component name, the text it holds at start (empty: its users give it one).
struct DatasetDef {
    const char* component;
    const char* initialSql;
};

const DatasetDef kDatasets[] = {
    {"QGeraId", "select\n  *\nfrom\n GeraId"},
    {"Atualiza", ""}, {"Atualiza2", ""}, {"Atualiza3", ""},
    {"Pesquisa", ""}, {"PesqBusca", ""},
    {"Clientes", "Select * from Clientes"},
    {"Fornecedor", "select * from fornecedor"},
    {"Produtos", "select * from produtos"},
    {"Tipos", "select * from tipos"},
    {"Empresa", "Select * from empresa"},
    {"FormaPaga", "select * from FormaPaga"},
    {"Vendedor", "select * from vendedor"},
    {"Miltrex", "select * from Miltrex"},
    {"Despesas", "select * from desploja"},
    {"RecArq", "select * from RecArq"},
    {"CentroCusto", "select * from CentroCusto"},
    {"ContCaixa", "select * from contcaixa"},
    {"ContData", "select * from contdata"},
    {"Monitor", "select * from cozinha2"},
    {"Acompanha", "select * from ACOMPANHA"},
    {"EstFic", "select * from estfic"},
    {"Entregador", "select * from DELICAD"},
    {"COMPRAS", "select * from COMPRAS"},
    {"COMPPED", "select * from COMPPED"},
    {"PagArq", "select * from PagArq"},
    {"Conta", "select * from conta"},
    {"Caixa", "select * from caixa"},
    {"CabMesa", "select * from CabMesa"},
    {"Mesa", "select * from Mesa order by Mesa"},
    {"KitProd", "select * from kitprod"},
    {"QTabMesa", "SELECT MESA,CODIGO,NOMEP,sum(QUANT) as QTDE,VALOR,COMPL,vend FROM MESA WHERE MESA = 'X' "
                 "GROUP BY MESA,CODIGO,NOMEP,VALOR,COMPL,vend ORDER BY NOMEP"},
    {"Cozinha", "\nselect * from cozinha2 order by hora desc"},
    {"KitMaster", "select * from kitMaster"},
    {"Fatura", "select * from Fatura"},
    {"Navegar", "select codigo,nome,valor from produtos"},
    {"ACOMPMESA", "select * from ACOMPMESA"},
    {"DELIVERE", "select DELI.*,entr.bairro, entr.taxa,mboy.nome from DELIVERE deli left join entrega entr "
                 "on deli.entrega = entr.id left join delicad mboy on  deli.motoboy = mboy.id "},
    {"ENTREGA", "select * from ENTREGA"},
    {"DELIPED", "select * from DELIPED"},
    {"DELIITEM", "select ditem.*,prod.nome as NOMEPROD from DELIITEM ditem left join produtos prod "
                 "on ditem.codigo = prod.codigo"},
};

// The names ExecSqlOnDataset answers to (upper case) and the component each selects.
const std::pair<const char*, const char*> kByName[] = {
    {"ATUALIZA2", "Atualiza2"}, {"ATUALIZA3", "Atualiza3"}, {"PESQUISA", "Pesquisa"},
    {"EMPRESA", "Empresa"}, {"PRODUTOS", "Produtos"}, {"TIPOS", "Tipos"},
    {"CLIENTES", "Clientes"}, {"ESTFIC", "EstFic"}, {"RECARQ", "RecArq"},
    {"VENDEDOR", "Vendedor"}, {"FORNECEDOR", "Fornecedor"}, {"CONTCAIXA", "ContCaixa"},
    {"CONTDATA", "ContData"}, {"ENTREGADOR", "Entregador"}, {"ENTREGA", "ENTREGA"},
    {"DELIVERE", "DELIVERE"}, {"COMPRAS", "COMPRAS"}, {"COMPPED", "COMPPED"},
    {"PAGARQ", "PagArq"}, {"CONTA", "Conta"}, {"CAIXA", "Caixa"},
    {"CABMESA", "CabMesa"}, {"MESA", "Mesa"}, {"KITPROD", "KitProd"},
    {"KITMASTER", "KitMaster"}, {"FATURA", "Fatura"}, {"DESPESAS", "Despesas"},
    {"NAVEGAR", "Navegar"}, {"ACOMPMESA", "ACOMPMESA"}, {"DELIPED", "DELIPED"},
    {"DELIITEM", "DELIITEM"},
};

// Closed, in this order, by CloseSharedDatasets.
const char* const kClosedTogether[] = {
    "Pesquisa", "Atualiza", "Atualiza3", "Atualiza2", "Produtos", "Clientes",
    "Fornecedor", "EstFic", "RecArq", "Despesas", "Vendedor", "Miltrex",
};

} // namespace

void execOrThrow(QSqlQuery& q, const QString& sql, const QVariantList& params)
{
    bool ok;
    if (params.isEmpty()) {
        ok = q.exec(sql);
    } else {
        ok = q.prepare(sql);
        if (ok) {
            for (const QVariant& v : params)
                q.addBindValue(v);
            ok = q.exec();
        }
    }
    if (!ok)
        throw DbError(q.lastError(), sql);
}

TLogon::TLogon(const QString& connectionName)
    : m_connection(connectionName)
{
}

TLogon::~TLogon()
{
    close();
    QSqlDatabase::removeDatabase(m_connection);
}

QString TLogon::settleServerAddress(const QString& plnText, const std::optional<QString>& setupRedeFirstLine)
{
    QString candidate = plnText;
    QString address = plnText;                       // stored as returned
    if (TrimText(candidate) == QLatin1String("nil"))
        candidate.clear();
    if (TrimText(candidate).size() < 6)
        candidate.clear();
    if (setupRedeFirstLine && !candidate.isEmpty() && !setupRedeFirstLine->trimmed().isEmpty())
        address = *setupRedeFirstLine;               // exactly as read
    if (TrimText(address).size() < 8)
        address.clear();
    if (!address.isEmpty()) {
        const QChar first = TrimText(address).at(0);
        if (first < QLatin1Char('0') || first > QLatin1Char('9'))
            address.clear();
    }
    return address;
}

QString TLogon::databaseNameFor(const QString& serverAddress)
{
    if (TrimText(serverAddress).isEmpty())
        return station::path(QString::fromLatin1(kLocalDatabase));
    return TrimText(serverAddress) + QLatin1Char(':') + stationSettings::serverDatabasePath();
}

TLogon::StartResult TLogon::DataModuleCreate()
{
    const QString pln = stationSettings::pln(6);
    std::optional<QString> setupRede;
    try {
        // The file is read only when the station setting named a server.
        QString candidate = TrimText(pln);
        if (candidate != QLatin1String("nil") && candidate.size() >= 6) {
            if (auto f = LineFile::load(station::path(u"c:\\Miltrex\\vavoz\\SetupRede.Ini")))
                setupRede = f->line(0);
        }
    } catch (const std::exception& e) {
        dialogs().errorBox(QString::fromUtf8(e.what()));
        return StartResult::NotConnected;
    }
    ServerAddress = settleServerAddress(pln, setupRede);

    if (TrimText(ServerAddress).isEmpty()) {
        // A local file that cannot be opened is not reported here: the first
        // statement of the start-up fails and says why.
        return connectTo(databaseNameFor(QString())) ? StartResult::Connected : StartResult::NotConnected;
    }
    if (connectTo(databaseNameFor(ServerAddress)))
        return StartResult::Connected;

    TFormErro problem(ServerAddress);
    if (dialogs().exec(problem) != TFormErro::Connect)
        return StartResult::Aborted;
    if (connectTo(databaseNameFor(QString())))
        return StartResult::Connected;
    dialogs().errorBox(m_lastError);
    return StartResult::NotConnected;
}

bool TLogon::connectTo(const QString& databaseName)
{
    close();
    QSqlDatabase db = QSqlDatabase::contains(m_connection)
        ? QSqlDatabase::database(m_connection, false)
        : QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), m_connection);
    db.setDatabaseName(databaseName);
    db.setUserName(QString::fromLatin1(kUser));
    db.setPassword(QString::fromLatin1(kPassword));
    db.setNumericalPrecisionPolicy(QSql::HighPrecision);
    if (!db.open()) {
        m_lastError = DbError(db.lastError()).message();
        return false;
    }
    m_lastError.clear();
    return true;
}

bool TLogon::isOpen() const
{
    return QSqlDatabase::contains(m_connection) && QSqlDatabase::database(m_connection, false).isOpen();
}

void TLogon::close()
{
    m_datasets.clear();
    if (QSqlDatabase::contains(m_connection)) {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        if (db.isOpen())
            db.close();
    }
}

QSqlDatabase TLogon::database() const
{
    return QSqlDatabase::database(m_connection, false);
}

QString TLogon::componentForName(const QString& name)
{
    const QString upper = UpperAZ(name);
    for (const auto& [n, component] : kByName) {
        if (upper == QLatin1String(n))
            return QString::fromLatin1(component);
    }
    return QStringLiteral("Atualiza");
}

QSqlQuery& TLogon::dataset(const QString& componentName)
{
    auto it = m_datasets.find(componentName);
    if (it == m_datasets.end()) {
        auto q = std::make_unique<QSqlQuery>(database());
        q->setNumericalPrecisionPolicy(QSql::HighPrecision);
        it = m_datasets.emplace(componentName, std::move(q)).first;
    }
    return *it->second;
}

void TLogon::closeDataset(const QString& componentName)
{
    auto it = m_datasets.find(componentName);
    if (it != m_datasets.end())
        m_datasets.erase(it);   // a new query next time: its snapshot ends here
}

void TLogon::ExecSqlOnDataset(const QString& name, const QString& sql, const QString& mode,
                              const QVariantList& params)
{
    const QString component = componentForName(name);
    closeDataset(component);
    const QString m = UpperAZ(mode);
    if (m != QLatin1String("OPEN") && m != QLatin1String("EXEC"))
        return;
    QSqlQuery& q = dataset(component);
    execOrThrow(q, sql, params);
}

void TLogon::CloseSharedDatasets()
{
    for (const char* name : kClosedTogether) {
        try {
            closeDataset(QString::fromLatin1(name));
        } catch (...) {
        }
    }
}

QString TLogon::initialSql(const QString& componentName)
{
    for (const DatasetDef& d : kDatasets) {
        if (componentName == QLatin1String(d.component))
            return QString::fromLatin1(d.initialSql);
    }
    return QString();
}

QSqlQuery& TLogon::openDataset(const QString& componentName)
{
    closeDataset(componentName);
    QSqlQuery& q = dataset(componentName);
    execOrThrow(q, initialSql(componentName), {});
    return q;
}

QString CabMesaEstado(const QVariant& status)
{
    return status.isNull() || status.toInt() == 0 ? QStringLiteral("A") : QStringLiteral("F");
}

QString CabMesaEDelivery(const QVariant& delivery)
{
    return delivery.isNull() || decimalFrom(delivery).isZero() ? QString() : QStringLiteral("Delivery");
}

QString MesaTP(const QString& cozinha)
{
    return cozinha == QLatin1String("1") || cozinha == QLatin1String("2") ? QStringLiteral("CZ") : QString();
}

QSqlQuery TLogon::run(const QString& sql, const QVariantList& params)
{
    QSqlQuery q(database());
    q.setNumericalPrecisionPolicy(QSql::HighPrecision);
    execOrThrow(q, sql, params);
    return q;
}

QVariant TLogon::scalar(const QString& sql, const QVariantList& params)
{
    QSqlQuery q = run(sql, params);
    return q.next() ? q.value(0) : QVariant();
}

qint64 TLogon::GenId(const QString& generator, int step)
{
    // Generator names are the program's own constants, never user text.
    const QString sql = QStringLiteral("SELECT GEN_ID(%1,%2) AS teste FROM GeraID").arg(generator).arg(step);
    closeDataset(QStringLiteral("QGeraId"));
    QSqlQuery& q = dataset(QStringLiteral("QGeraId"));
    execOrThrow(q, sql, {});
    if (!q.next())
        throw DbError(QStringLiteral("A tabela GERAID não tem a linha de leitura dos geradores."));
    const qint64 value = q.value(0).toLongLong();
    closeDataset(QStringLiteral("QGeraId"));
    return value;
}
