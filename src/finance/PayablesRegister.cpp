#include "finance/PayablesRegister.h"
#include "core/DateReader.h"
#include "core/WholeNumber.h"

#include "core/uMensagem.h"
#include "db/NewRecord.h"
#include "db/UnitLogon.h"
#include "reports/TypedValues.h"
#include "registers/RegisterCommon.h"

namespace {

PayableTitle titleOf(const RowSet& rs)
{
    PayableTitle t;
    t.id = rs.integer(u"ID");
    t.duplicata = rs.text(u"DUPLICATA").trimmed();
    t.codigo = rs.isNull(u"CODIGO") ? QString() : QString::number(rs.integer(u"CODIGO"));
    t.nome = rs.text(u"NOME").trimmed();
    t.emissao = rs.date(u"EMISSAO");
    t.vencimento = rs.date(u"VENCIMENTO");
    t.baixa = rs.date(u"BAIXA");
    t.valor = rs.decimal(u"VALOR");
    t.juros = rs.decimal(u"JUROS");
    return t;
}

Decimal amountOrRefuse(const QString& text)
{
    if (text.trimmed().isEmpty())
        return Decimal();
    const std::optional<Decimal> a = typed::amount(text);
    if (!a)
        throw EntryError(PayablesText::kFillError);
    return *a;
}

// A date to write: nullopt keeps the stored one.
std::optional<QDate> dateOrRefuse(const QString& text)
{
    const TypedDate d = readDate(text);
    if (d.isNoDate())
        throw EntryError(PayablesText::kFillError);
    if (d.isBlank())
        return std::nullopt;
    return d.date;
}

} // namespace

std::optional<PayableTitle> PayablesRegister::find(const QString& number) const
{
    const QString n = number.trimmed();
    if (n.isEmpty() || n.size() > kNumberLength)
        return std::nullopt;
    RowSet rs = m_logon.run(QStringLiteral("select * from pagarq where duplicata = ? order by id"), {n});
    if (!rs.first())
        return std::nullopt;
    return titleOf(rs);
}

RowSet PayablesRegister::titles() const
{
    return m_logon.run(QStringLiteral("select * from pagarq order by duplicata"));
}

std::optional<QString> PayablesRegister::supplierName(const QString& code) const
{
    const std::optional<int> c = readInt(code);
    if (!c)
        return std::nullopt;
    RowSet rs = m_logon.run(QStringLiteral("select nome from fornecedor where codigo = ?"), {*c});
    if (!rs.first())
        return std::nullopt;
    return rs.text(u"NOME").trimmed();
}

bool PayablesRegister::confirm(const PayableFields& f, bool startedAsNew)
{
    const QString number = f.duplicata.trimmed();
    if (number.isEmpty())
        return false;
    if (number.size() > kNumberLength)
        throw EntryError(PayablesText::kFillError);
    const Decimal valor = amountOrRefuse(f.valor);
    const Decimal juros = amountOrRefuse(f.juros);
    // A supplier typed must be one the register has; a blank code is no supplier (0).
    const bool noSupplier = f.codigo.trimmed().isEmpty();
    const std::optional<int> code = noSupplier ? std::optional<int>(0) : readInt(f.codigo);
    const QString name = f.nome.left(kNameLength);
    const std::optional<QDate> emissao = dateOrRefuse(f.emissao);
    const std::optional<QDate> vencimento = dateOrRefuse(f.vencimento);
    const std::optional<QDate> baixa = dateOrRefuse(f.baixa);

    // Only the dates typed are written: an empty date keeps the stored one.
    QString sql = QStringLiteral("update PagArq set valor = ?, Codigo = ?, Nome = ?");
    Params params{valor, code.value_or(0), name};
    const std::pair<const char*, const std::optional<QDate>*> dates[] = {
        {"Emissao", &emissao}, {"Vencimento", &vencimento}, {"Baixa", &baixa}};
    for (const auto& [column, value] : dates) {
        if (*value) {
            sql += QStringLiteral(", %1 = ?").arg(QLatin1String(column));
            params.append(**value);
        }
    }
    sql += QStringLiteral(", Juros = ? where duplicata = ?");
    params.append(juros);
    params.append(number);

    m_logon.action([&] {
        if (!noSupplier && (!code || !supplierName(f.codigo)))
            throw EntryError(PayablesText::kSupplierMissing);
        // A title loaded and edited is held and written; a new one is only inserted.
        const bool stored = !startedAsNew
            && !m_logon.run(QStringLiteral("select first 1 id from pagarq where duplicata = ? with lock"), {number})
                    .isEmpty();
        if (!stored
            && !newrecord::insert(m_logon, {"PAGARQ", "DUPLICATA", number},
                                  QStringLiteral("insert into pagarq (id,duplicata) values (GEN_ID(PAGARQ,1),?)"),
                                  {number}))
            throw EntryError(PayablesText::kNumberTaken);
        m_logon.exec(sql, params);
    });
    return true;
}

bool PayablesRegister::remove(qint64 id)
{
    return m_logon.exec(QStringLiteral("delete from PagArq where id = ?"), {id}) > 0;
}

QString PayablesRegister::amountField(const Decimal& value)
{
    return typed::amountText(value);
}

QString PayablesRegister::dateField(const QDate& date)
{
    return typed::dateText(date);
}
