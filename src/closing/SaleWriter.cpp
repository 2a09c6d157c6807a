#include "closing/SaleWriter.h"

#include "closing/BillComputation.h"
#include "db/SqlBatches.h"
#include "core/FormatFloat.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "registers/MultiFlavour.h"
#include "registers/RegisterCommon.h"

#include <QSet>
#include <algorithm>
#include <map>
#include <set>

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

constexpr int kCodeWidth = 14;        // PRODUTOS.CODIGO, ESTFIC.CODIGO
constexpr int kKitCodeWidth = 10;     // KITPROD.CODIGO
constexpr int kHistoryWidth = 29;
constexpr int kNamedHistoryWidth = 39;    // "Cli:" and the customer's name
constexpr int kHoraWidth = 20;            // RECARQ.HORA, FATURA.HORA
constexpr int kSaleCustomerWidth = 30;    // FATURA.CLIENTE
constexpr int kExpenseHistoryWidth = 40;  // DESPLOJA.HISTORICO

QString priceText(const Decimal& price) { return FormatFloat(u"0.###", price); }

using sqlbatch::inPlaces;

template <class F>
void inBatches(const QStringList& codes, F&& each) { sqlbatch::forEachBatch(codes, each); }

struct Product {
    bool kit = false;
    Decimal valor, custo;
};

struct Component {
    QString code;
    Decimal quantity;
};

QString stripKit(const QString& code) { return code.startsWith(QLatin1Char('*')) ? code.mid(1) : code; }

} // namespace

// The products and kit compositions a sale's stock-out needs, read a batch at a time.
class SaleWriter::Catalogue {
public:
    explicit Catalogue(TLogon& l) : m_logon(l) {}

    void loadProducts(QStringList codes)
    {
        QStringList wanted;
        for (const QString& c : codes)
            if (!c.isEmpty() && c.size() <= kCodeWidth && !m_asked.contains(c) && !wanted.contains(c))
                wanted << c;
        for (const QString& c : wanted)
            m_asked.insert(c);
        inBatches(wanted, [&](const Params& p) {
            RowSet rs = m_logon.run(QStringLiteral("SELECT CODIGO, COMPOSICAO, VALOR, CUSTO FROM PRODUTOS "
                                                   "WHERE CODIGO IN ") + inPlaces(), p);
            while (rs.next()) {
                const QString code = rs.text(u"CODIGO");
                if (m_products.count(code))
                    continue;   // the first row of a code, as a lookup finds it
                m_products[code] = Product{rs.text(u"COMPOSICAO") == QLatin1String("S"),
                                           rs.decimal(u"VALOR"), rs.decimal(u"CUSTO")};
            }
        });
    }

    void loadKits(const QStringList& codes)
    {
        QStringList wanted;
        for (const QString& c : codes)
            if (!c.isEmpty() && c.size() <= kKitCodeWidth && !m_kits.count(c) && !wanted.contains(c))
                wanted << c;
        for (const QString& c : wanted)
            m_kits[c];
        inBatches(wanted, [&](const Params& p) {
            RowSet rs = m_logon.run(QStringLiteral("SELECT CODIGO, CODPROD, QUANT FROM KITPROD WHERE CODIGO IN ")
                                        + inPlaces() + QStringLiteral(" ORDER BY ID"), p);
            while (rs.next())
                m_kits[rs.text(u"CODIGO")].push_back({rs.text(u"CODPROD"), rs.decimal(u"QUANT")});
        });
    }

