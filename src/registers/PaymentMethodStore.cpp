#include "registers/PaymentMethodStore.h"
#include "core/WholeNumber.h"

#include "core/uMensagemWindow.h"
#include "registers/RegisterCommon.h"
#include "registers/RegisterSql.h"

namespace {

PaymentMethod readMethod(auto& q)
{
    return {q.value(QStringLiteral("ID")).toLongLong(), int(q.value(QStringLiteral("CD")).toLongLong()),
            q.value(QStringLiteral("NOME")).toString(), q.value(QStringLiteral("BX")).toString(),
            q.value(QStringLiteral("DAV")).toString()};
}

} // namespace

std::vector<PaymentMethod> PaymentMethodStore::list()
{
    std::vector<PaymentMethod> v;
    auto q = m_logon.run(QStringLiteral("select * from FormaPaga order by cd"));
    while (q.next())
        v.push_back(readMethod(q));
    return v;
}

std::optional<PaymentMethod> PaymentMethodStore::find(int code)
{
    auto q = m_logon.run(QStringLiteral("select * from FormaPaga where cd = ?"), {code});
    if (q.next())
        return readMethod(q);
    return std::nullopt;
}

int PaymentMethodStore::nextCode()
{
    return int(m_logon.scalar(QStringLiteral("select max(cd) from FormaPaga")).toLongLong()) + 1;
}

QString PaymentMethodStore::shownCode(const QString& typed)
{
    const auto code = readInt(typed);
    return code ? registers::paddedCode(*code, 2) : typed;
}

int PaymentMethodStore::confirmedCode(const QString& typed)
{
    const auto code = readInt(typed);
    if (!code || *code < 1)
        return 0;
    if (*code > 99)
        throw EntryError(paymentText::codeTooLong);
    return *code;
}

PaymentMethodStore::Written PaymentMethodStore::confirm(const QString& typedCode, const QString& nome,
                                                         const QString& bx, const QString& dav)
{
    const int code = confirmedCode(typedCode);
    if (code == 0)
        return Written::Nothing;
    Written written = Written::Nothing;
    registers::action(m_logon, [&] {
        if (!find(code)) {
            m_logon.run(QStringLiteral("insert into formapaga (id,cd,nome,dav,bx) values (GEN_ID(FORMAPAGA,1),?,?,?,?)"),
                        {code, nome, dav, bx});
            written = Written::Inserted;
        } else {
            m_logon.run(QStringLiteral("update formapaga set NOME = ?,BX = ?,DAV = ? where cd = ?"), {nome, bx, dav, code});
            written = Written::Updated;
        }
    });
    return written;
}

bool PaymentMethodStore::remove(const PaymentMethod& method)
{
    if (ShowMessageWindow(QStringLiteral("ATENÇÃO"), paymentText::askDelete, QStringLiteral("2"), QStringLiteral("1"))
        != QLatin1String("S"))
        return false;
    if (method.id == 0)
        return false;
    if (method.cd == 1) {
        ShowMessageWindow(QStringLiteral("ATENÇÃO"), paymentText::cashKept, QStringLiteral("1"));
        return false;
    }
    m_logon.run(QStringLiteral("delete from formapaga where id = ?"), {method.id});
    return true;
}
