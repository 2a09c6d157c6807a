#pragma once
// ".: Ver Caixas :.": the cash-shift picker. A click puts the row's shift into
// Label1; a double click or a character typed in the list also closes it.
#include "registers/LookupStore.h"

#include <QDialog>
#include <memory>

namespace Ui { class TFormVerCaixa; }

class TFormVerCaixa : public QDialog {
    Q_OBJECT
public:
    explicit TFormVerCaixa(TLogon& logon, QWidget* parent = nullptr);
    ~TFormVerCaixa() override;

    // The chosen shift number, or "Label1" when none was chosen.
    QString label1() const;
    // The label read as the openers read it: first five characters, 0 when not a number.
    static int shiftNumberOf(const QString& label);

public slots:
    void reload();

private:
    void takeCurrent();
    std::unique_ptr<::Ui::TFormVerCaixa> ui;
    LookupStore m_store;
};
