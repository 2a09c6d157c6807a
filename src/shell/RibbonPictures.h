#pragma once
// The pictures of the program's ribbons, by meaning. Every ribbon button names
// the meaning of what it does; this one table turns a meaning into a picture of
// the program's icon theme, so the main window's ribbon and the sales screen's
// ribbon show the same picture for the same thing.

#include <QIcon>
#include <QString>
#include <vector>

namespace ribbon {

enum class Picture {
    None,
    Sale,           // the sales screen, a sale
    CashShift,      // opening and closing the cash shift
    CashReport,     // cash movement and day closing
    Bank,           // account book
    Expenses,       // daily expenses
    Cancel,         // cancelling sales, tabs or items
    EditEntry,      // changing an entry already made
    Product,        // product register
    Kit,            // kits and compositions
    Categories,     // product groups
    Complements,    // complements of an order
    StockMove,      // stock entries and exits
    StockIn,        // stock entries report
    StockOut,       // stock exits report
    Purchases,      // purchase orders
    Warning,        // minimum stock, expired products
    Customer,       // customers
    Supplier,       // suppliers
    Staff,          // staff, waiters
    Waiter,         // one waiter's figures
    Commission,     // commission and service charge
    Users,          // users and passwords
    Company,        // company register
    PaymentMethod,  // payment methods
    CostCentre,     // cost centres
    Payables,       // bills to pay
    Receivables,    // bills to receive
    Debts,          // customers' debts
    Report,         // a list or report
    DayReport,      // a report of one day
    PeriodReport,   // a report of a period
    Ranking,        // best sellers
    Result,         // cost against sale
    Print,          // printing
    Export,         // export to a spreadsheet
    Import,         // import from outside
    Network,        // network setup
    Terminal,       // this station
    CentralPicture, // the main window's picture
    Reset,          // clearing files
    History,        // login history
    Settings,       // system settings
    Loyalty,        // loyalty points
    Backup,         // backup and restore
    Exit,           // leaving the program or the screen
    Delivery,       // delivery orders
    Search,         // searching products or customers
    Refresh,        // showing the latest state again
    Transfer,       // moving items or tabs
    Reopen,         // reopening what was closed
    Persons,        // persons at a table
    Keyboard,       // the on-screen keyboard
    Reservation,    // table reservations
    Menu,           // the digital menu
    QrCode,         // table QR cards
    Scale,          // the scale
    Numbering,      // order numbering
    Preview,        // showing closed bills
};

// Name of the picture in the icon theme (empty for None).
QString pictureName(Picture picture);

// The picture itself, from the program's icon theme; a null icon when the theme
// is not installed (the button then shows its caption alone).
QIcon icon(Picture picture);

// Every meaning that has a picture, for checks over the whole table.
const std::vector<Picture>& allPictures();

} // namespace ribbon
