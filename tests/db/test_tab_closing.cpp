// Paying and closing a tab: the rows of the sale, the stock-out with kits and
// flavours, refusals that write nothing, a failure in the middle that leaves the
// tab as it was, two stations closing the same tab, the receipt on a port.
#include "ClosingSeeds.h"
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "cash/CashShift.h"
#include "closing/TabClosing.h"
#include "core/Globals.h"
#include "platform/Win1252.h"

#include <QFile>
#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

using seeds::D;

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }
const QString kTab = QStringLiteral("000012");

SalePayment pay(int code, const char* name, const char* amount, bool settled = true, bool exported = false)
{
    return SalePayment{code, QString::fromUtf8(name), D(amount), settled, exported};
}

ClosingRequest request(std::vector<SalePayment> payments, const QString& tab = kTab)
{
    return seeds::consumerClosing(tab, std::move(payments), QDate(2026, 3, 10));
}

class TabClosingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        st.openCashShift(7);
        ctx::station().TerminalNumber = S("03");
    }
    TLogon& l() { return st.logon(); }
    int count(const char* sql, const Params& p = {}) { return st.count(QString::fromUtf8(sql), p); }
    ClosingResult close(const ClosingRequest& r) { return TabClosing(l()).close(r); }
    QString dup(const ClosingResult& r, const char* prefix)
    {
        return QString::fromLatin1(prefix) + QStringLiteral("%1").arg(r.saleNumber, 6, 10, QLatin1Char('0'));
    }
    int rowsOfAnySale()
    {
        return count("select count(*) from FATURA") + count("select count(*) from RECARQ")
            + count("select count(*) from SERVICO") + count("select count(*) from ESTFIC");
    }

    TestStation st;
    ScriptedDialogs ui;
};

} // namespace

TEST_F(TabClosingTest, CashOverpaidWritesPaymentChangeSaleAndDeletesTheTab)
{
    seeds::openTab(l(), kTab, 4);
    seeds::addProduct(l(), S("000001"), S("CERVEJA"), D("10"));
    seeds::addItem(l(), kTab, S("000001"), S("CERVEJA"), D("8"), D("10"), 4);
    seeds::addKitchenRow(l(), kTab);
    l().run(S("insert into ACOMPMESA (ID, CODIGO, PRODUTO) values (1, '1', 'GELO')"));

    const ClosingResult r = close(request({pay(1, "Dinheiro", "100")}));

    RowSet rec = l().run(S("select DUPLICATA, VALOR, BAIXA, VENCIMENTO, CODIGO, CAIXA, TERMINAL, NFISCAL, VENDEDOR "
                           "from RECARQ order by ID"));
    ASSERT_EQ(rec.size(), 2);
    rec.next();
    EXPECT_EQ(rec.text(u"DUPLICATA"), dup(r, "01-"));
    EXPECT_EQ(rec.decimal(u"VALOR"), D("100"));
    EXPECT_EQ(rec.date(u"BAIXA"), QDate::currentDate());
    EXPECT_EQ(rec.date(u"VENCIMENTO"), QDate(2026, 3, 10));
    EXPECT_EQ(rec.integer(u"CAIXA"), 7);
    EXPECT_EQ(rec.integer(u"TERMINAL"), 3);
    EXPECT_EQ(rec.integer(u"NFISCAL"), r.saleNumber);
    EXPECT_EQ(rec.integer(u"VENDEDOR"), 4);
    rec.next();
    EXPECT_EQ(rec.text(u"DUPLICATA"), dup(r, "01-"));
    EXPECT_EQ(rec.decimal(u"VALOR"), D("-20"));

    RowSet fat = l().run(S("select NOTA, TIPO, VALOR, CAIXA, CLIENTE, COMANDA, VENDEDOR, TERMINAL, DATA from FATURA"));
    ASSERT_TRUE(fat.next());
    EXPECT_EQ(fat.integer(u"NOTA"), r.saleNumber);
    EXPECT_EQ(fat.integer(u"TIPO"), 1);
    EXPECT_EQ(fat.decimal(u"VALOR"), D("80"));
    EXPECT_EQ(fat.text(u"CLIENTE"), S("000012 - CLIENTE CONSUMI"));
    EXPECT_EQ(fat.integer(u"COMANDA"), 12);
    EXPECT_EQ(fat.date(u"DATA"), QDate::currentDate());

    EXPECT_EQ(count("select count(*) from CABMESA"), 0);
    EXPECT_EQ(count("select count(*) from MESA"), 0);
    EXPECT_EQ(count("select count(*) from COZINHA2"), 0);
    EXPECT_EQ(count("select count(*) from ACOMPMESA"), 1) << "complements stay";
    EXPECT_EQ(count("select count(*) from SERVICO"), 0);
    EXPECT_EQ(r.bill.change(), D("20"));
}

