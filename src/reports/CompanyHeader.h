#pragma once
// The company block of a report's page header: a caption and the company row's value.
#include "reports/PageReport.h"

namespace report {

void companyBlock(Band& band, double top, const RowSet& empresa);

} // namespace report
