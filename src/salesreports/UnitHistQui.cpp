#include "salesreports/UnitHistQui.h"

#include "core/uMensagemWindow.h"
#include "salesreports/LoginHistory.h"
#include "platform/Dialogs.h"
#include "registers/RegisterCommon.h"
#include "reports/PageHeader.h"

#include <QDateTime>
#include <QTimer>
#include <optional>

// The report the preview shows, made before the window and kept with it.
struct TFormHistQui::Report {
    report::Definition def;
    RowSet rows;
    std::optional<report::Layout> layout;
    bool read = false;

    explicit Report(TLogon& logon)
    {
        const bool summary = ShowMessageWindow(QStringLiteral("ATENÇÃO"), loginhistory::text::question,
                                               QStringLiteral("2")) != QLatin1String("N");
        read = registers::attempt([&] {
            def = loginhistory::report(report::companyRow(logon),
                                       QDateTime::currentDateTime().toString(QStringLiteral("dd/MM/yy hh:mm:ss")));
            rows = loginhistory::rows(logon, summary);
        });
        if (!read)
            def = loginhistory::report(RowSet(), QString());
        layout.emplace(def, rows);
    }
};

TFormHistQui::TFormHistQui(TLogon& logon, QWidget* parent)
    : TFormHistQui(std::make_unique<Report>(logon), parent)
{
}

TFormHistQui::TFormHistQui(std::unique_ptr<Report> report, QWidget* parent)
    : TFormVisaoRelatorio(*report->layout, parent)
    , m_report(std::move(report))
{
    setObjectName(QStringLiteral("TFormHistQui"));
    setWindowState(windowState() | Qt::WindowMaximized);
    if (!m_report->read)
        QTimer::singleShot(0, this, &QDialog::reject);
}

TFormHistQui::~TFormHistQui() = default;

int TFormHistQui::rowCount() const { return m_report->rows.size(); }
