#pragma once
// The components of a kit (KITPROD rows with the kit's code) and their cost.
#include "registers/RegisterSql.h"

class TLogon;

namespace kit {
namespace text {
inline const QString notFound = QStringLiteral("         Produto não localizado          ");
inline const QString kitAsComponent = QStringLiteral("  Esse produtos é uma composição,\n\r nao usar dentro de uma composição outra  ");
inline const QString confirmDelete = QStringLiteral("Deseja Excluir Este Registro ?");
inline const QString badQuantity = QStringLiteral("  Quantidade não aceita: informe um numero positivo   ");
}
// One row's cost: its QUANT times its component's CUSTO, to the cent; a row whose
// product no longer exists (no cost) counts as zero.
Decimal lineCost(const QVariant& quantity, const QVariant& componentCost);
// The kit's cost: the sum of its rows' costs (CUSTOPROD of components()), so it is
// the sum of the lines as the technical sheet prints them.
Decimal cost(const registers::Rows& components);
}

class KitStore {
public:
    explicit KitStore(TLogon& logon) : m_logon(logon) {}
    // The kit's rows with the component's name (NOMEPROD) and cost (CUSTOPROD).
    registers::Rows components(const QString& kitCode);
    // The product of a code (CODIGO, NOME, COMPOSICAO), or no row.
    registers::Rows product(const QString& code);
    void add(const QString& kitCode, const QString& componentCode, const QString& componentName,
             const Decimal& quantity);
    void remove(qint64 id);

private:
    TLogon& m_logon;
};
