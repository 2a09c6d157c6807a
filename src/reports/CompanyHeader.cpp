#include "reports/CompanyHeader.h"

namespace report {

void companyBlock(Band& band, double top, const RowSet& empresa)
{
    struct Line { const char* caption; const char* column; };
    const Line lines[] = {{"EMPRESA", "EMPRESA"}, {"ENDEREÇO", "ENDERECO"}, {"CIDADE", "CIDADE"},
                          {"ESTADO", "ESTADO"}, {"CNPJ", "CNPJ"}};
    double y = top;
    for (const Line& l : lines) {
        band.add(label(0, y, 28, 5, QString::fromUtf8(l.caption)).bold());
        band.add(label(30, y, 160, 5, empresa.isEmpty() ? QString() : textOf(empresa.value(0, QString::fromLatin1(l.column)))));
        y += 5;
    }
}

} // namespace report
