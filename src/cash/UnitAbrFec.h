#pragma once
// "Abertura e Fechamento do Movimento do Caixa": opens, closes and reopens the
// cash shift (CashShift holds the rules and the writes).
#include "cash/CashShift.h"

#include <QDialog>
#include <memory>

namespace Ui { class TFormAbrFec; }
class TLogon;

class TFormAbrFec : public QDialog {
    Q_OBJECT
public:
    explicit TFormAbrFec(TLogon& logon, QWidget* parent = nullptr);
    ~TFormAbrFec() override;

    // What the state labels show ("Caixa Aberto"/"Caixa Fechado", the number).
    QString stateText() const;
    QString numberText() const;

public slots:
    void prepareOpening();   // "&Novo Mov. de Caixa"
    void confirmOpening();   // "&Confirme"
    void closeShift();       // "&Fechar Caixa"
    void prepareReopen();    // "Reabrir Mov. &Caixa"
    void confirmReopen();    // "Confirmar" after the number

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showState();
    bool floatKey(int key, const QString& text);

    std::unique_ptr<::Ui::TFormAbrFec> ui;
    TLogon& m_logon;
    CashShift m_shift;
};
