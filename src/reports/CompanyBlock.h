#pragma once
// The company block of a page report's header: one line per caption, the caption
// in bold and the value beside it, from the single company row.
#include "reports/PageReport.h"

#include <QString>
#include <vector>

namespace report {

struct Captioned {
    QString caption, value;
};

// Adds the lines to the band from `top` (mm), 5 mm apart.
void addCaptionedLines(Band& band, double top, const std::vector<Captioned>& lines);

// A column of the company row read by "Select * from empresa"; "" when there is no row.
QString companyValue(const RowSet& empresa, const char* column);
// "EMPRESA", "ENDEREÇO", "CIDADE", "ESTADO" and "CNPJ" with the company's values.
std::vector<Captioned> companyLines(const RowSet& empresa);
// The company lines added to the band from `top`.
void companyBlock(Band& band, double top, const RowSet& empresa);

} // namespace report
