// The counter sale in memory: the grid's insert-before order, deleting with the
// kitchen line, the scale label that carries an amount, the payment panel's sums,
// the amount checks, an item line that does not convert, and the two printouts.
#include "closing/TabClosing.h"   // ClosingRefused
#include "sales/CounterClosing.h"
#include "sales/CounterEntry.h"
#include "sales/CounterSale.h"
#include "core/uMensagem.h"

#include <gtest/gtest.h>

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }
Decimal D(const char* s) { return *Decimal::parse(QString::fromLatin1(s)); }

CounterItem item(const char* code, const char* price = "10", const char* quantity = "1", const char* kitchen = "0")
{
    CounterItem i;
    i.code = S(code);
    i.name = S(code);
    i.price = D(price);
    i.quantity = D(quantity);
    i.kitchen = S(kitchen);
    return i;
}

QStringList codes(const CounterSale& s)
{
    QStringList out;
    for (const CounterItem& i : s.items())
        out << i.code;
    return out;
}

} // namespace

TEST(CounterSaleList, KeepsTheInsertBeforeOrderAndDeletesTheCurrentRow)
{
    CounterSale s;
    s.insertItem(item("A"));
    s.insertItem(item("B"));
    s.insertItem(item("C"));
    EXPECT_EQ(codes(s), (QStringList{S("B"), S("C"), S("A")}));
    s.select(0);   // B chosen in the grid
    s.insertItem(item("D"));
    EXPECT_EQ(codes(s), (QStringList{S("D"), S("B"), S("C"), S("A")}));
    ASSERT_TRUE(s.removeCurrent());   // the list stands on its last row: A
    EXPECT_EQ(codes(s), (QStringList{S("D"), S("B"), S("C")}));
    EXPECT_EQ(s.total(), D("30"));
    while (s.removeCurrent()) {
    }
    EXPECT_EQ(s.total(), Decimal());
    EXPECT_FALSE(s.removeCurrent());
}

TEST(CounterSaleList, DeletingAnItemTakesItsFirstKitchenLineOrNone)
{
    CounterSale s;
    s.insertItem(item("000001", "5", "2", "1"));
    s.addKitchenLine({S("2 X"), QString(), S("1"), S("000001"), D("2")});
    s.addKitchenLine({S("2 X"), QString(), S("1"), S("000001"), D("2")});
    s.insertItem(item("000002", "5", "1", "3"));   // its line went missing: still deleted
    s.select(0);
    ASSERT_TRUE(s.removeCurrent());
    EXPECT_EQ(s.kitchenLines().size(), 2u);
    ASSERT_TRUE(s.removeCurrent());
    EXPECT_EQ(s.kitchenLines().size(), 1u);
}

TEST(CounterSaleList, ASecondAmountForAMethodReplacesTheFirst)
{
    CounterSale s;
    s.setMethods({{1, S("Dinheiro"), S("S"), {}}, {2, S("Cartao"), S("N"), {}}});
    EXPECT_TRUE(s.record(1, D("30")));
    EXPECT_TRUE(s.record(1, D("25")));
    EXPECT_TRUE(s.record(2, D("20")));
    EXPECT_FALSE(s.record(9, D("1")));
    EXPECT_FALSE(s.record(0, D("1")));
    EXPECT_EQ(s.paid(), D("45"));
    s.clear();
    EXPECT_EQ(s.paid(), Decimal());
    EXPECT_EQ(s.methods().size(), 2u);
}

TEST(CounterScale, TheLabelCarriesTheProductAndTheAmount)
{
    const auto l = parseCounterScaleLabel(S("2012399012508"));
    ASSERT_TRUE(l);
    EXPECT_EQ(l->code, S("000123"));
    ASSERT_TRUE(l->amount);
    EXPECT_EQ(*l->amount, D("12,5"));
    EXPECT_EQ(counterScaleQuantity(*l->amount, D("5")).value_or(QString()), S("   2,500"));
    EXPECT_FALSE(counterScaleQuantity(*l->amount, Decimal()));
    EXPECT_FALSE(parseCounterScaleLabel(S("1012399012508")));   // an ordinary code
    EXPECT_FALSE(parseCounterScaleLabel(S("201239901250")));    // 12 characters
    const auto letters = parseCounterScaleLabel(S("2AB1299X12508"));
    ASSERT_TRUE(letters);
    EXPECT_EQ(letters->code, S("AB12"));
    EXPECT_FALSE(letters->amount);
}

