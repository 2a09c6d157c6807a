#include "cash/CashDrawer.h"
#include "core/WholeNumber.h"

#include "core/uMensagem.h"
#include "platform/LineFile.h"
#include "platform/Ports.h"
#include "platform/StationPaths.h"

#include <stdexcept>

namespace drawer {

namespace {

namespace msg {
const char16_t* const kNoModel = u"Modelo de gaveta não definido";
const char16_t* const kFiscal = u"Gaveta ligada a impressora fiscal: nenhuma impressora fiscal é usada";
const char16_t* const kNoPort = u"Porta da gaveta não informada";
QString notAPort(const QString& port)
{
    return QStringLiteral("Porta da gaveta inválida: %1 (use COM1 a COM7 ou LPT1 a LPT4)").arg(port);
}
QString badCommand(const QString& command)
{
    return QStringLiteral("Comando da gaveta inválido: %1").arg(command);
}
QString cannotOpen(const QString& port, const QString& why)
{
    return QStringLiteral("Não foi possível abrir a porta %1: %2").arg(port, why);
}
QString cannotWrite(const QString& port, const QString& why)
{
    return QStringLiteral("Erro ao gravar na porta %1: %2").arg(port, why);
}
} // namespace msg

[[noreturn]] void fail(const QString& text)
{
    throw std::runtime_error(text.toStdString());
}

std::optional<int> indexIn(const QString& text, int count)
{
    const std::optional<int> n = readInt(text, WholeRules::code().from(-1));
    if (!n || *n >= count)
        return std::nullopt;
    return n;
}

} // namespace

QStringList models()
{
    return {QStringLiteral("gavNenhuma"), QStringLiteral("gavSerialMenno"), QStringLiteral("gavSerialGerbo"),
            QStringLiteral("gavImpressoraECF"), QStringLiteral("gavImpressoraComum")};
}

QStringList portNames()
{
    QStringList names;
    for (int n = 1; n <= 7; ++n)
        names << QStringLiteral("COM%1").arg(n);
    for (int n = 1; n <= 4; ++n)
        names << QStringLiteral("LPT%1").arg(n);
    return names;
}

QStringList commands()
{
    return {QStringLiteral("#027,#112,#048,#050 | Zantus"), QStringLiteral("#027,p,#000,#050,#200 | Schalter"),
            QStringLiteral("#027,p,0,#050,#200 | Mecaf"), QStringLiteral("#027,v,#140 | Bematech"),
            QStringLiteral("#254 | Daruma")};
}

std::optional<QByteArray> commandBytes(const QString& command)
{
    const QString codes = command.section(QLatin1Char('|'), 0, 0).trimmed();
    if (codes.isEmpty())
        return std::nullopt;
    QByteArray bytes;
    for (const QString& raw : codes.split(QLatin1Char(','))) {
        const QString entry = raw.trimmed();
        if (entry.startsWith(QLatin1Char('#'))) {
            const std::optional<int> code = readInt(entry.mid(1), WholeRules::upTo(255));
            if (!code)
                return std::nullopt;
            bytes += char(*code);
        } else if (entry.size() == 1 && entry.at(0).unicode() < 0x80) {
            bytes += entry.at(0).toLatin1();
        } else {
            return std::nullopt;
        }
    }
    return bytes;
}

Settings load()
{
    Settings s;
    std::optional<LineFile> file;
    try {
        file = LineFile::load(station::path(QString::fromLatin1(kSettingsFile)));
    } catch (const std::runtime_error&) {
        return s;
    }
    if (!file)
        return s;
    if (const auto m = indexIn(file->line(0), int(models().size())); m && *m >= 0)
        s.model = *m;
    s.port = file->line(3);
    s.portIndex = int(portNames().indexOf(s.port));
    if (const auto c = indexIn(file->line(4), int(commands().size())); c && *c >= 0)
        s.command = *c;
    return s;
}

bool save(const Settings& s, const QString& modelText, const QString& commandText)
{
    try {
        LineFile::save(station::pathForWriting(QString::fromLatin1(kSettingsFile)),
                       {QString::number(s.model), QString::number(s.portIndex), modelText, s.port,
                        QString::number(s.command), commandText});
        return true;
    } catch (const std::runtime_error&) {
        return false;
    }
}

void open(int model, const QString& port, const QString& command)
{
    if (model == gavNenhuma)
        fail(QString::fromUtf16(msg::kNoModel));
    if (model == gavImpressoraECF)
        fail(QString::fromUtf16(msg::kFiscal));
    const std::optional<QByteArray> bytes = commandBytes(command);
    if (!bytes)
        fail(msg::badCommand(command));
    const QString name = TrimText(port).toUpper();
    if (name.isEmpty())
        fail(QString::fromUtf16(msg::kNoPort));
    if (!portNames().contains(name))
        fail(msg::notAPort(port));
    ports::PortFile file;
    if (!file.open(name, ports::PortFile::Create::Never))
        fail(msg::cannotOpen(port, file.errorText()));
    if (!file.write(*bytes) || !file.close())
        fail(msg::cannotWrite(port, file.errorText()));
}

} // namespace drawer
