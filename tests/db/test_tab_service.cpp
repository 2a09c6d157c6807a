// The tab service on a real database: multi-flavour and size prices, the kitchen
// order on port files and on the kitchen monitor (also with another station
// confirming meanwhile), the monitor's deletions, the customer of a tab, the
// table reports and the kitchen reprint.
#include "QtPrinters.h"
#include "SalesSeeds.h"
#include "TabServiceSeeds.h"
#include "TestStation.h"
#include "printing/RawPrinterPort.h"
#include "sales/ItemConfirmation.h"
#include "sales/KitchenMonitor.h"
#include "sales/KitchenOrder.h"
#include "sales/KitchenReprint.h"
#include "registers/MultiFlavour.h"
#include "tabs/TabCustomer.h"
#include "sales/TabOpening.h"
#include "sales/TableReports.h"
#include "core/uMensagem.h"

#include <QFile>
#include <atomic>
#include <chrono>
#include <thread>
#include <gtest/gtest.h>

namespace {

Decimal money(std::int64_t cents) { return Decimal::fromCents(cents); }

struct Pizzeria {
    TestStation st;
    Pizzeria()
    {
        seeds::sizes(st.logon(), {QStringLiteral("FAMILIA"), QStringLiteral("MEDIA"), QStringLiteral("GRANDE"),
                                  QStringLiteral("PEQUENA"), QStringLiteral("PESO")});
        // CALABRESA has sizes; MUSSARELA has only its normal price
        seeds::sizedProduct(st.logon(), QStringLiteral("000012"), QStringLiteral("CALABRESA"), money(6000), money(3000),
                            money(4500), money(2000), Decimal(0), QStringLiteral("2"));
        seeds::product(st.logon(), {QStringLiteral("000015"), QStringLiteral("MUSSARELA"), money(4100), QStringLiteral("3")});
        seeds::kit(st.logon(), QStringLiteral("7"), QStringLiteral("COMBO"), money(5000), QStringLiteral("4"));
    }
};

QByteArray readPort(const QString& path)
{
    ClosePrinterPort();
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(MultiFlavourPrice, AverageHighestSizesKitsAndMissingFlavours)
{
    Pizzeria p;
    EXPECT_EQ(MultiFlavour(p.st.logon(), 0).sizeEntries(),
              (QStringList{QStringLiteral("1 FAMILIA"), QStringLiteral("2 MEDIA"), QStringLiteral("3 GRANDE"),
                           QStringLiteral("4 PEQUENA"), QStringLiteral("5 PESO")}));
    struct Case { const char* code; int options; bool sizesVisible; const char* size; std::int64_t cents; int messages; bool sizes; } cases[] = {
        // 30,00 and 41,00: average 35,50; the highest with option bit 64
        {"/15/12/", 0, false, "2 MEDIA", 3550, 0, true},
        {"/15/12/", 64, false, "2 MEDIA", 4100, 0, true},
        // the selector stands on its first entry at entry: CALABRESA counts its FAMILIA price
        {"/15/12/", 0, false, "1 FAMILIA", 5050, 0, true},
        // once the selector shows, that flavour and the later ones take the chosen size
        {"/000012/000015/", 0, false, "3 GRANDE", 4500, 0, true},   // MUSSARELA has no GRANDE: counts 0
        {"/000012/000015/", 64, false, "3 GRANDE", 4500, 0, true},
        // a third code without product: named once, the average over the two found
        {"/12/15/99/", 0, false, "9 X", 3550, 1, true},
        // only characters 2 to 21 are read: a third code past them is no code
        {"/000012/000015/000099/", 0, false, "9 X", 3550, 0, true},
        // kits at the first two positions only
        {"/*7/000015/", 0, false, "", 4550, 0, false},
        {"/000015/000012/*7/", 0, false, "", 3550, 1, true},
        {"/*99/", 0, false, "", 0, 1, false},
        // nothing priced: 0,00 and no division by zero
        {"/000098/000099/", 0, false, "", 0, 2, false},
    };
    for (const Case& c : cases) {
        const FlavourPrice r = MultiFlavour(p.st.logon(), c.options).entryPrice(QString::fromLatin1(c.code), c.sizesVisible,
                                                                                QString::fromLatin1(c.size));
        EXPECT_EQ(r.price, money(c.cents)) << c.code << " " << c.size;
        EXPECT_EQ(r.notFound.size(), c.messages) << c.code;
        EXPECT_EQ(r.showSizes, c.sizes) << c.code;
    }
    const FlavourPrice missing = MultiFlavour(p.st.logon(), 0).entryPrice(QStringLiteral("/000012/000099/"), false, QString());
    EXPECT_EQ(missing.notFound, QStringList{QStringLiteral("|    Codigo não Localizado / Codigo =000099    |")});
    EXPECT_EQ(MultiFlavour(p.st.logon(), 0).entryPrice(QStringLiteral("/*99/"), false, QString()).notFound,
              QStringList{QStringLiteral("|    Kit não Localizado / Codigo =*99    |")});
    EXPECT_EQ(MultiFlavour(p.st.logon(), 0).entryPrice(QStringLiteral("/*7/000015/"), false, QString()).kitchen,
              QStringLiteral("3"));

    // after the size is chosen every flavour takes that column
    EXPECT_EQ(MultiFlavour(p.st.logon(), 0).sizePrice(QStringLiteral("/000012/000015/"), QStringLiteral("1 FAMILIA")).price,
              money(6000));
    EXPECT_EQ(MultiFlavour(p.st.logon(), 0).sizePrice(QStringLiteral("/000012/000015/"), QStringLiteral("2 MEDIA")).price,
              money(3550));
    EXPECT_EQ(MultiFlavour(p.st.logon(), 64).sizePrice(QStringLiteral("/000015/000012/"), QStringLiteral("3 GRANDE")).price,
              money(4500));
    EXPECT_EQ(MultiFlavour(p.st.logon(), 0).sizePrice(QStringLiteral("/000012/000015/"), QStringLiteral("9 X")).price,
              money(3000));   // no such size: the first flavour at VALOR, the others 0
    // a single product
    const std::optional<SizedProduct> single = MultiFlavour(p.st.logon(), 0).product(QStringLiteral("000012"));
    ASSERT_TRUE(single);
    EXPECT_EQ(single->sizePrice(QStringLiteral("3 GRANDE")), money(4500));
    EXPECT_EQ(single->sizePrice(QStringLiteral("x")), std::nullopt);
}

TEST(MultiFlavourPrice, ConfirmingStoresTheFlavourListWithItsDescription)
{
    Pizzeria p;
    p.st.openCashShift(2);
    seeds::waiter(p.st.logon(), 3, QStringLiteral("JOAO"));
    TabOpening(p.st.logon()).open(QStringLiteral("000009"));
    ItemDraft d;
    d.tabKey = QStringLiteral("9");
    d.waiter = QStringLiteral("3");
    d.code = QStringLiteral("/000012/000015/");
    d.quantity = QStringLiteral("1");
    d.kitchen = QStringLiteral("2");
    d.name = QStringLiteral("1/2-CALABRESA 1/2-MUSSARELA");
    d.price = QStringLiteral("35,50");
    d.sizeText = QStringLiteral("3 GRANDE");
    const ConfirmResult r = ItemConfirmation(p.st.logon(), 0, 2).confirm(d);
    ASSERT_EQ(r.status, ConfirmResult::Status::Stored);
    EXPECT_EQ(p.st.count(QStringLiteral("select count(*) from mesa where codigo = '/000012/000015/' and valor = 35.5 "
                                        "and nomep = 'GRANDE  1/2-CALABRESA 1/2-MUSSARELA' and cozinha = '2'")), 1);
}

namespace {

struct Kitchen {
    TestStation st;
    QString port1, port3;
    Kitchen()
    {
        st.openCashShift(4);
        seeds::waiter(st.logon(), 3, QStringLiteral("JOAO"));
        TabOpening(st.logon()).open(QStringLiteral("000007"));
        st.logon().run(QStringLiteral("update cabmesa set vendedor = 3"));
        st.writeFile(QStringLiteral("c:\\Miltrex\\vavoz\\portas.INI"), {QStringLiteral("LPT1"), QStringLiteral("LPT1"),
                                                                        QStringLiteral("LPT2"), QStringLiteral("LPT1"),
                                                                        QStringLiteral("LPT3"), QStringLiteral("LPT1")});
        st.writeFile(QStringLiteral("c:\\Miltrex\\vavoz\\dispositivos.INI"),
                     {QStringLiteral("LPT2=") + st.root() + QStringLiteral("/cozinha1.txt"),
                      QStringLiteral("LPT3=") + st.root() + QStringLiteral("/cozinha3.txt")});
        port1 = st.root() + QStringLiteral("/cozinha1.txt");
        port3 = st.root() + QStringLiteral("/cozinha3.txt");
        for (const QString& path : {port1, port3}) {
            QFile f(path);
            f.open(QIODevice::WriteOnly);
        }
        ClosePrinterPort();
    }
    ~Kitchen() { ClosePrinterPort(); }
};

} // namespace

TEST(KitchenOrderF4, OneTicketPerKitchenOnItsPortAndOnlyPendingItems)
{
    Kitchen k;
    seeds::setup(k.st, {{9, QStringLiteral("0")}, {13, QStringLiteral("Informa porta")}, {18, QStringLiteral("Informa porta")}});
    k.st.writeFile(QStringLiteral("c:\\Miltrex\\vavoz\\pedido.INI"), {QStringLiteral("41")});
    seeds::tabItem(k.st.logon(), QStringLiteral("000007"), QStringLiteral("000010"), QStringLiteral("PICANHA"), Decimal(2),
                   money(4990), QStringLiteral("1"), {QStringLiteral("ao ponto")});
    seeds::tabItem(k.st.logon(), QStringLiteral("000007"), QStringLiteral("000011"), QStringLiteral("QUEIJO"),
                   Decimal::fromThousandths(350), money(1000), QStringLiteral("3"));
    seeds::tabItem(k.st.logon(), QStringLiteral("000007"), QStringLiteral("000013"), QStringLiteral("JA IMPRESSO"), Decimal(1),
                   money(1000), QStringLiteral("0"));

    const KitchenOrderResult r = KitchenOrder(k.st.logon(), 4).print(QStringLiteral("7"));
    EXPECT_TRUE(r.error.isEmpty()) << r.error.toStdString();
    EXPECT_EQ(r.tickets, 2);
    EXPECT_EQ(r.jobs, 2);
    EXPECT_EQ(r.marked, 2);
    const QByteArray first = readPort(k.port1);
    const QByteArray third = readPort(k.port3);
    const QByteArray now = QDateTime::currentDateTime().toString(QStringLiteral("dd/MM/yy")).toLatin1();
    EXPECT_TRUE(first.startsWith("          PEDIDO       :41\r\n-------------------------------------\r\nMESA.:000007\r\n"
                                 "GARCOM :3 JOAO##\r\n" + now)) << first.constData();
    EXPECT_TRUE(first.endsWith("=====================================\r\nQTD  DESCRICAO   \r\n=====================================\r\n"
                               "002 PICANHA\r\n > AO PONTO\r\n- - - - - - - - - - - - - - - - - - -\r\n")) << first.constData();
    EXPECT_TRUE(third.startsWith("          PEDIDO       :42\r\n")) << third.constData();
    EXPECT_TRUE(third.contains("0,350Kg QUEIJO\r\n"));
    EXPECT_FALSE(first.contains("JA IMPRESSO") || third.contains("JA IMPRESSO"));
    EXPECT_EQ(k.st.readFile(QStringLiteral("c:\\Miltrex\\vavoz\\pedido.INI")).value(0), QStringLiteral("43"));
    EXPECT_EQ(k.st.count(QStringLiteral("select count(*) from mesa where cozinha <> '0'")), 0);
    EXPECT_EQ(k.st.count(QStringLiteral("select count(*) from mesa where impressora = '3'")), 1);

    // nothing pending: no ticket, the order number stays
    const KitchenOrderResult again = KitchenOrder(k.st.logon(), 4).print(QStringLiteral("000007"));
    EXPECT_EQ(again.tickets, 0);
    EXPECT_EQ(k.st.readFile(QStringLiteral("c:\\Miltrex\\vavoz\\pedido.INI")).value(0), QStringLiteral("43"));
    EXPECT_TRUE(KitchenOrder(k.st.logon(), 4).print(QStringLiteral("  ")).noTab);
    // keys no tab can have print nothing and fail nothing
    for (const char* key : {"'; delete from mesa; --", "😀", "1234567890123456789012345678901234567890", "-5", "1e20"}) {
        const KitchenOrderResult none = KitchenOrder(k.st.logon(), 4).print(QString::fromUtf8(key));
        EXPECT_EQ(none.tickets, 0) << key;
        EXPECT_TRUE(none.error.isEmpty()) << key;
    }
    EXPECT_EQ(k.st.count(QStringLiteral("select count(*) from mesa")), 3);
    EXPECT_EQ(kitchenmsg::informTab, QStringLiteral(" Informar comanda  "));
}

TEST(KitchenOrderF4, KitchenFiveOnTheMonitorWritesOneRowPerItemAndSlot)
{
    Kitchen k;
    seeds::setup(k.st, {{13, QStringLiteral("Monitor Cozinha")}, {14, QStringLiteral("Monitor Cozinha")}});
    seeds::tabItem(k.st.logon(), QStringLiteral("000007"), QStringLiteral("000010"), QStringLiteral("PICANHA"), Decimal(1),
                   money(4990), QStringLiteral("5"), {QStringLiteral("farofa")});
    seeds::tabItem(k.st.logon(), QStringLiteral("000007"), QStringLiteral("000011"), QStringLiteral("ARROZ"), Decimal(2),
                   money(1000), QStringLiteral("5"));
    const KitchenOrderResult r = KitchenOrder(k.st.logon(), 4).print(QStringLiteral("000007"));
    EXPECT_EQ(r.monitorRows, 4);
    EXPECT_EQ(r.jobs, 0);
    EXPECT_EQ(k.st.count(QStringLiteral("select count(*) from cozinha2 where produto = 'PICANHA' and compl = '(FAROFA/)' "
                                        "and mesa = '000007' and garcom = '3' and caixa = 4 and idmesa is null")), 2);
    EXPECT_EQ(k.st.count(QStringLiteral("select count(*) from cozinha2 where produto = 'ARROZ' and quant = 2 "
                                        "and (compl is null or compl = '')")), 2);
    EXPECT_EQ(k.st.count(QStringLiteral("select count(*) from mesa where cozinha = '0'")), 2);
}

TEST(KitchenOrderF4, ATicketThatFailsLeavesItsItemsPending)
{
    Kitchen k;
    // kitchen 1 prints on a port that is no device; kitchen 3 comes after it
    seeds::setup(k.st, {{13, QStringLiteral("Informa porta")}, {18, QStringLiteral("Informa porta")}});
    k.st.writeFile(QStringLiteral("c:\\Miltrex\\vavoz\\dispositivos.INI"),
                   {QStringLiteral("LPT2=/nonexistent/sabrel22/lp9"), QStringLiteral("LPT3=") + k.port3});
    seeds::tabItem(k.st.logon(), QStringLiteral("000007"), QStringLiteral("000010"), QStringLiteral("PICANHA"), Decimal(1),
                   money(4990), QStringLiteral("1"));
    seeds::tabItem(k.st.logon(), QStringLiteral("000007"), QStringLiteral("000011"), QStringLiteral("QUEIJO"), Decimal(1),
                   money(1000), QStringLiteral("3"));
    const KitchenOrderResult r = KitchenOrder(k.st.logon(), 4).print(QStringLiteral("000007"));
    // Kitchen 1's items are pending again, and the user is told; kitchen 3's ticket went out.
    EXPECT_TRUE(r.error.startsWith(QStringLiteral("O pedido da cozinha 1 não foi impresso; os itens voltaram a ficar "
                                                  "pendentes para o pedido da cozinha.\n"))) << r.error.toStdString();
    EXPECT_TRUE(r.error.contains(QStringLiteral("lp9"))) << r.error.toStdString();
    EXPECT_EQ(r.marked, 1);
    EXPECT_EQ(k.st.count(QStringLiteral("select count(*) from mesa where cozinha = '1'")), 1);
    EXPECT_EQ(k.st.count(QStringLiteral("select count(*) from mesa where cozinha = '3'")), 0);
    EXPECT_TRUE(readPort(k.port3).contains("QUEIJO"));
    // The next F4, once the printer is back, sends kitchen 1's items and nothing else.
    k.st.writeFile(QStringLiteral("c:\\Miltrex\\vavoz\\dispositivos.INI"),
                   {QStringLiteral("LPT2=") + k.port1, QStringLiteral("LPT3=") + k.port3});
    ClosePrinterPort();
    const KitchenOrderResult again = KitchenOrder(k.st.logon(), 4).print(QStringLiteral("000007"));
    EXPECT_TRUE(again.error.isEmpty()) << again.error.toStdString();
    EXPECT_EQ(again.tickets, 1);
    EXPECT_EQ(again.marked, 1);
    EXPECT_TRUE(readPort(k.port1).contains("PICANHA"));
}

namespace {
// A kitchen printer that takes its time with each job, so a second station's F4
// comes while the first one is still printing.
class SlowKitchenOrder : public KitchenOrder {
public:
    using KitchenOrder::KitchenOrder;
    std::atomic<int>* lines = nullptr;
protected:
    void send(const Printout& ticket, PrinterSlot, const RouteOptions&) override
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        for (const QString& l : ticket.lines)
            if (l.startsWith(QStringLiteral("001 ")))
                ++*lines;
    }
};
} // namespace

// Two stations pressing F4 on one tab at once once sent every pending item once
// per station (12 monitor rows for 3 items): the pending items are claimed in one
// action, so each goes to the kitchen once, on the printer and on the monitor.
TEST(KitchenOrderF4, TwoStationsPressingF4OnOneTabSendEachItemOnce)
{
    Kitchen k;
    seeds::setup(k.st, {{13, QStringLiteral("Informa porta")}, {14, QStringLiteral("Monitor Cozinha")}});
    const QString db = TestServer::stationsDatabase(k.st, QStringLiteral("f4"));
    auto seed = attachStation(db, 5);
    if (db != k.st.databasePath()) {
        seeds::waiter(*seed, 3, QStringLiteral("JOAO"));
        TabOpening(*seed).open(QStringLiteral("000007"));
    }
    for (const char* kitchen : {"1", "2", "5"})
        seeds::tabItem(*seed, QStringLiteral("000007"), QStringLiteral("000010"), QStringLiteral("PICANHA"), Decimal(1),
                       money(4990), QString::fromLatin1(kitchen));
    auto a = attachStation(db, 5), b = attachStation(db, 5);
    std::atomic<int> printedLines{0};
    KitchenOrderResult ra, rb;
    const auto press = [&](TLogon* logon, KitchenOrderResult* result) {
        SlowKitchenOrder order(*logon, 4);
        order.lines = &printedLines;
        try {
            *result = order.print(QStringLiteral("000007"));
        } catch (const std::exception& e) {
            ADD_FAILURE() << e.what();
        }
    };
    std::thread ta(press, a.get(), &ra), tb(press, b.get(), &rb);
    ta.join();
    tb.join();
    EXPECT_EQ(ra.marked + rb.marked, 3);
    EXPECT_EQ(ra.tickets + rb.tickets, 3) << "kitchens 1, 2 and 5 once each";
    EXPECT_EQ(printedLines, 2) << "kitchen 1 and kitchen 5's first printer";
    EXPECT_EQ(integerOf(seed->scalar(QStringLiteral("select count(*) from cozinha2"))), 2)
        << "kitchen 2 and kitchen 5's second printer are the monitor";
    EXPECT_EQ(integerOf(seed->scalar(QStringLiteral("select count(*) from mesa where cozinha <> '0'"))), 0);
}

namespace {
// A kitchen order during which another station confirms an item of the same
// kitchen, between the read of the pending items and their marks.
class OrderWithVisitor : public KitchenOrder {
public:
    OrderWithVisitor(TLogon& mine, TLogon& other) : KitchenOrder(mine, 4), m_other(other) {}
    QString visitorItem;
protected:
    void send(const Printout& ticket, PrinterSlot slot, const RouteOptions& options) override
    {
        ItemDraft d;
        d.tabKey = QStringLiteral("000007");
        d.waiter = QStringLiteral("3");
        d.code = QStringLiteral("000010");
        d.quantity = QStringLiteral("1");
        d.kitchen = QStringLiteral("1");
        const ConfirmResult r = ItemConfirmation(m_other, 0, 4).confirm(d);
        visitorItem = QString::number(r.itemId);
        KitchenOrder::send(ticket, slot, options);
    }
private:
    TLogon& m_other;
};
} // namespace

TEST(KitchenOrderF4, AnItemConfirmedByAnotherStationMeanwhileStaysPending)
{
    Kitchen k;
    seeds::setup(k.st, {{5, QStringLiteral("N")}, {13, QStringLiteral("Informa porta")}});
    std::vector<QString> dbs{k.st.databasePath()};
    if (!TestServer::address().isEmpty())
        dbs.push_back(TestServer::address() + QLatin1Char(':') + TestServer::createDatabase(QStringLiteral("pedcozinha")));
    for (const QString& db : dbs) {
        auto mine = std::make_unique<TLogon>();
        auto other = std::make_unique<TLogon>();
        ASSERT_TRUE(mine->connectTo(db) && other->connectTo(db)) << db.toStdString();
        if (db != k.st.databasePath()) {
            seeds::waiter(*mine, 3, QStringLiteral("JOAO"));
            TabOpening(*mine).open(QStringLiteral("000007"));
        }
        seeds::product(*mine, {QStringLiteral("000010"), QStringLiteral("PICANHA"), money(4990), QStringLiteral("1")});
        const qint64 before = seeds::tabItem(*mine, QStringLiteral("000007"), QStringLiteral("000011"), QStringLiteral("QUEIJO"),
                                             Decimal(1), money(1000), QStringLiteral("1"));
        OrderWithVisitor order(*mine, *other);
        const KitchenOrderResult r = order.print(QStringLiteral("000007"));
        EXPECT_TRUE(r.error.isEmpty()) << r.error.toStdString();
        EXPECT_EQ(r.marked, 1) << db.toStdString();
        EXPECT_EQ(integerOf(mine->scalar(QStringLiteral("select cozinha from mesa where id = ?"), {before})), 0);
        EXPECT_EQ(textOf(mine->scalar(QStringLiteral("select cozinha from mesa where id = ?"), {order.visitorItem})),
                  QStringLiteral("1")) << db.toStdString();
        EXPECT_FALSE(readPort(k.port1).contains("001 PICANHA"));
        mine->run(QStringLiteral("delete from produtos"));
    }
}

TEST(KitchenMonitorQueue, DeletesOnlyTheRowsShown)
{
    TestStation st;
    auto add = [&](const char* product) {
        st.logon().run(QStringLiteral("Insert Into cozinha2 (id,hora,mesa,garcom,caixa,produto,quant,compl) "
                                      "values (GEN_ID(COZINHA2,1),'11/12/26 20:00:00','000007','3',1,?,1,'')"),
                       {QString::fromLatin1(product)});
    };
    add("PICANHA");
    add("ARROZ");
    KitchenMonitor monitor(st.logon());
    const std::vector<MonitorRow> shown = monitor.list();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].produto, QStringLiteral("PICANHA"));
    add("FEIJAO");   // another station, after the page was read
    std::vector<qint64> ids;
    for (const MonitorRow& r : shown)
        ids.push_back(r.id);
    EXPECT_EQ(monitor.remove(ids), 2);
    EXPECT_EQ(st.count(QStringLiteral("select count(*) from cozinha2 where produto = 'FEIJAO'")), 1);
    EXPECT_EQ(monitor.remove(shown[0].id), 0);   // deleted already: nothing
    EXPECT_EQ(monitor.list().size(), 1u);
}

