#pragma once
// "Busca": the customer lookup. A double click or Enter in the list chooses.
#include "registers/LookupStore.h"

#include <QDialog>
#include <memory>

namespace Ui { class TFormBusca; }

class TFormBusca : public QDialog {
    Q_OBJECT
public:
    explicit TFormBusca(TLogon& logon, QWidget* parent = nullptr);
    ~TFormBusca() override;

    // The chosen customer's code; empty until a row is chosen.
    QString chosenCode() const { return m_chosen; }
    QString detailText() const;

public slots:
    void search();        // runs on every change of the text or the search type
    void choose();        // double click or Enter in the list

private:
    void showDetail();
    std::unique_ptr<::Ui::TFormBusca> ui;
    LookupStore m_store;
    QString m_chosen;
};
