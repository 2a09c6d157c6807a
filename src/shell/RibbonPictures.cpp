#include "shell/RibbonPictures.h"

#include <vector>

namespace ribbon {
namespace {

struct Row {
    Picture picture;
    const char* name;
};

// Names from the Oxygen icon theme (Debian package oxygen-icon-theme).
const std::vector<Row>& table()
{
    using P = Picture;
    static const std::vector<Row> rows = {
        {P::Sale, "view-income-categories"},
        {P::CashShift, "wallet-open"},
        {P::CashReport, "view-bank-account"},
        {P::Bank, "view-bank"},
        {P::Expenses, "view-expenses-categories"},
        {P::Cancel, "dialog-cancel"},
        {P::EditEntry, "document-edit"},
        {P::Product, "package-x-generic"},
        {P::Kit, "view-catalog"},
        {P::Categories, "view-group"},
        {P::Complements, "list-add"},
        {P::StockMove, "view-financial-transfer"},
        {P::StockIn, "go-down"},
        {P::StockOut, "go-up"},
        {P::Purchases, "view-pim-tasks"},
        {P::Warning, "dialog-warning"},
        {P::Customer, "office-address-book"},
        {P::Supplier, "resource-group"},
        {P::Staff, "system-users"},
        {P::Waiter, "user-identity"},
        {P::Commission, "view-loan"},
        {P::Users, "preferences-desktop-user-password"},
        {P::Company, "go-home"},
        {P::PaymentMethod, "skrooge_credit_card"},
        {P::CostCentre, "view-financial-categories"},
        {P::Payables, "view-documents-finances"},
        {P::Receivables, "view-bank-account-savings"},
        {P::Debts, "view-credit-card-account"},
        {P::Report, "view-financial-list"},
        {P::DayReport, "view-calendar-day"},
        {P::PeriodReport, "view-calendar-month"},
        {P::Ranking, "games-highscores"},
        {P::Result, "accessories-calculator"},
        {P::Print, "document-print"},
        {P::Export, "text-csv"},
        {P::Import, "document-import"},
        {P::Network, "network-workgroup"},
        {P::Terminal, "computer"},
        {P::CentralPicture, "preferences-desktop-wallpaper"},
        {P::Reset, "edit-clear-history"},
        {P::History, "view-history"},
        {P::Settings, "configure"},
        {P::Loyalty, "rating"},
        {P::Backup, "document-save-all"},
        {P::Exit, "application-exit"},
        {P::Delivery, "mail-send"},
        {P::Search, "system-search"},
        {P::Refresh, "view-refresh"},
        {P::Transfer, "go-jump"},
        {P::Reopen, "edit-undo"},
        {P::Persons, "view-process-users"},
        {P::Keyboard, "input-keyboard"},
        {P::Reservation, "view-calendar-upcoming-events"},
        {P::Menu, "view-media-playlist"},
        {P::QrCode, "code-context"},
        {P::Scale, "scanner"},
        {P::Numbering, "view-sort-ascending"},
        {P::Preview, "document-preview"},
    };
    return rows;
}

} // namespace

QString pictureName(Picture picture)
{
    for (const Row& r : table())
        if (r.picture == picture)
            return QString::fromLatin1(r.name);
    return {};
}

QIcon icon(Picture picture)
{
    const QString name = pictureName(picture);
    return name.isEmpty() ? QIcon() : QIcon::fromTheme(name);
}

const std::vector<Picture>& allPictures()
{
    static const std::vector<Picture> list = [] {
        std::vector<Picture> l;
        for (const Row& r : table())
            l.push_back(r.picture);
        return l;
    }();
    return list;
}

} // namespace ribbon
