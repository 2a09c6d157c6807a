#include "exchange/CsvExport.h"

#include "reports/FieldText.h"
#include "core/SpreadsheetCell.h"
#include "platform/LineFile.h"
#include "platform/StationPaths.h"

namespace csvtext {
QString written(const QString& path)
{
    return QStringLiteral("Arquivo gravado com Sucesso\n") + path + QStringLiteral("\nDeseja Visualizar?");
}
} // namespace csvtext

namespace {

// Each list's query and file, in the order of CsvExport::List.
struct ListFile {
    const char* sql;
    const char* file;
};
constexpr ListFile kLists[] = {
    {"select codigo,nome,valor,classe as grupo,unidade,custo,medio from produtos order by codigo",
     "c:\\Miltrex\\listproduto.csv"},
    {"select codigo,nome,cidade,estado,cep,fone,fax,estadual,cnpj from fornecedor order by codigo",
     "c:\\Miltrex\\listFornecedor.csv"},
    {"select codigo,nome,cidade,estado,cep,fone,fax,vededor,nasc,rg,cpf from clientes order by codigo",
     "c:\\Miltrex\\listClientes.csv"},
};

} // namespace

QString CsvExport::sql(List list)
{
    return QString::fromLatin1(kLists[int(list)].sql);
}

QString CsvExport::fileName(List list)
{
    return QString::fromLatin1(kLists[int(list)].file);
}

QString CsvExport::line(const QStringList& values)
{
    QString l;
    for (const QString& v : values) {
        l += spreadsheetCell(v);
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
