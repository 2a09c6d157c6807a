// Every writer of the stock ledger keeps the totals beside it true: sales (a kit
// among the items), a delivery invoice, a cancellation, an entry invoice, a manual
// movement, the supervisor's ledger edit and delete, the product import, the stock
// reset and the fold, in an order drawn at random, by two stations on one database
// (the station's file, and the test server's when there is one). After every step
// the kept totals, folded and waiting, are what the rows sum to.
#include "RegisterSeeds.h"
#include "SeedValues.h"
#include "StockSeeds.h"
#include "TestStation.h"
#include "closing/SaleWriter.h"
#include "db/LedgerTotals.h"
#include "exchange/ProductImport.h"
#include "cashoffice/SaleCancellation.h"
#include "registers/DataReset.h"
#include "stock/EntryInvoice.h"
#include "stock/LedgerEdit.h"
#include "stock/StockMovement.h"

#include <QRandomGenerator>
#include <functional>
#include <gtest/gtest.h>

using seeds::D;

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

const QDate kShiftDay(2026, 3, 14);
const QStringList kProducts = {S("000001"), S("000002"), S("000003")};
const QString kKit = S("000010");

struct Writers {
    TLogon& a;
    TLogon& b;
    QRandomGenerator& dice;
    qint64 saleNumber = 7000;
    int invoiceNumber = 100;
    std::vector<qint64> sales;   // written, not cancelled

    TLogon& anyStation() { return dice.bounded(2) ? a : b; }
    QString anyProduct() { return kProducts.at(int(dice.bounded(kProducts.size()))); }
    QDate anyDay() { return kShiftDay.addDays(int(dice.bounded(-40, 40))); }

    void sale(bool withKit, bool delivery)
    {
        TLogon& l = anyStation();
        Sale s;
        s.number = ++saleNumber;
        s.date = anyDay();
        s.cashShift = 1;
        s.terminal = 1;
        s.customerName = S("CONSUMIDOR");
        s.changeName = s.customerName;
        s.customerText = S("1");
        s.dueDate = s.date;
        s.items.push_back({0, anyProduct(), S("ITEM"), D("2"), D("8,50"), QString()});
        s.items.push_back({0, anyProduct(), S("ITEM"), D("1,250"), D("3,33"), QString()});
        if (withKit)
            s.items.push_back({0, S("*") + kKit, S("COMBO"), D("1"), D("20"), QString()});
        Decimal value;
        for (const SaleItem& i : s.items)
            value += (i.quantity * i.price).roundTo(2);
        s.saleValue = value;
        s.payments = {SalePayment{1, S("Dinheiro"), value, true, false}};
        if (delivery) {
            // as the delivery desk's invoice describes its sale
            s.saleType = 3;
            s.deliverySale = true;
            s.explodeKits = false;
            s.namedStockRows = true;
            s.receivableTitles = true;
            s.numberText = QStringLiteral("%1").arg(s.number, 6, 10, QLatin1Char('0'));
        }
        l.action([&] { SaleWriter(l).write(s); });
        sales.push_back(s.number);
        dates[s.number] = s.date;
    }

    void cancellation()
    {
        if (sales.empty())
            return sale(true, false);
        const size_t k = dice.bounded(quint32(sales.size()));
        const qint64 number = sales[k];
        sales.erase(sales.begin() + qsizetype(k));
        SaleCancellation(anyStation())
            .cancel({QString(), QString::number(number), dates[number].toString(S("dd/MM/yy")), S("1"), S("CHEFE")});
    }

    void entryInvoice()
    {
        invoice::EntryInvoice inv(anyStation());
        inv.addTyped({anyProduct(), S("12"), S("4,10"), {}, {}});
        inv.addTyped({anyProduct(), S("3,5"), S("7"), {}, {}});
        inv.process({QString::number(++invoiceNumber), anyDay().toString(S("dd/MM/yy")), QString()}, kShiftDay);
    }

    void manualMovement()
    {
        movement::Typed t;
        t.code = anyProduct();
        t.date = anyDay().toString(S("dd/MM/yy"));
        t.history = S("AJUSTE");
        t.kind = dice.bounded(2) ? S("1") : S("0");
        t.quantity = S("2,5");
        movement::StockMovement(anyStation()).confirm(t, kShiftDay);
    }

    qint64 anyRow()
    {
        RowSet r = a.run(S("select id from estfic order by id"));
        if (r.size() == 0)
            return 0;
        r.seek(int(dice.bounded(r.size())));
        return r.integer(u"ID");
    }

