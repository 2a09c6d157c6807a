#include "finance/PayablesListing.h"

#include "reports/ReportForm.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"

using namespace report;

namespace {

const PayablesListingTexts kTexts[] = {
    {"TFormRelPeriodoX", "Listagem de Titulos por Periodo", "Titulos por Periodo", "Listagem Titulos por Periodo",
     "Codigo Fornecedor (0 = Todos)", "VENCIMENTO", "Contas a Pagar - Relatório de Titulos por Periodo",
     "DATA DO VENCIMENTO", "FORNECEDOR", true, false},
    {"TFormRelBaixaX", "Listagem de Titulos  Baixados", "Titulos Baixados", "Listagem Titulos Baixados", nullptr,
     "BAIXA", "Contas a Pagar - Relatório de Baixa", "DATA DA BAIXA", "FORNECEDOR", false, true},
    {"TFormRelPorCliX", "Listagem por Fornecedor", "Titulos por Fornecedor", "Listagem Titulos por Fornecedor",
     "Codigo Fornecedo ( 0 =Todos)", "VENCIMENTO", "Contas a Pagar - Relatório por Fornecedor",
     "DATA DO VENCIMENTO", "Fornecedor", true, false},
    {"TFormRelEmiX", "Listagem de Titulos Emitidos", "Titulos Emitidos", "Listagem Titulos Emitidos",
     "Codigo Fornecedor ( 0 = Todos)", "EMISSAO", "Contas a Pagar - Relatório de Titulos Emitidos",
     "DATA DA EMISSÃO", "FORNECEDOR", false, false},
};

QString u8(const char* s) { return QString::fromUtf8(s); }

// A date as the listings print it; "  /  /" when the title has none.
Item dateItem(double x, double width, const char* column)
{
    const QString c = QString::fromLatin1(column);
    return computed(x, 0, width, 5, [c](const BandContext& ctx) {
        const QDate d = ctx.value(c).toDate();
        return d.isValid() ? d.toString(QStringLiteral("dd/MM/yy")) : QStringLiteral("  /  /");
    });
}

} // namespace

const PayablesListingTexts& payablesListingTexts(PayablesListingKind kind)
{
    return kTexts[int(kind)];
}

RowSet PayablesListing::titles(const PayablesListingRequest& r) const
{
    const PayablesListingTexts& t = payablesListingTexts(r.kind);
    const QString date = QString::fromLatin1(t.dateColumn);
    QString sql = QStringLiteral("select DUPLICATA, CODIGO, NOME as CLIENTE, EMISSAO, VENCIMENTO, BAIXA, VALOR, JUROS "
                                 "from PAGARQ where (%1 between ? and ?)").arg(date);
    Params params{r.start, r.end};
    if (t.supplierCaption && r.supplier != 0) {
        sql += QStringLiteral(" and CODIGO = ?");
        params.append(r.supplier);
    }
    if (t.hasStatus && r.status == TitleStatus::Open)
        sql += QStringLiteral(" and BAIXA is null");
    else if (t.hasStatus && r.status == TitleStatus::Paid)
        sql += QStringLiteral(" and BAIXA is not null");
    sql += QStringLiteral(" order by %1, DUPLICATA, ID").arg(date);
    return m_logon.run(sql, params);
}

QString PayablesListing::periodCaption(const QDate& start, const QDate& end)
{
    return start.toString(QStringLiteral("dd/MM/yy")) + QStringLiteral(" A ") + end.toString(QStringLiteral("dd/MM/yy"));
}

Definition PayablesListing::report(PayablesListingKind kind, const QString& periodCaption,
                                   const QString& companyCaption)
{
    const PayablesListingTexts& t = payablesListingTexts(kind);
    const QString money = QStringLiteral("#,##0.00");
    Definition def;
    Band& h = titledForm(def, {.title = u8(t.reportTitle), .fontSize = 8, .headerHeight = 24});
    h.add(label(0, 10, 25, 5, QStringLiteral("EMPRESA")).bold());
    h.add(label(26, 10, 169, 5, companyCaption));
    h.add(label(0, 16, 25, 5, QStringLiteral("PERIODO")).bold());
    h.add(label(26, 16, 169, 5, periodCaption));
    h.add(pageNumber(150, 16, 45, 5).right());

    Band& c = def.columnHeader;
    c.height = 7;
    c.add(rule(0, 0, 195));
    c.add(label(0, 1, 30, 5, QStringLiteral("TITULO")).bold());
    c.add(label(31, 1, 12, 5, QStringLiteral("CODIGO")).bold());
    c.add(label(44, 1, 48, 5, u8(t.supplierTitle)).bold());
    c.add(label(93, 1, 17, 5, QStringLiteral("EMISSÃO")).bold());
    c.add(label(111, 1, 19, 5, QStringLiteral("VENCIMENTO")).bold());
    c.add(label(131, 1, 16, 5, QStringLiteral("BAIXA")).bold());
    c.add(label(148, 1, 20, 5, QStringLiteral("VALOR")).bold().right());
    c.add(label(169, 1, 17, 5, QStringLiteral("JUROS")).bold().right());
    c.add(label(188, 1, 7, 5, QStringLiteral("TIPO")).bold());
    c.add(rule(0, 6.5, 195));

    Group g;
    g.column = QString::fromLatin1(t.dateColumn);
    g.header.height = 7;
    g.header.add(label(0, 1, 40, 5, u8(t.groupCaption)).bold());
    g.header.add(field(41, 1, 30, 5, g.column).bold());
    g.footer.height = 8;
    g.footer.add(rule(120, 0.5, 75));
    g.footer.add(label(93, 1.5, 50, 5, QStringLiteral("TOTAL DO DIA")).bold());
    g.footer.add(sum(148, 1.5, 20, 5, QStringLiteral("VALOR")).mask(money).right());
    g.footer.add(sum(169, 1.5, 17, 5, QStringLiteral("JUROS")).mask(money).right());
    def.groups.push_back(g);

    Band& d = def.detail;
    d.height = 5;
    d.add(field(0, 0, 30, 5, QStringLiteral("DUPLICATA")));
    d.add(field(31, 0, 12, 5, QStringLiteral("CODIGO")));
    d.add(field(44, 0, 48, 5, QStringLiteral("CLIENTE")));
    d.add(dateItem(93, 17, "EMISSAO"));
    d.add(dateItem(111, 19, "VENCIMENTO"));
    d.add(dateItem(131, 16, "BAIXA"));
    d.add(field(148, 0, 20, 5, QStringLiteral("VALOR")).mask(money).right());
    d.add(field(169, 0, 17, 5, QStringLiteral("JUROS")).mask(money).right());

    Band& s = def.summary;
    s.height = 9;
    s.add(rule(0, 1, 195));
    s.add(label(93, 2.5, 50, 5, QStringLiteral("TOTAL GERAL")).bold());
    s.add(sum(148, 2.5, 20, 5, QStringLiteral("VALOR")).mask(money).right().bold());
    s.add(sum(169, 2.5, 17, 5, QStringLiteral("JUROS")).mask(money).right().bold());
    return def;
}
