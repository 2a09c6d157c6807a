#include "sales/UnitFidelidade.h"
#include "core/WholeNumber.h"
#include "ui_UnitFidelidade.h"

#include "core/uMensagem.h"
#include "db/DbError.h"
#include "platform/Dialogs.h"
#include "printing/SetComSettings.h"
#include "printing/RoutePrintout.h"
#include "registers/Lookups.h"
#include "sales/CounterClosing.h"

#include <QDate>

TFormFidelidade::TFormFidelidade(TLogon& logon, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TFormFidelidade>()), m_logon(logon)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormFidelidade"));
    connect(ui->searchButton, &QPushButton::clicked, this, &TFormFidelidade::search);
    connect(ui->redeemButton, &QPushButton::clicked, this, &TFormFidelidade::redeem);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
}

TFormFidelidade::~TFormFidelidade() = default;

void TFormFidelidade::search()
{
    const auto code = readInt(chooseCustomer(m_logon));
    showCustomer(code ? *code : 0);
}

void TFormFidelidade::showCustomer(int code)
{
    try {
        m_customer = code > 0 ? readLoyaltyCustomer(m_logon, code) : std::nullopt;
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
        m_customer.reset();
    }
    ui->codeLabel->setText(m_customer ? QString::number(m_customer->code) : QStringLiteral("0"));
    ui->nameLabel->setText(m_customer ? m_customer->name : QString());
    ui->pointsLabel->setText(m_customer ? m_customer->pointsText() : QString());
}

void TFormFidelidade::redeem()
{
    if (!m_customer) {
        dialogs().message(QStringLiteral("ATENÇÃO"), countermsg::customerNotFound(), QStringLiteral("1"),
                          QStringLiteral("alerta"));
        return;
    }
    try {
        RoutePreviewOnly(composeLoyaltyVoucher(CompanyHeader::fromGlobals().name, *m_customer, QDate::currentDate(),
                                               SetComSettings::receiptFontSize()));
        redeemLoyalty(m_logon, *m_customer);
        showCustomer(m_customer->code);
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
}
