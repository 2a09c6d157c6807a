#pragma once
// "FICHA TÉCNICA" (Letter, portrait): the cost of a kit from its components. One
// line per component (quantity, the component's current cost, their product), then
// "TOTAL GERAL" and "Custo da Receita" (the sum of the lines), "Preço para Venda"
// (the kit's own price) and an empty "Receita" box.
#include "core/Decimal.h"
#include "reports/PageReport.h"

class TLogon;

class TFormImpPratoQui {
public:
    // product: the kit's code + " / " + its name; price: the kit's sale price.
    TFormImpPratoQui(TLogon& logon, const QString& product, const Decimal& price);
    const report::Definition& definition() const { return m_def; }
    // components: KitRegister::sheetRows.
    void preview(const RowSet& components) const;

private:
    report::Definition m_def;
};