TEST_F(TabClosingTest, ReceivableAdvanceLoyaltyAndServiceRows)
{
    seeds::addPaymentMethod(l(), 2, S("Cartao"), S("S"));
    seeds::addPaymentMethod(l(), 5, S("Fiado"), S("N"));
    seeds::addSaleCustomer(l(), 35, S("JOAO"), S("N"), 10);
    seeds::openTab(l(), kTab, 2, 1, D("20"), S("02 Cartao"));
    seeds::addItem(l(), kTab, S("000001"), S("A"), D("6"), D("10"), 2);
    seeds::addItem(l(), kTab, S("000002"), S("B"), D("4"), D("10"), 5);

    ClosingRequest rq = request({pay(2, "Cartao", "50"), pay(5, "Fiado", "40,5", false)});
    rq.customerField = S("35");
    rq.customerName = S("JOAO");
    rq.servicePercent = D("10");
    rq.persons = 2;
    rq.coverPerPerson = D("3");
    rq.discount = D("5,5");
    // 100 + 10 service + 6 cover - 5,50 discount - 20 advance = 90,50
    const ClosingResult r = close(rq);
    EXPECT_EQ(r.bill.amountDue, D("90,5"));

    RowSet rec = l().run(S("select DUPLICATA, VALOR, BAIXA, VENCIMENTO, CODIGO, NOME from RECARQ order by ID"));
    ASSERT_EQ(rec.size(), 3);
    rec.next();
    EXPECT_EQ(rec.text(u"DUPLICATA"), dup(r, "02-")) << "the advance first";
    EXPECT_EQ(rec.decimal(u"VALOR"), D("20"));
    EXPECT_FALSE(rec.isNull(u"BAIXA"));
    rec.next();
    EXPECT_EQ(rec.text(u"DUPLICATA"), dup(r, "02-"));
    EXPECT_EQ(rec.decimal(u"VALOR"), D("50"));
    rec.next();
    EXPECT_EQ(rec.text(u"DUPLICATA"), dup(r, "05-"));
    EXPECT_TRUE(rec.isNull(u"BAIXA")) << "a receivable stays open";
    EXPECT_EQ(rec.date(u"VENCIMENTO"), QDate(2026, 4, 9)) << "due date plus 30 days";
    EXPECT_EQ(rec.integer(u"CODIGO"), 35);
    EXPECT_EQ(rec.text(u"NOME"), S("JOAO"));

    EXPECT_EQ(decimalOf(st.scalar(S("select FIDELIDADE from CLIENTES where CODIGO = 35"))), D("15"));

    RowSet srv = l().run(S("select TIPO, VALOR, CODIGO, CONTROLE, CAIXA, TERMINAL from SERVICO order by ID"));
    const std::vector<std::tuple<int, const char*, qint64>> want = {
        {1, "6", 2}, {1, "4", 5}, {2, "6", 0}, {6, "5,5", 0}};
    ASSERT_EQ(srv.size(), int(want.size()));
    for (const auto& [tipo, valor, codigo] : want) {
        srv.next();
        EXPECT_EQ(srv.integer(u"TIPO"), tipo);
        EXPECT_EQ(srv.decimal(u"VALOR"), D(valor));
        EXPECT_EQ(srv.integer(u"CODIGO"), codigo);
        EXPECT_EQ(srv.integer(u"CONTROLE"), r.saleNumber);
        EXPECT_EQ(srv.integer(u"CAIXA"), 7);
    }
}

TEST_F(TabClosingTest, ServiceSplitOverThreeWaitersAddsUpToTheCent)
{
    seeds::openTab(l(), kTab, 1);
    seeds::addItem(l(), kTab, S("1"), S("A"), D("1"), D("10"), 1);
    seeds::addItem(l(), kTab, S("2"), S("B"), D("1"), D("10"), 2);
    seeds::addItem(l(), kTab, S("3"), S("C"), D("1"), D("10"), 3);
    ClosingRequest rq = request({pay(1, "Dinheiro", "40")});
    rq.serviceValue = D("10");
    close(rq);
    EXPECT_EQ(decimalOf(st.scalar(S("select sum(VALOR) from SERVICO where TIPO = 1"))), D("10"));
    EXPECT_EQ(count("select count(*) from SERVICO where TIPO = 1"), 3);
}

