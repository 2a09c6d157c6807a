#pragma once
// The products with their stock now, by group, for every group or one:
//
//   the minimum-stock list (TFormEstMin, previewed as TFormMinQui): the products
//   whose stock is below their minimum (MINIMO), with the quantity missing, as a
//   buying aid; a product without a minimum is never listed;
//   the current stock print (TFormImpRap, as TFormRapQui): every product with its
//   stock, a unit value (cost or sale price, to the cent) and the stock's value,
//   with totals per group and overall.
//
// The stock is the ledger's (StockLedger), never the stored columns: ESTGERAL,
// ESTOQUE, ENTRADA and SAIDA of PRODUTOS follow no movement. The current stock
// print sets them to 0 before it reads (with the data reset it is their only
// writer); the minimum-stock list still leaves out a product whose stored ESTGERAL
// is above its minimum, a null counting as 0.
//
// "Stock ≠ 0" and "below the minimum" compare the exact thousandths.
#include "core/Decimal.h"
#include "reports/PageReport.h"

#include <QString>

class TLogon;

namespace stockposition {

namespace text {
inline const QString minimumCaption = QStringLiteral("Listagem de Estoque Minimo");
inline const QString minimumHeading = QStringLiteral("Estoque Minimo");
inline const QString minimumTitle = QStringLiteral("Controle de Estoque - Estoque Minimo");
inline const QString groupCaption = QStringLiteral("Centro de Custo");
inline const QString currentCaption = QStringLiteral(".: Estoque Atual - Impressão Rapida :.");
inline const QString currentHeading = QStringLiteral("Posição atual do Estoque");
inline const QString currentGroupCaption = QStringLiteral("Grupo / Família");
inline const QString currentTitle = QStringLiteral("Controle de Estoque - Estoque ");
inline const QString costCaption = QStringLiteral("Valor de custo");
inline const QString priceCaption = QStringLiteral("Valor de venda");
inline const QString allProducts = QStringLiteral("Todos os Prrodutos");
inline const QString onlyWithStock = QStringLiteral("Somente com estoque");
} // namespace text

enum class Value { Cost, Price };

class MinimumStock {
public:
    explicit MinimumStock(TLogon& logon) : m_logon(logon) {}

    // The products below their minimum, by group and name: CODIGO, NOME, UNIDADE,
    // CLASSE, GRUPO (the group's name), FORNECEDOR, ATUAL (the ledger's stock),
    // MINIMO, CUSTO, SUGESTAO (MINIMO − ATUAL, above 0).
    RowSet rows(int group) const;
    static report::Definition report(const RowSet& empresa, const QString& printed);

private:
    TLogon& m_logon;
};

class CurrentStock {
public:
    explicit CurrentStock(TLogon& logon) : m_logon(logon) {}

    // Sets ESTGERAL, ESTOQUE, ENTRADA and SAIDA of every product to 0 (whatever the
    // group), in one statement. Throws DbError.
    void clearStoredColumns();

    // Every product of the group (0: all), by group and name: CODIGO, NOME, CLASSE,
    // GRUPO, FORNECEDOR, ATUAL (the ledger's stock), UNITARIO (the cost or the sale
    // price, to the cent), TOTAL (ATUAL × the cost or price with every place it
    // keeps, exact). onlyWithStock leaves out the products whose stock is exactly 0.
    RowSet rows(int group, Value value, bool onlyWithStock) const;
    // The value column is titled "CUSTO" or "VENDA"; the totals add the lines'
    // values as computed and print them to the cent.
    static report::Definition report(Value value, const RowSet& empresa, const QString& printed);

    // The unit value as printed: rounded to the cent.
    static Decimal unitValue(const Decimal& value) { return value.roundTo(2); }

private:
    TLogon& m_logon;
};

} // namespace stockposition
