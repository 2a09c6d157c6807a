#include "StockReportSeeds.h"

#include "RegisterSeeds.h"
#include "SeedValues.h"
#include "ShiftReportSeeds.h"
#include "TestStation.h"

#include <optional>

namespace seeds {

namespace {

struct Product {
    const char* code;
    const char* name;
    std::optional<int> group;
    const char* price;
    const char* cost;
    const char* minimum;   // "": none
    QDate validity;
    bool kit = false;
    const char* stored = nullptr;   // ESTGERAL; none: null
};

struct Row {
    const char* code;
    QDate date;
    const char* in;     // "": not named
    const char* out;
    const char* history;
    std::optional<int> invoice = std::nullopt, sale = std::nullopt;
    const char* value = "";
};

SqlValue optional(const char* text)
{
    return *text ? SqlValue(D(text)) : SqlValue(nullptr);
}

} // namespace

void stockReportStore(TestStation& st)
{
    TLogon& l = st.logon();
    setCompany(st, QStringLiteral("BAR DO ZE"), QStringLiteral("RUA A, 10"), QStringLiteral("RECIFE"),
               QStringLiteral("PE"), QStringLiteral("12.345.678/0001-90"));
    addGroup(l, 1, QStringLiteral("BEBIDAS"));
    addGroup(l, 7, QStringLiteral("LANCHES"));
    addGroup(l, 12, QStringLiteral("PORÇÕES"));
    addSupplier(l, 3, QStringLiteral("DISTRIBUIDORA SUL"));

    const Product products[] = {
        {"000001", "CERVEJA LATA", 1, "8", "4", "10", QDate(2026, 3, 15)},
        {"000002", "AGUA MINERAL", 1, "3,5", "1,25", "24", QDate(2026, 3, 16)},
        {"000003", "HAMBURGUER 180G", 7, "12", "6,3", "10", QDate(1999, 12, 30)},
        {"000004", "BATATA FRITA", 12, "18,9", "5,555", "", QDate(2026, 1, 10)},
        {"000005", "SEM GRUPO", std::nullopt, "2", "0,5", "5", QDate(2026, 2, 1)},
        {"000006", "GRUPO FANTASMA", 99, "10", "5", "3", QDate(2026, 3, 1), false, "5"},
        {"000008", "COPO DESCARTAVEL", 1, "1", "0,1", "1", QDate(2026, 3, 1), false, "0"},
        {"000009", "GUARDANAPO", 7, "0,5", "0,2", "", QDate(2099, 12, 30)},
        {"000010", "X-BURGUER", 7, "29,9", "0", "", QDate(2026, 3, 1), true},
    };
    for (const Product& p : products) {
        const QString code = QString::fromLatin1(p.code);
        addProduct(l, code, QString::fromUtf8(p.name), D(p.price), D(p.cost), p.kit);
        l.run(QStringLiteral("update PRODUTOS set CLASSE = ?, MINIMO = ?, VALIDADE = ?, FORNECEDOR = ?, ESTGERAL = ? "
                             "where CODIGO = ?"),
              {p.group ? SqlValue(*p.group) : SqlValue(nullptr), optional(p.minimum), p.validity,
               code == QLatin1String("000001") ? SqlValue(3) : SqlValue(nullptr),
               p.stored ? SqlValue(D(p.stored)) : SqlValue(nullptr), code});
    }

    const Row rows[] = {
        {"000001", QDate(2025, 12, 20), "24", "", "Estoque Inicial"},
        {"000001", QDate(2026, 3, 2), "", "20", "Cli: 0   Valor: 8.00", 501, 501, "8"},
        {"000001", QDate(2026, 3, 10), "12", "", "NF:77 OBS:", 77, std::nullopt, "3,9"},
        {"000001", QDate(2026, 3, 20), "", "6", "Cli: 0   Valor: 8.00", 502, 502, "8"},
        {"000001", QDate(2026, 3, 20), "", "4,5", "Cli: 0   Valor: 8.00", 502, 502, "8"},
        {"000001", QDate(2026, 4, 2), "", "1", "Cli: 0   Valor: 8.00", 503, 503, "8"},
        {"000002", QDate(2026, 2, 15), "", "5", "Venda Balcao Valor: 3.50", 400, 400, "3,5"},
        {"000002", QDate(2026, 3, 3), "2", "0", "ACERTO", std::nullopt, std::nullopt, "3,5"},
        {"000002", QDate(2026, 3, 3), "0", "3", "QUEBRA", std::nullopt, std::nullopt, "3,5"},
        {"000003", QDate(2025, 11, 1), "10", "", "Estoque Inicial"},
        {"000004", QDate(), "3", "", "SALDO ANTIGO"},
        {"000004", QDate(2026, 3, 5), "", "1", "Venda Balcao Valor: 18.90", 510, 510, "18,9"},
        {"000004", QDate(2026, 4, 10), "5", "", "NF:80 OBS:", 80, std::nullopt, "5,555"},
        {"000005", QDate(2026, 3, 8), "1", "", "Estoque Inicial"},
        {"000006", QDate(2026, 2, 10), "0,04", "", "Estoque Inicial"},
        {"000008", QDate(2026, 2, 1), "2", "", "Estoque Inicial"},
        {"000008", QDate(2026, 2, 2), "", "2", "Venda Balcao Valor: 1.00", 401, 401, "1"},
        {"000010", QDate(2026, 3, 12), "", "2", "X-BURGUER", 501, 501, "29,9"},
        {"999999", QDate(2026, 3, 14), "4", "", "NF:77 OBS:", 77, std::nullopt, "2"},
        {"", QDate(2026, 3, 21), "", "1", "SEM CODIGO"},
    };
    for (const Row& r : rows)
        l.run(QStringLiteral("insert into ESTFIC (ID, CODIGO, DATA, HISTORICO, ENTRADA, SAIDA, NFISCAL, PEDIDO, VALOR) "
                             "values (GEN_ID(ESTFIC,1), ?, ?, ?, ?, ?, ?, ?, ?)"),
              {QString::fromLatin1(r.code), r.date.isValid() ? SqlValue(r.date) : SqlValue(nullptr),
               QString::fromUtf8(r.history), optional(r.in), optional(r.out),
               r.invoice ? SqlValue(*r.invoice) : SqlValue(nullptr), r.sale ? SqlValue(*r.sale) : SqlValue(nullptr),
               optional(r.value)});
}

} // namespace seeds
