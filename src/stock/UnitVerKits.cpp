#include "stock/UnitVerKits.h"

#include "registers/PickList.h"
#include "stock/KitRegister.h"
#include "stock/StockFields.h"
#include "stock/StockWindows.h"
#include "ui_UnitVerKits.h"

TFormVerKits::TFormVerKits(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(new ::Ui::TFormVerKits)
{
    ui->setupUi(this);
    ui->kitList->setColumns({
        {QStringLiteral("CODIGO"), QStringLiteral("CODIGO"), {}},
        {QStringLiteral("NOME"), QStringLiteral("NOME"), {}},
        stock::moneyColumn(QStringLiteral("Valor"), QStringLiteral("VALOR")),
    });
    RowSet rows;
    stock::attempt([&] { rows = kits::KitRegister(logon).rows(); });
    stock::showRows(ui->kitList, std::move(rows));
    connect(ui->kitList, &PickList::chosen, this, &QDialog::accept);
    connect(ui->kitList, &PickList::characterTyped, this, &QDialog::accept);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::accept);
}

TFormVerKits::~TFormVerKits() = default;

PickList* TFormVerKits::kitList() const { return ui->kitList; }
