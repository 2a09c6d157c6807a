#include "finance/CsvExport.h"

#include "finance/FieldText.h"
#include "platform/LineFile.h"
#include "platform/StationPaths.h"
#include "reports/ReportExport.h"

namespace csvtext {
QString written(const QString& path)
{
    return QStringLiteral("Arquivo gravado com Sucesso\n") + path + QStringLiteral("\nDeseja Visualizar?");
}
} // namespace csvtext

QString CsvExport::sql(List list)
{
    switch (list) {
    case List::Products:
        return QStringLiteral("select codigo,nome,valor,classe as grupo,unidade,custo,medio from produtos order by codigo");
    case List::Suppliers:
        return QStringLiteral("select codigo,nome,cidade,estado,cep,fone,fax,estadual,cnpj from fornecedor order by codigo");
    case List::Customers:
        return QStringLiteral(
            "select codigo,nome,cidade,estado,cep,fone,fax,vededor,nasc,rg,cpf from clientes order by codigo");
    }
    return QString();
}

QString CsvExport::fileName(List list)
{
    switch (list) {
    case List::Products:
        return QStringLiteral("c:\\Miltrex\\listproduto.csv");
    case List::Suppliers:
        return QStringLiteral("c:\\Miltrex\\listFornecedor.csv");
    case List::Customers:
        return QStringLiteral("c:\\Miltrex\\listClientes.csv");
    }
    return QString();
}

QString CsvExport::line(const QStringList& values)
{
    QString l;
    for (const QString& v : values) {
        l += report::csvQuoted(v);
        l += QLatin1Char(';');
    }
    return l;
}

QStringList CsvExport::lines(const RowSet& rows, const std::function<void(int, int)>& progress)
{
    QStringList out;
    out.reserve(rows.size() + 1);
    QStringList header;
    for (const QString& c : rows.columns())
        if (!c.isEmpty())
            header << c;
    out << line(header);
    const int columns = int(rows.columns().size());
    QStringList values;
    for (int r = 0; r < rows.size(); ++r) {
        values.clear();
        const QVariantList& row = rows.row(r);
        for (int c = 0; c < columns; ++c)
            values << finance::fieldText(row.at(c));
        out << line(values);
        if (progress)
            progress(r + 1, rows.size());
    }
    return out;
}

CsvExport::Written CsvExport::write(List list, const std::function<void(int, int)>& progress)
{
    const RowSet rows = m_logon.run(sql(list));
    return save(list, lines(rows, progress));
}

CsvExport::Written CsvExport::save(List list, const QStringList& lines)
{
    Written w;
    w.lines = lines;
    w.path = station::pathForWriting(fileName(list));
    LineFile::save(w.path, w.lines);
    return w;
}
