#include "reports/ReportForm.h"

#include "db/UnitLogon.h"

#include <cmath>

namespace report {

Band& titledForm(Definition& def, const Form& form)
{
    def.title = form.title;
    def.paper = form.paper;
    def.font.size = form.fontSize;
    if (form.firstPageOnly)
        def.pageHeaderOn = Where::FirstPage;
    Band& h = def.pageHeader;
    h.height = form.headerHeight;
    // The body's width in whole millimetres: 195 on Letter, 190 on A4.
    h.add(label(0, 0, std::floor(def.bodySize().width()), form.titleHeight, def.title)
              .withFont(form.titleSize, true)
              .center());
    return h;
}

RowSet companyRow(TLogon& logon)
{
    return logon.run(QStringLiteral("Select * from empresa"));
}

} // namespace report
