#pragma once
// ".: Controle do Contas a Rec - Selecione um Cliente :.": one customer's account
// lines with the running balance; with the cash shift open, manual debits and
// payments on account (with their receipt), the release of a sale's service
// fees, and the deletion of an entry after the supervisor prompt.
#include "cashoffice/CustomerAccount.h"

#include <QDialog>
#include <memory>
#include <optional>

namespace Ui { class TFormCadDup; }
class TLogon;

class TFormCadDup : public QDialog {
    Q_OBJECT
public:
    explicit TFormCadDup(TLogon& logon, QWidget* parent = nullptr);
    ~TFormCadDup() override;

    bool cashOpen() const { return m_cashOpen; }
    QString cashLabel() const;
    QString customerName() const;
    int lineCount() const;
    // The grid's cells of a line, as shown.
    QStringList lineCells(int row) const;
    void setCode(const QString& text);
    void setSale(const QString& text);
    void setHistory(const QString& text);
    void setKind(const QString& dc);
    void setRelease(const QString& lv);
    void setAmount(const QString& text);
    void setDate(const QDate& date);
    QString sale() const;
    QString history() const;
    QString amount() const;
    void selectLine(int row);

public slots:
    void showAccount();     // the statement button, or leaving "Codigo"
    void search();          // "Busca"
    void confirm();         // "F7/Con&firmar"
    void deleteEntry();     // "Excluir Lancamento"
    void pickLine(int row); // a double click on a line

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::unique_ptr<::Ui::TFormCadDup> ui;
    TLogon& m_logon;
    CustomerAccount m_account;
    std::optional<AccountCustomer> m_customer;
    std::vector<AccountLine> m_lines;
    bool m_cashOpen = false;
};
