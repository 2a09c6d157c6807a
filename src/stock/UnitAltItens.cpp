#include "stock/UnitAltItens.h"

#include "stock/StockFields.h"
#include "ui_UnitInsItens.h"

TFormAltItens::TFormAltItens(TLogon& logon, const purchase::Item& item, QWidget* parent)
    : TFormInsItens(logon, 0, parent)
    , m_id(item.id)
{
    setWindowTitle(purchase::text::changeCaption);
    ui->headingLabel->setText(QStringLiteral("Alterar Itens"));
    ui->productEdit->setText(item.code);
    ui->nameLabel->setText(item.name);
    ui->costEdit->setText(stock::moneyText(item.cost));
    ui->quantityEdit->setText(stock::quantityText(item.quantity));
    ui->icmsEdit->setText(QString::number(item.icms));
    ui->ipiEdit->setText(QString::number(item.ipi));
}

void TFormAltItens::write(const purchase::TypedItem& item)
{
    m_orders.changeItem(m_id, item);
}