TEST(CounterPanel, BalanceDiscountAndChecks)
{
    struct Case { const char* purchase; const char* paid; const char* discount; const char* word; const char* amount; };
    for (const Case& c : {Case{"50", "40", "5", "Falta", "5"}, Case{"50", "60", "5", "Troco", "15"},
                          Case{"50", "45", "5", "Falta", "0"}}) {
        const CounterBalance b = counterBalance(D(c.purchase), D(c.paid), D(c.discount));
        EXPECT_EQ(b.word, S(c.word)) << c.paid;
        EXPECT_EQ(b.amount, D(c.amount)) << c.paid;
    }
    EXPECT_EQ(discountFromPercent(D("35"), D("10")), D("3,5"));

    CounterSale s;
    s.setMethods({{1, S("Dinheiro"), S("S"), {}}});
    s.insertItem(item("A", "50"));
    s.record(1, D("44,99"));
    try {
        CounterClosing::check(s, D("5"));
        ADD_FAILURE() << "underpaid sale accepted";
    } catch (const ClosingRefused& e) {
        EXPECT_EQ(e.message(), S("   Valor Informado a menor   "));
    }
    s.record(1, D("45"));
    EXPECT_NO_THROW(CounterClosing::check(s, D("5")));

    // What the cashier types for a discount or a queue number.
    for (const char* t : {"abc", "-5", "1e20", "99999999999999999999", "' or 1=1 --", ""})
        EXPECT_EQ(CounterClosing::discountOf(S(t)), Decimal()) << t;
    EXPECT_EQ(CounterClosing::discountOf(S("2,50")), D("2,5"));
    for (const char* t : {"x", "-3", "7.5", "😀"})
        EXPECT_EQ(CounterClosing::queueOf(S(t)), 0) << t;
    EXPECT_EQ(CounterClosing::queueOf(S("7")), 7);
}

TEST(CounterEntryLine, AnItemThatDoesNotConvertAddsNothing)
{
    struct Case { const char* code; const char* price; const char* quantity; bool added; };
    const Case cases[] = {
        {"000001", "10,00", "1", true},
        {"", "10,00", "1", false},
        {"000001", "abc", "1", false},
        {"000001", "10,00", "x", false},
        {"000001", "1e20", "1", false},
        {"000001", "10,00", "1e20", false},
        {"000001", "-1", "1", false},
        {"000001", "10,00", "-2", false},
        {"000001", "10,00", "0", false},
        {"000001", "'; drop table MESA; --", "1", false},
    };
    for (const Case& c : cases) {
        CounterDraft d;
        d.code = S(c.code);
        d.name = S("X");
        d.price = S(c.price);
        d.quantity = S(c.quantity);
        d.kitchen = S("1");
        const CounterConfirm r = CounterEntry::build(d, S("Complementos"), false);
        EXPECT_EQ(r.added, c.added) << c.code << " " << c.price << " " << c.quantity;
        if (!r.added) {
            EXPECT_FALSE(r.message.isEmpty());
        }
    }
    CounterDraft d;
    d.code = S("000001");
    d.name = S("PIZZA");
    d.price = S("10,00");
    d.complementValue = S("2,50");
    d.quantity = S("2,5");
    d.kitchen = S("9");   // no such kitchen: none
    d.hasSizes = true;
    d.sizeText = S("3GRANDE");
    const CounterConfirm r = CounterEntry::build(d, S("AV000004"), true);
    ASSERT_TRUE(r.added);
    EXPECT_EQ(r.item.price, D("12,5"));
    EXPECT_EQ(r.item.name, S("GRANDE-PIZZA"));
    EXPECT_EQ(r.item.kitchen, S("0"));
    EXPECT_EQ(r.tickets, 3);
    EXPECT_FALSE(r.kitchenLine);
    d.kitchen = S("5");
    const CounterConfirm k = CounterEntry::build(d, S("AV000004"), false);
    ASSERT_TRUE(k.kitchenLine);
    EXPECT_EQ(k.kitchenLine->product, S("2,5 GRANDE-PIZZA"));
    EXPECT_EQ(k.kitchenLine->kitchen, S("5"));
}