    // Everything the stock-out of the sale's items needs: their products, the kits
    // among them (flavours always; plain items when kits explode) and the products of
    // the kits among the flavours.
    void loadFor(const Sale& sale)
    {
        const auto kitCode = [&](const QString& code) { return sale.explodeKits ? stripKit(code) : code; };
        QStringList codes, kits, explodable;   // explodable: flavours always, plain items when kits explode
        for (const SaleItem& i : sale.items) {
            if (i.code.startsWith(QLatin1Char('/'))) {
                codes << flavourCodesOf(i.code);
                explodable << flavourCodesOf(i.code);
            } else {
                codes << kitCode(i.code);
                if (sale.explodeKits)
                    explodable << kitCode(i.code);
            }
        }
        loadProducts(codes);
        for (const QString& c : explodable)
            if (const Product* p = product(c); p && p->kit)
                kits << c;
        loadKits(kits);
        QStringList flavourComponents;
        for (const SaleItem& i : sale.items)
            if (i.code.startsWith(QLatin1Char('/')))
                for (const QString& f : flavourCodesOf(i.code))
                    if (const Product* p = product(f); p && p->kit)
                        for (const Component& c : components(f.trimmed()))
                            flavourComponents << c.code;
        loadProducts(flavourComponents);
    }

    const Product* product(const QString& code) const
    {
        auto it = m_products.find(code);
        return it == m_products.end() ? nullptr : &it->second;
    }
    Product productOrEmpty(const QString& code) const
    {
        const Product* p = product(code);
        return p ? *p : Product{};
    }
    const std::vector<Component>& components(const QString& code) const
    {
        static const std::vector<Component> none;
        auto it = m_kits.find(code);
        return it == m_kits.end() ? none : it->second;
    }

private:
    TLogon& m_logon;
    QSet<QString> m_asked;
    std::map<QString, Product> m_products;
    std::map<QString, std::vector<Component>> m_kits;
};

std::vector<std::pair<int, Decimal>> SaleWriter::serviceByWaiter(const Sale& sale)
{
    std::map<QString, Decimal> byText;   // ordered by the waiter's text
    for (const SaleItem& i : sale.items)
        byText[i.waiter.trimmed()] += i.quantity * i.price;
    std::vector<std::pair<int, Decimal>> out;
    if (byText.empty()) {
        out.push_back({sale.waiter, sale.service.roundTo(2)});
        return out;
    }
    std::vector<Decimal> weights;
    for (const auto& [text, sum] : byText)
        weights.push_back(sum);
    const std::vector<Decimal> parts = BillComputation::splitCents(sale.service, weights);
    size_t k = 0;
    for (const auto& [text, sum] : byText)
        out.push_back({text.toInt(), parts[k++]});
    return out;
}

SaleWriter::SaleWriter(TLogon& logon) : m_logon(logon) {}

SaleWriter::~SaleWriter() = default;

void SaleWriter::write(const Sale& sale)
{
    if (sale.serviceRowsFirst)
        writeServiceRows(sale);
    writePayments(sale);
    writeLoyalty(sale);
    writeSaleRow(sale);
    if (!sale.serviceRowsFirst)
        writeServiceRows(sale);
    writeStockOut(sale);
}

QString SaleWriter::numberTextOf(const Sale& sale)
{
    return sale.numberText.isEmpty() ? QStringLiteral("%1").arg(sale.number, 6, 10, QLatin1Char('0')) : sale.numberText;
}

