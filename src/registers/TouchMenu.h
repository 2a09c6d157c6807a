#pragma once
// The touch buttons of the tab page: one button per active product group, the
// products and kits of the chosen group (200 at most), its complements with the
// free complement "ESCREVER" first, and the search by product name.

#include "core/Decimal.h"

#include <QString>
#include <QStringList>
#include <vector>

class TLogon;

constexpr int kTouchProductButtons = 200;

// The caption lines of a touch button: 11 characters on the first line, 12 on the
// others, broken at blanks; more than five lines give no caption.
QStringList SplitButtonCaption(const QString& text);

struct TouchButton {
    QString id;          // "Q1" product of a group, "A1" kit or search result, "E1" complement
    QString code;        // product code; "*" + code for a kit
    QString caption;     // lines joined by a line break
    QString picture;     // picture file of the station; empty for none
    Decimal value;       // complements
    qint64 cod = 0;      // complement option code
    bool kit = false;
    bool write = false;  // "ESCREVER"
};

struct TouchGroup {
    QString code;
    QString caption;
    QString picture;
};

class TouchMenu {
public:
    explicit TouchMenu(TLogon& logon) : m_logon(logon) {}

    std::vector<TouchGroup> groups();
    // Products then kits of the group, 200 at most.
    std::vector<TouchButton> productsOf(const QString& group);
    // "ESCREVER" then the group's complements.
    std::vector<TouchButton> complementsOf(const QString& group, bool valueInCaption = false);
    // Products whose name holds the text; group: the first one's group ("" when none).
    std::vector<TouchButton> search(const QString& text, QString* group);
    // Accompaniments of a product, offered flagged.
    QStringList accompaniments(const QString& code);

private:
    TLogon& m_logon;
};
