// The product import from the outside ERP on real Firebird databases: the ERP's
// database found where the stations keep it ("Slim" wins), new codes inserted and
// known ones renamed and repriced, the whole import or nothing, embedded, on the
// test server, and beside another station holding a product.
#include "OutsideErpSeeds.h"
#include "TestStation.h"

#include "closing/OutsideErpExport.h"
#include "db/NewDatabase.h"
#include "exchange/ProductImport.h"

#include <QUuid>
#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

using erpseeds::ErpProduct;
using erpseeds::Place;

namespace {

QString S(const char* text) { return QString::fromUtf8(text); }
QVariant D(const char* text) { return QVariant::fromValue(*Decimal::parse(QString::fromUtf8(text))); }

const QString kName45 = S("CERVEJA ARTESANAL DE TRIGO COM LARANJA E MEL!");

void seedLocal(TLogon& db)
{
    db.run(S("insert into PRODUTOS (ID, CODIGO, NOME, UNIDADE, CLASSE, VALOR, CUSTO, ESTOQUE) "
             "values (1, '000007', 'NOME ANTIGO', 'KG', 5, 1, 3, 10)"));
    db.run(S("insert into PRODUTOS (ID, CODIGO, NOME, UNIDADE, CLASSE, VALOR, CUSTO) "
             "values (2, '7', 'DIGITADO SEM ZEROS', 'UN', 5, 2, 1)"));
}

std::vector<ErpProduct> erpProducts()
{
    return {
        {qlonglong(7), S("COCA-COLA 2L"), S("UNID"), D("12,3456"), D("5,5")},
        {qlonglong(8), S("COPO D'ÁGUA"), S("UN"), D("3"), D("1,004")},
        {qlonglong(9), kName45, S("LT"), D("20"), D("8")},
        {qlonglong(1234567), S("CÓDIGO LONGO"), S("PC"), D("1,995"), D("0")},
        {qlonglong(8), S("COPO D'ÁGUA 300ML"), S("CX"), D("3,5"), D("2")},   // again: the row just inserted
    };
}

// Each product as "CODIGO|NOME|UNIDADE|CLASSE|VALOR|CUSTO", by code then ID.
QStringList products(TLogon& db)
{
    QStringList out;
    RowSet rows = db.run(S("select CODIGO, NOME, UNIDADE, CLASSE, VALOR, CUSTO from PRODUTOS order by CODIGO, ID"));
    while (rows.next())
        out << QStringList{rows.text(u"CODIGO"), rows.text(u"NOME"), rows.text(u"UNIDADE"), rows.text(u"CLASSE"),
                           rows.decimal(u"VALOR").toString(), rows.decimal(u"CUSTO").toString()}
                   .join(QLatin1Char('|'));
    return out;
}

const QStringList kImported = {
    S("000007|COCA-COLA 2L|KG|5|12.35|3"),          // name and price only
    S("000008|COPO D'ÁGUA 300ML|UN|1|3.5|1"),       // inserted, then renamed and repriced
    S("000009|") + kName45.left(39) + S("|LT|1|20|8"),   // 45 characters cut to 39
    S("1234567|CÓDIGO LONGO|PC|1|2|0"),
    S("7|DIGITADO SEM ZEROS|UN|5|2|1"),             // 7 typed without zeros is another product
};

} // namespace

TEST(ProductImport, TheSlimDatabaseWinsAndNewCodesAreInsertedKnownOnesRenamedAndRepriced)
{
    TestStation st;
    st.writeFile(S("estacao.ini"), {S("nil"), S("SIM")});
    seedLocal(st.logon());
    {
        auto pro = erpseeds::open(erpseeds::createErpDatabase(Place::Pro, false));
        erpseeds::createEstoque(*pro);
        erpseeds::addErpProducts(*pro, {{qlonglong(555), S("SÓ NO PRO"), S("UN"), D("1"), D("1")}});
    }
    EXPECT_TRUE(OutsideErpExport::databaseFile().contains(S("GDOOR PRO")));
    {
        auto slim = erpseeds::open(erpseeds::createErpDatabase(Place::Slim, false));
        erpseeds::createEstoque(*slim);
        erpseeds::addErpProducts(*slim, erpProducts());
    }
    EXPECT_TRUE(OutsideErpExport::databaseFile().contains(S("GDOOR Slim")));

    TLogon erp;
    OutsideErpExport::openDatabase(erp);
    const std::vector<ImportedProduct> read = ProductImport::read(erp);
    ASSERT_EQ(read.size(), 5u);
    EXPECT_EQ(read[2].name.size(), 39);
    EXPECT_EQ(read[0].price, *Decimal::parse(S("12,35")));

    const qint64 before = st.logon().roundTrips();
    const ProductImport::Counts counts = ProductImport::write(st.logon(), read);
    EXPECT_EQ(counts.inserted, 3);
    EXPECT_EQ(counts.updated, 2);
    EXPECT_EQ(products(st.logon()), kImported);
    // One read of the codes and one block for the five products, in one transaction
    // with the action journal's key.
    EXPECT_LE(st.logon().roundTrips() - before, 10) << st.logon().roundTrips() - before;
    EXPECT_EQ(textOf(st.scalar(S("select ESTOQUE from PRODUTOS where ID = 1"))), S("10"));

    // Again: the same names and prices, nothing doubled.
    ProductImport::write(st.logon(), ProductImport::read(erp));
    EXPECT_EQ(products(st.logon()), kImported);
}

