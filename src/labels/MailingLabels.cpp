#include "labels/MailingLabels.h"
#include "core/WholeNumber.h"

#include "core/uMensagem.h"
#include "platform/LineFile.h"
#include "platform/StationPaths.h"

#include <optional>

namespace {

int wholeWithin(const QString& typed, int low, int high, int fallback)
{
    const std::optional<int> n = readInt(typed);
    return (n && *n >= low && *n <= high) ? *n : fallback;
}

} // namespace

MailingSettings MailingLabels::settings()
{
    MailingSettings s;
    std::optional<LineFile> file;
    try {
        file = LineFile::load(station::path(kSettingsFile));
    } catch (const std::exception&) {
    }
    if (file) {
        if (file->count() > 0)
            s.height = file->line(0);
        if (file->count() > 1)
            s.margin = file->line(1);
    }
    return s;
}

void MailingLabels::saveSettings(const QString& height, const QString& margin)
{
    LineFile::save(station::pathForWriting(kSettingsFile), {TrimText(height), TrimText(margin)});
}

int MailingLabels::labelHeight(const QString& typed)
{
    return wholeWithin(typed, 1, 1000, 95);
}

int MailingLabels::topMargin(const QString& typed)
{
    return wholeWithin(typed, 0, 100, 7);
}

int MailingLabels::filterValue(const QString& typed)
{
    const std::optional<int> n = readInt(typed);
    return n ? *n : 0;
}

RowSet MailingLabels::labels(TLogon& logon, Filter filter, int value)
{
    QString sql = QStringLiteral("select NOME, ENDERECO, CIDADE, ESTADO, CEP from clientes");
    Params params;
    if (filter == Filter::Code) {
        sql += QStringLiteral(" where CODIGO = ?");
        params.append(value);
    } else if (filter == Filter::BirthMonth) {
        sql += QStringLiteral(" where extract(month from NASC) = ?");
        params.append(value);
    }
    sql += QStringLiteral(" order by nome ");
    RowSet customers = logon.run(sql, params);
    std::vector<QVariantList> rows;
    while (customers.next()) {
        if (TrimText(customers.text(u"NOME")).isEmpty())
            continue;
        rows.push_back({customers.text(u"NOME").left(25), customers.text(u"ENDERECO").left(25),
                        customers.text(u"CIDADE").left(15), customers.text(u"ESTADO").left(3),
                        customers.text(u"CEP").left(14)});
    }
    return RowSet({QStringLiteral("Nome"), QStringLiteral("Historico"), QStringLiteral("Classe"),
                   QStringLiteral("Unidade"), QStringLiteral("Duplicata")},
                  std::move(rows));
}