void SaleWriter::writePayments(const Sale& sale)
{
    // Every kind of payment row is one statement text: the columns a kind does not
    // fill (the settling date of a receivable, the time of an advance) stay empty.
    static const sqlbatch::RowBlock kind(
        sqlbatch::columnTypes("RECARQ", {"DUPLICATA", "CODIGO", "NOME", "EMISSAO", "VENCIMENTO", "BAIXA", "VENDEDOR",
                                         "NFISCAL", "CAIXA", "TERMINAL", "VALOR", "HORA"}),
        S("insert into Recarq (Duplicata,Codigo,Nome,emissao,vencimento,baixa,vendedor,NFiscal,"
          "Caixa,terminal,valor,hora) values (?,?,?,?,?,?,?,?,?,?,?,?)"),
        8);
    sqlbatch::RowBlock rows = kind;
    const QString n = QStringLiteral("%1").arg(sale.number, 6, 10, QLatin1Char('0'));
    const QString name = sale.customerName.left(30);
    const QVariant hora = registers::textOrNull(sale.hora.left(kHoraWidth));
    const int waiter = sale.paymentsWaiter.value_or(sale.waiter);
    if (sale.advance > Decimal()) {
        rows.add({sale.advanceMethod.left(2) + QLatin1Char('-') + n, sale.customerCode, name, sale.date, sale.date,
                  sale.date, waiter, sale.number, sale.cashShift, sale.terminal, sale.advance, QVariant()});
    }
    // Receivable titles take fresh numbers of RECARQ, one each in the payments' order.
    qint64 title = 0;
    if (sale.receivableTitles) {
        const auto titled = std::count_if(sale.payments.begin(), sale.payments.end(),
                                          [](const SalePayment& p) { return !p.amount.isZero(); });
        if (titled > 0)
            title = m_logon.GenId(S("RECARQ"), int(titled)) - titled + 1;
    }
    for (const SalePayment& p : sale.payments) {
        if (p.amount.isZero())
            continue;
        const QString dup = sale.receivableTitles
            ? QStringLiteral("%1.%2").arg(p.code, 2, 10, QLatin1Char('0')).arg(title++, 9, 10, QLatin1Char('0'))
            : QStringLiteral("%1-").arg(p.code, 2, 10, QLatin1Char('0')) + n;
        if (p.settled)
            rows.add({dup, sale.customerCode, name, sale.date, sale.dueDate, sale.date, waiter, sale.number,
                      sale.cashShift, sale.terminal, p.amount, hora});
        else
            rows.add({dup, sale.customerCode, name, sale.date, sale.dueDate.addDays(sale.receivableDays), QVariant(),
                      waiter, sale.number, sale.cashShift, sale.terminal, p.amount, hora});
    }
    // Change is money handed back: in cents, and only from one cent.
    const Decimal change = sale.change.roundTo(2);
    if (change >= Decimal::fromCents(1)) {
        rows.add({QStringLiteral("01-") + n, sale.customerCode, sale.changeName.left(30), sale.date, sale.date,
                  sale.date, waiter, sale.number, sale.cashShift, sale.terminal, -change, QVariant()});
    }
    rows.run(m_logon);
}

void SaleWriter::writeLoyalty(const Sale& sale)
{
    if (!sale.loyalty || sale.customerCode == 0 || sale.customerCode == 1)
        return;
    m_logon.run(S("update clientes set fidelidade = coalesce(fidelidade, 0) + ? where codigo = ?"),
                {sale.loyaltyBase / Decimal(20), sale.customerCode});
}

void SaleWriter::writeSaleRow(const Sale& sale)
{
    m_logon.run(S("insert into Fatura (Nota,tipo,caixa,data,cliente,valor,vendedor,comanda,DELYENTREGA,DELYTAXA,"
                  "terminal,balcao,hora,frete,delivery) values (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"),
                {sale.number, sale.saleType, sale.cashShift, sale.date,
                 sale.saleCustomer.left(std::min(sale.saleCustomerWidth, kSaleCustomerWidth)), sale.saleValue,
                 sale.waiter, sale.tabNumber, sale.deliveryMan, sale.deliveryManFee, sale.terminal,
                 sale.counterSale ? QVariant(1) : QVariant(), registers::textOrNull(sale.hora.left(kHoraWidth)),
                 sale.freight ? QVariant::fromValue(*sale.freight) : QVariant(), registers::textOrNull(sale.deliveryFlag.left(1))});
}

