#pragma once
// Two twin listings of the products by group, for every group or one: the price
// list ("Tabela de Venda", TFormVenda previewed as TFormVenQui: code, name, unit
// and sale price, products by code within a group) and the product list
// ("Listagem Geral dos Produtos", TFormListGeral previewed as TFormLGeral: code,
// name and unit, products by name within a group). They only read.
#include "reports/PageReport.h"

#include <QString>

class TLogon;

namespace productlists {

enum class Kind { Prices, Products };

namespace text {
inline const QString pricesCaption = QStringLiteral("Tabela de Venda");
inline const QString pricesGroupCaption = QStringLiteral("Centro de Custo");
inline const QString pricesTitle = QStringLiteral("Controle de Estoque - Tabela de Venda");
inline const QString productsCaption = QStringLiteral("Listagem Geral dos Produtos");
inline const QString productsHeading = QStringLiteral("Listagem de Produtos");
inline const QString productsGroupCaption = QStringLiteral("Grupo / Família");
inline const QString productsTitle = QStringLiteral("Controle de Estoque - Listagem Geral dos Produtos");
inline const QString groupCaption = QStringLiteral("CENTRO DE CUSTO : ");
inline const QString undeclared = QStringLiteral("Nao Declarado");
} // namespace text

class ProductLists {
public:
    explicit ProductLists(TLogon& logon) : m_logon(logon) {}

    // The products of a group (0: all): CODIGO, CLASSE, NOME, UNIDADE, VALOR and
    // GRUPO, the group's name ("Nao Declarado" for a product without a group, empty
    // when no group has its code).
    RowSet rows(Kind kind, int group) const;

    // The report; `printed`: the date and time the product list prints beside "DATA".
    static report::Definition report(Kind kind, const RowSet& empresa, const QString& printed);

private:
    TLogon& m_logon;
};

} // namespace productlists