TEST(TabCustomerAttach, TheTabTakesTheChosenCustomer)
{
    TestStation st;
    seeds::customer(st.logon(), 55, QStringLiteral("MARIA DAS DORES SILVA"));
    TabOpening(st.logon()).open(QStringLiteral("000007"));
    TabCustomer c(st.logon());
    EXPECT_TRUE(c.attach(QStringLiteral("000007"), QStringLiteral("55")));
    EXPECT_EQ(st.count(QStringLiteral("select count(*) from cabmesa where mesa = '000007' and cliente = 55")), 1);
    EXPECT_EQ(c.nameOfTabCustomer(QStringLiteral("000007")), QStringLiteral("MARIA DAS DORES SILVA"));
    struct Case { const char* tab; const char* code; } refused[] = {
        {"000008", "55"}, {"000007", "56"}, {"000007", "'; delete from cabmesa; --"}, {"000007", "1e20"},
        {"000007", "-5"}, {"", "55"}, {"😀", "55"},
    };
    for (const Case& r : refused)
        EXPECT_FALSE(c.attach(QString::fromUtf8(r.tab), QString::fromUtf8(r.code))) << r.tab << " " << r.code;
    EXPECT_EQ(st.count(QStringLiteral("select count(*) from cabmesa where cliente = 55")), 1);
}

