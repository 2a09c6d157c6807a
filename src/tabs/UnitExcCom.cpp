#include "tabs/UnitExcCom.h"
#include "tabs/TabKey.h"
#include "core/uMensagemWindow.h"

#include "core/FieldEvents.h"
#include "tabs/TabCancellation.h"
#include "tabs/TabVoucher.h"
#include "core/Globals.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "platform/Dialogs.h"
#include "ui_UnitExcCom.h"

namespace T = TabCancellationText;

TFormExcCom::TFormExcCom(TLogon& logon, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), ui(new ::Ui::TFormExcCom), m_logon(logon)
{
    ui->setupUi(this);
    auto* events = new FieldEvents(this);
    events->onLeave(ui->tabEdit, [this] { tabLeft(); });
    events->chain({ui->tabEdit, ui->reasonEdit, ui->confirmButton});
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormExcCom::confirm);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
}

TFormExcCom::~TFormExcCom() = default;

void TFormExcCom::setTab(const QString& tab)
{
    ui->tabEdit->setText(tab);
    tabLeft();
}

void TFormExcCom::tabLeft()
{
    ui->tabEdit->setText(tabs::readTabKey(ui->tabEdit->text().toUpper(), tabs::TabKeyRules::upkeepBox()));
    // The tab's waiter beside "Garçon", as the voucher prints him.
    QString waiter;
    try {
        const QVariant v = m_logon.scalar(QStringLiteral("select first 1 VENDEDOR from cabmesa where mesa = ?"),
                                          {ui->tabEdit->text()});
        if (!v.isNull())
            waiter = QString::number(integerOf(v));
    } catch (const DbError&) {
        // a tab number the database cannot hold names no tab
    }
    ui->waiterLabel->setText(waiter);
}

void TFormExcCom::confirm()
{
    tabLeft();
    TabCancellationRequest r{ui->tabEdit->text(), ui->reasonEdit->text(), ui->printItemsYes->isChecked(),
                             ctx::op().AuthoriserName, QDateTime::currentDateTime()};
    std::optional<Printout> voucher;
    try {
        voucher = TabCancellation(m_logon).cancel(r);
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
        return;
    }
    if (!voucher) {
        ShowMessageWindow(QStringLiteral("ATENÇÃO"), T::kNotFound, QStringLiteral("1"));
        ui->tabEdit->setFocus();
        return;
    }
    if (ShowMessageWindow(QStringLiteral("ATENÇÃO"), T::kPrintQuestion, QStringLiteral("2")) == QLatin1String("S")) {
        try {
            TabCancellation::print(*voucher);
        } catch (const std::exception& e) {
            dialogs().errorBox(T::kPrintFailed + QString::fromUtf8(e.what()));
        }
    }
    accept();
}
