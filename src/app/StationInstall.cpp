#include "app/StationInstall.h"

#include "core/FormatFloat.h"
#include "db/LedgerTotals.h"
#include "db/SchemaUpgrade.h"
#include "db/UnitLogon.h"
#include "platform/StationPaths.h"
#include "platform/Win1252.h"
#include "printing/SetComSettings.h"

#include <QCommandLineParser>
#include <QTextStream>

namespace install {

namespace {

// The widths of the EMPRESA row's columns.
constexpr int kNameWidth = 40;
constexpr int kAddressWidth = 40;
constexpr int kCityWidth = 20;

const QStringList& states()
{
    static const QStringList list = {
        QStringLiteral("AC"), QStringLiteral("AL"), QStringLiteral("AM"), QStringLiteral("AP"), QStringLiteral("BA"),
        QStringLiteral("CE"), QStringLiteral("DF"), QStringLiteral("ES"), QStringLiteral("GO"), QStringLiteral("MA"),
        QStringLiteral("MG"), QStringLiteral("MS"), QStringLiteral("MT"), QStringLiteral("PA"), QStringLiteral("PB"),
        QStringLiteral("PE"), QStringLiteral("PI"), QStringLiteral("PR"), QStringLiteral("RJ"), QStringLiteral("RN"),
        QStringLiteral("RO"), QStringLiteral("RR"), QStringLiteral("RS"), QStringLiteral("SC"), QStringLiteral("SE"),
        QStringLiteral("SP"), QStringLiteral("TO"),
    };
    return list;
}

// What is wrong with a text for a column of `width` characters; empty when it fits.
QString checkText(const QString& what, const QString& text, int width)
{
    const QString value = normalised(text);
    for (const QChar c : value)
        if (c.category() == QChar::Other_Control)
            return QStringLiteral("%1: caracteres de controle não são aceitos.").arg(what);
    if (!fitsWin1252(value))
        return QStringLiteral("%1: há caracteres que o banco de dados não guarda (%2).").arg(what, value);
    if (value.size() > width)
        return QStringLiteral("%1: no máximo %2 caracteres (%3 informados).").arg(what).arg(width).arg(value.size());
    return QString();
}

} // namespace

QString usage()
{
    return QStringLiteral(
        "Uso: sabrel22-instalar [--empresa NOME] [--endereco ENDEREÇO] [--cidade CIDADE] [--estado UF] [BANCO]\n"
        "      sabrel22-instalar --recalcular-totais [BANCO]\n"
        "Prepara a estação: as pastas, os arquivos de configuração das impressoras e, quando\n"
        "não existe, o banco de dados (BANCO: um arquivo, ou \"servidor:caminho\"; sem ele, o\n"
        "banco local da estação). Um banco novo pergunta, uma vez, o que as opções não deram;\n"
        "num banco que já existe, as opções dadas substituem esses dados da empresa.\n"
        "--recalcular-totais refaz os totais do estoque a partir do movimento e lista os\n"
        "produtos cujos totais estavam diferentes.\n");
}

Options parseArguments(const QStringList& arguments)
{
    Options o;
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption name(QStringLiteral("empresa"), QString(), QStringLiteral("NOME"));
    const QCommandLineOption address(QStringLiteral("endereco"), QString(), QStringLiteral("ENDEREÇO"));
    const QCommandLineOption city(QStringLiteral("cidade"), QString(), QStringLiteral("CIDADE"));
    const QCommandLineOption state(QStringLiteral("estado"), QString(), QStringLiteral("UF"));
    const QCommandLineOption help(QStringList{QStringLiteral("ajuda"), QStringLiteral("help"), QStringLiteral("h")});
    const QCommandLineOption totals(QStringLiteral("recalcular-totais"));
    parser.addOptions({name, address, city, state, help, totals});
    parser.addPositionalArgument(QStringLiteral("banco"), QString());
    if (!parser.parse(arguments)) {
        o.error = parser.errorText();
        return o;
    }
    o.help = parser.isSet(help);
    o.recalculateTotals = parser.isSet(totals);
    auto take = [&](const QCommandLineOption& option, std::optional<QString>& into) {
        if (parser.isSet(option))
            into = parser.value(option);
    };
    take(name, o.name);
    take(address, o.address);
    take(city, o.city);
    take(state, o.state);
    const QStringList rest = parser.positionalArguments();
    if (rest.size() > 1)
        o.error = QStringLiteral("Apenas um banco de dados: %1").arg(rest.join(QLatin1Char(' ')));
    else if (!rest.isEmpty())
        o.database = rest.first();
    if (o.recalculateTotals && o.any())
        o.error = QStringLiteral("--recalcular-totais não se combina com os dados da empresa.");
    return o;
}

QString recalculateTotals(TLogon& logon)
{
    SchemaUpgrade upgrade(logon);
    upgrade.run();
    const std::vector<ledgertotals::Difference> differed = ledgertotals::recalculate(logon);
    QString text;
    QTextStream out(&text);
    if (differed.empty()) {
        out << QStringLiteral("Totais do estoque recalculados: os de todos os produtos conferiam com o movimento.")
            << Qt::endl;
        return text;
    }
    out << QStringLiteral("Totais do estoque recalculados: %1 %2 com totais diferentes do movimento.")
               .arg(differed.size())
               .arg(differed.size() == 1 ? QStringLiteral("produto") : QStringLiteral("produtos"))
        << Qt::endl;
    out << QStringLiteral("%1 %2 %3 %4 %5")
               .arg(QStringLiteral("CODIGO"), -14)
               .arg(QStringLiteral("PRODUTO"), -40)
               .arg(QStringLiteral("NOS TOTAIS"), 16)
               .arg(QStringLiteral("NO MOVIMENTO"), 16)
               .arg(QStringLiteral("MESES"), 5)
        << Qt::endl;
    for (const ledgertotals::Difference& d : differed)
        out << QStringLiteral("%1 %2 %3 %4 %5")
                   .arg(d.code, -14)
                   .arg(d.name.left(40), -40)
                   .arg(FormatFloat(u"#,##0.000", d.keptStock), 16)
                   .arg(FormatFloat(u"#,##0.000", d.rowsStock), 16)
                   .arg(d.months, 5)
            << Qt::endl;
    return text;
}

QString normalised(const QString& text)
{
    return text.trimmed().toUpper();
}

QString checkName(const QString& text)
{
    if (normalised(text).isEmpty())
        return QStringLiteral("Nome do restaurante: é obrigatório.");
    return checkText(QStringLiteral("Nome do restaurante"), text, kNameWidth);
}

QString checkAddress(const QString& text)
{
    return checkText(QStringLiteral("Endereço"), text, kAddressWidth);
}

QString checkCity(const QString& text)
{
    return checkText(QStringLiteral("Cidade"), text, kCityWidth);
}

QString checkState(const QString& text)
{
    const QString value = normalised(text);
    if (value.isEmpty() || states().contains(value))
        return QString();
    return QStringLiteral("Estado: a sigla de uma unidade da federação (SP, RJ, MG...), não \"%1\".").arg(text.trimmed());
}

namespace {

// The four values the installation asks for: the question, the column of the
// EMPRESA row, the option that gives it, its check and where it goes.
struct Field {
    const char16_t* prompt;
    const char* column;
    std::optional<QString> Options::*given;
    QString (*check)(const QString&);
    QString newdb::Company::*value;
    bool required;
};

const Field kFields[] = {
    {u"Nome do restaurante", "EMPRESA", &Options::name, checkName, &newdb::Company::name, true},
    {u"Endereço", "ENDERECO", &Options::address, checkAddress, &newdb::Company::address, false},
    {u"Cidade", "CIDADE", &Options::city, checkCity, &newdb::Company::city, false},
    {u"Estado (UF)", "ESTADO", &Options::state, checkState, &newdb::Company::state, false},
};

} // namespace

QString wrongOption(const Options& options)
{
    for (const Field& f : kFields)
        if (const std::optional<QString>& given = options.*f.given)
            if (const QString wrong = f.check(*given); !wrong.isEmpty())
                return wrong;
    return QString();
}

std::optional<newdb::Company> askCompany(const Options& options, QTextStream& in, QTextStream& out, bool echo)
{
    if (const QString wrong = wrongOption(options); !wrong.isEmpty()) {
        out << wrong << Qt::endl;
        return std::nullopt;
    }
    newdb::Company company;
    for (const Field& f : kFields) {
        if (const std::optional<QString>& given = options.*f.given) {
            company.*f.value = normalised(*given);
            continue;
        }
        for (;;) {
            out << QString::fromUtf16(f.prompt) << (f.required ? QString() : QStringLiteral(" (Enter: em branco)"))
                << QStringLiteral(": ") << Qt::flush;
            QString line;
            if (!in.readLineInto(&line)) {
                if (!f.required) {
                    if (echo)
                        out << Qt::endl;
                    break;
                }
                out << Qt::endl << QStringLiteral("Nome do restaurante não informado: use --empresa NOME.") << Qt::endl;
                return std::nullopt;
            }
            if (echo)
                out << line << Qt::endl;
            if (const QString wrong = f.check(line); !wrong.isEmpty()) {
                out << wrong << Qt::endl;
                continue;
            }
            company.*f.value = normalised(line);
            break;
        }
    }
    return company;
}

void updateCompany(TLogon& logon, const Options& options)
{
    logon.action([&] {
        for (const Field& f : kFields)
            if (const std::optional<QString>& given = options.*f.given)
                logon.run(QStringLiteral("UPDATE EMPRESA SET %1 = ?").arg(QString::fromLatin1(f.column)),
                          {normalised(*given)});
    });
}

bool writeStationSettings()
{
    if (station::exists(QString::fromLatin1(SetComSettings::kSetupFile)))
        return false;
    SetComValues values = SetComSettings::load();
    SetComSettings::save(values);
    return true;
}

} // namespace install
