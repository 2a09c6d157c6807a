#include "finance/StaffVouchers.h"

#include "reports/PageHeader.h"
#include "reports/ReportForm.h"
#include "core/FormatFloat.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "finance/AmountInWords.h"
#include "reports/TypedValues.h"
#include "registers/RegisterCommon.h"

using namespace report;

namespace {

constexpr int kWordsWidth = 38;

QString shortDate(const QDate& d)
{
    return d.toString(QStringLiteral("dd/MM/yy"));
}

} // namespace

std::vector<StaffMember> StaffVouchers::staff() const
{
    RowSet rs = m_logon.run(QStringLiteral("select CODIGO, NOME from VENDEDOR order by NOME, CODIGO"));
    std::vector<StaffMember> out;
    while (rs.next())
        out.push_back(StaffMember{rs.integer(u"CODIGO"), rs.text(u"NOME").trimmed()});
    return out;
}

Decimal StaffVouchers::balance(qint64 code) const
{
    const QVariant v = m_logon.scalar(
        QStringLiteral("select sum(coalesce(DEBITO, 0) - coalesce(CREDITO, 0)) from VALES where CODIGO = ?"), {code});
    return v.isNull() ? Decimal() : decimalOf(v);
}

QString StaffVouchers::balanceText(const Decimal& balance)
{
    return FormatFloatLeftPadded(QStringLiteral("0.00"), 12, balance);
}

Decimal StaffVouchers::record(qint64 code, const QDate& date, const QString& history, bool credit,
                              const QString& amount)
{
    const std::optional<Decimal> value = typed::amount(amount);
    if (!value || history.size() > kHistoryLength)
        throw EntryError(StaffVoucherText::kFillError);
    const SqlValue none(nullptr);
    m_logon.run(QStringLiteral("insert into VALES (CODIGO, DATA, HISTORICO, DEBITO, CREDITO) values (?, ?, ?, ?, ?)"),
                {code, date, history, credit ? none : SqlValue(*value), credit ? SqlValue(*value) : none});
    return *value;
}

VoucherStatement StaffVouchers::statement(qint64 code, const QDate& start) const
{
    VoucherStatement s;
    const QVariant opening = m_logon.scalar(
        QStringLiteral("select sum(coalesce(DEBITO, 0) - coalesce(CREDITO, 0)) from VALES "
                       "where CODIGO = ? and (DATA < ? or DATA is null)"),
        {code, start});
    s.opening = opening.isNull() ? Decimal() : decimalOf(opening);
    RowSet rs = m_logon.run(QStringLiteral("select DATA, HISTORICO, DEBITO, CREDITO from VALES "
                                           "where CODIGO = ? and DATA >= ? order by DATA, ID"),
                            {code, start});
    while (rs.next())
        s.lines.push_back(VoucherLine{rs.date(u"DATA"), rs.text(u"HISTORICO").trimmed(),
                                      registers::amountFrom(rs.value(u"DEBITO")),
                                      registers::amountFrom(rs.value(u"CREDITO"))});
    return s;
}

Printout StaffVouchers::receiptRoll(const VoucherReceipt& r, int fontSize)
{
    Printout p;
    p.fontSize = fontSize;
    QStringList& l = p.lines;
    const QString blank = QStringLiteral(" ");
    l << QStringLiteral("CONTROLE DE VALES") << QString(38, QLatin1Char('='));
    l << QStringLiteral("Emp: ") + r.company;
    l << QStringLiteral("Funcionario: ") + r.employee;
    l << QStringLiteral("Emissão:") + shortDate(r.printedAt.date()) + blank
             + r.printedAt.time().toString(QStringLiteral("hh:mm:ss"));
    l << QString(38, QLatin1Char('-')) << blank;
    l << QStringLiteral("              R E C I B O") << blank;
    l << QStringLiteral("                  R$- ") + FormatFloat(u"0.00", r.amount);
    l << blank;
    l << QStringLiteral("Recebi(emos) de ") << r.company << QStringLiteral("a importancia de ");
    l << words::wrapWords(QStringLiteral("(") + words::amountInWords(r.amount) + QStringLiteral(")"), kWordsWidth);
    l << QStringLiteral("Referente a: ") << r.history << blank;
    l << QStringLiteral("Data ") + shortDate(r.date);
    l << blank << blank << QString(38, QLatin1Char('-'));
    l << r.employee << blank;
    l << blank << blank << blank << blank << QStringLiteral(".");
    return p;
}