TEST(CounterPrintouts, ReceiptWithDiscountPaymentsAndChange)
{
    CounterPrintData d;
    d.companyName = S("BAR");
    d.saleNumber = S("000123");
    d.now = QDateTime(QDate(2026, 3, 14), QTime(12, 30, 5));
    d.discount = D("5");
    d.balance = counterBalance(D("50"), D("60"), D("5"));
    d.methods = {{1, S("Dinheiro"), S("S"), D("60")}, {2, S("Cartao"), S("N"), {}}};
    d.feedLines = 2;
    CounterItem i = item("000001", "25", "2");
    i.name = S("PIZZA");
    const Printout p = composeCounterReceipt(d, {i});
    const QStringList& l = p.lines;
    ASSERT_GE(l.size(), 20);
    EXPECT_EQ(l[4], S(" Cupom:000123"));
    EXPECT_EQ(l[5], S("14/03/26  -  12:30:05"));
    EXPECT_EQ(l[7], S("DESCRICAO          QTD  VALOR  TOTAL"));
    const int total = int(l.indexOf(S("====================================")));
    ASSERT_GT(total, 0);
    EXPECT_EQ(l[total + 1], PadRight(S("Total"), 24) + S("       50,00"));
    EXPECT_TRUE(l[total + 2].startsWith(S("Descontos")));
    EXPECT_TRUE(l[total + 2].endsWith(S("5,00")));
    EXPECT_EQ(l[total + 4], PadRight(S("Total"), 24) + S("       45,00"));
    EXPECT_EQ(l[total + 5], PadRight(S("Dinheiro"), 24) + S("       60,00"));
    EXPECT_EQ(l[total + 6], PadRight(S("Troco"), 24) + S("       15,00"));
    EXPECT_EQ(l.last(), S("."));
    d.queueNumber = 7;
    EXPECT_EQ(composeCounterReceipt(d, {i}).lines[4], S(" Cupom:000123   Senha..:7"));
}

TEST(CounterPrintouts, KitchenTicketCutsLongNamesAndComplements)
{
    CounterPrintData d;
    d.title = S("MESA");
    d.now = QDateTime(QDate(2026, 3, 14), QTime(12, 30, 5));
    d.feedLines = 1;
    const QString name = S("1 ") + QString(78, QLatin1Char('N'));   // 80 characters
    const QString obs = QString(30, QLatin1Char('a')) + S(" ") + QString(30, QLatin1Char('b')) + S("cccccccccc");
    const Printout p = composeCounterKitchenTicket(d, {{name, obs, S("1"), S("000001"), D("1")}});
    const QStringList& l = p.lines;
    EXPECT_EQ(l[0], S("         BALCAO - SENHA.:0"));
    EXPECT_EQ(l[2], S("MESA.: BALCAO"));
    EXPECT_EQ(l[7], name.left(37));
    EXPECT_EQ(l[8], name.mid(36, 37));
    EXPECT_EQ(l[9], name.mid(73));
    EXPECT_EQ(l[10], S(" > ") + QString(30, QLatin1Char('a')));
    EXPECT_EQ(l[11], S(" > ") + QString(30, QLatin1Char('b')));
    EXPECT_EQ(l[12], S(" > cccccccccc"));
    EXPECT_EQ(l[13], QString());
}
