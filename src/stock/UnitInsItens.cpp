#include "stock/UnitInsItens.h"

#include "core/FieldEvents.h"
#include "registers/RegisterCommon.h"
#include "core/uMensagem.h"
#include "registers/Lookups.h"
#include "registers/RegisterRules.h"
#include "shell/UnSenha.h"
#include "stock/StockFields.h"
#include "stock/StockProducts.h"
#include "stock/StockWindows.h"
#include "ui_UnitInsItens.h"

TFormInsItens::TFormInsItens(TLogon& logon, qint64 orderNumber, QWidget* parent)
    : QDialog(parent)
    , ui(new ::Ui::TFormInsItens)
    , m_logon(logon)
    , m_orders(logon)
    , m_order(orderNumber)
{
    ui->setupUi(this);
    upperCaseWhileTyping(ui->productEdit);
    registers::commaForPointField(ui->costEdit);
    auto* events = new FieldEvents(this);
    events->onLeave(ui->productEdit, [this] { productLeft(); });
    for (QLineEdit* e : {ui->quantityEdit, ui->costEdit, ui->icmsEdit, ui->ipiEdit})
        events->onLeave(e, [this] { numbersLeft(); });
    events->chain({ui->productEdit, ui->quantityEdit, ui->costEdit, ui->icmsEdit, ui->ipiEdit, ui->confirmButton});
    connect(ui->productLookupButton, &QPushButton::clicked, this, &TFormInsItens::lookUpProduct);
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormInsItens::confirm);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
    ui->productEdit->setFocus();
}

TFormInsItens::~TFormInsItens() = default;

QLineEdit* TFormInsItens::field(const QString& role) const
{
    return stock::fieldOf(this, role);
}

QString TFormInsItens::productName() const { return ui->nameLabel->text(); }
QString TFormInsItens::previousCost() const { return ui->previousCostLabel->text(); }
QString TFormInsItens::supplierName() const { return ui->supplierLabel->text(); }

bool TFormInsItens::productLeft()
{
    ui->nameLabel->clear();
    const stock::ProductCard p = stock::productLeft(m_logon, ui->productEdit);
    if (!p.found)
        return false;
    ui->previousCostLabel->setText(FormatFloatLeftPadded(QStringLiteral("0.00"), 12, p.cost));
    ui->supplierLabel->setText(p.supplierName);
    ui->productEdit->setText(p.code);
    ui->nameLabel->setText(p.name);
    return true;
}

void TFormInsItens::numbersLeft()
{
    ui->quantityEdit->setText(purchase::PurchaseOrders::wholeQuantity(ui->quantityEdit->text()));
    for (QLineEdit* e : {ui->costEdit, ui->icmsEdit, ui->ipiEdit})
        e->setText(purchase::PurchaseOrders::numberOrZero(e->text()));
}

void TFormInsItens::lookUpProduct()
{
    const QString code = chooseProduct(m_logon);
    if (code == QLatin1String("0"))
        return;
    ui->productEdit->setText(code);
    productLeft();
}

void TFormInsItens::write(const purchase::TypedItem& item)
{
    m_orders.addItem(m_order, item);
}

bool TFormInsItens::confirm()
{
    const purchase::TypedItem item{ui->productEdit->text(), ui->quantityEdit->text(), ui->costEdit->text(),
                                   ui->icmsEdit->text(), ui->ipiEdit->text()};
    const bool done = stock::attempt([&] { write(item); }, stock::focusIn(this));
    if (done)
        accept();
    return done;
}
