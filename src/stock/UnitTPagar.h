#pragma once
// "Contas a Pagar": the payable titles of the invoice being entered (PayableTitles).
// Opened on the entry invoice's list; opened alone, it keeps a list of its own.
#include "stock/PayableTitles.h"

#include <QDialog>
#include <memory>

namespace Ui { class TFormTPagar; }
class PickList;
class QLineEdit;

class TFormTPagar : public QDialog {
    Q_OBJECT
public:
    explicit TFormTPagar(TLogon& logon, QWidget* parent = nullptr);
    TFormTPagar(TLogon& logon, titles::PayableTitles& list, QWidget* parent = nullptr);
    ~TFormTPagar() override;

    // "title", "date", "value".
    QLineEdit* field(const QString& role) const;
    PickList* titleList() const;
    QString totalShown() const;
    const titles::PayableTitles& titles() const { return m_titles; }

public slots:
    bool confirm();        // "Confirmar"
    void removeTitle();    // "Excluir"

private:
    void refresh();
    std::unique_ptr<::Ui::TFormTPagar> ui;
    TLogon& m_logon;
    titles::PayableTitles m_own;
    titles::PayableTitles& m_titles;
};
