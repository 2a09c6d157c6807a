// The generated year of business (BenchYear.h): how it is made, kept and copied.
//
// Tabs, counter sales and delivery invoices are written by the closings' own
// writer (SaleWriter), each described as its closing or the desk's invoicing
// describes it; the manual stock movements, the entry invoices and the back
// office's rows are written as their windows write them. Every row of a cash shift goes in one action; the
// big tables' indexes are switched off while the year is written and rebuilt at
// the end.
#include "BenchYear.h"

#include "BenchClock.h"
#include "BenchYearStamp.h"
#include "closing/BillComputation.h"
#include "closing/SaleWriter.h"
#include "delivery/DeliveryInvoicing.h"
#include "db/DbError.h"
#include "db/LedgerTotals.h"
#include "db/NewDatabase.h"
#include "db/Schema.h"
#include "db/UnitLogon.h"
#include "registers/MultiFlavour.h"
#include "platform/FirebirdEnv.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QSaveFile>
#include <firebird/Interface.h>
#include <ibase.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <map>
#include <optional>
#include <stdexcept>

namespace benchyear {
namespace {

QString S(const char* s) { return QString::fromUtf8(s); }
Decimal money(qint64 cents) { return Decimal::fromCents(cents); }
Decimal quantity(qint64 thousandths) { return Decimal::fromThousandths(thousandths); }
QString pad(qint64 n, int width) { return QStringLiteral("%1").arg(n, width, 10, QLatin1Char('0')); }
QString code6(qint64 n) { return pad(n, 6); }
QString phone(qint64 n, int digits) { return S("(19) ") + pad(n, digits); }

// ---- What the year holds ------------------------------------------------------

constexpr quint64 kSeed = 0x5AB2E1222023ULL;
// The last (or only) year of business; with N years the business starts N - 1 years before it.
const QDate kLastYearFirstDay(2023, 1, 1);
const QDate kLastDay(2023, 12, 31);
const QDate kBusiestDay(2023, 12, 23);   // the Saturday before Christmas
constexpr int kBusiestSales = 2000;
constexpr int kOtherSales = 203000;      // over the other 364 shifts
const QDate kMonthFirst(2023, 11, 1);
const QDate kMonthLast(2023, 11, 30);

int g_years = 0;   // 0: not chosen yet

int years()
{
    if (g_years == 0) {
        bool ok = false;
        const int n = qEnvironmentVariableIntValue("SABREL22_BENCH_ANOS", &ok);
        g_years = ok && n >= 1 && n <= 10 ? n : 1;
    }
    return g_years;
}
QDate firstDay() { return QDate(kLastYearFirstDay.year() - (years() - 1), 1, 1); }
int days() { return int(firstDay().daysTo(kLastDay)) + 1; }

constexpr int kProducts = 20000;
constexpr int kFirstFlavour = 101, kFlavours = 30;        // 000101..000130, the pizzas
constexpr int kFirstWeighed = 201, kWeighed = 5;          // 000201..000205, sold by the kilo
constexpr int kFirstKit = 19801, kKits = 200;             // 019801..020000
constexpr int kFirstBarcode = 15001, kBarcodes = 500;     // drinks with 13-digit codes
constexpr int kMenu = 600;                                // the products most tabs take from
constexpr int kOrdinaryProduct = 10002;                   // 010002, a plain product off the menu
constexpr int kBeer = 1;                                  // 000001, in about a third of the sales
constexpr int kBeerGroup = 1;
constexpr int kPizzaGroup = 11, kWeighedGroup = 20, kKitGroup = 21, kIngredientGroup = 40;

constexpr int kSuppliers = 200;
constexpr int kCustomers = 5000;                  // the walk-in consumer (1) included
constexpr int kDeliveryCustomers = 1000;          // keyed by telephone, as the delivery desk keys them
constexpr int kFirstPhone = 32450001;
constexpr int kRegistered = kCustomers - 1 - kDeliveryCustomers;   // codes 2..4000
constexpr int kWaiters = 30, kServingWaiters = 20;
constexpr int kBusyWaiter = 7;
constexpr int kDeliveryMen = 5, kAreas = 10;
constexpr int kCostCentres = 10;
constexpr int kMainSupplier = 1;

constexpr int kAccountCustomer = 500;
constexpr int kAccountSales = 2000, kAccountDebits = 1500, kAccountPayments = 1500;
constexpr int kBookAccount = 1, kBookEntries = 100000;
constexpr int kSmallAccount = 2, kSmallAccountEntries = 2000;
constexpr int kBookCodes = 30;

constexpr int kMainTerminal = 1, kOtherTerminal = 2;

// The payment methods: code, name, settled at once.
struct Method {
    int code;
    const char* name;
    bool settled;
};
const Method kMethods[] = {
    {1, "Dinheiro", true}, {2, "Cartao Debito", true}, {3, "Cartao Credito", true},
    {4, "PIX", true},      {5, "Conta Cliente", false}, {6, "Vale Refeicao", true},
};
constexpr int kCash = 1, kReceivable = 5;

struct GroupDef {
    const char* name;
    const char* word;   // the first word of its products' names
    int lowCents, highCents;
};
const GroupDef kGroupDefs[40] = {
    {"CERVEJAS", "CERVEJA", 600, 2800},          {"REFRIGERANTES", "REFRIGERANTE", 450, 1200},
    {"SUCOS", "SUCO", 700, 1600},                {"AGUAS", "AGUA", 300, 700},
    {"DESTILADOS", "DOSE", 900, 4500},           {"VINHOS", "VINHO", 4500, 25000},
    {"DRINKS", "DRINK", 1800, 4200},             {"CAFES", "CAFE", 400, 1400},
    {"PETISCOS", "PETISCO", 1800, 5500},         {"PORCOES", "PORCAO", 3500, 9800},
    {"PIZZAS", "PIZZA", 4200, 8900},             {"LANCHES", "LANCHE", 1800, 4200},
    {"PRATOS EXECUTIVOS", "EXECUTIVO", 2600, 4800}, {"MASSAS", "MASSA", 3400, 7800},
    {"CARNES", "CARNE", 5200, 13800},            {"PEIXES", "PEIXE", 4800, 12800},
    {"SALADAS", "SALADA", 2400, 5200},           {"SOBREMESAS", "SOBREMESA", 1400, 3200},
    {"SORVETES", "SORVETE", 900, 2600},          {"BUFFET KG", "BUFFET KG", 5990, 8990},
    {"COMBOS", "COMBO", 2900, 8900},             {"INFANTIL", "KIDS", 2200, 3900},
    {"CALDOS", "CALDO", 1600, 3200},             {"FRUTOS DO MAR", "FRUTOS MAR", 6800, 16800},
    {"GRELHADOS", "GRELHADO", 4200, 9800},       {"ACOMPANHAMENTOS", "ACOMPANHAMENTO", 900, 2400},
    {"MOLHOS", "MOLHO", 300, 900},               {"PAES", "PAO", 200, 1200},
    {"DOCES", "DOCE", 300, 1500},                {"CHOPP", "CHOPP", 900, 2200},
    {"ENERGETICOS", "ENERGETICO", 1200, 2200},   {"CHAS", "CHA", 600, 1200},
    {"TABACARIA", "TABACARIA", 800, 2500},       {"MERCEARIA", "MERCEARIA", 300, 3500},
    {"HORTIFRUTI", "HORTIFRUTI", 200, 1800},     {"LATICINIOS", "LATICINIO", 400, 2800},
    {"DESCARTAVEIS", "DESCARTAVEL", 100, 900},   {"LIMPEZA", "LIMPEZA", 300, 2500},
    {"FRIOS", "FRIOS", 900, 6800},               {"INSUMOS COZINHA", "INSUMO", 100, 4500},
};

const char* const kVariants[] = {"ESPECIAL", "TRADICIONAL", "DA CASA", "PREMIUM", "LIGHT", "GRANDE",
                                 "PEQUENO", "MEDIO", "ARTESANAL", "IMPORTADO", "NACIONAL", "ZERO",
                                 "DUPLO", "SIMPLES", "COMPLETO", "KIDS"};
const char* const kPizzas[kFlavours] = {
    "MUSSARELA", "CALABRESA", "PORTUGUESA", "MARGUERITA", "QUATRO QUEIJOS", "FRANGO CATUPIRY",
    "NAPOLITANA", "ATUM", "BACON", "PEPPERONI", "TOSCANA", "VEGETARIANA", "PALMITO", "MILHO",
    "ALHO E OLEO", "ROMEU E JULIETA", "CHOCOLATE", "BRIGADEIRO", "BANANA", "PRESTIGIO", "CARNE SECA",
    "LOMBO", "ESCAROLA", "BROCOLIS", "RUCULA", "CAMARAO", "MEXICANA", "BAIANA", "FRANCESA", "CALIFORNIA"};
const char* const kFirstNames[] = {
    "ANA", "BRUNO", "CARLA", "DANIEL", "EDUARDO", "FERNANDA", "GABRIEL", "HELENA", "IGOR", "JULIANA",
    "KARINA", "LUCAS", "MARIA", "NATALIA", "OTAVIO", "PAULA", "RAFAEL", "SABRINA", "TIAGO", "VANESSA",
    "WAGNER", "ALINE", "BEATRIZ", "CAIO", "DEBORA", "ELAINE", "FABIO", "GUSTAVO", "HUGO", "ISABELA",
    "JOAO", "LARISSA", "MARCOS", "NELSON", "OLGA", "PEDRO", "RENATA", "SERGIO", "TATIANA", "VITOR"};
const char* const kLastNames[] = {
    "SILVA", "SANTOS", "OLIVEIRA", "SOUZA", "RODRIGUES", "FERREIRA", "ALVES", "PEREIRA", "LIMA",
    "GOMES", "COSTA", "RIBEIRO", "MARTINS", "CARVALHO", "ALMEIDA", "LOPES", "SOARES", "FERNANDES",
    "VIEIRA", "BARBOSA", "ROCHA", "DIAS", "NASCIMENTO", "ANDRADE", "MOREIRA", "NUNES", "MARQUES",
    "MACHADO", "MENDES", "FREITAS"};
const char* const kStreets[] = {"RUA DAS FLORES", "AV BRASIL", "RUA SETE DE SETEMBRO", "RUA XV DE NOVEMBRO",
                                "AV PAULISTA", "RUA DO COMERCIO", "RUA SAO JOSE", "AV DAS AMERICAS"};
const char* const kAreaNames[kAreas] = {"CENTRO", "JARDIM AMERICA", "VILA NOVA", "BOA VISTA", "SANTA CRUZ",
                                         "SAO JOSE", "PARQUE INDUSTRIAL", "JARDIM EUROPA", "VILA RICA",
                                         "NOVO HORIZONTE"};
const char* const kCostCentreNames[kCostCentres] = {
    "MERCADO", "MANUTENCAO", "LIMPEZA", "GAS", "TRANSPORTE", "ALIMENTACAO FUNC", "ESCRITORIO",
    "MARKETING", "GELO", "DIVERSOS"};
// A daily expense: what the cashier types and its cost centre.
struct ExpenseDef {
    const char* history;
    int costCentre;
    int lowCents, highCents;
};
const ExpenseDef kExpenses[] = {
    {"PAO FRANCES", 1, 800, 4500},        {"FEIRA HORTIFRUTI", 1, 3000, 25000},
    {"CONSERTO GELADEIRA", 2, 8000, 45000}, {"LAMPADAS", 2, 1500, 9000},
    {"MATERIAL LIMPEZA", 3, 2000, 15000}, {"GAS DE COZINHA", 4, 11000, 13500},
    {"FRETE MOTOBOY", 5, 1000, 4000},     {"TAXI FUNCIONARIO", 5, 1500, 6000},
    {"LANCHE FUNCIONARIOS", 6, 2000, 9000}, {"XEROX E PAPELARIA", 7, 500, 4000},
    {"PANFLETOS", 8, 5000, 30000},        {"GELO", 9, 2000, 12000},
    {"DIVERSOS", 10, 500, 8000},
};
const char* const kBookCodeNames[kBookCodes] = {
    "VENDAS DINHEIRO", "VENDAS CARTAO", "VENDAS PIX", "RECEB CLIENTES", "APLICACAO", "RESGATE",
    "FORNECEDORES", "ALUGUEL", "ENERGIA", "AGUA", "TELEFONE", "INTERNET", "SALARIOS", "FGTS", "INSS",
    "IMPOSTOS", "CONTADOR", "MANUTENCAO", "GAS", "BEBIDAS", "CARNES", "HORTIFRUTI", "LIMPEZA",
    "MARKETING", "TARIFAS BANCO", "JUROS", "EMPRESTIMO", "RETIRADA SOCIOS", "DEPOSITO", "DIVERSOS"};

// ---- A fixed sequence of numbers (splitmix64): the same year on every run ----

class Dice {
public:
    explicit Dice(quint64 seed) : m_state(seed) {}
    quint64 next()
    {
        quint64 z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    int below(int n) { return int(next() % quint64(n)); }
    int between(int low, int high) { return low + below(high - low + 1); }
    bool perMille(int chance) { return below(1000) < chance; }
    // An index below n, small ones far more often (the popular end of a list).
    int skewed(int n)
    {
        const double u = double(next() >> 11) / double(1ULL << 53);
        return std::min(n - 1, int(u * u * u * n));
    }
    Decimal cents(int low, int high) { return money(between(low, high)); }

private:
    quint64 m_state;
};

// A count drawn from a table of chances in thousandths: counts 1, 2, 3...
int countOf(Dice& dice, std::initializer_list<int> perMille)
{
    int r = dice.below(1000), n = 1;
    for (int chance : perMille) {
        if (r < chance)
            return n;
        r -= chance;
        ++n;
    }
    return n;
}

// n spread over parts as evenly as whole numbers go: the share of part i.
int share(qint64 n, int i, int parts) { return int(n * (i + 1) / parts - n * i / parts); }

QString personName(int k)
{
    const int f = int(std::size(kFirstNames)), l = int(std::size(kLastNames));
    return QStringLiteral("%1 %2 %3").arg(S(kFirstNames[k % f]), S(kLastNames[(k / f) % l]),
                                          S(kLastNames[(k / (f * l) + k) % l]));
}

QString customerName(int code)
{
    if (code == 1)
        return S("CLIENTE CONSUMIDOR");
    if (code == kAccountCustomer)
        return S("METALURGICA BOA VISTA LTDA");
    return personName(code * 7 + 3).left(40);
}

QString supplierName(int code)
{
    static const char* const kinds[] = {"DISTRIBUIDORA", "ATACADO", "FRIGORIFICO", "LATICINIOS",
                                        "BEBIDAS", "HORTIFRUTI", "EMBALAGENS", "COMERCIAL"};
    return QStringLiteral("%1 %2 LTDA").arg(S(kinds[code % 8]), S(kLastNames[code % 30])) +
           (code > 30 ? QStringLiteral(" %1").arg(code) : QString());
}

QString waiterName(int code) { return personName(code * 13 + 5).left(30); }

// ---- The catalogue ----------------------------------------------------------

enum class Kind { Plain, Flavour, Weighed, Kit, Ingredient };

struct Product {
    QString code, name;
    int group = 0;
    Decimal price, cost;
    Kind kind = Kind::Plain;
    int supplier = 0;
};

struct Part {
    int product;        // index
    Decimal quantity;
};

struct Catalogue {
    std::vector<Product> products;        // products[n - 1] is product number n
    std::vector<int> menu;                // indices of the popular products, most popular first
    std::vector<int> sellable;            // every plain product
    std::vector<int> food;                // plain products a delivery sells
    std::vector<std::vector<int>> bySupplier;
    std::map<int, std::vector<Part>> parts;   // a kit's components
    QHash<QString, int> byCode;

