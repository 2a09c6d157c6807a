#pragma once
// ".: Relatório Aniversariantes / Casamentos Clientes :.": a range of days and the
// kind of date; "Imprimir" previews the customers whose birthday or wedding
// anniversary falls in it this year (TFormListAni). Nothing in the menus opens it:
// the window registry does, by its name.
#include "salesreports/Anniversaries.h"

#include <QDialog>
#include <memory>

namespace Ui { class TFormRelAniCas; }

class TFormRelAniCas : public QDialog {
    Q_OBJECT
public:
    explicit TFormRelAniCas(TLogon& logon, QWidget* parent = nullptr);
    ~TFormRelAniCas() override;

    void setPeriod(const QString& first, const QString& last);
    void chooseWeddings(bool weddings);

public slots:
    void print();   // "Imprimir"

private:
    std::unique_ptr<::Ui::TFormRelAniCas> ui;
    TLogon& m_logon;
};
