#include "registers/CostCentreStore.h"
#include "core/WholeNumber.h"

#include "core/uMensagem.h"
#include "core/uMensagemWindow.h"
#include "db/RowSet.h"
#include "registers/RegisterCommon.h"
#include "registers/RegisterSql.h"

std::vector<CostCentre> CostCentreStore::list()
{
    std::vector<CostCentre> v;
    RowSet rs = m_logon.run(QStringLiteral("select * from CentroCusto order by codigo"));
    while (rs.next())
        v.push_back({rs.integer(u"ID"), rs.integer(u"CODIGO"), rs.text(u"NOME")});
    return v;
}

std::optional<CostCentre> CostCentreStore::find(int code)
{
    RowSet rs = m_logon.run(QStringLiteral("Select First 1 * from CentroCusto where codigo = ?"), {code});
    if (rs.next())
        return CostCentre{rs.integer(u"ID"), rs.integer(u"CODIGO"), rs.text(u"NOME")};
    return std::nullopt;
}

int CostCentreStore::nextCode()
{
    return int(integerOf(m_logon.scalar(QStringLiteral("Select First 1 codigo from CentroCusto order by codigo desc")))) + 1;
}

int CostCentreStore::confirmedCode(const QString& typed)
{
    const auto code = readInt(typed);
    return code && *code > 0 ? *code : 0;
}

bool CostCentreStore::confirm(const QString& typedCode, const QString& name)
{
    const int code = confirmedCode(typedCode);
    if (code == 0)
        return false;
    const QString trimmedName = TrimText(name);
    registers::action(m_logon, [&] {
        if (const auto found = find(code))
            m_logon.run(QStringLiteral("update CentroCusto set codigo = ?,\nnOME = ? where id = ?"), {code, trimmedName, found->id});
        else
            m_logon.run(QStringLiteral("insert into CentroCusto (id,Codigo,Nome) Values (GEN_ID(CentroCusto,1),?,?)"),
                        {code, trimmedName});
    });
    return true;
}

bool CostCentreStore::remove(const QString& typedCode)
{
    if (ShowMessageWindow(QStringLiteral("ATENÇÃO"), costCentreText::askDelete, QStringLiteral("2"), QStringLiteral("1"))
        != QLatin1String("S"))
        return false;
    const int code = confirmedCode(typedCode);
    if (code == 0)
        return false;
    m_logon.run(QStringLiteral("delete from CentroCusto where codigo = ?"), {code});
    return true;
}
