#pragma once
// The counter sale the closing benchmarks ring up: ten items (kit K1, a two-flavour
// pizza of 000101 and 000102, products 000001..000008) paid with cash 50 and card
// 80, for the walk-in consumer; sold from the catalogue of BenchCatalogue.h.
#include "sales/CounterClosing.h"
#include "sales/CounterSale.h"

inline CounterSale benchCounterSale()
{
    const auto D = [](const char* t) { return *Decimal::parse(QString::fromLatin1(t)); };
    const auto S = [](const char* t) { return QString::fromUtf8(t); };
    CounterSale s;
    s.setMethods({{1, S("Dinheiro"), S("S"), {}}, {2, S("Cartao"), S("S"), {}}});
    auto item = [&](const QString& code, const char* name, const char* q, const char* v, const char* kitchen) {
        CounterItem i;
        i.code = code;
        i.name = S(name);
        i.quantity = D(q);
        i.price = D(v);
        i.kitchen = S(kitchen);
        s.insertItem(i);
        if (i.kitchen != QLatin1String("0"))
            s.addKitchenLine({counterKitchenText(i.quantity, i.name), QString(), i.kitchen, i.code, i.quantity});
    };
    item(S("*K1"), "COMBO 1", "1", "25", "0");
    item(S("/000101/000102/"), "1/2-MUSSARELA 1/2-CALABRESA", "1", "45", "0");
    for (int i = 0; i < 8; ++i)
        item(QStringLiteral("%1").arg(1 + i, 6, 10, QLatin1Char('0')), "PRODUTO", "1", "7,5", "0");
    s.record(1, D("50"));
    s.record(2, D("80"));
    return s;
}

// The closing of `sale` as the counter window asks it: no discount, the consumer, queue 5.
inline CounterClosingRequest benchCounterRequest(CounterSale& sale)
{
    CounterClosingRequest r;
    r.sale = &sale;
    r.discount = QStringLiteral("0");
    r.customerCode = QStringLiteral("1");
    r.customerName = QStringLiteral("CONSUMIDOR");
    r.queueNumber = QStringLiteral("5");
    return r;
}