TEST(ProductImport, AnythingRefusedOrFailingWritesNothing)
{
    TestStation st;
    seedLocal(st.logon());
    const QStringList before = products(st.logon());
    auto erp = erpseeds::open(erpseeds::createErpDatabase(Place::Slim, false));

    // No ESTOQUE at all: the database's own error.
    EXPECT_THROW(ProductImport::read(*erp), DbError);

    erpseeds::createEstoque(*erp, true);
    std::vector<ErpProduct> rows = erpProducts();
    rows.push_back({S("12A"), S("CÓDIGO COM LETRA"), S("UN"), D("1"), D("1")});
    erpseeds::addErpProducts(*erp, rows);
    try {
        ProductImport::read(*erp);
        FAIL() << "a code with a letter was read";
    } catch (const ImportRefused& e) {
        EXPECT_TRUE(e.message().contains(S("\"12A\""))) << e.message().toStdString();
    }
    EXPECT_EQ(products(st.logon()), before);

    // A failure after a whole batch was written (the last product has a name the
    // column cannot hold) takes back every one before it.
    std::vector<ImportedProduct> many{{S("000007"), S("RENOMEADO"), S("UN"), Decimal(9), Decimal(1)}};
    for (int i = 0; i < 40; ++i)
        many.push_back({QStringLiteral("%1").arg(500 + i, 6, 10, QLatin1Char('0')), S("NOVO"), S("UN"), Decimal(1), Decimal(1)});
    many.push_back({S("000103"), QString(60, u'X'), S("UN"), Decimal(1), Decimal(1)});
    EXPECT_THROW(ProductImport::write(st.logon(), many), DbError);
    EXPECT_EQ(products(st.logon()), before);
}

TEST(ProductImport, OnTheTestServer)
{
    if (TestServer::address().isEmpty())
        GTEST_SKIP() << "no test server (SABREL22_TEST_SERVER)";
    const QString local = TestServer::address() + QLatin1Char(':') + TestServer::createDatabase(S("importa"));
    const QString dir = qEnvironmentVariable("SABREL22_TEST_SERVER_DIR", S("/tmp"));
    const QString erpName = TestServer::address() + QLatin1Char(':') + dir + S("/gdoor-")
        + QUuid::createUuid().toString(QUuid::Id128).left(12) + S(".fdb");
    newdb::createDatabaseFile(erpName);
    auto erp = erpseeds::open(erpName);
    erpseeds::createEstoque(*erp);
    erpseeds::addErpProducts(*erp, erpProducts());
    auto db = erpseeds::open(local);
    db->run(S("delete from PRODUTOS"));
    seedLocal(*db);

    ProductImport::write(*db, ProductImport::read(*erp));
    EXPECT_EQ(products(*db), kImported);
}

// Another station holds a product the import renames: the import waits for it and
// runs again whole once it lets go, so both stations' work is there in the end.
TEST(ProductImport, AnotherStationHoldingAProductMakesTheImportWaitNotFail)
{
    TestStation st;
    std::vector<QString> databases{st.databasePath()};
    if (!TestServer::address().isEmpty())
        databases.push_back(TestServer::address() + QLatin1Char(':') + TestServer::createDatabase(S("importa2")));
    for (const QString& name : databases) {
        SCOPED_TRACE(name.toStdString());
        auto a = erpseeds::open(name), b = erpseeds::open(name);
        a->run(S("delete from PRODUTOS"));
        seedLocal(*a);
        std::vector<ImportedProduct> wanted;
        for (const ErpProduct& p : erpProducts())
            wanted.push_back(ProductImport::productOf(p.code, p.description, p.unit, p.price, p.cost));

        std::atomic<bool> holding{false};
        std::thread other([&] {
            b->action([&] {
                b->run(S("update PRODUTOS set ESTOQUE = 42 where CODIGO = '000007'"));
                holding = true;
                std::this_thread::sleep_for(std::chrono::milliseconds(800));
            });
        });
        while (!holding)
            std::this_thread::yield();
        EXPECT_NO_THROW(ProductImport::write(*a, wanted));
        other.join();
        EXPECT_EQ(products(*a), kImported);
        EXPECT_EQ(textOf(a->scalar(S("select ESTOQUE from PRODUTOS where CODIGO = '000007'"))), S("42"));
    }
}
