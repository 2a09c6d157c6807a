#include "ClosingSeeds.h"

namespace seeds {

void openTab(TLogon& l, const QString& tab, int waiter, int customer, const Decimal& advance,
             const QString& advanceMethod, const Decimal& delivery, int status)
{
    l.run(QStringLiteral("INSERT INTO CABMESA (MESA, VENDEDOR, CLIENTE, VALOR, PAGAMENTOANTI, DELIVERY, STATUS, "
                         "DATA, HORA, CLIMESA, TAXA, COUVER) VALUES (?, ?, ?, ?, ?, ?, ?, CURRENT_DATE, "
                         "'12:30:00', 0, 'S', 'S')"),
          {tab, waiter, customer, advance, advanceMethod.isEmpty() ? QVariant() : QVariant(advanceMethod), delivery,
           status});
}

qint64 addItem(TLogon& l, const QString& tab, const QString& code, const QString& name, const Decimal& quantity,
               const Decimal& price, int waiter)
{
    RowSet rs = l.run(QStringLiteral("INSERT INTO MESA (MESA, CODIGO, NOMEP, QUANT, VALOR, VEND, COZINHA) "
                                     "VALUES (?, ?, ?, ?, ?, ?, '0') RETURNING ID"),
                      {tab, code, name, quantity, price, waiter});
    rs.next();
    return rs.integer(u"ID");
}

void addKitchenRow(TLogon& l, const QString& tab)
{
    l.run(QStringLiteral("INSERT INTO COZINHA2 (ID, MESA, PRODUTO, QUANT) VALUES (GEN_ID(COZINHA2,1), ?, 'X', 1)"),
          {tab});
}

void addKitComponent(TLogon& l, const QString& kit, const QString& component, const Decimal& quantity)
{
    l.run(QStringLiteral("INSERT INTO KITPROD (ID, CODIGO, CODPROD, QUANT) VALUES (GEN_ID(KITPROD,1), ?, ?, ?)"),
          {kit, component, quantity});
}

void addSaleCustomer(TLogon& l, int code, const QString& name, const QString& blocked, double points)
{
    l.run(QStringLiteral("INSERT INTO CLIENTES (CODIGO, NOME, BLOQUEIO, FIDELIDADE, LIMITE) VALUES (?, ?, ?, ?, 0)"),
          {code, name, blocked, Decimal::fromCents(qint64(points * 100))});
}

void addWaiter(TLogon& l, int code, const QString& name)
{
    l.run(QStringLiteral("INSERT INTO VENDEDOR (CODIGO, NOME) VALUES (?, ?)"), {code, name});
}

ClosingRequest consumerClosing(const QString& tab, std::vector<SalePayment> payments, const QDate& dueDate)
{
    ClosingRequest r;
    r.tab = tab;
    r.joinedTabs = {tab};
    r.persons = 1;
    r.payments = std::move(payments);
    r.customerName = QStringLiteral("CLIENTE CONSUMIDOR");
    r.tabCaption = tab + QStringLiteral(" - CLIENTE CONSUMIDOR");
    r.dueDate = dueDate;
    return r;
}

} // namespace seeds
