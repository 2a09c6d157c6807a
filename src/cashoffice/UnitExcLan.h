#pragma once
// ".: Excluir lançamento :.": deletes one entry of the customer's account, by
// its code, once confirmed. The process cannot be undone.
#include "cashoffice/CustomerAccount.h"

#include <QDialog>
#include <memory>

namespace Ui { class TFormExcLan; }
class TLogon;

class TFormExcLan : public QDialog {
    Q_OBJECT
public:
    explicit TFormExcLan(TLogon& logon, QWidget* parent = nullptr);
    ~TFormExcLan() override;

    // The customer whose entry goes, and the entry code shown.
    void setEntry(const AccountCustomer& customer, const QString& entryCode);
    QString entryCode() const;
    void setEntryCode(const QString& text);
    bool removed() const { return m_removed; }

public slots:
    void confirm();   // "Confirmar"

private:
    std::unique_ptr<::Ui::TFormExcLan> ui;
    CustomerAccount m_account;
    AccountCustomer m_customer;
    bool m_removed = false;
};
