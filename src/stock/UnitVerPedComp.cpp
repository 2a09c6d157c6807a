#include "stock/UnitVerPedComp.h"

#include "core/Globals.h"
#include "core/uMensagem.h"
#include "platform/Dialogs.h"
#include "stock/PurchaseOrders.h"
#include "stock/StockFields.h"
#include "stock/StockWindows.h"
#include "ui_UnitVerPedComp.h"

QString choosePurchaseOrder(TLogon& logon)
{
    TFormVerPedComp window(logon);
    dialogs().exec(window);
    return window.resultCode();
}

TFormVerPedComp::TFormVerPedComp(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(new ::Ui::TFormVerPedComp)
{
    ui->setupUi(this);
    ui->orderList->setColumns({{QStringLiteral("CODIGO"), QStringLiteral("CODIGO"), {}},
                               stock::dateColumn(QStringLiteral("DATA"), QStringLiteral("DATA")),
                               {QStringLiteral("Fornecedor"), QStringLiteral("FORNENOME"), {}},
                               {QStringLiteral("OBS"), QStringLiteral("OBS"), {}}});
    RowSet rows;
    stock::attempt([&] { rows = purchase::PurchaseOrders(logon).pending(); });
    stock::showRows(ui->orderList, std::move(rows), 3);
    connect(ui->orderList, &PickList::chosen, this, &QDialog::accept);
    connect(ui->orderList, &PickList::characterTyped, this, &QDialog::accept);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::accept);
}

TFormVerPedComp::~TFormVerPedComp() = default;

PickList* TFormVerPedComp::list() const { return ui->orderList; }

QString TFormVerPedComp::resultCode() const
{
    const QString code = TrimText(ui->orderList->currentText(u"CODIGO"));
    return code.isEmpty() ? QStringLiteral("0") : code;
}

void TFormVerPedComp::done(int result)
{
    ctx::lookup().LookupCode = resultCode();
    QDialog::done(result);
}
