#include "registers/RegisterCommon.h"
#include "stock/UnitNFEntrada.h"

#include "core/EntryGuard.h"
#include "core/FieldEvents.h"
#include "core/uMensagem.h"
#include "platform/Dialogs.h"
#include "registers/Lookups.h"
#include "registers/LookupStore.h"
#include "registers/PickList.h"
#include "registers/RegisterRules.h"
#include "shell/UnSenha.h"
#include "stock/StockFields.h"
#include "stock/StockMarkup.h"
#include "stock/StockProducts.h"
#include "stock/StockWindows.h"
#include "stock/UnitTPagar.h"
#include "stock/UnitVerPedComp.h"
#include "ui_UnitNFEntrada.h"


namespace T = invoice::text;

TFormNFEntrada::TFormNFEntrada(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(new ::Ui::TFormNFEntrada)
    , m_logon(logon)
    , m_invoice(logon)
{
    ui->setupUi(this);
    ui->titlesButton->hide();
    ui->titlesButton->setEnabled(false);
    for (QLineEdit* e : {ui->numberEdit, ui->observationEdit, ui->supplierEdit, ui->productEdit})
        upperCaseWhileTyping(e);
    for (QLineEdit* e : {ui->quantityEdit, ui->costEdit, ui->priceEdit, ui->bookValueEdit, ui->percentEdit})
        registers::commaForPointField(e);
    ui->supplierSearchButton->hide();
    ui->itemList->setColumns({
        {QStringLiteral("Codigo"), QStringLiteral("CODIGO"), {}},
        {QStringLiteral("Nome"), QStringLiteral("NOME"), {}},
        stock::quantityColumn(QStringLiteral("Quantidade"), QStringLiteral("QUANTIDADE")),
        stock::moneyColumn(QStringLiteral("Valor"), QStringLiteral("VALOR")),
        stock::moneyColumn(QStringLiteral("TOT"), QStringLiteral("TOT")),
    });

    auto* events = new FieldEvents(this);
    events->onArrive(ui->numberEdit, [this] { numberArrived(); });
    events->onLeave(ui->percentEdit, [this] { percentLeft(); });
    events->onArrive(ui->supplierEdit, [this] { ui->supplierSearchButton->show(); });
    events->onLeave(ui->supplierEdit, [this] { supplierLeft(); });
    events->onArrive(ui->productEdit, [this] { productArrived(); });
    events->onLeave(ui->productEdit, [this] { productLeft(); });
    events->onLeave(ui->costEdit, [this] { costLeft(); });
    events->chain({ui->numberEdit, ui->dateEdit, ui->observationEdit, ui->supplierEdit, ui->productEdit,
                   ui->quantityEdit, ui->costEdit, ui->priceEdit, ui->confirmButton});

    connect(ui->supplierSearchButton, &QPushButton::clicked, this, &TFormNFEntrada::searchSupplier);
    connect(ui->productLookupButton, &QPushButton::clicked, this, [this] {
        const QString code = chooseProduct(m_logon);
        if (code == QLatin1String("0"))
            return;
        ui->productEdit->setText(code);
        productLeft();
    });
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormNFEntrada::confirmItem);
    connect(ui->removeButton, &QPushButton::clicked, this, &TFormNFEntrada::removeItem);
    connect(ui->ordersButton, &QPushButton::clicked, this, &TFormNFEntrada::pickOrder);
    connect(ui->importButton, &QPushButton::clicked, this, &TFormNFEntrada::importOrder);
    connect(ui->processButton, &QPushButton::clicked, this, &TFormNFEntrada::process);
    // the items listed stay until "&Processar entrada", or until the user drops them
    (new EntryGuard(this, [this] { return !m_invoice.items().empty(); }))->closeWith(ui->returnButton);
    connect(ui->titlesButton, &QPushButton::clicked, this, &TFormNFEntrada::openTitles);

    ui->totalLabel->setText(QStringLiteral("0,00"));
    ui->percentEdit->setText(QStringLiteral("0"));
    ui->numberEdit->setFocus();
}

TFormNFEntrada::~TFormNFEntrada() = default;

QLineEdit* TFormNFEntrada::field(const QString& role) const
{
    return stock::fieldOf(this, role);
}

PickList* TFormNFEntrada::itemList() const { return ui->itemList; }
QString TFormNFEntrada::totalShown() const { return ui->totalLabel->text(); }
QString TFormNFEntrada::productName() const { return ui->nameLabel->text(); }
QString TFormNFEntrada::supplierName() const { return ui->supplierNameLabel->text(); }

void TFormNFEntrada::numberArrived()
{
    stock::attempt([this] { ui->percentEdit->setText(stock::markupText(m_logon)); });
    ui->bookValueEdit->setText(QStringLiteral("0"));
}

