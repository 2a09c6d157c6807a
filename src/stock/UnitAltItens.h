#pragma once
// ".: Alterar Itens :.": the item window opened on an item of the purchase order;
// "Confirmar" checks what is typed first, then changes the item in place.
#include "stock/UnitInsItens.h"

class TFormAltItens : public TFormInsItens {
    Q_OBJECT
public:
    TFormAltItens(TLogon& logon, const purchase::Item& item, QWidget* parent = nullptr);

protected:
    void write(const purchase::TypedItem& item) override;

private:
    qint64 m_id;
};
