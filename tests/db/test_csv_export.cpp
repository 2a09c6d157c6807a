// The CSV export on a real database: the three files byte for byte, read back by
// a real CSV reader (Python's csv module, ";" and Windows-1252), an empty table,
// and a file that cannot be written keeping the old one whole.
#include "FullDisk.h"
#include "ReportReading.h"
#include "TestStation.h"
#include "exchange/CsvExport.h"
#include "platform/LineFile.h"
#include "platform/StationPaths.h"
#include "platform/Win1252.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <gtest/gtest.h>


namespace {

QString S(const char* text) { return QString::fromUtf8(text); }
Decimal D(const char* text) { return *Decimal::parse(QString::fromUtf8(text)); }

// The file as Python's csv module reads it with ";" and Windows-1252.
std::vector<QStringList> readByPython(const QString& path)
{
    QProcess p;
    p.start(S("python3"), {S("-c"),
                           S("import csv, json, sys\n"
                             "with open(sys.argv[1], encoding='cp1252', newline='') as f:\n"
                             "    print(json.dumps(list(csv.reader(f, delimiter=';'))))\n"),
                           path});
    EXPECT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    std::vector<QStringList> rows;
    for (const QJsonValue& row : QJsonDocument::fromJson(p.readAllStandardOutput()).array()) {
        QStringList cells;
        for (const QJsonValue& c : row.toArray())
            cells << c.toString();
        rows.push_back(cells);
    }
    return rows;
}

QByteArray lines(std::initializer_list<const char*> text)
{
    QByteArray out;
    for (const char* l : text)
        out += toWin1252(S(l)) + "\r\n";
    return out;
}

void seed(TLogon& db)
{
    auto product = [&](const char* code, const QString& name, const char* price, QVariant group, const char* unit,
                       const char* cost, QVariant average) {
        db.run(S("insert into PRODUTOS (ID, CODIGO, NOME, VALOR, CLASSE, UNIDADE, CUSTO, MEDIO) "
                 "values (GEN_ID(PRODUTOS,1), ?, ?, ?, ?, ?, ?, ?)"),
               {S(code), name, D(price), group, S(unit), D(cost), average});
    };
    product("000002", S("COPO 12\" GRANDE; VIDRO"), "12", QVariant(), "PC", "0", QVariant());
    product("000001", S("PÃO DE QUEIJO"), "4,50", 2, "UN", "1,20", QVariant::fromValue(D("1,25")));
    product("000003", S("DUAS\r\nLINHAS"), "1234,567", 1, "UN", "0,001", QVariant::fromValue(D("0")));
    db.run(S("insert into FORNECEDOR (ID, CODIGO, NOME, CIDADE, ESTADO, CEP, FONE, FAX, ESTADUAL, CNPJ) "
             "values (1, 5, 'DISTRIBUIDORA SÃO JOÃO', 'CAMPINAS', 'SP', '13000-000', '(19) 3232-0000', NULL, "
             "'ISENTO', '12.345.678/0001-90')"));
    db.run(S("delete from CLIENTES"));   // the installation's own consumer
    db.run(S("insert into CLIENTES (ID, CODIGO, NOME, CIDADE, ESTADO, CEP, FONE, FAX, VEDEDOR, NASC, RG, CPF) "
             "values (1, 1, 'JOSÉ D''ÁVILA', 'SÃO PAULO', 'SP', '01000-000', '11 9999-0000', '', 3, ?, '12.345', "
             "'123.456.789-00')"),
           {QDate(1980, 3, 7)});
    db.run(S("insert into CLIENTES (ID, CODIGO, NOME) values (2, 2, 'SEM NASCIMENTO')"));
}

} // namespace

