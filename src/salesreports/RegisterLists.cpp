#include "salesreports/RegisterLists.h"

#include "db/UnitLogon.h"
#include "reports/PageHeader.h"

using namespace report;

namespace registerlists {

const Texts& textsOf(Register which)
{
    static const Texts customers{"TFormRelCli", "Relação de Clientes", "Listagem de Clientes", "Listegem de Clientes",
                                 "NOME DO CLIENTE", "CPF/CNPJ", "RG/I.ESTADUAL"};
    static const Texts suppliers{"TFormRelFor", "Relacao de Fornecedor", "Listagem de Fornecedor",
                                 "Listegem de Fornecedores", "NOME DO FORNECEDOR", "CNPJ", "I.ESTADUAL"};
    return which == Register::Customers ? customers : suppliers;
}

RowSet rows(TLogon& logon, Register which)
{
    return logon.run(QStringLiteral("select codigo, nome, endereco, cidade, estado, cep, cnpj, estadual, fone, fax "
                                    "from %1 order by nome")
                         .arg(which == Register::Customers ? QStringLiteral("clientes") : QStringLiteral("fornecedor")));
}

Definition report(Register which, const RowSet& empresa, const QDate& today)
{
    const Texts& t = textsOf(which);
    Definition def;
    def.title = QString::fromUtf8(t.title);
    def.paper = QPageSize::A4;
    def.font.size = 9;
    const double w = def.bodySize().width();
    Band& h = def.pageHeader;
    h.height = 16;
    h.add(label(0, 0, 24, 5, QStringLiteral("EMPRESA")).bold());
    h.add(label(25, 0, 90, 5, companyValue(empresa, "EMPRESA")));
    h.add(pageNumber(w - 45, 0, 45, 5).right());
    h.add(label(0, 6, w, 8, def.title).withFont(12, true).center());
    h.add(label(w - 45, 6, 20, 5, QStringLiteral("DATA")).bold());
    h.add(label(w - 25, 6, 25, 5, today.toString(QStringLiteral("dd/MM/yy"))).right());

    // Three lines, the titles over the values they head.
    const Column code{0, 20, true}, name{23, 80}, address{105, w - 105};
    const Column city{23, 45}, state{70, 14}, cep{86, 22}, cnpj{110, 40}, stateId{152, w - 152};
    const Column phone{23, 45}, fax{70, 45};
    columnTitles(def.columnHeader, 0,
                 {{code, QStringLiteral("CODIGO")}, {name, QString::fromUtf8(t.nameHeading)},
                  {address, QStringLiteral("ENDEREÇO")}},
                 w);
    Band& c = def.columnHeader;
    c.items.pop_back();   // the lower rule goes under the third line
    for (const auto& [column, text] :
         std::vector<std::pair<Column, QString>>{{city, QStringLiteral("CIDADE")}, {state, QStringLiteral("ESTADO")},
                                                 {cep, QStringLiteral("CEP")}, {cnpj, QString::fromUtf8(t.cnpjHeading)},
                                                 {stateId, QString::fromUtf8(t.stateIdHeading)}})
        c.add(placed(label(0, 0, 0, 0, text).bold(), column, 6));
    c.add(placed(label(0, 0, 0, 0, QStringLiteral("TELEFONE")).bold(), phone, 11));
    c.add(placed(label(0, 0, 0, 0, QStringLiteral("FAX")).bold(), fax, 11));
    c.add(rule(0, 16.5, w));
    c.height = 17.5;

    Band& d = def.detail;
    d.height = 16;
    d.add(placed(field(0, 0, 0, 0, QStringLiteral("CODIGO")), code));
    d.add(placed(field(0, 0, 0, 0, QStringLiteral("NOME")), name));
    d.add(placed(field(0, 0, 0, 0, QStringLiteral("ENDERECO")), address));
    d.add(placed(field(0, 0, 0, 0, QStringLiteral("CIDADE")), city, 5));
    d.add(placed(field(0, 0, 0, 0, QStringLiteral("ESTADO")), state, 5));
    d.add(placed(field(0, 0, 0, 0, QStringLiteral("CEP")), cep, 5));
    d.add(placed(field(0, 0, 0, 0, QStringLiteral("CNPJ")), cnpj, 5));
    d.add(placed(field(0, 0, 0, 0, QStringLiteral("ESTADUAL")), stateId, 5));
    d.add(placed(field(0, 0, 0, 0, QStringLiteral("FONE")), phone, 10));
    d.add(placed(field(0, 0, 0, 0, QStringLiteral("FAX")), fax, 10));
    d.add(rule(0, 15.5, w));
    return def;
}

} // namespace registerlists
