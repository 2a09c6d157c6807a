#pragma once
// The station's settings the bill, the pre-bill and the closing read, loaded
// whole at each use (a change applies to the next bill).
#include "core/Decimal.h"
#include <QStringList>

// What the closing's receipt and the pre-bill print of the settings.
struct ReceiptSettings {
    Decimal minimumConsumption;      // Consumacao.INI line 0 (0: none)
    QString serviceCaption;          // setup.INI line 0
    QString coverCaption;            // setup.INI line 22
    int feedLines = 7;               // setup.INI line 9
    int fontSize = 7;                // fonte.INI line 0
    QStringList messageLines;        // MensagemCupom.INI lines 0-4
    bool hasMessageFile = false;
};

struct ClosingSettings : ReceiptSettings {
    Decimal servicePercent;          // setup.INI line 1 (not a number: 0)
    Decimal coverPerPerson;          // setup.INI line 2 (not a number: 0)
    bool printPreBill = false;       // setup.INI line 3 "S"
    bool printReceipt = false;       // setup.INI line 6 "S"
    bool preBillRequired = true;     // fechasim.INI line 0 "S", or no file

    static ClosingSettings load();

    static constexpr const char* kSetup = "c:\\Miltrex\\vavoz\\setup.INI";
    static constexpr const char* kMinimum = "c:\\Miltrex\\vavoz\\Consumacao.INI";
    static constexpr const char* kPreBillRequired = "c:\\Miltrex\\vavoz\\fechasim.INI";
    static constexpr const char* kMessages = "c:\\Miltrex\\vavoz\\MensagemCupom.INI";
};

// Line n of a station settings file; "" when the file or the line is missing.
QString settingsLine(const char* windowsName, int line);