Definition StaffVouchers::receiptPage(const VoucherReceipt& r)
{
    Definition def;
    def.title = QStringLiteral("R E C I B O");
    def.paper = QPageSize::A4;
    def.font.size = 11;
    Band& h = def.pageHeader;
    h.height = 150;
    h.add(label(0, 0, 190, 12, def.title).withFont(18, true).center());
    h.add(label(130, 16, 60, 8, QStringLiteral("R$ ") + FormatFloat(u"0.00", r.amount)).withFont(14, true).right());
    h.add(label(0, 34, 35, 7, QStringLiteral("Recebemos da")));
    h.add(label(36, 34, 154, 7, r.company).bold());
    h.add(label(0, 46, 35, 7, QStringLiteral("Referente a")));
    h.add(label(36, 46, 154, 7, r.history));
    h.add(label(0, 80, 190, 7, r.city + QStringLiteral("-") + r.state + QStringLiteral(" ") + shortDate(r.date)).right());
    h.add(rule(100, 124, 90));
    h.add(label(100, 126, 90, 7, r.employee).center());
    return def;
}

Printout StaffVouchers::statementRoll(const QString& company, const QString& employee, const QDate& start,
                                      const QDate& today, const VoucherStatement& s, int fontSize)
{
    Printout p;
    p.fontSize = fontSize;
    QStringList& l = p.lines;
    l << QStringLiteral("FICHA DE CONTA CORRENTE (VALES)") << QString(38, QLatin1Char('='));
    l << QStringLiteral("Emp: ") + company;
    l << QStringLiteral("Funcionario: ") + employee;
    l << QStringLiteral("Periodo: ") + shortDate(start) + QStringLiteral(" a ") + shortDate(today);
    l << QString(38, QLatin1Char('-'));
    l << PadRight(QStringLiteral("            Saldo anterior"), 28) + QStringLiteral("  ")
             + FormatFloatLeftPadded(QStringLiteral("0.00"), 8, s.opening);
    Decimal total;   // credits minus debits of the rows listed
    for (const VoucherLine& line : s.lines) {
        const bool debit = line.debit > Decimal();
        l << PadRight(shortDate(line.date) + QStringLiteral(" ") + line.history, 26) + QStringLiteral(" ")
                 + (debit ? QStringLiteral("D") : QStringLiteral("C"))
                 + FormatFloatLeftPadded(QStringLiteral("0.00"), 10, debit ? line.debit : line.credit);
        total += line.credit - line.debit;
    }
    l << QString(38, QLatin1Char('-'));
    l << PadRight(total > Decimal() ? QStringLiteral("        Saldo credor Total")
                                    : QStringLiteral("       Saldo devedor Total"),
                  28)
             + FormatFloatLeftPadded(QStringLiteral("0.00"), 10, total);
    for (int i = 0; i < 6; ++i)
        l << QStringLiteral(" ");
    l << QStringLiteral(".");
    return p;
}

RowSet StaffVouchers::statementRows(const VoucherStatement& s)
{
    std::vector<QVariantList> rows;
    Decimal running = s.opening;
    for (const VoucherLine& line : s.lines) {
        running += line.debit - line.credit;
        rows.push_back({line.date, line.history, QVariant::fromValue(line.debit), QVariant::fromValue(line.credit),
                        QVariant::fromValue(running)});
    }
    return RowSet({QStringLiteral("DATA"), QStringLiteral("HIST"), QStringLiteral("DEBITO"), QStringLiteral("CREDITO"),
                   QStringLiteral("SALDO")},
                  std::move(rows));
}

Definition StaffVouchers::statementPage(const QString& company, const QString& employeeCaption,
                                        const Decimal& opening, const QDateTime& printedAt)
{
    Definition def;
    Band& h = titledForm(def, {.title = QStringLiteral("Ficha de Controle de Funcionário"), .headerHeight = 36});
    h.add(label(0, 10, 25, 5, QStringLiteral("EMPRESA")).bold());
    h.add(label(26, 10, 110, 5, company));
    h.add(label(140, 10, 12, 5, QStringLiteral("DATA")).bold());
    h.add(label(152, 10, 43, 5, printedAt.toString(QStringLiteral("dd/MM/yy hh:mm:ss"))));
    h.add(label(0, 16, 25, 5, QStringLiteral("Funcionario")).bold());
    h.add(label(26, 16, 169, 5, employeeCaption));
    const QString money = QStringLiteral("##0.00");
    titledColumns(def, h, 28,
                  {{QStringLiteral("Data"), QStringLiteral("DATA"), {0, 20}},
                   {QStringLiteral("Historico"), QStringLiteral("HIST"), {22, 90}},
                   {QStringLiteral("Débito"), QStringLiteral("DEBITO"), {113, 26, true}, money},
                   {QStringLiteral("Crédito"), QStringLiteral("CREDITO"), {141, 26, true}, money},
                   {QStringLiteral("Saldo"), QStringLiteral("SALDO"), {169, 26, true}, money}},
                  195, {});

    Band& s = def.summary;
    s.height = 9;
    s.add(rule(0, 1, 195));
    s.add(label(22, 2.5, 30, 5, QStringLiteral("Total")).bold());
    s.add(computed(169, 2.5, 26, 5, [opening](const BandContext& c) {
        return FormatFloat(u"#0.00", opening + c.sum(u"DEBITO") - c.sum(u"CREDITO"));
    }).right().bold());
    return def;
}