TEST(TableReportsPreview, ClosedSalesAndOpenTabsAggregated)
{
    TestStation st;
    seeds::product(st.logon(), {QStringLiteral("000010"), QStringLiteral("PICANHA"), money(4990)});
    auto sale = [&](const char* code, std::int64_t cents, std::int64_t thousandths, const QVariant& nota) {
        st.logon().run(QStringLiteral("insert into estfic (codigo, data, saida, valor, nfiscal, caixa) values (?, current_date, ?, ?, ?, 4)"),
                       {QString::fromLatin1(code), Decimal::fromThousandths(thousandths), money(cents), SqlValue(nota)});
    };
    sale("000010", 4990, 1000, 5);
    sale("000010", 4990, 2000, 6);
    sale("000010", 3990, 1000, 7);      // another price: another line
    sale("000010", 4990, 9000, QVariant());   // no sale number: not a closed sale
    TabOpening(st.logon()).open(QStringLiteral("000007"));
    TabOpening(st.logon()).open(QStringLiteral("000008"));   // no items: one empty line
    seeds::tabItem(st.logon(), QStringLiteral("000007"), QStringLiteral("000010"), QStringLiteral("PICANHA"),
                   Decimal::fromThousandths(1500), money(4990), QStringLiteral("0"));
    const Printout p = TableReports(st.logon()).openAndClosed(4, QStringLiteral("BAR DO ZE"), QStringLiteral("Caixa N. 0000004  11/12/26"));
    EXPECT_EQ(p.fontSize, 7);
    const QStringList expected = {
        QStringLiteral("RELATORIO VENDA MESAS ABERTAS/FECHADAS"), QString(38, u'='), QStringLiteral("BAR DO ZE"),
        QStringLiteral("Caixa N. 0000004  11/12/26"), QString(38, u'='), QStringLiteral("              FECHADAS"),
        FormatReportItemLine(QStringLiteral("PICANHA"), QStringLiteral("1"), QStringLiteral("39,90"), QStringLiteral("39,90")),
        FormatReportItemLine(QStringLiteral("PICANHA"), QStringLiteral("3"), QStringLiteral("49,90"), QStringLiteral("149,70")),
        FormatItemLine(QString(), QStringLiteral("------------")), FormatItemLine(QString(), QStringLiteral("      189,60")),
        QStringLiteral("              ABERTAS"),
        // the empty tab's line goes in front of the line handled before it
        FormatReportItemLine(QString(), QStringLiteral("0"), QStringLiteral("0,00"), QStringLiteral("0,00")),
        FormatReportItemLine(QStringLiteral("PICANHA"), QStringLiteral("1,5"), QStringLiteral("49,90"), QStringLiteral("74,85")),
        FormatItemLine(QString(), QStringLiteral("------------")), FormatItemLine(QString(), QStringLiteral("       74,85")),
        FormatItemLine(QStringLiteral("TOTAL GERAL  "), QStringLiteral("      264,45")), QString(38, u'='),
    };
    EXPECT_EQ(p.lines, expected);
    const Printout open = TableReports(st.logon()).openOnly(QStringLiteral("BAR DO ZE"), QStringLiteral("Caixa"));
    EXPECT_EQ(open.lines.last(), FormatItemLine(QString(), QStringLiteral("       74,85")));
}