TEST(CsvExport, TheThreeFilesByteForByteAndAsASpreadsheetReadsThem)
{
    TestStation st;
    seed(st.logon());
    CsvExport exporter(st.logon());

    const CsvExport::Written products = exporter.write(CsvExport::List::Products);
    EXPECT_EQ(products.path, station::path(u"c:\\Miltrex\\listproduto.csv"));
    EXPECT_TRUE(products.path.startsWith(st.root()));
    EXPECT_EQ(bytesOf(products.path), lines({"CODIGO;NOME;VALOR;GRUPO;UNIDADE;CUSTO;MEDIO;",
                                             "000001;PÃO DE QUEIJO;4,5;2;UN;1,2;1,25;",
                                             "000002;\"COPO 12\"\" GRANDE; VIDRO\";12;;PC;0;;",
                                             "000003;\"DUAS\r\nLINHAS\";1234,567;1;UN;0,001;0;"}));
    const std::vector<QStringList> read = readByPython(products.path);
    ASSERT_EQ(read.size(), 4u);
    EXPECT_EQ(read[0], (QStringList{"CODIGO", "NOME", "VALOR", "GRUPO", "UNIDADE", "CUSTO", "MEDIO", ""}));
    EXPECT_EQ(read[1], (QStringList{"000001", S("PÃO DE QUEIJO"), "4,5", "2", "UN", "1,2", "1,25", ""}));
    EXPECT_EQ(read[2], (QStringList{"000002", S("COPO 12\" GRANDE; VIDRO"), "12", "", "PC", "0", "", ""}));
    EXPECT_EQ(read[3], (QStringList{"000003", S("DUAS\r\nLINHAS"), "1234,567", "1", "UN", "0,001", "0", ""}));
    EXPECT_EQ(products.lines.size(), 4);

    const CsvExport::Written suppliers = exporter.write(CsvExport::List::Suppliers);
    EXPECT_TRUE(suppliers.path.endsWith(S("/listFornecedor.csv")));
    EXPECT_EQ(bytesOf(suppliers.path),
              lines({"CODIGO;NOME;CIDADE;ESTADO;CEP;FONE;FAX;ESTADUAL;CNPJ;",
                     "5;DISTRIBUIDORA SÃO JOÃO;CAMPINAS;SP;13000-000;(19) 3232-0000;;ISENTO;12.345.678/0001-90;"}));

    const CsvExport::Written customers = exporter.write(CsvExport::List::Customers);
    EXPECT_TRUE(customers.path.endsWith(S("/listClientes.csv")));
    EXPECT_EQ(bytesOf(customers.path),
              lines({"CODIGO;NOME;CIDADE;ESTADO;CEP;FONE;FAX;VEDEDOR;NASC;RG;CPF;",
                     "1;JOSÉ D'ÁVILA;SÃO PAULO;SP;01000-000;11 9999-0000;;3;07/03/80;12.345;123.456.789-00;",
                     "2;SEM NASCIMENTO;;;;;;;;;;"}));
    EXPECT_EQ(readByPython(customers.path)[1].at(1), S("JOSÉ D'ÁVILA"));

    // Written again: the file replaced whole, nothing left beside it.
    st.logon().run(S("delete from PRODUTOS where CODIGO <> '000001'"));
    exporter.write(CsvExport::List::Products);
    EXPECT_EQ(bytesOf(products.path), lines({"CODIGO;NOME;VALOR;GRUPO;UNIDADE;CUSTO;MEDIO;",
                                             "000001;PÃO DE QUEIJO;4,5;2;UN;1,2;1,25;"}));
    EXPECT_EQ(QDir(QFileInfo(products.path).absolutePath()).entryList({S("*.csv*"), S(".*csv*")},
                                                                      QDir::Files | QDir::Hidden).size(), 3);
}

TEST(CsvExport, AnEmptyTableGivesTheHeaderAlone)
{
    TestStation st;
    st.logon().run(S("delete from FORNECEDOR"));
    const CsvExport::Written w = CsvExport(st.logon()).write(CsvExport::List::Suppliers);
    EXPECT_EQ(bytesOf(w.path), lines({"CODIGO;NOME;CIDADE;ESTADO;CEP;FONE;FAX;ESTADUAL;CNPJ;"}));
}

// A file that cannot be written (here the process may write no more than a few
// bytes to any file, as on a full disk) leaves the old one whole, and no
// half-written file beside it.
TEST(CsvExport, AFileThatCannotBeWrittenKeepsTheOldOneWhole)
{
    TestStation st;
    seed(st.logon());
    CsvExport exporter(st.logon());
    const QString path = exporter.write(CsvExport::List::Products).path;
    const QByteArray before = bytesOf(path);
    st.logon().run(S("update PRODUTOS set NOME = 'OUTRO NOME'"));
    // The rows are read first: only the file meets the full disk.
    const QStringList newer = CsvExport::lines(st.logon().run(CsvExport::sql(CsvExport::List::Products)));

    bool failed = false;
    {
        const FullDisk full(40);
        try {
            CsvExport::save(CsvExport::List::Products, newer);
        } catch (const std::runtime_error&) {
            failed = true;
        }
    }

    EXPECT_TRUE(failed);
    EXPECT_EQ(bytesOf(path), before);
    EXPECT_NE(LineFile::encode(newer), before);
    EXPECT_EQ(QDir(QFileInfo(path).absolutePath()).entryList({S("*.csv*"), S(".*csv*")}, QDir::Files | QDir::Hidden),
              QStringList{S("listproduto.csv")});
}