TEST_F(TabClosingTest, StockOutExplodesKitsAndFlavoursAndTopsUpTheMinimum)
{
    st.writeFile(S("c:\\Miltrex\\vavoz\\Consumacao.INI"), {S("50,00")});
    seeds::addProduct(l(), S("10"), S("COMBO"), D("7"), D("0"), true);
    seeds::addProduct(l(), S("A"), S("PAO"), D("1"), D("0,4"));
    seeds::addProduct(l(), S("B"), S("QUEIJO"), D("2"), D("0,9"));
    seeds::addKitComponent(l(), S("10"), S("A"), D("2"));
    seeds::addKitComponent(l(), S("10"), S("B"), D("1"));
    seeds::addProduct(l(), S("000012"), S("MUSSARELA"), D("30"), D("8"));
    seeds::addProduct(l(), S("000034"), S("CALABRESA"), D("32"), D("9"));
    seeds::addProduct(l(), S("000056"), S("ATUM"), D("34"), D("10"));
    seeds::addProduct(l(), S("77"), S("AGUA"), D("2"));
    seeds::openTab(l(), kTab, 1);
    seeds::addItem(l(), kTab, S("*10"), S("COMBO"), D("3"), D("1"), 1);
    seeds::addItem(l(), kTab, S("/000012/000034/"), S("1/2-MUSSARELA 1/2-CALABRESA"), D("1"), D("10"), 1);
    seeds::addItem(l(), kTab, S("/12/34/56/"), S("1/3-M 1/3-C 1/3-A"), D("1"), D("9"), 1);
    seeds::addItem(l(), kTab, S("77"), S("AGUA"), D("4"), D("0,5"), 1);
    // items 3 + 10 + 9 + 2 = 24: top-up of 26 to the minimum of 50
    const ClosingResult r = close(request({pay(1, "Dinheiro", "50")}));
    EXPECT_EQ(r.bill.topUp, D("26"));

    struct Row { const char* code; const char* out; const char* value; };
    const Row want[] = {
        {"1", "0", "26"},                       // the top-up
        {"A", "6", "7"}, {"B", "3", "7"},       // the kit's components at the kit's price
        {"10", "3", "1"},                       // the kit itself
        {"/000012/000034/", "1", "10"},         // cut to 14 characters below
        {"000012", "0,5", "10"}, {"000034", "0,5", "10"},
        {"/12/34/56/", "1", "9"},
        {"000012", "0,334", "9"}, {"000034", "0,333", "9"}, {"000056", "0,333", "9"},
        {"77", "4", "0,5"},
    };
    RowSet rs = l().run(S("select CODIGO, SAIDA, VALOR, PEDIDO, CAIXA, CLIENTE, HISTORICO, CUSTO from ESTFIC order by ID"));
    ASSERT_EQ(rs.size(), int(std::size(want)));
    for (const Row& w : want) {
        rs.next();
        EXPECT_EQ(rs.text(u"CODIGO"), QString::fromLatin1(w.code).left(14));
        EXPECT_EQ(rs.decimal(u"SAIDA"), D(w.out)) << w.code;
        EXPECT_EQ(rs.decimal(u"VALOR"), D(w.value)) << w.code;
        EXPECT_EQ(rs.integer(u"PEDIDO"), r.saleNumber);
        EXPECT_EQ(rs.integer(u"CAIXA"), 7);
    }
    rs.seek(0);
    EXPECT_EQ(rs.text(u"HISTORICO"), S("Cli: 1   Consumacao "));
    rs.seek(1);
    EXPECT_EQ(rs.text(u"HISTORICO"), S("Cli: 1   Valor: 1"));
    rs.seek(5);
    EXPECT_EQ(rs.decimal(u"CUSTO"), D("8"));
    EXPECT_EQ(decimalOf(st.scalar(S("select sum(SAIDA) from ESTFIC where CODIGO = '000056'"))), D("0,333"));
    // the date of last exit: components, flavours and plain items, not the kit
    EXPECT_EQ(count("select count(*) from PRODUTOS where DATASAIDA is not null"), 6);
    EXPECT_EQ(count("select count(*) from PRODUTOS where CODIGO = '10' and DATASAIDA is null"), 1);
}

