#pragma once
// "Arquivo de Duplicatas" (Contas a Pagar): a payable title is registered,
// edited, settled by typing its payment date and deleted after the supervisor
// prompt (PayablesRegister). While the window is open F2 starts the station's
// calculator and F6 to F9 press its buttons wherever the user is in the program.
#include "finance/PayablesRegister.h"

#include <QDialog>
#include <memory>
#include <optional>

namespace Ui { class TFormCadDupX; }
class QLineEdit;

class TFormCadDupX : public QDialog {
    Q_OBJECT
public:
    explicit TFormCadDupX(TLogon& logon, QWidget* parent = nullptr);
    ~TFormCadDupX() override;

    // The field of a caption as the window shows it ("Duplicata", "Codigo",
    // "Fornecedor", "Emissao", "Vencimento", "Baixa", "Valor", "Juros").
    QLineEdit* field(const QString& caption) const;
    // "S" after "Sim" to a new number until "F6/&Baixar" or "F7/Con&firmar".
    bool newTitleMode() const { return m_newTitle; }
    // The title whose fields are shown; nullopt when none is.
    const std::optional<PayableTitle>& shownTitle() const { return m_shown; }

public slots:
    void numberLeft();       // leaving "Duplicata"
    void supplierLeft();     // leaving "Codigo"
    void searchTitle();      // "F9/"
    void searchSupplier();   // the button beside "Codigo"
    void confirm();          // "F7/Con&firmar"
    void settle();           // "F6/&Baixar"
    void remove();           // "&Excluir"

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showTitle(const std::optional<PayableTitle>& title);
    void clearFields();
    void clearAllButNumber();

    std::unique_ptr<::Ui::TFormCadDupX> ui;
    TLogon& m_logon;
    PayablesRegister m_register;
    bool m_newTitle = false;               // reset at every opening
    std::optional<PayableTitle> m_shown;   // the title "&Excluir" deletes
};
