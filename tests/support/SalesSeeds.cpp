#include "SalesSeeds.h"
#include "TestStation.h"

#include "db/UnitLogon.h"
#include "printing/RawPrinterPort.h"

#include <QDir>
#include <QFile>

namespace seeds {

void product(TLogon& logon, const Product& p)
{
    logon.run(QStringLiteral("insert into produtos (id, codigo, nome, valor, cubagem, clas, classe, juntar, composicao, unidade) "
                             "values (GEN_ID(PRODUTOS,1),?,?,?,?,?,?,?,?,'UN')"),
              {p.code, p.name, p.price, p.promotion, p.kitchen, p.group, p.juntar, p.composicao});
}

void waiter(TLogon& logon, int code, const QString& name, const QString& password)
{
    logon.run(QStringLiteral("insert into vendedor (id, codigo, nome, cep) values (1,?,?,?)"), {code, name, password});
}

void complement(TLogon& logon, int group, const QString& name, const Decimal& value, int code)
{
    logon.run(QStringLiteral("insert into complemento (id, grupo, nome, valor, codigo) "
                             "values ((select coalesce(max(id),0)+1 from complemento),?,?,?,?)"),
              {group, name, value, code});
}

void accompaniment(TLogon& logon, const QString& productCode, const QString& text)
{
    logon.run(QStringLiteral("insert into acompanha (id, codigo, produto) "
                             "values ((select coalesce(max(id),0)+1 from acompanha),?,?)"), {productCode, text});
}

void options(TLogon& logon, int salesOptions, int itemOptions, const QString& titulo)
{
    logon.run(QStringLiteral("update empresa set scc5 = ?, scc4 = ?, titulo = ?"), {salesOptions, itemOptions, titulo});
}

void setup(TestStation& st, const std::map<int, QString>& values)
{
    QStringList lines;
    for (int i = 0; i < 23; ++i)
        lines << (values.count(i) ? values.at(i) : QString());
    st.writeFile(QStringLiteral("c:\\Miltrex\\vavoz\\setup.INI"), lines);
}

QString portToFile(TestStation& st, const QString& port, const QString& fileName)
{
    const QString path = QDir(st.root()).filePath(fileName);
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    st.writeFile(QStringLiteral("c:\\Miltrex\\vavoz\\dispositivos.INI"), {port + QLatin1Char('=') + path});
    ClosePrinterPort();
    return path;
}

QString closingPrinterToFile(TestStation& st)
{
    setup(st, {{15, QStringLiteral("Informa porta")}});
    return portToFile(st, QStringLiteral("LPT1"), QStringLiteral("lpt1.out"));
}

} // namespace seeds