TEST_F(TabClosingTest, TheOpenShiftsOwnDateIsTheClosingDate)
{
    l().run(S("update CONTDATA set DATA = ? where CAIXA = 7"), {QDate(2026, 1, 2)});
    seeds::openTab(l(), kTab);
    seeds::addItem(l(), kTab, S("1"), S("A"), D("1"), D("5"));
    close(request({pay(1, "Dinheiro", "5")}));
    EXPECT_EQ(st.scalar(S("select DATA from FATURA")).toDate(), QDate(2026, 1, 2));
    EXPECT_EQ(st.scalar(S("select EMISSAO from RECARQ")).toDate(), QDate(2026, 1, 2));
}

TEST_F(TabClosingTest, RefusalsWriteNothingAndDrawNoSaleNumber)
{
    seeds::addPaymentMethod(l(), 5, S("Fiado"), S("N"));
    seeds::openTab(l(), kTab, 1, 1, D("20"), S("01 Dinheiro"));
    seeds::addItem(l(), kTab, S("1"), S("A"), D("1"), D("100"));
    const qint64 before = l().GenId(S("BORDA"), 0);
    struct Case { const char* name; ClosingRequest rq; QString message; };
    std::vector<Case> cases = {
        // the advance is already deducted: 79,99 on a bill of 100 with 20 paid is short by a cent
        {"underpaid by a cent", request({pay(1, "Dinheiro", "79,99")}), closingmsg::underpaid()},
        {"receivable method for the consumer", request({pay(5, "Fiado", "80", false)}), closingmsg::consumerMethod()},
        {"no such tab", request({pay(1, "Dinheiro", "80")}, S("000099")), closingmsg::tabNotFound()},
        {"receivable for a customer that does not exist", request({pay(5, "Fiado", "80", false)}),
         closingmsg::consumerMethod()},
    };
    cases.back().rq.customerField = S("0");
    for (Case& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            close(c.rq);
            ADD_FAILURE() << "closed";
        } catch (const ClosingRefused& e) {
            EXPECT_EQ(e.message(), c.message);
        }
        EXPECT_EQ(rowsOfAnySale(), 0);
        EXPECT_EQ(count("select count(*) from CABMESA"), 1);
        EXPECT_EQ(count("select count(*) from MESA"), 1);
    }
    EXPECT_EQ(l().GenId(S("BORDA"), 0), before);
    // exactly the amount due closes it
    close(request({pay(1, "Dinheiro", "80")}));
    EXPECT_EQ(count("select count(*) from CABMESA"), 0);
}

TEST_F(TabClosingTest, AFailureInTheMiddleLeavesNothingWrittenAndTheTabOpen)
{
    seeds::openTab(l(), kTab, 2);
    seeds::addItem(l(), kTab, S("1"), S("A"), D("2"), D("10"), 2);
    seeds::addKitchenRow(l(), kTab);
    // The service rows come after the payments and the sale row: make them fail.
    l().run(S("alter table SERVICO add constraint CK_TESTE_SERVICO check (VALOR < 0)"));
    ClosingRequest rq = request({pay(1, "Dinheiro", "30")});
    rq.servicePercent = D("10");
    EXPECT_THROW(close(rq), DbError);
    EXPECT_EQ(rowsOfAnySale(), 0);
    EXPECT_EQ(count("select count(*) from CABMESA where MESA = ? and STATUS = 0 and VENDEDOR = 2", {kTab}), 1);
    EXPECT_EQ(count("select count(*) from MESA"), 1);
    EXPECT_EQ(count("select count(*) from COZINHA2"), 1);
    EXPECT_EQ(count("select count(*) from CLIENTES where FIDELIDADE <> 0"), 0);
}

