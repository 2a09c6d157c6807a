#include "tabs/TabItem.h"

namespace tabs {

TabItem tabItemOf(const RowSet& rs)
{
    TabItem i;
    i.id = rs.integer(u"ID");
    i.codigo = rs.text(u"CODIGO");
    i.nomep = rs.text(u"NOMEP");
    i.mesa = rs.text(u"MESA");
    i.vend = rs.integer(u"VEND");
    i.quant = rs.decimal(u"QUANT");
    i.valor = rs.decimal(u"VALOR");
    return i;
}

} // namespace tabs