    void ledgerEdit()
    {
        const qint64 id = anyRow();
        if (id == 0)
            return manualMovement();
        // another day (maybe another month), other quantities
        ledgeredit::LedgerEdit(anyStation())
            .change(id, {anyDay().toString(S("dd/MM/yy")), S("CORRIGIDO"), dice.bounded(2) ? S("3") : QString(), S("1,5")});
    }

    void ledgerDelete()
    {
        const qint64 id = anyRow();
        if (id != 0)
            ledgeredit::LedgerEdit(anyStation()).remove(id);
    }

    void productImport()
    {
        ProductImport::write(anyStation(), {{anyProduct(), S("IMPORTADO"), S("UN"), D("9"), D("4")},
                                            {S("000099"), S("NOVO"), S("UN"), D("2"), D("1")}});
    }

    void stockReset() { dataReset::run(anyStation(), {S("N"), S("S"), S("N"), S("N"), S("N")}); }

    void fold() { ledgertotals::fold(anyStation()); }

    std::map<qint64, QDate> dates;
};

void seed(TLogon& l)
{
    int n = 0;
    for (const QString& code : kProducts)
        seeds::addProduct(l, code, S("PRODUTO ") + code, D("8,50"), D("3,10") + Decimal(++n));
    l.run(S("insert into produtos (id, codigo, nome, composicao, valor) values (GEN_ID(PRODUTOS,1), ?, 'COMBO', 'S', 20)"),
          {kKit});
    seeds::addKitComponent(l, kKit, kProducts[0], S("A"), D("2"));
    seeds::addKitComponent(l, kKit, kProducts[1], S("B"), D("0,5"));
    seeds::addLedgerRow(l, kProducts[0], kShiftDay.addDays(-60), D("100"), std::nullopt, S("ESTOQUE INICIAL"));
    l.run(S("insert into ESTFIC (ID, CODIGO, HISTORICO, ENTRADA) values (GEN_ID(ESTFIC,1), ?, 'SEM DATA', 10)"),
          {kProducts[2]});
}

} // namespace

TEST(LedgerTotalsWriters, EveryWriterInAnyOrderKeepsTheTotalsEqualToTheRows)
{
    TestStation st;
    for (const QString& db : twoStationDatabases(st, QStringLiteral("totais"))) {
        SCOPED_TRACE(db.toStdString());
        auto a = attachStation(db), b = attachStation(db);
        seed(*a);
        const quint32 seedValue = QRandomGenerator::global()->generate();
        SCOPED_TRACE(QStringLiteral("semente %1").arg(seedValue).toStdString());
        QRandomGenerator dice(seedValue);
        Writers w{*a, *b, dice};
        const std::vector<std::pair<const char*, std::function<void()>>> steps = {
            {"venda", [&] { w.sale(false, false); }},
            {"venda com kit", [&] { w.sale(true, false); }},
            {"fatura de delivery", [&] { w.sale(true, true); }},
            {"cancelamento", [&] { w.cancellation(); }},
            {"nota de entrada", [&] { w.entryInvoice(); }},
            {"movimento manual", [&] { w.manualMovement(); }},
            {"alteração de lançamento", [&] { w.ledgerEdit(); }},
            {"exclusão de lançamento", [&] { w.ledgerDelete(); }},
            {"importação de produtos", [&] { w.productImport(); }},
            {"zerar o estoque", [&] { w.stockReset(); }},
            {"dobra dos totais", [&] { w.fold(); }},
        };
        // every writer at least once, then as many drawn at random
        std::vector<size_t> order;
        for (size_t i = 0; i < steps.size(); ++i)
            order.push_back(i);
        for (size_t i = 0; i < 3 * steps.size(); ++i)
            order.push_back(dice.bounded(quint32(steps.size())));
        for (size_t i = order.size() - 1; i > 0; --i)
            std::swap(order[i], order[dice.bounded(quint32(i + 1))]);
        for (size_t k : order) {
            SCOPED_TRACE(steps[k].first);
            steps[k].second();
            const auto off = ledgertotals::differences(*b);
            ASSERT_TRUE(off.empty()) << off.front().code.toStdString() << " " << off.front().keptStock.toString().toStdString()
                                     << " != " << off.front().rowsStock.toString().toStdString();
        }
        ledgertotals::fold(*a);
        EXPECT_TRUE(ledgertotals::differences(*a).empty());
        EXPECT_EQ(ledgertotals::waiting(*a), 0);
    }
}
