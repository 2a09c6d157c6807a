#pragma once
// The receipt of a paid tab ("FECHAMENTO DA CONTA"): 37-column lines composed
// inside the closing, before its commit, and printed on the closing printer's
// slot after it.
#include "closing/BillComputation.h"
#include "closing/ClosingSettings.h"
#include "closing/SaleWriter.h"
#include "platform/Printout.h"
#include "registers/CompanyStore.h"
#include <QDateTime>
#include <QStringList>
#include <map>

// The company and its options, the settings printed, then what the closing gives.
struct ClosingReceiptData : ReceiptCompany, ReceiptSettings {
    // The tab and the sale.
    QString tab;
    qint64 saleNumber = 0;
    QStringList joinedTabs;        // the tabs paid together, after the first
    bool davTab = false;
    QString queueNumber;
    QString waiterName;
    QString customerName;
    Decimal deliveryColumn;        // CABMESA.DELIVERY
    QString openedAt;              // CABMESA.HORA as text
    QDateTime now;
    QString cpf;
    // Items and the bill.
    std::vector<SaleItem> items;
    std::map<QString, QString> productNames;   // code -> PRODUTOS.NOME
    Bill bill;
    QString advanceCaption;        // CABMESA.PAGAMENTOANTI
    std::vector<SalePayment> payments;
};

namespace receipt {
// The welcome, the company centred (its address, city and state with SalesOptions
// 512, its CNPJ with 128 besides), its telephone and a line of dashes.
QStringList welcome(const ReceiptCompany& company);
// "Centred": blanks in front so that the trimmed text's middle falls on column 18.
QString centred(const QString& text);
// The item lines of a roll printout (merged when asked), and their total.
QStringList itemLines(const std::vector<SaleItem>& items, const std::map<QString, QString>& names,
                      int salesOptions, int itemOptions, bool mergeAllowed, Decimal* total);
QString columnHeader(int salesOptions, int itemOptions);
}

Printout composeClosingReceipt(const ClosingReceiptData& d);
