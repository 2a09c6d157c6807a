#pragma once
// The one writer of a paid sale's rows: payments and receivables (RECARQ), the
// loyalty points, the sale (FATURA), service, cover charge, delivery fee and
// discount (SERVICO) and the stock-out (ESTFIC, kits exploded into their
// components, multi-flavour items split into their flavours, the top-up of a
// minimum consumption). A tab's closing, the counter sale's closing and the
// delivery desk's invoicing describe their sale as a Sale and call write() inside
// their one action; what differs between them is a field of Sale, never a second
// copy of this code.
#include "core/Decimal.h"
#include <QDate>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

class TLogon;

struct SalePayment {
    int code = 0;          // FORMAPAGA.CD
    QString name;          // the method's name as listed
    Decimal amount;
    bool settled = true;   // FORMAPAGA.BX "S": paid now; otherwise a receivable
    bool exported = false; // FORMAPAGA.DAV "S"
};

struct SaleItem {
    qint64 id = 0;         // MESA.ID
    QString code;          // "*10" a kit, "/12/34/" a multi-flavour item
    QString description;   // NOMEP
    Decimal quantity;
    Decimal price;
    QString waiter;        // VEND as text ("" when none)
};

struct Sale {
    // The sale.
    qint64 number = 0;     // from BORDA
    QDate date;            // the cash shift's date
    int cashShift = 0;
    int terminal = 1;
    int waiter = 0;        // the tab's waiter
    // The customer.
    int customerCode = 1;      // 1 = the walk-in consumer
    QString customerName;      // name on the payment rows
    QString changeName;        // name on the change row
    QString customerText;      // code shown in the stock-out history ("Cli: ...")
    // Payments.
    Decimal advance;           // advance payments already taken on the tab
    QString advanceMethod;     // their method's text; its first two characters are the code
    std::vector<SalePayment> payments;
    QDate dueDate;             // of the payment rows
    int receivableDays = 0;    // added to the due date of receivables
    Decimal change;            // given back: a negative cash row
    // The sale row.
    int saleType = 1;          // FATURA.TIPO: 1 a tab
    QString saleCustomer;      // FATURA.CLIENTE (cut to 24)
    Decimal saleValue;         // the amount due
    qint64 tabNumber = 0;      // FATURA.COMANDA
    int deliveryMan = 0;       // FATURA.DELYENTREGA
    Decimal deliveryManFee;    // FATURA.DELYTAXA
    // Service rows.
    Decimal service;           // split over the items' waiters
    Decimal cover;
    Decimal deliveryFee;
    Decimal discount;
    // Stock-out.
    std::vector<SaleItem> items;
    Decimal topUp;             // minimum consumption minus the items
    bool deliverySale = false;
    QString davFlag = QStringLiteral("S");   // "N": flavour rows read "Venda Balcao"
    // Where the counter sale differs.
    bool loyalty = true;       // points for a registered customer
    Decimal loyaltyBase;       // items total the points are counted on (one per 20)
    bool serviceRowsFirst = false;   // the counter sale writes SERVICO before RECARQ
    bool counterSale = false;        // FATURA.BALCAO 1
    // Where the delivery desk's invoice differs (FATURA.TIPO 3).
    QString numberText;              // the sale number as printed ("050345"); "" = number by "000000"
    QString hora;                    // RECARQ.HORA and FATURA.HORA ("" leaves them empty)
    std::optional<Decimal> freight;  // FATURA.FRETE (none: left empty)
    QString deliveryFlag;            // FATURA.DELIVERY ("" leaves it empty)
    int saleCustomerWidth = 24;      // FATURA.CLIENTE is cut to it (the column holds 30)
    bool receivableTitles = false;   // DUPLICATA: method "." a fresh RECARQ number ("01.000001234"),
                                     // else method "-" the sale number ("01-000123")
    bool discountAsExpense = false;  // the discount as the DESPLOJA row "Desconto Cupom" + numberText,
                                     // else the SERVICO row of type 6
    bool explodeKits = true;         // false: a kit sold is one row of its own code, like a product
    bool namedStockRows = false;     // plain rows read "Cli:" + customerName (39) and carry the product's
                                     // cost and no PEDIDO; else "Cli: customerText   Valor: price"
    // Where the single-screen delivery order differs.
    std::optional<int> paymentsWaiter;   // RECARQ.VENDEDOR, when not the sale's waiter
    bool feeRowAlways = false;           // the delivery fee's SERVICO row also when the fee is 0
};

class SaleWriter {
public:
    explicit SaleWriter(TLogon& logon);
    ~SaleWriter();
    SaleWriter(const SaleWriter&) = delete;
    SaleWriter& operator=(const SaleWriter&) = delete;

    // Before the cash shift's counter row is held: reads the products and kits the
    // stock-out of the draft's items needs, and writes the date of last exit
    // (PRODUTOS.DATASAIDA) of the products they leave as the draft's date, only where
    // it is another date (all but the day's first sale of a product). A product that
    // an entry invoice holds makes this sale wait here, while it holds no row that
    // another station's sale needs. Of the draft only the items, explodeKits and the
    // date are read. Optional: write() does what was not done.
    void prepareStockOut(const Sale& draft);

    // Writes every row of the sale; must run inside the caller's action. Each kind of
    // row goes in one statement per block of rows, whatever the number of items.
    void write(const Sale& sale);

    // The service per waiter: the items grouped by waiter text, in the order of
    // that text, each share in proportion to what he sold, adding up exactly.
    static std::vector<std::pair<int, Decimal>> serviceByWaiter(const Sale& sale);
    // The sale number as its rows' texts carry it.
    static QString numberTextOf(const Sale& sale);

    class Catalogue;   // the products and kits of the stock-out (SaleWriter.cpp)

private:
    void writePayments(const Sale& sale);
    void writeLoyalty(const Sale& sale);
    void writeSaleRow(const Sale& sale);
    void writeServiceRows(const Sale& sale);
    void writeStockOut(const Sale& sale);
    const Catalogue& catalogueFor(const Sale& sale);
    void writeLastExit(const QStringList& codes, const QDate& date);

    TLogon& m_logon;
    std::unique_ptr<Catalogue> m_catalogue;
    QStringList m_catalogueItems;   // the item codes (and whether kits explode) it was read for
    QStringList m_datedCodes;       // the products prepareStockOut dated
    QDate m_datedOn;
};
