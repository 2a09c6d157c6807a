#include "reports/CompanyBlock.h"

namespace report {

void addCaptionedLines(Band& band, double top, const std::vector<Captioned>& lines)
{
    double y = top;
    for (const Captioned& l : lines) {
        band.add(label(0, y, 28, 5, l.caption).bold());
        band.add(label(30, y, 160, 5, l.value));
        y += 5;
    }
}

QString companyValue(const RowSet& empresa, const char* column)
{
    return empresa.isEmpty() ? QString() : textOf(empresa.value(0, QString::fromLatin1(column)));
}

std::vector<Captioned> companyLines(const RowSet& empresa)
{
    return {{QStringLiteral("EMPRESA"), companyValue(empresa, "EMPRESA")},
            {QStringLiteral("ENDEREÇO"), companyValue(empresa, "ENDERECO")},
            {QStringLiteral("CIDADE"), companyValue(empresa, "CIDADE")},
            {QStringLiteral("ESTADO"), companyValue(empresa, "ESTADO")},
            {QStringLiteral("CNPJ"), companyValue(empresa, "CNPJ")}};
}

void companyBlock(Band& band, double top, const RowSet& empresa)
{
    addCaptionedLines(band, top, companyLines(empresa));
}

} // namespace report
