#include "registers/ProductStore.h"
#include "db/LedgerTotals.h"
#include "db/NewRecord.h"
#include "db/Schema.h"


registers::Rows ProductStore::list()
{
    return registers::run(m_logon, QStringLiteral("select codigo,nome,valor from produtos order by codigo"));
}

QStringList ProductStore::sizeLabels()
{
    registers::Rows r = registers::run(m_logon, QStringLiteral("select * from moeda order by moeda "));
    QStringList labels;
    while (labels.size() < 5 && r.next())
        labels << r.text(u"LOCAL");
    while (!labels.isEmpty() && labels.size() < 5)
        labels << labels.last();
    return labels;
}

bool ProductStore::pizzaOption()
{
    registers::Rows r = registers::run(m_logon, QStringLiteral("select venda from empresa"));
    return r.next() && r.integer(u"VENDA") == 0;
}

void ProductStore::setPizzaOption(bool on)
{
    registers::run(m_logon, QStringLiteral("update empresa set venda = ?"), {on ? 0 : 1});
}

registers::Rows ProductStore::firstByName()
{
    return registers::run(m_logon, QStringLiteral("Select  first 1 * from Produtos order by nome"));
}

registers::Rows ProductStore::firstByCode()
{
    return registers::run(m_logon, QStringLiteral("select first 1 * from produtos "));
}

registers::Rows ProductStore::find(const QString& code)
{
    return registers::run(m_logon, QStringLiteral("select first 1 * from produtos where codigo = ?"), {code});
}

bool ProductStore::insertNew(const QString& code)
{
    return newrecord::insert(m_logon, {"PRODUTOS", "CODIGO", code},
                             QStringLiteral("insert into produtos (id,codigo,composicao) values (GEN_ID(PRODUTOS,1),?,'N')"),
                             {code});
}

Decimal ProductStore::stock(const QString& code)
{
    // From the totals kept beside the ledger: the same sum, without reading every row.
    return ledgertotals::stockOf(m_logon, code);
}

QHash<QString, Decimal> ProductStore::stocks(const QStringList& codes)
{
    return ledgertotals::stocksOf(m_logon, codes);
}

bool ProductStore::hasStockRows(const QString& code)
{
    return !registers::run(m_logon, QStringLiteral("select first 1 id,codigo from estfic where codigo = ?"), {code}).isEmpty();
}

bool ProductStore::save(const product::Update& update, const QStringList& labels)
{
    bool found = false;
    registers::action(m_logon, [&] {
        found = registers::exec(m_logon, update.sql, update.params) > 0;
        if (!found)
            return;
        for (int i = 0; i < labels.size() && i < 5; ++i)
            registers::run(m_logon, QStringLiteral("update moeda set local = ? where moeda = ?"), {labels[i], i + 1});
    });
    return found;
}

void ProductStore::apply(const product::Update& update)
{
    registers::run(m_logon, update.sql, update.params);
}

void ProductStore::addInitialStock(const QString& code, const Decimal& quantity, const QDate& today)
{
    registers::run(m_logon, QStringLiteral("insert into estfic (id,codigo,data,historico,entrada) "
                                     "values (GEN_ID(estfic,1),?,?,'Estoque Inicial',?)"),
             {code, today, registers::value(quantity)});
}

void ProductStore::remove(const QString& code)
{
    registers::action(m_logon, [&] {
        registers::run(m_logon, QStringLiteral("delete from produtos where codigo = ?"), {code});
        registers::run(m_logon, QStringLiteral("delete from estfic where codigo = ?"), {code});
    });
}

void ProductStore::removeEmptyCodes()
{
    registers::run(m_logon, QStringLiteral("delete from produtos where codigo = ''"));
}

QString ProductStore::highestCode()
{
    return registers::scalar(m_logon, QStringLiteral("select first 1 codigo from produtos order by codigo desc")).toString();
}

registers::Rows ProductStore::search(bool byName, const QString& text)
{
    const QString pattern = schema::containingPattern(text.toUpper(), u"PRODUTOS", byName ? u"NOME" : u"CODIGO");
    return registers::run(m_logon, byName
        ? QStringLiteral("SELECT first 78 codigo,nome FROM PRODUTOS WHERE NOME LIKE ? order by nome ")
        : QStringLiteral("SELECT first 78 codigo,nome FROM PRODUTOS WHERE CODIGO LIKE ? order by Codigo "),
        {pattern});
}

registers::Rows ProductStore::accompaniments(const QString& code)
{
    return registers::run(m_logon, QStringLiteral("select * from acompanha where Codigo = ?"), {code});
}

void ProductStore::addAccompaniment(const QString& code, const QString& text)
{
    registers::run(m_logon, QStringLiteral("insert into ACOMPANHA (id,codigo,produto) values (GEN_ID(ACOMPANHA,1),?,?)"),
             {code, text});
}

void ProductStore::removeAccompaniment(qint64 id)
{
    registers::run(m_logon, QStringLiteral("delete from ACOMPANHA where id = ?"), {id});
}

registers::Rows ProductStore::groups()
{
    return registers::run(m_logon, QStringLiteral("select * from tipos order by codigo "));
}

registers::Rows ProductStore::suppliers()
{
    return registers::run(m_logon, QStringLiteral("select * from fornecedor order by codigo "));
}
