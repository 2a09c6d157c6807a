#include "registers/ProductStore.h"

reg::Rows ProductStore::list()
{
    return reg::run(m_logon, QStringLiteral("select codigo,nome,valor from produtos order by codigo"));
}

QStringList ProductStore::sizeLabels()
{
    reg::Rows r = reg::run(m_logon, QStringLiteral("select * from moeda order by moeda "));
    QStringList labels;
    while (labels.size() < 5 && r.next())
        labels << r.text(u"LOCAL");
    while (!labels.isEmpty() && labels.size() < 5)
        labels << labels.last();
    return labels;
}

bool ProductStore::pizzaOption()
{
    reg::Rows r = reg::run(m_logon, QStringLiteral("select venda from empresa"));
    return r.next() && r.integer(u"VENDA") == 0;
}

void ProductStore::setPizzaOption(bool on)
{
    reg::run(m_logon, QStringLiteral("update empresa set venda = ?"), {on ? 0 : 1});
}

reg::Rows ProductStore::firstByName()
{
    return reg::run(m_logon, QStringLiteral("Select  first 1 * from Produtos order by nome"));
}

reg::Rows ProductStore::firstByCode()
{
    return reg::run(m_logon, QStringLiteral("select first 1 * from produtos "));
}

reg::Rows ProductStore::find(const QString& code)
{
    return reg::run(m_logon, QStringLiteral("select first 1 * from produtos where codigo = ?"), {code});
}

void ProductStore::insertNew(const QString& code)
{
    reg::run(m_logon, QStringLiteral("insert into produtos (id,codigo,composicao) values (GEN_ID(PRODUTOS,1),?,'N')"), {code});
}

Decimal ProductStore::stock(const QString& code)
{
    reg::Rows r = reg::run(m_logon, QStringLiteral("select sum(entrada)as ent,sum(saida) as sai from estfic where codigo = ?"), {code});
    return r.next() ? r.decimal(u"ENT") - r.decimal(u"SAI") : Decimal();
}

bool ProductStore::hasStockRows(const QString& code)
{
    return !reg::run(m_logon, QStringLiteral("select first 1 id,codigo from estfic where codigo = ?"), {code}).isEmpty();
}

bool ProductStore::save(const product::Update& update, const QStringList& labels)
{
    bool found = false;
    reg::action(m_logon, [&] {
        found = reg::exec(m_logon, update.sql, update.params) > 0;
        if (!found)
            return;
        for (int i = 0; i < labels.size() && i < 5; ++i)
            reg::run(m_logon, QStringLiteral("update moeda set local = ? where moeda = ?"), {labels[i], i + 1});
    });
    return found;
}

void ProductStore::apply(const product::Update& update)
{
    reg::run(m_logon, update.sql, update.params);
}

void ProductStore::addInitialStock(const QString& code, const Decimal& quantity, const QDate& today)
{
    reg::run(m_logon, QStringLiteral("insert into estfic (id,codigo,data,historico,entrada) "
                                     "values (GEN_ID(estfic,1),?,?,'Estoque Inicial',?)"),
             {code, today, reg::value(quantity)});
}

void ProductStore::remove(const QString& code)
{
    reg::action(m_logon, [&] {
        reg::run(m_logon, QStringLiteral("delete from produtos where codigo = ?"), {code});
        reg::run(m_logon, QStringLiteral("delete from estfic where codigo = ?"), {code});
    });
}

void ProductStore::removeEmptyCodes()
{
    reg::run(m_logon, QStringLiteral("delete from produtos where codigo = ''"));
}

QString ProductStore::highestCode()
{
    return reg::scalar(m_logon, QStringLiteral("select first 1 codigo from produtos order by codigo desc")).toString();
}

reg::Rows ProductStore::search(bool byName, const QString& text)
{
    const QString pattern = QLatin1Char('%') + text.toUpper() + QLatin1Char('%');
    return reg::run(m_logon, byName
        ? QStringLiteral("SELECT first 78 codigo,nome FROM PRODUTOS WHERE NOME LIKE ? order by nome ")
        : QStringLiteral("SELECT first 78 codigo,nome FROM PRODUTOS WHERE CODIGO LIKE ? order by Codigo "),
        {pattern});
}

reg::Rows ProductStore::accompaniments(const QString& code)
{
    return reg::run(m_logon, QStringLiteral("select * from acompanha where Codigo = ?"), {code});
}

void ProductStore::addAccompaniment(const QString& code, const QString& text)
{
    reg::run(m_logon, QStringLiteral("insert into ACOMPANHA (id,codigo,produto) values (GEN_ID(ACOMPANHA,1),?,?)"),
             {code, text});
}

void ProductStore::removeAccompaniment(qint64 id)
{
    reg::run(m_logon, QStringLiteral("delete from ACOMPANHA where id = ?"), {id});
}

reg::Rows ProductStore::groups()
{
    return reg::run(m_logon, QStringLiteral("select * from tipos order by codigo "));
}

reg::Rows ProductStore::suppliers()
{
    return reg::run(m_logon, QStringLiteral("select * from fornecedor order by codigo "));
}
