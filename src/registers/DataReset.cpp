#include "registers/DataReset.h"

#include "core/uMensagem.h"
#include "db/UnitLogon.h"

namespace dataReset {

const std::array<Group, kGroups>& groups()
{
    static const std::array<Group, kGroups> all = {{
        {"Arquivo de Produtos",
         {QStringLiteral("delete from produtos "), QStringLiteral("delete from estfic "),
          QStringLiteral("delete from TIPBAIXA "), QStringLiteral("delete from KitMaster "),
          QStringLiteral("delete from KITPROD ")}},
        {"Ficha de Movimento do estoque",
         {QStringLiteral("delete from estfic "), QStringLiteral("update produtos set estgeral = '0'"),
          QStringLiteral("delete from Servico ")}},
        {"Contas a Receber", {QStringLiteral("delete from RecFic"), QStringLiteral("delete from RecArq")}},
        {"Contas a Pagar", {QStringLiteral("delete from PagFic"), QStringLiteral("delete from PagArq")}},
        {"Controle de Caixa/Faturamento",
         {QStringLiteral("delete from DespLoja"), QStringLiteral("delete from Servico"),
          QStringLiteral("delete from Fatura"), QStringLiteral("delete from CabMesa"),
          QStringLiteral("delete from Mesa"), QStringLiteral("delete from Couver"),
          QStringLiteral("delete from Sangria"),
          QStringLiteral("update RecArq set caixa = '0',caixaBaixa = '0'"),
          QStringLiteral("update estfic set caixa = '0'"), QStringLiteral("delete from ContData"),
          QStringLiteral("delete from ContCaixa")}},
    }};
    return all;
}

QString fieldLeft(const QString& text)
{
    const QString t = TrimText(text);
    return t == QLatin1String("N") || t == QLatin1String("S") ? text : QStringLiteral("N");
}

void run(TLogon& logon, const std::array<QString, kGroups>& fields)
{
    logon.action([&] {
        for (int i = 0; i < kGroups; ++i) {
            if (fields[size_t(i)] != QLatin1String("S"))
                continue;
            for (const QString& sql : groups()[size_t(i)].statements)
                logon.run(sql);
        }
    });
}

} // namespace dataReset
