#include "stock/UnitAltLan.h"

#include "core/FieldEvents.h"
#include "core/uMensagem.h"
#include "platform/Dialogs.h"
#include "registers/Lookups.h"
#include "registers/RegisterRules.h"
#include "shell/UnSenha.h"
#include "stock/LedgerEdit.h"
#include "stock/StockProducts.h"
#include "stock/StockWindows.h"
#include "stock/UnitAltLan2.h"
#include "ui_UnitAltLan.h"

TFormAltLan::TFormAltLan(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(new ::Ui::TFormAltLan)
    , m_logon(logon)
{
    ui->setupUi(this);
    ui->codeEdit->setToolTip(QStringLiteral("Codigo do Produto"));
    ui->nameEdit->setToolTip(QStringLiteral("Nome do produto"));
    ui->fromEdit->setToolTip(QStringLiteral("Periodo para filtro de data"));
    ui->toEdit->setToolTip(QStringLiteral("Periodo para filtro de data"));
    upperCaseWhileTyping(ui->codeEdit);
    auto* events = new FieldEvents(this);
    events->onLeave(ui->codeEdit, [this] { codeLeft(); });
    events->chain({ui->codeEdit, ui->fromEdit, ui->toEdit, ui->confirmButton});
    connect(ui->findButton, &QPushButton::clicked, this, &TFormAltLan::lookUp);
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormAltLan::confirm);
    connect(ui->leaveButton, &QPushButton::clicked, this, &QDialog::accept);
    ui->codeEdit->setFocus();
}

TFormAltLan::~TFormAltLan() = default;

QLineEdit* TFormAltLan::field(const QString& role) const
{
    return stock::fieldOf(this, role);
}

bool TFormAltLan::codeLeft()
{
    ui->nameEdit->clear();
    const stock::ProductCard p = stock::productLeft(m_logon, ui->codeEdit);
    ui->nameEdit->setText(p.name);
    return p.found;
}

void TFormAltLan::lookUp()
{
    const QString code = chooseProduct(m_logon);
    if (code == QLatin1String("0"))
        return;
    ui->codeEdit->setText(code);
    if (codeLeft())
        ui->fromEdit->setFocus();
}

bool TFormAltLan::confirm()
{
    if (!codeLeft())
        return false;
    ledgeredit::Period period;
    if (!stock::attempt([&] { period = stock::readPeriod(ui->fromEdit->text(), ui->toEdit->text(), ledgeredit::field::from, ledgeredit::field::to); },
                        stock::focusIn(this)))
        return false;
    TFormAltLan2 rows(m_logon, ui->codeEdit->text(), period, this);
    dialogs().exec(rows);
    return true;
}
