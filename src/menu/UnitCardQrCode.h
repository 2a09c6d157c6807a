#pragma once
// "Gerar QrCode para Mesa": the menu's server address and the Wi-Fi network and
// password, saved each time a card is made, and the A4 card of the table typed in
// "Mesa", previewed for printing.
#include "menu/TableQrCard.h"

#include <QDialog>
#include <memory>

namespace Ui { class TFormCardQrCode; }

class TFormCardQrCode : public QDialog {
    Q_OBJECT
public:
    explicit TFormCardQrCode(TLogon& logon, QWidget* parent = nullptr);
    ~TFormCardQrCode() override;

    WifiCard fields() const;
    void setFields(const WifiCard& card);
    QString table() const;
    void setTable(const QString& table);

public slots:
    void makeCard();   // "&Gerar QrCode"

private:
    std::unique_ptr<::Ui::TFormCardQrCode> ui;
    TableQrCard m_cards;
};