    const Product& of(const QString& code) const { return products[size_t(byCode.value(code))]; }
};

Catalogue makeCatalogue(Dice& dice)
{
    Catalogue c;
    c.products.resize(kProducts);
    c.bySupplier.resize(kSuppliers + 1);
    std::vector<int> generic;
    for (int g = 1; g <= 40; ++g)
        if (g != kPizzaGroup && g != kWeighedGroup && g != kKitGroup)
            generic.push_back(g);
    const std::vector<int> drinks = {2, 3, 4, 31};
    for (int n = 1; n <= kProducts; ++n) {
        Product& p = c.products[size_t(n - 1)];
        p.code = code6(n);
        p.supplier = 1 + (n * 31) % kSuppliers;
        if (n == kBeer) {
            p.group = kBeerGroup;
            p.name = S("CERVEJA PILSEN LATA 350ML");
        } else if (n >= kFirstFlavour && n < kFirstFlavour + kFlavours) {
            p.group = kPizzaGroup;
            p.kind = Kind::Flavour;
            p.name = S("PIZZA ") + S(kPizzas[n - kFirstFlavour]);
        } else if (n >= kFirstWeighed && n < kFirstWeighed + kWeighed) {
            p.group = kWeighedGroup;
            p.kind = Kind::Weighed;
            p.name = QStringLiteral("BUFFET KG %1").arg(n - kFirstWeighed + 1);
        } else if (n >= kFirstKit) {
            p.group = kKitGroup;
            p.kind = Kind::Kit;
            p.name = QStringLiteral("COMBO %1 %2").arg(S(kVariants[n % 16])).arg(n - kFirstKit + 1);
        } else if (n >= kFirstBarcode && n < kFirstBarcode + kBarcodes) {
            p.group = drinks[size_t(n % 4)];
            p.code = QStringLiteral("789%1").arg(qint64(n) * 7919 % 10000000000LL, 10, 10, QLatin1Char('0'));
        } else {
            p.group = generic[size_t(n * 7 % int(generic.size()))];
            if (p.group == kIngredientGroup)
                p.kind = Kind::Ingredient;
        }
        const GroupDef& g = kGroupDefs[p.group - 1];
        if (p.name.isEmpty())
            p.name = QStringLiteral("%1 %2 %3").arg(S(g.word), S(kVariants[(n / 40) % 16])).arg(n);
        p.price = money(dice.between(g.lowCents / 10, g.highCents / 10) * 10);
        p.cost = (p.price * Decimal(dice.between(30, 60)) / Decimal(100)).roundTo(2);
        c.bySupplier[size_t(p.supplier)].push_back(n - 1);
        c.byCode.insert(p.code, n - 1);
        if (p.kind == Kind::Plain)
            c.sellable.push_back(n - 1);
    }
    for (int i : c.sellable) {
        const int g = c.products[size_t(i)].group;
        if (g == 9 || g == 10 || g == 12 || g == 13 || g == 14 || g == 2 || g == 3 || g == kBeerGroup)
            c.food.push_back(i);
    }
    // The menu: the beer first, then plain products spread over the groups.
    c.menu.push_back(kBeer - 1);
    for (int i = 1; int(c.menu.size()) < kMenu; ++i)
        if (c.products[size_t(i)].kind == Kind::Plain)
            c.menu.push_back(i);
    // Kits of two to four ingredients or drinks.
    std::vector<int> ingredients;
    for (int i = 0; i < kProducts; ++i)
        if (c.products[size_t(i)].kind == Kind::Ingredient)
            ingredients.push_back(i);
    for (int n = kFirstKit; n < kFirstKit + kKits; ++n) {
        std::vector<Part>& parts = c.parts[n - 1];
        const int count = dice.between(2, 4);
        for (int k = 0; k < count; ++k) {
            const int component = k == 0 && n % 3 == 0 ? c.menu[size_t(dice.between(1, 40))]
                                                        : ingredients[size_t(dice.below(int(ingredients.size())))];
            parts.push_back({component, k == 0 && n % 3 == 0 ? Decimal(1) : quantity(dice.between(1, 20) * 50)});
        }
    }
    return c;
}

// ---- The sales of a shift ------------------------------------------------------

struct Shift {
    int number = 0;
    QDate date;
    int sales = 0;
    int accountSales = 0, accountDebits = 0, accountPayments = 0;
    int bookEntries = 0, smallBookEntries = 0;
};

// The payment lines a cashier takes for an amount: mostly exact by card or PIX,
// cash with change, now and then cash and card, on account for a registered
// customer. Ordered by method code, as the payment grid lists them.
std::vector<SalePayment> payFor(Dice& dice, const Decimal& due, bool mayOwe, bool onAccount)
{
    auto line = [](int code, const Decimal& amount) {
        const Method& m = kMethods[code - 1];
        return SalePayment{code, S(m.name), amount, m.settled, false};
    };
    if (onAccount || (mayOwe && dice.perMille(300)))
        return {line(kReceivable, due)};
    const int r = dice.below(1000);
    if (r < 430) {
        static const int steps[] = {500, 1000, 2000, 5000, 10000};
        const qint64 step = steps[dice.below(5)];
        const qint64 c = due.cents();
        const qint64 tendered = dice.perMille(250) ? c : (c / step + 1) * step;
        return {line(kCash, money(tendered))};
    }
    if (r < 660)
        return {line(2, due)};
    if (r < 810)
        return {line(3, due)};
    if (r < 920)
        return {line(4, due)};
    if (r < 960)
        return {line(6, due)};
    const qint64 cash = due.cents() / 200 * 100;
    if (cash <= 0)
        return {line(2, due)};
    return {line(kCash, money(cash)), line(3, due - money(cash))};
}

Decimal paidBy(const std::vector<SalePayment>& payments)
{
    Decimal paid;
    for (const SalePayment& p : payments)
        paid += p.amount;
    return paid;
}

class YearWriter {
public:
    YearWriter(TLogon& logon) : m_logon(logon), m_dice(kSeed), m_cat(makeCatalogue(m_dice)) { planShifts(); }