TEST_F(TabClosingTest, TwoStationsClosingTheSameTabMakeOneSale)
{
    std::vector<QString> databases{st.databasePath()};
    if (!TestServer::address().isEmpty())
        databases.push_back(TestServer::address() + QLatin1Char(':') + TestServer::createDatabase(S("fechamento")));
    for (const QString& db : databases) {
        SCOPED_TRACE(db.toStdString());
        std::unique_ptr<TLogon> a = std::make_unique<TLogon>(), b = std::make_unique<TLogon>();
        ASSERT_TRUE(a->connectTo(db)) << a->lastError().toStdString();
        ASSERT_TRUE(b->connectTo(db)) << b->lastError().toStdString();
        a->action([&] {
            a->run(S("delete from CONTCAIXA"));
            a->run(S("insert into CONTCAIXA (CAIXA) values (7)"));
            seeds::openTab(*a, kTab, 1);
            for (int i = 0; i < 20; ++i)
                seeds::addItem(*a, kTab, QString::number(i), S("X"), D("1"), D("2"));
        });
        std::atomic<int> closed{0}, notFound{0}, other{0};
        std::atomic<bool> go{false};
        auto station = [&](TLogon* logon) {
            while (!go)
                std::this_thread::yield();
            try {
                TabClosing(*logon).close(request({pay(1, "Dinheiro", "40")}));
                ++closed;
            } catch (const ClosingRefused& e) {
                (e.message() == closingmsg::tabNotFound() ? notFound : other)++;
            } catch (...) {
                ++other;
            }
        };
        std::thread ta(station, a.get()), tb(station, b.get());
        go = true;
        ta.join();
        tb.join();
        EXPECT_EQ(closed, 1);
        EXPECT_EQ(notFound, 1);
        EXPECT_EQ(other, 0);
        EXPECT_EQ(integerOf(a->scalar(S("select count(*) from FATURA"))), 1);
        EXPECT_EQ(integerOf(a->scalar(S("select count(*) from RECARQ"))), 1);
        EXPECT_EQ(integerOf(a->scalar(S("select count(*) from ESTFIC"))), 20);
        EXPECT_EQ(integerOf(a->scalar(S("select count(*) from CABMESA"))), 0);
    }
}

// Another station closes the cash shift while this one takes a tab's payment. A
// shift already closed refuses the payment (it was once filed under shift 0); a
// shift being closed while the sale is written waits for the sale, which is
// filed under it.
TEST_F(TabClosingTest, NoTabIsPaidIntoAClosedShiftNorIntoOneBeingClosed)
{
    const QString db = TestServer::stationsDatabase(st, S("caixa"));
    auto a = attachStation(db, 5), b = attachStation(db, 5);
    const auto seed = [&] {
        a->action([&] {
            for (const char* table : {"CONTCAIXA", "CONTDATA", "FATURA", "RECARQ", "ESTFIC", "CABMESA", "MESA"})
                a->run(S("delete from ") + S(table));
            a->run(S("insert into CONTCAIXA (CAIXA, NUMEDADOR) values (7, 7)"));
            a->run(S("insert into CONTDATA (ID, CAIXA, DATA, ABERTURA) values (GEN_ID(CONTCAIXA,1), 7, CURRENT_DATE, 0)"));
            seeds::openTab(*a, kTab, 1);
            seeds::addItem(*a, kTab, S("1"), S("X"), D("1"), D("40"));
        });
    };
    const auto rows = [&](const char* table) { return integerOf(a->scalar(S("select count(*) from ") + S(table))); };

    seed();
    ASSERT_EQ(CashShift(*a).close(S("GERENTE")), CashShift::Result::Done);
    try {
        TabClosing(*b).close(request({pay(1, "Dinheiro", "40")}));
        ADD_FAILURE() << "paid into a closed shift";
    } catch (const ClosingRefused& e) {
        EXPECT_EQ(e.message(), closingmsg::cashClosed());
    }
    EXPECT_EQ(rows("FATURA") + rows("RECARQ") + rows("ESTFIC"), 0);
    EXPECT_EQ(rows("CABMESA"), 1);
    EXPECT_EQ(rows("MESA"), 1);

    seed();
    std::atomic<bool> shiftClosed{false};
    bool closedWhilePaying = true;
    std::thread closer;
    TabClosing paying(*b);
    paying.setClock([&] {
        if (!closer.joinable()) {
            closer = std::thread([&] {
                try {
                    shiftClosed = CashShift(*a).close(S("GERENTE")) == CashShift::Result::Done;
                } catch (const DbError& e) {
                    ADD_FAILURE() << e.message().toStdString();
                }
            });
            std::this_thread::sleep_for(std::chrono::milliseconds(700));
            closedWhilePaying = shiftClosed;
        }
        return QDateTime::currentDateTime();
    });
    const ClosingResult r = paying.close(request({pay(1, "Dinheiro", "40")}));
    closer.join();
    EXPECT_FALSE(closedWhilePaying) << "the shift was closed under a sale being filed";
    EXPECT_TRUE(shiftClosed) << "and closed once the sale was in";
    EXPECT_EQ(integerOf(a->scalar(S("select CAIXA from FATURA where NOTA = ?"), {r.saleNumber})), 7);
    EXPECT_EQ(integerOf(a->scalar(S("select CAIXA from CONTCAIXA"))), 0);
}
