#include "registers/GroupStore.h"
#include "core/WholeNumber.h"

#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "platform/StationPaths.h"
#include "registers/ProductRules.h"
#include "registers/RegisterCommon.h"
#include "registers/RegisterRules.h"

namespace groups {

registers::Rows GroupStore::list()
{
    return registers::run(m_logon, QStringLiteral("select * from tipos order by nome "));
}

qint64 GroupStore::nextCode()
{
    const QVariant highest = registers::scalar(m_logon, QStringLiteral("select max(codigo) from tipos"));
    return highest.isNull() ? 1 : highest.toLongLong() + 1;
}

void GroupStore::confirm(const QString& code, const QString& name, bool active)
{
    const std::optional<int> number = readInt(code);
    if (!number || *number < 1)
        throw EntryError(text::invalidCode);
    const QString flag = active ? QStringLiteral("S") : QStringLiteral("N");
    const QString n = name.left(kNameLength);
    registers::action(m_logon, [&] {
        if (registers::exec(m_logon, QStringLiteral("update tipos set nome = ?, ATIVO = ? where codigo = ?"), {n, flag, *number}) == 0)
            registers::run(m_logon, QStringLiteral("insert into tipos (id,codigo,nome,ativo) values (GEN_ID(OUTROS,1),?,?,?)"),
                     {*number, n, flag});
    });
}

bool GroupStore::remove(qint64 id)
{
    return registers::exec(m_logon, QStringLiteral("delete from tipos where id = ?"), {id}) > 0;
}

QString GroupStore::pictureName(const QString& code)
{
    const std::optional<int> number = readInt(code);
    if (!number)
        return QString();
    return product::pictureFileName(QStringLiteral("G"), registers::paddedCode(*number, 6));
}

QString GroupStore::replacePicture(const QString& code, const QString& chosenFile)
{
    const QString name = pictureName(code);
    if (name.isEmpty())
        return text::invalidCode;
    return registers::replaceButtonPicture(chosenFile, station::pathForWriting(name));
}

} // namespace groups