    void registers();
    void shift(const Shift& s);
    void finish();
    const std::vector<Shift>& shifts() const { return m_shifts; }

private:
    void planShifts();
    SaleItem item(int waiter, bool wholeQuantities);
    SaleItem kitItem();
    SaleItem pizzaItem();
    SaleItem plainItem();
    void tabSale(const Shift& s, int customer, bool onAccount);
    void counterSale(const Shift& s);
    void deliveryInvoice(const Shift& s);
    void cashDrawer(const Shift& s);
    void monthlyBills(const Shift& s);
    void stockMovements(const Shift& s);
    void entryInvoices(const Shift& s);
    void payable(const QString& title, int supplier, const QDate& issue, const QDate& due, const Decimal& value);
    void accountLines(const Shift& s);
    void bookEntries(const Shift& s);
    void login(const QDate& day, const QTime& at, const QString& who, const QString& what);
    QString waiterText(int waiter) { return QString::number(waiter); }
    // A registered customer other than the account customer, whose lines are counted.
    int registeredCustomer()
    {
        const int c = m_dice.between(2, kRegistered);
        return c >= kAccountCustomer ? c + 1 : c;
    }
    QTime clock(int minuteOfShift) const { return QTime(10, 0).addSecs(minuteOfShift * 60); }

    TLogon& m_logon;
    Dice m_dice;
    Catalogue m_cat;
    std::vector<Shift> m_shifts;
    qint64 m_saleNumber = 0;       // BORDA
    qint64 m_deliveryCounter = 0;  // TIPBAIXA
    int m_invoiceNumber = 4000;    // the suppliers' invoice numbers
    int m_minute = 0;              // of the sale being written, from 10:00
};

void YearWriter::planShifts()
{
    // Every year of business alike: its sales spread over its days by weekday and
    // month, the account and book entries in even shares.
    static const int byWeekday[] = {60, 70, 80, 95, 140, 165, 120};   // Monday..Sunday
    static const int byMonth[] = {110, 90, 95, 95, 100, 100, 115, 105, 95, 100, 105, 125};
    int number = 0;
    for (int year = firstDay().year(); year <= kLastDay.year(); ++year) {
        const QDate yearStart(year, 1, 1);
        const int yearDays = yearStart.daysInYear();
        std::vector<qint64> weight(static_cast<size_t>(yearDays));
        qint64 total = 0;
        for (int i = 0; i < yearDays; ++i) {
            const QDate d = yearStart.addDays(i);
            weight[size_t(i)] = d == kBusiestDay ? 0 : byWeekday[d.dayOfWeek() - 1] * byMonth[d.month() - 1];
            total += weight[size_t(i)];
        }
        qint64 before = 0;
        for (int i = 0; i < yearDays; ++i) {
            Shift s;
            s.number = ++number;
            s.date = yearStart.addDays(i);
            const qint64 after = before + weight[size_t(i)];
            s.sales = s.date == kBusiestDay ? kBusiestSales : int(kOtherSales * after / total - kOtherSales * before / total);
            before = after;
            s.accountSales = share(kAccountSales, i, yearDays);
            s.accountDebits = share(kAccountDebits, i, yearDays);
            s.accountPayments = share(kAccountPayments, i, yearDays);
            s.bookEntries = share(kBookEntries, i, yearDays);
            s.smallBookEntries = share(kSmallAccountEntries, i, yearDays);
            m_shifts.push_back(s);
        }
    }
}

void YearWriter::registers()
{
    m_logon.action([&] {
        m_logon.run(S("update EMPRESA set EMPRESA = ?, ENDERECO = ?, CIDADE = ?, ESTADO = ?, CNPJ = ?, FAX = ?"),
                    {S("CHOPERIA E PIZZARIA DO ANO"), S("AV BRASIL 1500"), S("CAMPINAS"), S("SP"),
                     S("12.345.678/0001-90"), S("(19) 3245-0000")});
        for (int g = 1; g <= 40; ++g)
            m_logon.run(S("insert into TIPOS (ID, CODIGO, NOME, ATIVO) values (?, ?, ?, 'S')"),
                        {g, g, S(kGroupDefs[g - 1].name)});
        for (int k = 1; k <= kSuppliers; ++k)
            m_logon.run(S("insert into FORNECEDOR (CODIGO, NOME, ENDERECO, CIDADE, ESTADO, FONE, CNPJ, CONTATO) "
                          "values (?, ?, ?, ?, ?, ?, ?, ?)"),
                        {k, supplierName(k).left(40), QStringLiteral("%1 %2").arg(S(kStreets[k % 8])).arg(k * 11),
                         S("CAMPINAS"), S("SP"), phone(30000000 + k * 4271 % 10000000, 8),
                         QStringLiteral("%1.%2/0001-%3").arg(10 + k).arg(pad(k * 379 % 1000, 3), pad(k % 100, 2)),
                         personName(k * 3).left(40)});
        for (const Method& m : kMethods)
            if (m.code != kCash)
                m_logon.run(S("insert into formapaga (id,cd,nome,dav,bx) values (GEN_ID(FORMAPAGA,1),?,?,?,?)"),
                            {m.code, S(m.name), S("N"), m.settled ? S("S") : S("N")});
        for (int k = 1; k <= kCostCentres; ++k)
            m_logon.run(S("insert into CentroCusto (id,Codigo,Nome) Values (GEN_ID(CentroCusto,1),?,?)"),
                        {k, S(kCostCentreNames[k - 1])});
        for (int k = 1; k <= kWaiters; ++k)
            m_logon.run(S("insert into VENDEDOR (ID, CODIGO, NOME, ENDERECO, CIDADE, ESTADO, FONE, ADMISSAO, CARGO, "
                          "ATENDE) values (1, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                        {k, waiterName(k), QStringLiteral("%1 %2").arg(S(kStreets[k % 8])).arg(k * 7), S("CAMPINAS"),
                         S("SP"), phone(900000000 + k * 7717 % 100000000, 9),
                         QDate(2020, 1, 1).addDays(k * 37),
                         k <= kServingWaiters ? S("GARCOM") : (k <= 25 ? S("CAIXA") : S("COZINHA")), S("S")});
        for (int k = 1; k <= kDeliveryMen; ++k)
            m_logon.run(S("insert into DELICAD (ID, CODIGO, NOME, FONE) values (?, ?, ?, ?)"),
                        {k, k, personName(k * 29).left(40), phone(980000000 + k * 1234567 % 10000000, 9)});
        for (int k = 1; k <= kAreas; ++k)
            m_logon.run(S("insert into ENTREGA (ID, BAIRRO, TAXA) values (?, ?, ?)"),
                        {k, S(kAreaNames[k - 1]), money(400 + k * 100)});
        for (int code = 2; code <= kRegistered + 1 + kDeliveryCustomers; ++code) {
            const bool delivery = code > kRegistered + 1;
            const int key = delivery ? kFirstPhone + (code - kRegistered - 2) : code;
            m_logon.run(S("insert into CLIENTES (ID, CODIGO, NOME, ENDERECO, CIDADE, ESTADO, CEP, FONE, CENDERECO, "
                          "EMAIL, CPF, NASC, LIMITE, FIDELIDADE) "
                          "values (GEN_ID(CLIENTE,1), ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                        {key, customerName(key), QStringLiteral("%1 %2").arg(S(kStreets[code % 8])).arg(code % 2000 + 1),
                         S("CAMPINAS"), S("SP"), QStringLiteral("13%1-000").arg(pad(code % 1000, 3)),
                         delivery ? QString::number(key) : phone(900000000 + code * 7717 % 100000000, 9),
                         S(kAreaNames[code % kAreas]), QStringLiteral("cliente%1@exemplo.com.br").arg(code),
                         QStringLiteral("%1.%2.%3-%4").arg(100 + code % 900).arg(pad(code * 7 % 1000, 3),
                                                                              pad(code * 13 % 1000, 3), pad(code % 100, 2)),
                         QDate(1960, 1, 1).addDays(code * 97 % 15000),
                         code == kAccountCustomer ? money(5000000) : money(50000), Decimal()});
        }
    });

    m_logon.action([&] {
        for (int i = 0; i < kProducts; ++i) {
            const Product& p = m_cat.products[size_t(i)];
            const bool kit = p.kind == Kind::Kit;
            const bool perishable = p.group >= 34 && p.group <= 40 && !kit;
            m_logon.run(S("insert into PRODUTOS (ID, CODIGO, NOME, CLASSE, CLAS, UNIDADE, VALOR, CUSTO, MEDIO, "
                          "FORNECEDOR, MINIMO, COMPOSICAO, ATIVO, VALIDADE, DATAENTRADA) "
                          "values (GEN_ID(PRODUTOS,1), ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 'S', ?, ?)"),
                        {p.code, p.name, p.group,
                         p.group >= 9 && p.group <= 25 ? S("1") : (p.group == 7 ? S("2") : S("0")),
                         p.kind == Kind::Weighed ? S("KG") : S("UN"), p.price, kit ? Decimal() : p.cost,
                         kit ? Decimal() : p.cost, kit ? QVariant() : QVariant(p.supplier),
                         kit ? Decimal() : Decimal(5 + i % 20), kit ? S("S") : S("N"),
                         perishable ? QVariant(firstDay().addDays(30 + i % 500)) : QVariant(), firstDay()});
            if (!kit)
                m_logon.run(S("insert into estfic (id,codigo,data,historico,entrada) "
                              "values (GEN_ID(estfic,1),?,?,'Estoque Inicial',?)"),
                            {p.code, firstDay(), p.kind == Kind::Weighed ? quantity(20000) : Decimal(50 + i % 150)});
        }
        for (const auto& [kit, parts] : m_cat.parts)
            for (const Part& part : parts) {
                const Product& c = m_cat.products[size_t(part.product)];
                m_logon.run(S("insert into kitprod (id,codigo,codprod,nomep,quant) values (GEN_ID(KITPROD,1),?,?,?,?)"),
                            {m_cat.products[size_t(kit)].code, c.code, c.name.left(19), part.quantity});
            }
        m_logon.run(S("insert into CONTA (ID, CONTA, NOME) values (GEN_ID(CONTA,1), ?, ?)"),
                    {kBookAccount, S("BANCO DO BRASIL")});
        m_logon.run(S("insert into CONTA (ID, CONTA, NOME) values (GEN_ID(CONTA,1), ?, ?)"),
                    {kSmallAccount, S("CAIXA ESCRITORIO")});
        for (int k = 1; k <= kBookCodes; ++k)
            m_logon.run(S("insert into DESPESA (ID, CODIGO, NOME, VALOR) values (GEN_ID(OUTROS,1), ?, ?, 0)"),
                        {k, S(kBookCodeNames[k - 1])});
    });
}

SaleItem YearWriter::kitItem()
{
    const Product& k = m_cat.products[size_t(kFirstKit - 1 + m_dice.skewed(kKits))];
    return SaleItem{0, QLatin1Char('*') + k.code, k.name, Decimal(m_dice.perMille(900) ? 1 : 2), k.price, QString()};
}

// A pizza of two to four flavours as the fractions dialog returns it: the list
// "/101/102/" (codes without their zeros) and "1/2-PIZZA MUSSARELA 1/2-PIZZA
// CALABRESA"; priced as its dearest flavour.
SaleItem YearWriter::pizzaItem()
{
    Dice& d = m_dice;
    const int n = d.perMille(750) ? 2 : (d.perMille(800) ? 3 : 4);
    QStringList names;
    SaleItem i;
    i.code = S("/");
    for (int f = 0; f < n; ++f) {
        const int number = kFirstFlavour + d.skewed(kFlavours);
        const Product& p = m_cat.products[size_t(number - 1)];
        i.code += QString::number(number) + QLatin1Char('/');
        names << QStringLiteral("1/%1-").arg(n) + p.name;
        i.price = std::max(i.price, p.price);
    }
    i.description = names.join(QLatin1Char(' '));
    i.quantity = Decimal(1);
    return i;
}

SaleItem YearWriter::plainItem()
{
    Dice& d = m_dice;
    const int at = d.perMille(750) ? m_cat.menu[size_t(1 + d.skewed(kMenu - 1))]
                                   : m_cat.sellable[size_t(d.below(int(m_cat.sellable.size())))];
    const Product& p = m_cat.products[size_t(at)];
    const int q = d.below(10);
    return SaleItem{0, p.code, p.name, Decimal(q < 7 ? 1 : (q < 9 ? 2 : d.between(3, 4))), p.price, QString()};
}

// One item of a tab or counter sale: a plain product (the menu's most of the
// time), a kit, a pizza or, on a tab, a weighed dish.
SaleItem YearWriter::item(int waiter, bool wholeQuantities)
{
    Dice& d = m_dice;
    const int r = d.below(1000);
    SaleItem i;
    if (r < 80) {
        i = kitItem();
    } else if (r < 140) {
        i = pizzaItem();
    } else if (r < 175 && !wholeQuantities) {
        const Product& p = m_cat.products[size_t(kFirstWeighed - 1 + d.below(kWeighed))];
        i = SaleItem{0, p.code, p.name, quantity(d.between(150, 900)), p.price, QString()};
    } else {
        i = plainItem();
    }
    i.waiter = waiter ? waiterText(waiter) : QString();
    return i;
}

// A table or tab closed as TabClosing closes it.
void YearWriter::tabSale(const Shift& s, int customer, bool onAccount)
{
    Dice& d = m_dice;
    const int waiter = d.between(1, kServingWaiters);
    const bool deliveryTab = !onAccount && d.perMille(40);
    const int key = deliveryTab ? 1000000 + d.between(1, 9999) : (d.perMille(600) ? d.between(1, 60) : d.between(100, 999));
    const QString tab = code6(key);

    std::vector<SaleItem> items;
    const int count = countOf(d, {180, 170, 160, 130, 100, 80, 60, 50, 40});   // 1 to 10, about 4
    for (int k = 0; k < count; ++k)
        items.push_back(item(d.perMille(850) ? waiter : d.between(1, kServingWaiters), false));
    if (d.perMille(350)) {
        const Product& beer = m_cat.products[kBeer - 1];
        items.push_back(SaleItem{0, beer.code, beer.name, Decimal(d.between(1, 6)), beer.price, waiterText(waiter)});
    }

    BillInputs in;
    for (const SaleItem& i : items)
        in.itemsTotal += i.quantity * i.price;
    in.minimumConsumption = d.perMille(3) ? Decimal(60) : Decimal();
    // A delivery tab is charged neither service nor cover (both switches "N").
    in.servicePercent = !deliveryTab && d.perMille(850) ? Decimal(10) : Decimal();
    in.persons = d.between(1, 6);
    in.coverPerPerson = !deliveryTab && d.perMille(150) ? Decimal(d.perMille(500) ? 5 : 8) : Decimal();
    const Decimal fee = deliveryTab ? money(400 + 100 * d.between(1, kAreas)) : Decimal();
    in.deliveryColumn = fee;
    in.discount = d.perMille(40) ? (in.itemsTotal * Decimal(d.perMille(500) ? 5 : 10) / Decimal(100)).roundTo(2)
                                 : Decimal();
    const Decimal due = BillComputation::compute(in).amountDue;
    const std::vector<SalePayment> payments = payFor(d, due, customer != 1, onAccount);
    in.paid = paidBy(payments);
    const Bill bill = BillComputation::compute(in);

    const QString name = customerName(customer);
    Sale sale;
    sale.number = ++m_saleNumber;
    sale.date = s.date;
    sale.cashShift = s.number;
    sale.terminal = kMainTerminal;
    sale.waiter = waiter;
    sale.customerCode = customer;
    sale.customerName = name.left(15);
    sale.changeName = tab + S(" - ") + name.left(15);
    sale.customerText = customer != 1 ? QString::number(customer) : S("0");   // the tab's CLIENTE, 0 at opening
    sale.payments = payments;
    sale.dueDate = s.date;
    sale.receivableDays = 30;
    sale.change = bill.change();
    sale.saleType = 1;
    sale.saleCustomer = sale.changeName;
    sale.saleValue = bill.amountDue;
    sale.tabNumber = key;
    sale.deliveryMan = deliveryTab ? d.between(1, kDeliveryMen) : 0;
    sale.deliveryManFee = fee;
    sale.service = bill.serviceValue;
    sale.cover = bill.coverTotal;
    sale.deliveryFee = bill.deliveryFee;
    sale.discount = bill.discount;
    sale.items = std::move(items);
    sale.topUp = bill.topUp;
    sale.deliverySale = bill.deliveryFee > Decimal();
    sale.davFlag = S("S");
    sale.loyalty = true;
    sale.loyaltyBase = bill.itemsTotal;
    SaleWriter(m_logon).write(sale);
}

// A counter sale closed as CounterClosing closes it.
void YearWriter::counterSale(const Shift& s)
{
    Dice& d = m_dice;
    std::vector<SaleItem> items;
    const int count = countOf(d, {350, 300, 200, 100});   // 1 to 5
    for (int k = 0; k < count; ++k)
        items.push_back(item(0, true));
    if (d.perMille(200)) {
        const Product& beer = m_cat.products[kBeer - 1];
        items.push_back(SaleItem{0, beer.code, beer.name, Decimal(d.between(1, 12)), beer.price, QString()});
    }
    Decimal purchase;
    for (const SaleItem& i : items)
        purchase += i.quantity * i.price;
    const Decimal discount = d.perMille(30) ? (purchase * Decimal(5) / Decimal(100)).roundTo(2) : Decimal();
    const int customer = d.perMille(60) ? registeredCustomer() : 1;
    const std::vector<SalePayment> payments = payFor(d, purchase - discount, customer != 1, false);
    const Decimal rest = purchase - paidBy(payments) - discount;

    Sale sale;
    sale.number = ++m_saleNumber;
    sale.date = s.date;
    sale.cashShift = s.number;
    sale.terminal = d.perMille(150) ? kOtherTerminal : kMainTerminal;
    sale.waiter = 0;
    sale.customerCode = customer;
    sale.customerName = customerName(customer).left(15);
    sale.changeName = sale.customerName;
    sale.customerText = QString::number(customer);
    sale.payments = payments;
    sale.dueDate = s.date;
    sale.receivableDays = 0;
    sale.change = rest.isNegative() ? -rest : Decimal();
    sale.saleType = 2;
    sale.counterSale = true;
    sale.saleCustomer = sale.customerName;
    sale.saleValue = purchase;
    sale.discount = discount;
    sale.items = std::move(items);
    sale.davFlag = S("S");
    sale.deliverySale = true;
    sale.loyalty = false;
    sale.serviceRowsFirst = true;
    SaleWriter(m_logon).write(sale);
}

// A delivery order invoiced at the delivery desk, as its invoicing describes it
// (DeliveryInvoicing::saleOf): its payment rows, the discount as an expense row,
// the sale row with the fee and the delivery man, and its stock-out (pizzas split
// into their flavours).
void YearWriter::deliveryInvoice(const Shift& s)
{
    Dice& d = m_dice;
    const int phone = kFirstPhone + d.skewed(kDeliveryCustomers);
    const QString name = customerName(phone);
    const int area = d.between(1, kAreas);
    const Decimal fee = money(400 + area * 100);
    const int deliveryMan = d.between(1, kDeliveryMen);

    struct Line {
        QString code, name;
        Decimal quantity, price;
    };
    std::vector<Line> lines;
    const int count = countOf(d, {250, 350, 250});   // 1 to 4
    for (int k = 0; k < count; ++k) {
        if (d.perMille(450)) {
            // the delivery's item entry names a pizza by its flavours joined by "/"
            const SaleItem pizza = pizzaItem();
            QStringList names;
            for (const QString& f : flavourCodesOf(pizza.code))
                names << m_cat.of(f).name;
            lines.push_back({pizza.code, names.join(QLatin1Char('/')), pizza.quantity, pizza.price});
        } else {
            const Product& p = m_cat.products[size_t(m_cat.food[size_t(d.skewed(int(m_cat.food.size())))])];
            lines.push_back({p.code, p.name, Decimal(d.between(1, 3)), p.price});
        }
    }
    Decimal items;
    for (const Line& l : lines)
        items += l.quantity * l.price;
    const Decimal discount = d.perMille(80) ? money(d.perMille(500) ? 500 : 1000) : Decimal();
    const Decimal due = items + fee - discount;
    const std::vector<SalePayment> payments = payFor(d, due, false, false);
    const Decimal change = paidBy(payments) - due;

    // The sale number: the shift by "#00" and the desk's counter by "#0000" (050345).
    const QString numberText = DeliveryInvoicing::saleNumberText(s.number, ++m_deliveryCounter);
    const qint64 number = numberText.toLongLong();
    const QDate today = s.date;

    // Written by the one sale writer as the desk's invoicing describes its sale.
    DeliverySale sale;
    sale.number = number;
    sale.numberText = numberText;
    sale.when = QDateTime(today, clock(m_minute));
    sale.cashShift = s.number;
    sale.phone = phone;
    sale.customerName = name;
    bool first = true;
    for (const SalePayment& p : payments) {
        SalePayment paid = p;
        paid.amount = first ? p.amount - change : p.amount;   // the first field less the change
        first = false;
        if (paid.amount > Decimal())
            sale.payments.push_back(paid);
    }
    sale.saleValue = items;
    sale.freight = fee;
    sale.listFee = fee;
    sale.deliveryMan = deliveryMan;
    sale.discount = discount;
    for (const Line& l : lines) {
        HandOverLine h;
        h.codigo = l.code;
        h.nome = l.name;
        h.quantidade = l.quantity;
        h.valor = l.price;
        sale.items.push_back(h);
    }
    SaleWriter(m_logon).write(DeliveryInvoicing::saleOf(sale));
}

// The manual entries and exits of the stock window: losses, breakage, staff
// meals, inventory counts.
void YearWriter::stockMovements(const Shift& s)
{
    static const char* const histories[] = {"->", "PERDA", "QUEBRA", "CONSUMO INTERNO", "AJUSTE INVENTARIO",
                                            "TRANSFERENCIA", "DEVOLUCAO CLIENTE", "VENCIDO"};
    Dice& d = m_dice;
    const int count = d.between(40, 80);
    for (int k = 0; k < count; ++k) {
        const int at = d.perMille(600) ? m_cat.menu[size_t(d.skewed(kMenu))]
                                       : m_cat.sellable[size_t(d.below(int(m_cat.sellable.size())))];
        const Product& p = m_cat.products[size_t(at)];
        const bool entry = d.perMille(400);
        const Decimal q(d.between(1, 24));
        m_logon.run(S("insert into EstFic (id,codigo,valor,data,historico,saida,entrada) "
                      "values (GEN_ID(ESTFIC,1),?,?,?,?,?,?)"),
                    {p.code, p.price, s.date, S(histories[d.below(8)]), entry ? Decimal() : q, entry ? q : Decimal()});
    }
}

// Mondays and Thursdays the suppliers' invoices come in: one ledger row per item
// ("NF:" and the number), the products' date of last entry, and the invoice's
// payable titles.
void YearWriter::entryInvoices(const Shift& s)
{
    const int weekday = s.date.dayOfWeek();
    if (weekday != 1 && weekday != 4)
        return;
    Dice& d = m_dice;
    const int count = d.between(2, 4);
    for (int k = 0; k < count; ++k) {
        const int supplier = k == 0 ? kMainSupplier : d.between(1, kSuppliers - 10);
        const std::vector<int>& offer = m_cat.bySupplier[size_t(supplier)];
        const int number = ++m_invoiceNumber;
        const QString history = (QStringLiteral("NF:%1 OBS:").arg(number) +
                                 (d.perMille(500) ? QStringLiteral("PEDIDO %1").arg(number - 3000) : S("ENTREGA SEMANAL")))
                                    .left(29);
        Decimal total;
        auto line = [&](const Product& p, const Decimal& q) {
            m_logon.run(S("insert into EstFic (id,codigo,data,historico,entrada,NFiscal,valor) "
                          "values (GEN_ID(ESTFIC,1),?,?,?,?,?,?)"),
                        {p.code, s.date, history, q, number, p.cost});
            m_logon.run(S("update produtos set DATAentrada = ? where codigo = ?"), {s.date, p.code});
            total += q * p.cost;
        };
        if (supplier == kMainSupplier)
            line(m_cat.products[kBeer - 1], Decimal(2400));   // the beer, twice a week by the pallet
        const int items = d.between(15, 60);
        for (int i = 0; i < items; ++i) {
            const Product& p = m_cat.products[size_t(offer[size_t(d.below(int(offer.size())))])];
            if (p.kind != Kind::Kit)
                line(p, Decimal(d.between(6, 120)));
        }
        const int titles = d.between(1, 3);
        std::vector<Decimal> weights(size_t(titles), Decimal(1));
        const std::vector<Decimal> parts = BillComputation::splitCents(total, weights);
        for (int t = 0; t < titles; ++t)
            payable(QStringLiteral("NF%1/%2").arg(number).arg(t + 1), supplier, s.date, s.date.addDays(28 * (t + 1)),
                    parts[size_t(t)]);
    }
}

// A payable title as the payables register writes it; settled on its due date
// (now and then a few days late, with interest) when that day is in the year.
void YearWriter::payable(const QString& title, int supplier, const QDate& issue, const QDate& due, const Decimal& value)
{
    Dice& d = m_dice;
    const QDate last = kLastDay;
    const int late = d.perMille(100) ? d.between(1, 10) : 0;
    const QDate paid = due.addDays(late);
    const bool settled = paid <= last && d.perMille(970);
    m_logon.run(S("insert into pagarq (id,duplicata,codigo,nome,emissao,vencimento,baixa,valor,juros) "
                  "values (GEN_ID(PAGARQ,1),?,?,?,?,?,?,?,?)"),
                {title.left(15), supplier, supplierName(supplier).left(30), issue, due,
                 settled ? QVariant(paid) : QVariant(), value,
                 late ? (value * Decimal(late) / Decimal(1000)).roundTo(2) : Decimal()});
}

// The customer accounts: the account customer's sales on account come with the
// tabs; here his manual debits and his payments, and now and then a payment of
// another customer who bought on account.
void YearWriter::accountLines(const Shift& s)
{
    Dice& d = m_dice;
    const QString name = customerName(kAccountCustomer).left(30);
    static const char* const debits[] = {"CONSUMO FUNCIONARIOS", "EVENTO CONFRATERNIZACAO", "MARMITAS SEMANA",
                                         "COFFEE BREAK REUNIAO"};
    for (int k = 0; k < s.accountDebits; ++k)
        m_logon.run(S("insert into recarq (id,codigo,nome,emissao,valor) values (GEN_ID(RECARQ,1),?,?,?,?)"),
                    {kAccountCustomer, S(debits[d.below(4)]), s.date, d.cents(5000, 60000)});
    for (int k = 0; k < s.accountPayments; ++k) {
        const Decimal value = money(d.between(30, 100) * 1000);
        m_logon.run(S("insert into recarq (id,codigo,nome,baixa,emissao,valor,caixabaixa,valor3) "
                      "values (GEN_ID(RECARQ,1),?,?,?,?,?,?,?)"),
                    {kAccountCustomer, S("PAGAMENTO ") + name.left(20), s.date, s.date, value, s.number, value});
    }
    const int others = d.between(0, 6);
    for (int k = 0; k < others; ++k) {
        const int customer = registeredCustomer();
        const Decimal value = d.cents(2000, 30000);
        m_logon.run(S("insert into recarq (id,codigo,nome,baixa,emissao,valor,caixabaixa,valor3) "
                      "values (GEN_ID(RECARQ,1),?,?,?,?,?,?,?)"),
                    {customer, S("PAGAMENTO CONTA"), s.date, s.date, value, s.number, value});
    }
}

// The account book's entries of the day (the bank account's many, the office
// cash's few), and the staff vouchers.
void YearWriter::bookEntries(const Shift& s)
{
    Dice& d = m_dice;
    auto entry = [&](int account) {
        const bool credit = d.perMille(470);
        const int code = credit ? (d.perMille(900) ? d.between(1, 6) : 29) : d.between(7, 28);
        Decimal value = d.cents(500, code == 13 ? 350000 : 150000);
        if (code == 5 && d.perMille(3))
            value = money(20000001);   // 200.000,01: above what a FLOAT holds to the cent
        m_logon.run(S("insert into caixa (id,data,historico,debito,credito,desp,conta) "
                      "values (GEN_ID(CAIXA,1),?,?,?,?,?,?)"),
                    {s.date, QStringLiteral("%1 %2").arg(S(kBookCodeNames[code - 1])).arg(d.between(1, 999)).left(30),
                     credit ? Decimal() : value, credit ? value : Decimal(), code, account});
    };
    for (int k = 0; k < s.bookEntries; ++k)
        entry(kBookAccount);
    for (int k = 0; k < s.smallBookEntries; ++k)
        entry(kSmallAccount);

    static const char* const vouchers[] = {"VALE", "ADIANTAMENTO SALARIAL", "DESCONTO EM FOLHA", "VALE TRANSPORTE"};
    const int count = d.between(1, 5);
    for (int k = 0; k < count; ++k) {
        const int who = k == 0 ? kBusyWaiter : d.between(1, kWaiters);
        const int kind = d.below(4);
        const Decimal value = money(d.between(2, 40) * 500);
        if (kind == 2)
            m_logon.run(S("insert into VALES (CODIGO, DATA, HISTORICO, CREDITO) values (?, ?, ?, ?)"),
                        {who, s.date, S(vouchers[kind]), value});
        else
            m_logon.run(S("insert into VALES (CODIGO, DATA, HISTORICO, DEBITO) values (?, ?, ?, ?)"),
                        {who, s.date, S(vouchers[kind]), value});
    }
}

void YearWriter::login(const QDate& day, const QTime& at, const QString& who, const QString& what)
{
    m_logon.run(S("insert into HISTORICO (id,hora,operador,acao) values (GEN_ID(HISTORICO,1),?,?,?)"),
                {QDateTime(day, at).toString(QStringLiteral("dd/MM/yy hh:mm:ss")), who, what});
}

// The drawer's withdrawals and top-ups, and the day's expenses paid out of it.
void YearWriter::cashDrawer(const Shift& s)
{
    Dice& d = m_dice;
    auto withdrawal = [&](const Decimal& value, const char* kind, const char* history) {
        m_logon.run(S("insert into Sangria (id,caixa,terminal,valor,dc,historico) "
                      "values (GEN_ID(SANGRIA,1),?,?,?,?,?)"),
                    {s.number, kMainTerminal, value, S(kind), S(history)});
    };
    static const char* const withdrawals[] = {"SANGRIA", "DEPOSITO BANCO", "PAGTO FORNECEDOR"};
    const int count = d.between(1, 3);
    for (int k = 0; k < count; ++k)
        withdrawal(money(d.between(2, 20) * 5000), "1", withdrawals[k]);
    if (d.perMille(200))
        withdrawal(money(d.between(1, 4) * 5000), "2", "REFORCO DE TROCO");
    const int expenses = d.between(2, 6);
    for (int k = 0; k < expenses; ++k) {
        const ExpenseDef& e = kExpenses[d.below(int(std::size(kExpenses)))];
        m_logon.run(S("insert into desploja (ID,DATA,CAIXA,TERMINAL,HISTORICO,VALOR,CCUSTO) "
                      "values (GEN_ID(DESPESAS,1),?,?,?,?,?,?)"),
                    {s.date, s.number, kMainTerminal, S(e.history), d.cents(e.lowCents, e.highCents), e.costCentre});
    }
}

// The month's fixed bills, registered on the 5th and due on the 10th.
void YearWriter::monthlyBills(const Shift& s)
{
    static const char* const bills[] = {"ALUGUEL", "ENERGIA", "AGUA", "TELEFONE", "CONTADOR"};
    for (int k = 0; k < 5; ++k)
        payable(QStringLiteral("%1/%2").arg(S(bills[k]), s.date.toString(QStringLiteral("MMyy"))), kSuppliers - k,
                s.date, s.date.addDays(5), m_dice.cents(20000, k == 0 ? 900000 : 250000));
}

void YearWriter::shift(const Shift& s)
{
    m_logon.action([&] {
        Dice& d = m_dice;
        const QString cashier = waiterName(21 + s.number % 5).left(20);
        login(s.date, QTime(9, 30 + d.below(20)), S("SUPERVISOR"), S("Entrou Programa"));
        login(s.date, QTime(9, 55), S("SUPERVISOR"), S("Abriu Caixa"));
        m_logon.run(S("insert into contData (id,caixa,data,abertura,operador) values (GEN_ID(CONTCAIXA,1),?,?,?,?)"),
                    {s.number, s.date, money(d.between(10, 30) * 1000), cashier});

        // The sales of the day, in the order they were closed; the account
        // customer's among them.
        const int total = s.sales;
        int account = 0;
        for (int k = 0; k < total; ++k) {
            m_minute = k * 780 / std::max(1, total);   // 10:00 to 23:00
            if (account < s.accountSales && k * s.accountSales / std::max(1, total) >= account) {
                ++account;
                tabSale(s, kAccountCustomer, true);
                continue;
            }
            const int r = d.below(1000);
            if (r < 580)
                tabSale(s, d.perMille(120) ? registeredCustomer() : 1, false);
            else if (r < 880)
                counterSale(s);
            else
                deliveryInvoice(s);
        }

        cashDrawer(s);
        stockMovements(s);
        entryInvoices(s);
        accountLines(s);
        bookEntries(s);
        if (s.date.day() == 5)
            monthlyBills(s);
        const int logins = d.between(1, 4);
        for (int k = 0; k < logins; ++k)
            login(s.date, QTime(11 + k * 3, d.below(60)), waiterName(d.between(1, kWaiters)).left(20), S("Entrou Programa"));
        if (s.number < days()) {
            login(s.date, QTime(23, 40), S("SUPERVISOR"), S("Fechou Caixa"));
            login(s.date, QTime(23, 45), S("SUPERVISOR"), S("Saiu Programa"));
        }
    });
}

void YearWriter::finish()
{
    m_logon.action([&] {
        // The last shift stays open, as on any working day.
        m_logon.run(S("insert into contcaixa (caixa,NUMEDADOR) values (?,?)"), {days(), days()});
    });
    m_logon.run(QStringLiteral("ALTER SEQUENCE BORDA RESTART WITH %1").arg(m_saleNumber));
    m_logon.run(QStringLiteral("ALTER SEQUENCE TIPBAIXA RESTART WITH %1").arg(m_deliveryCounter));
}

// ---- Where it is kept ------------------------------------------------------------

// The tables the year fills by the thousand: their indexes are rebuilt once at the end.
const char* const kBigTables[] = {"ESTFIC", "FATURA", "RECARQ", "SERVICO", "DESPLOJA", "CAIXA", "PAGARQ"};

QString yearDir()
{
    const QString env = qEnvironmentVariable("SABREL22_BENCH_YEAR_DIR");
    if (!env.isEmpty())
        return env;
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(QLatin1Char('/'), 0, -2) +
           (years() == 1 ? QStringLiteral("/year") : QStringLiteral("/year-%1-anos").arg(years()));
}

// What makes a kept year stale: the generator's and the sale writer's sources,
// and every table, index and trigger of the schema.
QString stamp()
{
    QCryptographicHash h(QCryptographicHash::Sha1);
    h.addData(QByteArrayView(BENCH_YEAR_SOURCES));
    h.addData(QByteArray::number(years()));
    for (const schema::Trigger& t : schema::triggers())
        h.addData(t.sql.toUtf8());
    for (const schema::Table& t : schema::tables()) {
        h.addData(schema::createTableSql(t).toUtf8());
        h.addData(schema::createTriggerSql(t).toUtf8());
    }
    for (const schema::Index& i : schema::indexes())
        h.addData(schema::createIndexSql(i).toUtf8());
    for (const schema::Generator& g : schema::generators())
        h.addData(QByteArrayView(g.name));
    return QString::fromLatin1(h.result().toHex().left(16));
}

// Attaches to a database file through the raw client with the given options and
// detaches again: forced writes on or off (gfix -write), and a sweep (gfix -sweep)
// that takes the old versions of updated rows away before anybody reads the year.
void rawAttach(const QString& path, bool forcedWrites, bool sweep)
{
    using namespace Firebird;
    IMaster* master = fb_get_master_interface();
    ThrowStatusWrapper st(master->getStatus());
    try {
        IXpbBuilder* dpb = master->getUtilInterface()->getXpbBuilder(&st, IXpbBuilder::DPB, nullptr, 0);
        dpb->insertString(&st, isc_dpb_user_name, TLogon::kUser);
        dpb->insertString(&st, isc_dpb_password, TLogon::kPassword);
        dpb->insertInt(&st, isc_dpb_force_write, forcedWrites ? 1 : 0);
        if (sweep)
            dpb->insertInt(&st, isc_dpb_sweep, isc_dpb_records);
        IProvider* prov = master->getDispatcher();
        const QByteArray name = path.toUtf8();
        IAttachment* att = prov->attachDatabase(&st, name.constData(), dpb->getBufferLength(&st), dpb->getBuffer(&st));
        dpb->dispose();
        att->detach(&st);
        prov->release();
    } catch (const FbException& e) {
        char text[512];
        master->getUtilInterface()->formatStatus(text, sizeof text, e.getStatus());
        st.dispose();
        throw DbError(QString::fromLocal8Bit(text));
    }
    st.dispose();
}

qint64 count(TLogon& l, const char* sql, const Params& p = {})
{
    const QVariant v = l.scalar(QString::fromUtf8(sql), p);
    return v.isNull() ? 0 : v.toLongLong();
}

// Each count: its name in the kept facts, its field, and how it is counted.
struct Counted {
    const char* name;
    qint64 Counts::*field;
    const char* sql;
};
const Counted kCounted[] = {
    {"groups", &Counts::groups, "select count(*) from TIPOS"},
    {"products", &Counts::products, "select count(*) from PRODUTOS"},
    {"kits", &Counts::kits, "select count(*) from PRODUTOS where COMPOSICAO = 'S'"},
    {"kitRows", &Counts::kitRows, "select count(*) from KITPROD"},
    {"suppliers", &Counts::suppliers, "select count(*) from FORNECEDOR"},
    {"customers", &Counts::customers, "select count(*) from CLIENTES"},
    {"waiters", &Counts::waiters, "select count(*) from VENDEDOR"},
    {"methods", &Counts::methods, "select count(*) from FORMAPAGA"},
    {"costCentres", &Counts::costCentres, "select count(*) from CENTROCUSTO"},
    {"deliveryMen", &Counts::deliveryMen, "select count(*) from DELICAD"},
    {"areas", &Counts::areas, "select count(*) from ENTREGA"},
    {"shifts", &Counts::shifts, "select count(*) from CONTDATA"},
    {"withdrawals", &Counts::withdrawals, "select count(*) from SANGRIA"},
    {"sales", &Counts::sales, "select count(*) from FATURA"},
    {"tabSales", &Counts::tabSales, "select count(*) from FATURA where TIPO = 1"},
    {"counterSales", &Counts::counterSales, "select count(*) from FATURA where TIPO = 2"},
    {"deliverySales", &Counts::deliverySales, "select count(*) from FATURA where TIPO = 3"},
    {"payments", &Counts::payments, "select count(*) from RECARQ"},
    {"services", &Counts::services, "select count(*) from SERVICO"},
    {"ledger", &Counts::ledger, "select count(*) from ESTFIC"},
    {"expenses", &Counts::expenses, "select count(*) from DESPLOJA"},
    {"payables", &Counts::payables, "select count(*) from PAGARQ"},
    {"accounts", &Counts::accounts, "select count(*) from CONTA"},
    {"bookCodes", &Counts::bookCodes, "select count(*) from DESPESA"},
    {"bookEntries", &Counts::bookEntries, "select count(*) from CAIXA"},
    {"vouchers", &Counts::vouchers, "select count(*) from VALES"},
    {"logins", &Counts::logins, "select count(*) from HISTORICO"},
};

// The facts as the kept stamp names them, by kind of value.
const std::pair<const char*, int Facts::*> kWholeFacts[] = {
    {"years", &Facts::years},
    {"terminal", &Facts::terminal}, {"otherTerminal", &Facts::otherTerminal}, {"firstShift", &Facts::firstShift},
    {"lastShift", &Facts::lastShift}, {"busiestShift", &Facts::busiestShift}, {"busiestSales", &Facts::busiestSales},
    {"monthFirstShift", &Facts::monthFirstShift}, {"monthLastShift", &Facts::monthLastShift},
    {"group", &Facts::group}, {"accountCustomer", &Facts::accountCustomer}, {"bookAccount", &Facts::bookAccount},
    {"waiter", &Facts::waiter}, {"supplier", &Facts::supplier},
};
const std::pair<const char*, qint64 Facts::*> kBigFacts[] = {
    {"productRows", &Facts::productRows}, {"ordinaryProductRows", &Facts::ordinaryProductRows},
    {"accountLines", &Facts::accountLines},
    {"bookAccountEntries", &Facts::bookAccountEntries}, {"makeRoundTrips", &Facts::makeRoundTrips},
};
const std::pair<const char*, QDate Facts::*> kDayFacts[] = {
    {"firstDay", &Facts::firstDay}, {"lastDay", &Facts::lastDay}, {"busiestDay", &Facts::busiestDay},
    {"monthFirstDay", &Facts::monthFirstDay}, {"monthLastDay", &Facts::monthLastDay},
};
const std::pair<const char*, QString Facts::*> kTextFacts[] = {
    {"productWithManyRows", &Facts::productWithManyRows}, {"ordinaryProduct", &Facts::ordinaryProduct},
    {"kit", &Facts::kit},
};

QJsonObject toJson(const Facts& f, const QString& stampText)
{
    QJsonObject o{{S("stamp"), stampText}, {S("makeSeconds"), f.makeSeconds}};
    for (const auto& [name, field] : kWholeFacts)
        o[S(name)] = f.*field;
    for (const auto& [name, field] : kBigFacts)
        o[S(name)] = double(f.*field);
    for (const auto& [name, field] : kDayFacts)
        o[S(name)] = (f.*field).toString(Qt::ISODate);
    for (const auto& [name, field] : kTextFacts)
        o[S(name)] = f.*field;
    QJsonObject counts;
    for (const Counted& c : kCounted)
        counts[S(c.name)] = double(f.counts.*c.field);
    o[S("counts")] = counts;
    return o;
}

Facts fromJson(const QJsonObject& o)
{
    Facts f;
    f.makeSeconds = o[S("makeSeconds")].toDouble();
    for (const auto& [name, field] : kWholeFacts)
        f.*field = o[S(name)].toInt();
    for (const auto& [name, field] : kBigFacts)
        f.*field = qint64(o[S(name)].toDouble());
    for (const auto& [name, field] : kDayFacts)
        f.*field = QDate::fromString(o[S(name)].toString(), Qt::ISODate);
    for (const auto& [name, field] : kTextFacts)
        f.*field = o[S(name)].toString();
    const QJsonObject counts = o[S("counts")].toObject();
    for (const Counted& c : kCounted)
        f.counts.*c.field = qint64(counts[S(c.name)].toDouble());
    return f;
}

// The facts read back from the year just made (what the generator meant, checked).
Facts factsOf(TLogon& l, const std::vector<Shift>& shifts)
{
    Facts f;
    // The facts of a business of several years are those of its last year.
    f.years = years();
    f.firstDay = kLastYearFirstDay;
    f.lastDay = kLastDay;
    f.terminal = kMainTerminal;
    f.otherTerminal = kOtherTerminal;
    f.firstShift = shifts.front().number;
    for (const Shift& s : shifts)
        if (s.date == kLastYearFirstDay)
            f.firstShift = s.number;
    f.lastShift = shifts.back().number;
    for (const Shift& s : shifts) {
        if (s.date == kBusiestDay)
            f.busiestShift = s.number;
        if (s.date == kMonthFirst)
            f.monthFirstShift = s.number;
        if (s.date == kMonthLast)
            f.monthLastShift = s.number;
    }
    f.busiestDay = kBusiestDay;
    f.busiestSales = int(count(l, "select count(*) from FATURA where CAIXA = ?", {f.busiestShift}));
    f.monthFirstDay = kMonthFirst;
    f.monthLastDay = kMonthLast;
    RowSet top = l.run(S("select first 1 CODIGO, count(*) as N from ESTFIC group by CODIGO order by 2 desc"));
    if (top.next()) {
        f.productWithManyRows = top.text(u"CODIGO");
        f.productRows = top.integer(u"N");
    }
    f.ordinaryProduct = code6(kOrdinaryProduct);
    f.ordinaryProductRows = count(l, "select count(*) from ESTFIC where CODIGO = ?", {f.ordinaryProduct});
    f.kit = code6(kFirstKit);
    f.group = kBeerGroup;
    f.accountCustomer = kAccountCustomer;
    f.accountLines = count(l, "select count(*) from RECARQ where CODIGO = ? and (BAIXA is null or DUPLICATA is null)",
                           {kAccountCustomer});
    f.bookAccount = kBookAccount;
    f.bookAccountEntries = count(l, "select count(*) from CAIXA where CONTA = ?", {kBookAccount});
    f.waiter = kBusyWaiter;
    f.supplier = kMainSupplier;
    for (const Counted& c : kCounted)
        f.counts.*c.field = count(l, c.sql);
    return f;
}

void connect(TLogon& logon, const QString& path)
{
    if (!logon.connectTo(path))
        throw DbError(logon.lastError());
}

// The big tables' own indexes, off while the year is written and rebuilt after it.
void setBigIndexes(TLogon& logon, bool active)
{
    for (const schema::Index& i : schema::indexes())
        for (const char* t : kBigTables)
            if (!i.unique && std::strcmp(i.table, t) == 0)
                logon.run(QStringLiteral("ALTER INDEX %1 %2")
                              .arg(QLatin1String(i.name), active ? QStringLiteral("ACTIVE") : QStringLiteral("INACTIVE")));
}

Facts make(const QString& path)
{
    const double started = monotonicMs();
    QFile::remove(path);
    newdb::createInstallation(path);
    rawAttach(path, false, false);   // the year is written once; its commits need not wait for the disk
    {
        TLogon logon;
        connect(logon, path);
        setBigIndexes(logon, false);
    }
    qint64 trips = 0;
    std::vector<Shift> shifts;
    {
        TLogon logon;
        connect(logon, path);
        YearWriter w(logon);
        w.registers();
        for (const Shift& s : w.shifts()) {
            w.shift(s);
            ledgertotals::fold(logon);   // as the shift's closing does
            if (s.number % 30 == 0)
                std::fprintf(stderr, "  ano: caixa %d de %d, %.0f s\n", s.number, days(), (monotonicMs() - started) / 1000);
        }
        w.finish();
        shifts = w.shifts();
        trips = logon.roundTrips();
    }
    Facts f;
    {
        TLogon logon;
        connect(logon, path);
        setBigIndexes(logon, true);
        // Selectivities as a database that grew to this size has them.
        for (const schema::Index& i : schema::indexes())
            logon.run(QStringLiteral("SET STATISTICS INDEX %1").arg(QLatin1String(i.name)));
        f = factsOf(logon, shifts);
    }
    rawAttach(path, true, true);
    f.makeSeconds = (monotonicMs() - started) / 1000;
    f.makeRoundTrips = trips;
    return f;
}

bool g_madeNow = false;

} // namespace

int yearsOfBusiness()
{
    return years();
}

void chooseYearsOfBusiness(int n)
{
    g_years = std::clamp(n, 1, 10);
}

const Facts& year()
{
    static const Facts facts = [] {
        prepareFirebirdEnvironment();
        const QString dir = yearDir();
        QDir().mkpath(dir);
        const QString path = dir + QStringLiteral("/year.fdb");
        const QString factsPath = dir + QStringLiteral("/year.json");
        const QString want = stamp();
        QLockFile lock(dir + QStringLiteral("/year.lock"));
        lock.setStaleLockTime(0);
        if (!lock.lock())
            throw std::runtime_error("the year's lock cannot be taken");

        QFile kept(factsPath);
        if (QFileInfo::exists(path) && kept.open(QIODevice::ReadOnly)) {
            const QJsonObject o = QJsonDocument::fromJson(kept.readAll()).object();
            if (o[S("stamp")].toString() == want) {
                Facts f = fromJson(o);
                f.database = path;
                return f;
            }
        }
        std::fprintf(stderr, "ano de movimento: gerando %s (alguns minutos)...\n", qPrintable(path));
        QFile::remove(factsPath);
        const QString making = dir + QStringLiteral("/year-making.fdb");
        Facts f = make(making);
        QFile::remove(path);
        if (!QFile::rename(making, path))
            throw std::runtime_error("the year's file cannot be put in place");
        QSaveFile out(factsPath);
        if (!out.open(QIODevice::WriteOnly))
            throw std::runtime_error("the year's facts cannot be written");
        out.write(QJsonDocument(toJson(f, want)).toJson());
        if (!out.commit())
            throw std::runtime_error("the year's facts cannot be written");
        g_madeNow = true;
        f.database = path;
        return f;
    }();
    return facts;
}

bool madeNow()
{
    year();
    return g_madeNow;
}

void forgetKeptYear()
{
    QFile::remove(yearDir() + QStringLiteral("/year.json"));
}

namespace {

// The year's file copied to path, readable and writable by a server's own user too.
QString copyTo(const QString& path)
{
    const Facts& y = year();
    QFile::remove(path);
    if (!QFile::copy(y.database, path))
        throw std::runtime_error("the year cannot be copied to " + path.toStdString());
    QFile(path).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                               QFileDevice::WriteGroup | QFileDevice::ReadOther | QFileDevice::WriteOther);
    return path;
}

} // namespace

QString copyOfYear(const QString& name)
{
    const QString dir = yearDir() + QStringLiteral("/copies");
    QDir().mkpath(dir);
    return copyTo(dir + QLatin1Char('/') + name + QStringLiteral(".fdb"));
}

QString copyOfYearOnServer(const QString& name)
{
    const QString server = qEnvironmentVariable("SABREL22_TEST_SERVER");
    if (server.isEmpty())
        return QString();
    const QString dir = qEnvironmentVariable("SABREL22_TEST_SERVER_DIR", QStringLiteral("/tmp"));
    return server + QLatin1Char(':') +
           copyTo(dir + QStringLiteral("/year-%1-%2.fdb").arg(name).arg(QCoreApplication::applicationPid()));
}

void removeServerCopy(const QString& databaseName)
{
    const int colon = databaseName.indexOf(QLatin1Char(':'));
    if (colon > 0)
        QFile::remove(databaseName.mid(colon + 1));
}

} // namespace benchyear
