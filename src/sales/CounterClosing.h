#pragma once
// Closing a counter sale ("[F7] Confirmar Imprimir"): both amount checks first,
// then one action that draws the sale number, writes the kitchen-monitor rows,
// composes the kitchen tickets and the receipt, and writes the discount,
// payment, sale and stock-out rows through the one sale writer; all of it or
// nothing. The tickets and the receipt are printed after the commit.
#include "closing/TabClosing.h"   // ClosingRefused, closingmsg
#include "core/Decimal.h"
#include "platform/Printout.h"
#include "printing/SetComSettings.h"
#include "registers/CompanyStore.h"
#include "sales/CounterSale.h"

#include <QDateTime>
#include <QString>
#include <functional>
#include <vector>

class TLogon;

namespace countermsg {
inline QString cashClosed() { return closingmsg::cashClosed(); }
inline QString underpaidShort() { return QStringLiteral("   Valor Informado a menor   "); }
inline QString underpaid() { return QStringLiteral("|       Valor informado inferior ao montante da conta      |"); }
inline QString productNotSelected() { return QStringLiteral("|             Produto não selecionado           |"); }
inline QString kitNotFound() { return QStringLiteral("      Prato não Localizado        "); }
inline QString productNotFound()
{
    return QStringLiteral("               Produto não Localizado          ") + QLatin1Char('\r')
        + QStringLiteral("   se estiver usando uma composição, não esquecer") + QLatin1Char('\r')
        + QStringLiteral(" de colocar antes do codigo o numero 0 [Zero] antes do codigo ") + QLatin1Char('\r')
        + QStringLiteral("               que identifica a composição do Kit");
}
inline QString flavourNotFound(const QString& code)
{
    return QStringLiteral("|    Codigo não Localizado / Codigo =") + code + QStringLiteral("    |");
}
inline QString customerNotFound() { return QStringLiteral("    Cliente Não Localizado..       |"); }
inline QString customerBlocked() { return QStringLiteral("  Cliente Bloqueado para Venda Fiado   "); }
inline QString functionDenied() { return QStringLiteral("  Função não autorizada...  "); }
inline QString accessDenied() { return QStringLiteral("|    Acesso não autorizado...     |"); }
inline QString deleteQuestion() { return QStringLiteral("Deseja Excluir Este Registro ?"); }
inline QString invalidNumber() { return QStringLiteral("  Valor Invalido  "); }
inline QString manyTickets(int count)
{
    return QStringLiteral("Deseja imprimir ") + QString::number(count) + QStringLiteral(" tickets de controle ?");
}
} // namespace countermsg

// The panel's fields as they stand when F7 is pressed.
struct CounterClosingRequest {
    const CounterSale* sale = nullptr;
    QString discount;          // Edit35 as typed
    QString customerCode;      // Edit33 as typed
    QString customerName;      // beside it
    QString pageCustomer;      // the counter page's "Cliente" text
    QString queueNumber;       // Edit27 as typed ("0": none)
};

// A printout for one printer slot, printed after the commit.
struct CounterJob {
    Printout text;
    PrinterSlot slot = PrinterSlot::Closing;
    bool drawerSequenceAfter = false;   // kitchen 5's second copy on a printer: ESC 'v' 'd' as its own job
    bool controlByte = false;
};

struct CounterClosingResult {
    qint64 saleNumber = 0;
    int cashShift = 0;
    QDate date;
    int queueNumber = 0;
    Decimal discount, change;
    int monitorRows = 0;
    std::vector<CounterJob> kitchenJobs;
    Printout receipt;
    bool printReceipt = false;
};

// What the receipt and the kitchen tickets are made of (composed without a database).
// The company and its options, then the sale's.
struct CounterPrintData : ReceiptCompany {
    QString pageCustomer;
    QString saleNumber;        // "000123"
    int queueNumber = 0;
    QDateTime now;
    Decimal discount;
    CounterBalance balance;
    std::vector<CounterMethod> methods;
    QString footer1, footer2;  // setup.INI lines 10 and 11
    int feedLines = 7;
    int fontSize = 7;
};
Printout composeCounterReceipt(const CounterPrintData& d, const std::vector<CounterItem>& items);
Printout composeCounterKitchenTicket(const CounterPrintData& d, const std::vector<CounterKitchenLine>& lines);
// One sale-control ticket ("Gerar Ticks por itens"): one per unit of the item just confirmed.
struct SaleControlTicket {
    QString companyName, pageCustomer, name, sizeName, complement;
    bool hasSizes = false;
    QDateTime now;
    int feedLines = 7;
    int fontSize = 7;
};
Printout composeSaleControlTicket(const SaleControlTicket& t);
// Prints `count` of them on the first kitchen printer's destination (on "Informa
// porta", the port of portas.INI line 0).
void printSaleControlTickets(const SaleControlTicket& t, int count);
// More tickets than this at once are printed only when the cashier says so.
inline constexpr int kTicketsWithoutAsking = 50;
// A line centred on 36 columns the way the receipts centre them.
QString centredLine(const QString& text);

class CounterClosing {
public:
    explicit CounterClosing(TLogon& logon) : m_logon(logon) {}
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }

    // The amount checks; throws ClosingRefused with the message, before any output.
    static void check(const CounterSale& sale, const Decimal& discount);
    // The discount typed: "0" when it is not a number or is negative.
    static Decimal discountOf(const QString& text);
    // The queue number typed: 0 when it is not a whole number or is negative.
    static int queueOf(const QString& text);

    // Checks and writes; throws ClosingRefused or DbError, and then nothing is written.
    CounterClosingResult close(const CounterClosingRequest& request);
    // Prints the committed sale's kitchen tickets and receipt.
    static void print(const CounterClosingResult& result);

private:
    TLogon& m_logon;
    std::function<QDateTime()> m_clock = [] { return QDateTime::currentDateTime(); };
};

// The station's counter files: Senha.INI (queue number) and AVULSO.INI (counter-sale number).
namespace counterfiles {
int queueNumber();                 // line 0 of Senha.INI, 0 when missing or not a number
void saveQueueNumber(int number);
int advanceCounterNumber();        // AVULSO.INI line 0 plus 1, saved; returns it
QString counterKey(int number);    // "AV000012"
}
