#include "labels/BarcodeLabels.h"
#include "core/WholeNumber.h"

#include "core/FormatFloat.h"
#include "core/uMensagem.h"
#include "platform/LineFile.h"
#include "platform/StationPaths.h"
#include "reports/Barcodes.h"

#include <algorithm>

namespace labeltext {
QStringList copyChoices()
{
    QStringList list{QStringLiteral("01 de cada")};
    for (int n = 4; n <= 60; n += 4)
        list << QStringLiteral("%1 de cada").arg(n, 2, 10, QLatin1Char('0'));
    return list;
}
} // namespace labeltext

namespace {

constexpr int kColumns = 4;
constexpr int kNameLength = 25;

// A line of the settings file as a whole number.
int wholeLine(const LineFile& file, int line, int fallback)
{
    const std::optional<int> n = readInt(file.line(line));
    return n ? *n : fallback;
}

std::optional<LineFile> settings()
{
    try {
        return LineFile::load(station::path(BarcodeLabels::kSettingsFile));
    } catch (const std::exception&) {
        return std::nullopt;   // an unreadable file is a missing one
    }
}

} // namespace

LabelGeometry BarcodeLabels::geometry()
{
    const std::optional<LineFile> file = settings();
    if (!file)
        return LabelGeometry{};
    LabelGeometry g;
    g.rowHeight = wholeLine(*file, 0, 64);
    g.left = {wholeLine(*file, 1, 30), wholeLine(*file, 2, 213), wholeLine(*file, 3, 385), wholeLine(*file, 4, 565)};
    g.topMargin = wholeLine(*file, 5, 11);
    g.unused = wholeLine(*file, 6, 22);
    g.fontSize = wholeLine(*file, 7, 6);
    return g;
}

QStringList BarcodeLabels::adjustmentFields()
{
    QStringList fields{QStringLiteral("71"), QStringLiteral("8"), QStringLiteral("184"),
                       QStringLiteral("360"), QStringLiteral("536"), QStringLiteral("7")};
    if (const std::optional<LineFile> file = settings())
        for (int i = 0; i < fields.size() && i < file->count(); ++i)
            fields[i] = file->line(i);
    return fields;
}

void BarcodeLabels::saveAdjustment(const QStringList& fields)
{
    QStringList lines;
    for (const QString& f : fields)
        lines << TrimText(f);
    LineFile::save(station::pathForWriting(kSettingsFile), lines);
}

std::pair<QString, QString> BarcodeLabels::codeRange(TLogon& logon)
{
    const QVariant first = logon.scalar(QStringLiteral("select first 1 codigo from produtos order by codigo"));
    const QVariant last = logon.scalar(QStringLiteral("select first 1 codigo from produtos order by codigo desc"));
    return {textOf(first), textOf(last)};
}

int BarcodeLabels::copiesOf(int choice)
{
    return choice <= 0 ? 1 : 4 * std::min(choice, 15);
}

RowSet BarcodeLabels::rows(TLogon& logon, const LabelOptions& options)
{
    RowSet products = logon.run(
        // The range as typed, whatever its length: codes compared as texts.
        QStringLiteral("select codigo,nome,valor from produtos "
                       "where (codigo between cast(? as varchar(100)) and cast(? as varchar(100)))"),
        {options.firstCode, options.lastCode});
    const int perRow = std::clamp(options.perRow, 1, kColumns);
    const int copies = copiesOf(options.copiesChoice);

    QStringList columns{QStringLiteral("INDEX")};
    for (int k = 1; k <= kColumns; ++k)
        columns << QStringLiteral("Cod%1").arg(k) << QStringLiteral("Nom%1").arg(k) << QStringLiteral("Cus%1").arg(k);
    std::vector<QVariantList> rows;
    auto newRow = [&] {
        QVariantList row;
        row << QString::number(rows.size() + 1);
        for (int i = 1; i < columns.size(); ++i)
            row << QString();
        rows.push_back(row);
    };
    auto put = [&](QVariantList& row, int column, const QStringList& label) {
        for (int i = 0; i < 3; ++i)
            row[1 + column * 3 + i] = label.at(i);
    };

    QStringList last;
    int column = perRow;   // the first product opens a row
    while (products.next()) {
        const QString price = options.withoutPrice
            ? QString()
            : TrimText(FormatFloat(u"0.00", products.decimal(u"VALOR")));
        const QStringList label{products.text(u"CODIGO"), products.text(u"NOME").left(kNameLength), price};
        if (copies == 1) {
            if (column == perRow) {
                newRow();
                column = 0;
            }
            put(rows.back(), column++, label);
            last = label;
            continue;
        }
        for (int left = copies; left > 0; left -= perRow) {
            newRow();
            for (int k = 0; k < std::min(left, perRow); ++k)
                put(rows.back(), k, label);
        }
    }
    // A row the products left short repeats the last one.
    if (copies == 1 && !rows.empty())
        while (column < perRow)
            put(rows.back(), column++, last);
    return RowSet(columns, std::move(rows));
}

QImage BarcodeLabels::barcodeOf(const QString& code)
{
    const QString t = TrimText(code);
    if (t.isEmpty())
        return QImage();
    if (t.size() == 13) {
        const QImage ean = codes::ean13(t);
        if (!ean.isNull())
            return ean;
    }
    return codes::code39(t);
}