TEST(KitchenReprintTickets, ChosenItemsPerKitchenWithoutChangingTheTab)
{
    Kitchen k;
    seeds::setup(k.st, {{9, QStringLiteral("0")}, {13, QStringLiteral("Informa porta")}, {14, QStringLiteral("Monitor Cozinha")},
                        {18, QStringLiteral("Informa porta")}});
    k.st.writeFile(QStringLiteral("c:\\Miltrex\\vavoz\\pedido.INI"), {QStringLiteral("41")});
    seeds::tabItem(k.st.logon(), QStringLiteral("000007"), QStringLiteral("000010"), QStringLiteral("PICANHA"), Decimal(2),
                   money(4990), QStringLiteral("5"), {QStringLiteral("farofa")});
    seeds::tabItem(k.st.logon(), QStringLiteral("000007"), QStringLiteral("000011"), QStringLiteral("QUEIJO"),
                   Decimal::fromThousandths(350), money(1000), QStringLiteral("3"));
    seeds::tabItem(k.st.logon(), QStringLiteral("000007"), QStringLiteral("000012"), QStringLiteral("SEM COZINHA"), Decimal(1),
                   money(1000), QStringLiteral("0"));
    k.st.logon().run(QStringLiteral("update mesa set cozinha = '0'"));
    KitchenReprint reprint(k.st.logon(), 4);
    std::vector<ReprintRow> rows = reprint.load(QStringLiteral("000007"));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].complementText(), QStringLiteral("farofa / "));
    for (ReprintRow& r : rows)
        r.chosen = true;
    const ReprintResult r = reprint.print(QStringLiteral("7"), rows);
    EXPECT_TRUE(r.error.isEmpty()) << r.error.toStdString();
    EXPECT_EQ(r.tickets, 2);   // kitchen 0 is never printed
    const QByteArray first = readPort(k.port1);
    EXPECT_TRUE(first.startsWith("     PEDIDO       : REIMPRESSAO\r\n")) << first.constData();
    EXPECT_TRUE(first.endsWith("2 PICANHA\r\n > FAROFA\r\n- - - - - - - - - - - - - - - - - - -\r\n")) << first.constData();
    EXPECT_TRUE(readPort(k.port3).contains("0,35 QUEIJO\r\n"));
    // kitchen 5's second slot reads the monitor: the reprint shows there
    EXPECT_EQ(k.st.count(QStringLiteral("select count(*) from cozinha2 where produto = 'REIMPRESSAO PICANHA'")), 1);
    EXPECT_EQ(k.st.count(QStringLiteral("select count(*) from mesa where cozinha <> '0'")), 0);
    EXPECT_EQ(k.st.readFile(QStringLiteral("c:\\Miltrex\\vavoz\\pedido.INI")).value(0), QStringLiteral("41"));
    EXPECT_TRUE(reprint.print(QString(), rows).noTab);
}
