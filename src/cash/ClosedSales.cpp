#include "cash/ClosedSales.h"

ClosedSaleRow closedSaleOf(const RowSet& rs)
{
    ClosedSaleRow s;
    s.id = rs.integer(u"ID");
    s.nota = rs.integer(u"NOTA");
    s.data = rs.date(u"DATA");
    s.cliente = rs.text(u"CLIENTE");
    s.valor = rs.decimal(u"VALOR");
    s.caixa = int(rs.integer(u"CAIXA"));
    s.terminal = int(rs.integer(u"TERMINAL"));
    s.tipo = int(rs.integer(u"TIPO"));
    return s;
}