void SaleWriter::writeServiceRows(const Sale& sale)
{
    static const sqlbatch::RowBlock kind(
        sqlbatch::columnTypes("SERVICO", {"DATA", "TIPO", "CAIXA", "VALOR", "CODIGO", "CONTROLE", "TERMINAL"}),
        S("insert into Servico (data,tipo,caixa,valor,codigo,controle,terminal) "
          "values (?,?,?,?,?,?,?)"),
        8);
    sqlbatch::RowBlock rows = kind;
    if (!sale.service.isZero()) {
        for (const auto& [waiter, share] : serviceByWaiter(sale))
            rows.add({sale.date, 1, sale.cashShift, share, waiter, sale.number, sale.terminal});
    }
    if (!sale.cover.isZero())
        rows.add({sale.date, 2, sale.cashShift, sale.cover, QVariant(), sale.number, sale.terminal});
    if (!sale.deliveryFee.isZero() || sale.feeRowAlways)
        rows.add({sale.date, 9, sale.cashShift, sale.deliveryFee, sale.waiter, sale.number, sale.terminal});
    if (!sale.discount.isZero() && !sale.discountAsExpense)
        rows.add({sale.date, 6, sale.cashShift, sale.discount, QVariant(), sale.number, sale.terminal});
    rows.run(m_logon);
    if (!sale.discount.isZero() && sale.discountAsExpense)
        m_logon.run(S("insert into desploja (data,caixa,terminal,historico,valor) values (?,?,?,?,?)"),
                    {sale.date, sale.cashShift, sale.terminal,
                     (QStringLiteral("Desconto Cupom") + numberTextOf(sale)).left(kExpenseHistoryWidth), sale.discount});
}

namespace {

// The stock-out of a sale: its ledger rows, added to `rows` when given, and the
// products whose date of last exit becomes the sale's date, each once, in the order
// the rows name them.
QStringList planStockOut(const Sale& sale, const SaleWriter::Catalogue& cat, sqlbatch::RowBlock* rows)
{
    const QString cli = QStringLiteral("Cli: ") + sale.customerText;
    QStringList leftStock;   // products whose date of last exit becomes the sale's date

    // Every kind of row in one statement text; columns a kind does not fill stay empty.
    auto row = [&](const QString& history, const QString& code, const Decimal& out, const Decimal& value,
                   const QVariant& cost, bool withInvoice, int waiter, bool withOrder = true) {
        if (rows)
            rows->add({sale.date, history, code.left(kCodeWidth), out, value, cost,
                       withInvoice ? QVariant(sale.number) : QVariant(),
                       withOrder ? QVariant(sale.number) : QVariant(), waiter,
                       sale.customerCode, sale.cashShift, sale.terminal});
    };
    const auto kitCode = [&](const QString& code) { return sale.explodeKits ? stripKit(code) : code; };

    if (sale.topUp > Decimal()) {
        const int lastWaiter = sale.items.empty() ? 0 : sale.items.back().waiter.toInt();
        row(((sale.deliverySale ? QStringLiteral("#DELIvery  ") : QString()) + cli + QStringLiteral("   Consumacao "))
                .left(kHistoryWidth),
            QStringLiteral("1"), Decimal(), sale.topUp, QVariant(), true, lastWaiter);
    }

    for (const SaleItem& i : sale.items) {
        const int waiter = i.waiter.toInt();
        const QString price = priceText(i.price);
        const QString valued = (cli + QStringLiteral("   Valor: ") + price).left(kHistoryWidth);
        const QString plainCode = kitCode(i.code);
        if (const Product* kit = cat.product(plainCode); sale.explodeKits && kit && kit->kit) {
            for (const Component& c : cat.components(plainCode)) {
                row(valued, c.code, i.quantity * c.quantity, kit->valor, QVariant(), false, waiter);
                leftStock << c.code;
            }
            row(i.description.left(kHistoryWidth), plainCode, i.quantity, i.price, QVariant(), true, waiter);
            continue;
        }
        if (i.code.startsWith(QLatin1Char('/'))) {
            row(i.description.left(120), i.code, i.quantity, i.price, QVariant(), true, waiter);
            leftStock << i.code;
            const QStringList flavours = flavourCodesOf(i.code);
            const std::vector<Decimal> shares = BillComputation::splitQuantity(i.quantity, int(flavours.size()));
            for (int k = 0; k < flavours.size(); ++k) {
                const QString& f = flavours[k];
                const Product fp = cat.productOrEmpty(f);
                if (fp.kit) {
                    const QString history = (cli + QStringLiteral("Cx:") + QString::number(sale.cashShift)
                                             + QStringLiteral(" Valor:") + price).left(kHistoryWidth);
                    for (const Component& c : cat.components(f)) {
                        const Product cp = cat.productOrEmpty(c.code);
                        row(history, c.code, c.quantity * shares[size_t(k)], cp.valor, QVariant::fromValue(cp.custo),
                            false, waiter);
                        leftStock << c.code;
                    }
                } else {
                    QString history;
                    if (sale.davFlag == QLatin1String("N"))
                        history = QStringLiteral("Venda Balcao Valor: ") + price;
                    else if (sale.deliverySale)
                        history = QStringLiteral("#DELIvery ") + i.description;
                    else
                        history = cli + QStringLiteral("   Valor: ") + price;
                    row(history.left(kHistoryWidth), f, shares[size_t(k)], i.price, QVariant::fromValue(fp.custo),
                        false, waiter);
                    leftStock << f;
                }
            }
            continue;
        }
        if (sale.namedStockRows)
            row((QStringLiteral("Cli:") + sale.customerName).left(kNamedHistoryWidth), i.code, i.quantity, i.price,
                QVariant::fromValue(cat.productOrEmpty(plainCode).custo), true, waiter, false);
        else
            row(valued, i.code, i.quantity, i.price, QVariant(), true, waiter);
        leftStock << i.code;
    }

    QStringList dated;
    for (const QString& c : leftStock) {
        const QString code = c.left(kCodeWidth);
        if (!dated.contains(code))
            dated << code;
    }
    return dated;
}

// What a catalogue was read for: the items' codes and whether kits explode.
QStringList catalogueKey(const Sale& sale)
{
    QStringList key{sale.explodeKits ? QStringLiteral("*") : QStringLiteral("-")};
    for (const SaleItem& i : sale.items)
        key << i.code;
    return key;
}

} // namespace

