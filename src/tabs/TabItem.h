#pragma once
// One item of an open tab as its MESA row holds it.
#include "core/Decimal.h"
#include "db/RowSet.h"

#include <QString>

namespace tabs {

struct TabItem {
    qint64 id = 0;
    QString codigo, nomep, mesa;
    qint64 vend = 0;
    Decimal quant, valor;   // quantity on the tab, unit price
};

// The item read from ID, CODIGO, NOMEP, MESA, VEND, QUANT and VALOR.
TabItem tabItemOf(const RowSet& rs);

} // namespace tabs
