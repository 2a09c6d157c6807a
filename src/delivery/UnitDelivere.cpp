#include "delivery/UnitDelivere.h"
#include "core/WholeNumber.h"
#include "ui_UnitDelivere.h"

#include "core/Globals.h"
#include "core/uMensagem.h"
#include "core/uMensagemWindow.h"
#include "db/UnitLogon.h"
#include "delivery/DeliveryAmount.h"
#include "delivery/DeliveryText.h"
#include "platform/Dialogs.h"
#include "registers/Lookups.h"
#include "registers/RegisterCommon.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QTime>

using namespace deliverytext;

TFormDelivere::TFormDelivere(TLogon& logon, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<::Ui::TFormDelivere>()), m_logon(logon), m_data(logon)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormDelivere"));
    ui->controlLabel->setText(TabDelivery::nextControlNumber());
    ctx::sales().DeliveryManText.clear();
    registers::attempt([this] {
        ui->manBox->addItems(m_data.deliveryMen());
        ui->areaBox->addItems(m_data.areas());
        ui->paymentBox->addItems(m_data.paymentMethods());
    });
    for (QComboBox* box : {ui->manBox, ui->areaBox, ui->paymentBox}) {
        box->setCurrentIndex(box->count() ? 0 : -1);
        box->installEventFilter(this);
    }
    ui->timeEdit->setInputMask(QStringLiteral("99:99;_"));
    ui->timeEdit->setText(QTime::currentTime().toString(QStringLiteral("hh:mm")));
    for (QLineEdit* e : {ui->noteEdit1, ui->noteEdit2, ui->noteEdit3})
        registers::upperCaseField(e);
    registers::commaForPointField(ui->amountEdit);
    for (QLineEdit* e : {ui->amountEdit, ui->timeEdit, ui->noteEdit1, ui->noteEdit2, ui->noteEdit3})
        e->installEventFilter(this);
    connect(ui->areaBox, &QComboBox::activated, this, &TFormDelivere::areaLeft);
    connect(ui->customerButton, &QPushButton::clicked, this, &TFormDelivere::chooseCustomer);
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormDelivere::confirm);
}

TFormDelivere::~TFormDelivere() = default;

QComboBox* TFormDelivere::manBox() const { return ui->manBox; }
QComboBox* TFormDelivere::areaBox() const { return ui->areaBox; }
QComboBox* TFormDelivere::paymentBox() const { return ui->paymentBox; }
QLineEdit* TFormDelivere::amountField() const { return ui->amountEdit; }
QLineEdit* TFormDelivere::timeField() const { return ui->timeEdit; }
QLineEdit* TFormDelivere::noteField(int line) const
{
    return line == 1 ? ui->noteEdit1 : line == 2 ? ui->noteEdit2 : ui->noteEdit3;
}
QString TFormDelivere::customerText() const { return ui->customerLabel->text(); }
QString TFormDelivere::totalText() const { return ui->totalLabel->text(); }
QString TFormDelivere::changeText() const { return ui->changeLabel->text(); }

QStringList TFormDelivere::notes() const
{
    // the two further lines of the printout are always empty here
    return {ui->noteEdit1->text(), ui->noteEdit2->text(), ui->noteEdit3->text(), QString(), QString()};
}

QString TFormDelivere::controlNumber() const { return ui->controlLabel->text(); }

void TFormDelivere::setTab(const QString& tab, const QString& caption, const Decimal& orderValue)
{
    m_tab = tab;
    m_orderValue = orderValue;
    ui->orderValueLabel->setText(delivery::amountText(orderValue));
    QString customer = caption;
    registers::attempt([&] {
        const QString read = m_data.customerText(tab);
        if (!read.isEmpty())
            customer = read;
    });
    ui->customerLabel->setText(customer);
    areaLeft();
    ui->changeLabel->setText(QStringLiteral("0,00"));
}

Decimal TFormDelivere::fee() const
{
    return TabDelivery::feeOf(ui->areaBox->currentText()).value_or(Decimal());
}

void TFormDelivere::areaLeft()
{
    const QString total = delivery::amountText(m_orderValue + fee());
    ui->totalLabel->setText(total);
    ui->amountEdit->setText(total);
}

bool TFormDelivere::amountLeft(bool warn)
{
    std::optional<Decimal> amount = delivery::readAmount(ui->amountEdit->text());
    if (!amount) {
        amount = m_orderValue;
        ui->amountEdit->setText(delivery::amountText(m_orderValue));
    }
    if (*amount < m_orderValue) {
        if (warn) {
            ShowMessageWindow(attention, tab::underpaid, QStringLiteral("1"));
            ui->amountEdit->setFocus();
        }
        return false;
    }
    ui->changeLabel->setText(delivery::amountText(*amount - (m_orderValue + fee())));
    return true;
}

void TFormDelivere::chooseCustomer()
{
    const QString code = ::chooseCustomer(m_logon).trimmed();
    const std::optional<qint64> n = readWhole(code);
    if (!n || *n < 0 || *n > 2147483647)
        return;   // closed without a choice: nothing changes
    registers::attempt([&] {
        ui->customerLabel->setText(m_data.customerText(*n));
        m_customer = *n;
    });
}

bool TFormDelivere::confirm()
{
    TabDelivery::Confirmation c;
    c.tab = m_tab;
    c.manText = ui->manBox->currentText();
    c.areaText = ui->areaBox->currentText();
    c.paymentText = ui->paymentBox->currentText();
    c.amountText = ui->amountEdit->text();
    c.timeText = ui->timeEdit->text();
    c.firstNote = ui->noteEdit1->text();
    c.customerText = ui->customerLabel->text();
    c.customer = m_customer;
    c.controlNumber = ui->controlLabel->text();
    c.orderValue = m_orderValue;
    try {
        m_data.confirm(c);
    } catch (const std::exception&) {
        // nothing was written: the window stays open
        ShowMessageWindow(attention, tab::fillError, QStringLiteral("1"));
        return false;
    }
    ctx::sales().DeliveryManText = ui->manBox->currentText();
    accept();
    return true;
}

bool TFormDelivere::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        // left with the mouse: the total and the change follow, without a message
        // that would take the click away
        if (watched == ui->areaBox)
            areaLeft();
        else if (watched == ui->amountEdit)
            amountLeft(false);
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            QWidget* next = nullptr;
            if (watched == ui->manBox || watched == ui->areaBox) {
                if (watched == ui->areaBox)
                    areaLeft();
                next = ui->paymentBox;
            } else if (watched == ui->paymentBox) {
                next = ui->amountEdit;
            } else if (watched == ui->amountEdit) {
                if (!amountLeft())
                    return true;
                next = ui->timeEdit;
            } else if (watched == ui->timeEdit) {
                next = ui->noteEdit1;
            } else if (watched == ui->noteEdit1) {
                next = ui->noteEdit2;
            } else if (watched == ui->noteEdit2) {
                next = ui->noteEdit3;
            } else if (watched == ui->noteEdit3) {
                next = ui->confirmButton;
            }
            if (next) {
                next->setFocus(Qt::TabFocusReason);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}