const SaleWriter::Catalogue& SaleWriter::catalogueFor(const Sale& sale)
{
    const QStringList key = catalogueKey(sale);
    if (!m_catalogue || key != m_catalogueItems) {
        m_catalogue = std::make_unique<Catalogue>(m_logon);
        m_catalogue->loadFor(sale);
        m_catalogueItems = key;
    }
    return *m_catalogue;
}

void SaleWriter::writeLastExit(const QStringList& codes, const QDate& date)
{
    // Only where the date changes: a product another station holds (an entry
    // invoice) makes the sale wait only on the day's first sale of that product.
    static const sqlbatch::RowBlock kind(
        sqlbatch::columnTypes("PRODUTOS", {"DATASAIDA", "CODIGO", "DATASAIDA"}),
        S("update produtos set DATAsaida = ? where codigo = ? and DATAsaida is distinct from ?"),
        32);
    // In the order of their codes, the order an entry invoice holds its products in:
    // two writers never hold each other's products crosswise.
    QStringList sorted = codes;
    std::sort(sorted.begin(), sorted.end());
    sqlbatch::RowBlock rows = kind;
    for (const QString& code : sorted)
        rows.add({date, code, date});
    rows.run(m_logon);
}

void SaleWriter::prepareStockOut(const Sale& draft)
{
    m_datedCodes = planStockOut(draft, catalogueFor(draft), nullptr);
    m_datedOn = draft.date;
    writeLastExit(m_datedCodes, m_datedOn);
}

void SaleWriter::writeStockOut(const Sale& sale)
{
    static const sqlbatch::RowBlock kind(
        sqlbatch::columnTypes("ESTFIC", {"DATA", "HISTORICO", "CODIGO", "SAIDA", "VALOR", "CUSTO", "NFISCAL",
                                         "PEDIDO", "VENDEDOR", "CLIENTE", "CAIXA", "TERMINAL"}),
        S("insert into estfic (data,historico,codigo,saida,valor,custo,nfiscal,pedido,vendedor,"
          "cliente,caixa,terminal) values (?,?,?,?,?,?,?,?,?,?,?,?)"),
        32);
    sqlbatch::RowBlock rows = kind;
    const QStringList dated = planStockOut(sale, catalogueFor(sale), &rows);
    rows.run(m_logon);
    if (dated != m_datedCodes || sale.date != m_datedOn)
        writeLastExit(dated, sale.date);
}