void TFormNFEntrada::percentLeft()
{
    stock::attempt([this] { stock::storeMarkup(m_logon, ui->percentEdit->text()); }, stock::focusIn(this));
}

void TFormNFEntrada::supplierLeft()
{
    stock::supplierLeft(m_logon, ui->supplierEdit, ui->supplierNameLabel, true);
}

void TFormNFEntrada::searchSupplier()
{
    stock::searchSupplier(m_logon, ui->supplierEdit, ui->supplierNameLabel, true);
}

void TFormNFEntrada::productArrived()
{
    ui->bookValueEdit->setText(QStringLiteral("0"));
    for (QLineEdit* e : {ui->productEdit, ui->quantityEdit, ui->costEdit})
        e->clear();
    ui->nameLabel->clear();
}

bool TFormNFEntrada::productLeft()
{
    ui->nameLabel->clear();
    const stock::ProductCard p = stock::productLeft(m_logon, ui->productEdit);
    if (!p.found)
        return false;
    ui->costEdit->setText(stock::moneyText(p.cost));
    ui->priceEdit->setText(stock::moneyText(p.price));
    ui->nameLabel->setText(p.name);
    return true;
}

void TFormNFEntrada::costLeft()
{
    if (const std::optional<Decimal> price = stock::markedUp(ui->costEdit->text(), ui->percentEdit->text())) {
        ui->priceEdit->setText(stock::markedUpText(*price));
        ui->bookValueEdit->setText(stock::markedUpText(*price));
    }
}

void TFormNFEntrada::refreshItems()
{
    std::vector<QVariantList> rows;
    for (const invoice::Item& i : m_invoice.items())
        rows.push_back({i.code, i.name, QVariant::fromValue(i.quantity), QVariant::fromValue(i.unitCost),
                        QVariant::fromValue(i.total())});
    stock::showRows(ui->itemList, RowSet({QStringLiteral("CODIGO"), QStringLiteral("NOME"), QStringLiteral("QUANTIDADE"),
                                  QStringLiteral("VALOR"), QStringLiteral("TOT")},
                                 std::move(rows)));
    if (ui->itemList->count() > 0)
        ui->itemList->setCurrentRowIndex(ui->itemList->count() - 1);
    ui->totalLabel->setText(invoice::EntryInvoice::totalText(m_invoice.totalCost()));
}

bool TFormNFEntrada::confirmItem()
{
    const invoice::TypedItem t{ui->productEdit->text(), ui->quantityEdit->text(), ui->costEdit->text(),
                               ui->priceEdit->text(), ui->bookValueEdit->text()};
    const bool done = stock::attempt([&] { m_invoice.addTyped(t); }, stock::focusIn(this));
    refreshItems();
    if (done)
        stock::focusOn(ui->productEdit);
    return done;
}

void TFormNFEntrada::removeItem()
{
    const int row = ui->itemList->currentRowIndex();
    if (row < 0 || !stock::ask(stock::text::askDelete))
        return;
    m_invoice.removeAt(row);
    refreshItems();
}

void TFormNFEntrada::pickOrder()
{
    ui->orderEdit->setText(choosePurchaseOrder(m_logon));
}

bool TFormNFEntrada::importOrder()
{
    invoice::ImportedOrder found;
    const QString number = QString::number(TextToInt(TrimText(ui->orderEdit->text())).value_or(0));
    ui->orderEdit->setText(number);
    if (!stock::attempt([&] { found = m_invoice.importOrder(number); }, stock::focusIn(this)))
        return false;
    if (!found.found)
        return false;
    ui->supplierEdit->setText(found.supplier);
    stock::attempt([&] {
        ui->supplierNameLabel->setText(LookupStore(m_logon).supplierName(found.supplier).value_or(QString()));
    });
    ui->observationEdit->setText(T::orderPrefix + number);
    refreshItems();
    ui->numberEdit->setFocus();
    return true;
}

bool TFormNFEntrada::process()
{
    const invoice::Header h{ui->numberEdit->text(), ui->dateEdit->text(), ui->observationEdit->text()};
    if (!stock::attempt([&] { m_invoice.process(h, QDate::currentDate()); }, stock::focusIn(this)))
        return false;   // the list and the fields stay as they were
    refreshItems();
    for (QLineEdit* e : {ui->productEdit, ui->observationEdit, ui->quantityEdit, ui->costEdit, ui->supplierEdit,
                         ui->numberEdit, ui->dateEdit})
        e->clear();
    ui->nameLabel->clear();
    ui->supplierNameLabel->clear();
    ui->totalLabel->setText(QStringLiteral("0,00"));
    return true;
}

void TFormNFEntrada::openTitles()
{
    TFormTPagar titles(m_logon, m_invoice.titles(), this);
    dialogs().exec(titles);
}

