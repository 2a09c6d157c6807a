#include "finance/PayablesSupplierSearch.h"
#include "core/WholeNumber.h"

#include "core/Globals.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "registers/Lookups.h"
#include "shell/WindowRegistry.h"

namespace payables {

QString chooseSupplierCode(TLogon& logon)
{
    const QString search = QStringLiteral("TFormBuscaForne");
    QString code;
    if (windows::isRegistered(search)) {
        windows::open(search);
        code = ctx::lookup().LookupCode;
    } else {
        code = chooseSupplier(logon);
    }
    const std::optional<int> number = readInt(code);
    if (!number)
        return QString();
    try {
        const QVariant found = logon.scalar(QStringLiteral("select codigo from fornecedor where codigo = ?"), {*number});
        return found.isNull() ? QString() : QString::number(integerOf(found));
    } catch (const DbError&) {
        return QString();
    }
}

} // namespace payables
