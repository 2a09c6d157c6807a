#include "cashoffice/SalesByNote.h"
#include "core/WholeNumber.h"

#include "db/UnitLogon.h"
#include "reports/ShiftFields.h"

RowSet SalesByNote::rows(const QString& cashText)
{
    const std::optional<int> cash = readInt(cashText);
    if (!cash)
        throw ShiftFieldRefused(shiftfields::invalidCash);
    return m_logon.run(QStringLiteral("select nota, data, cliente, vendedor, valor from fatura where caixa = ? "
                                      "order by nota, id"),
                       {*cash});
}
