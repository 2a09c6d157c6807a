#include "delivery/DeliveryPanelWindow.h"
#include "ui_DeliveryPanelWindow.h"

#include "core/FieldEvents.h"
#include "core/Globals.h"
#include "core/uMensagem.h"
#include "core/uMensagemWindow.h"
#include "db/DbError.h"
#include "delivery/DeliveryAmount.h"
#include "delivery/DeliveryText.h"
#include "platform/Dialogs.h"
#include "registers/RegisterCommon.h"
#include "shell/UnitAcessos.h"

#include <QKeyEvent>
#include <QScreen>

using namespace deliverytext;

namespace {

const char* kCaptionStyle = "background:#1f4e79;color:white;font-weight:bold;padding:4px;";
const char* kGreyCaptionStyle = "background:#808080;color:white;font-weight:bold;padding:4px;";

} // namespace

DeliveryPanelWindow::DeliveryPanelWindow(TLogon& logon, bool takesDiscount, const QString& header, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , m_logon(logon)
    , ui(std::make_unique<::Ui::DeliveryPanelWindow>())
    , m_takesDiscount(takesDiscount)
{
    ui->setupUi(this);
    setWindowTitle(panel::windowCaption);
    ui->headerLabel->setText(header);
    ui->davButton->hide();
    ui->discountRow->setVisible(takesDiscount);
    ui->percentEdit->setEnabled(false);
    ui->discountEdit->setEnabled(false);
    registers::upperCaseField(ui->messageEdit);

    m_fields = new FieldEvents(this);
    QList<QLineEdit*> amounts;
    for (int i = 0; i < DeliveryPaymentPanel::kMethods; ++i)
        amounts << amountField(i);
    for (QLineEdit* e : amounts + QList<QLineEdit*>{ui->feeEdit, ui->percentEdit, ui->discountEdit})
        registers::commaForPointField(e);
    for (QLineEdit* e : amounts + QList<QLineEdit*>{ui->feeEdit})
        m_fields->onLeave(e, [this, e] { totalsLeft(e); });
    m_fields->onLeave(ui->percentEdit, [this] { percentLeft(); });
    m_fields->onLeave(ui->discountEdit, [this] { discountLeft(); });
    // Enter moves on as Tab does; in the discount it goes to the print button.
    for (QLineEdit* e : amounts + QList<QLineEdit*>{ui->feeEdit, ui->percentEdit, ui->messageEdit})
        m_fields->onEnter(e, [this] { focusNextChild(); });
    m_fields->onEnter(ui->discountEdit, [this] { ui->printButton->setFocus(Qt::TabFocusReason); });

    connect(ui->printButton, &QPushButton::clicked, this, &DeliveryPanelWindow::print);
    connect(ui->closeButton, &QPushButton::clicked, this, &QDialog::reject);
}

DeliveryPanelWindow::~DeliveryPanelWindow() = default;

QLineEdit* DeliveryPanelWindow::amountField(int i) const
{
    return findChild<QLineEdit*>(QStringLiteral("amountEdit%1").arg(i));
}
QLineEdit* DeliveryPanelWindow::feeField() const { return ui->feeEdit; }
QLineEdit* DeliveryPanelWindow::percentField() const { return ui->percentEdit; }
QLineEdit* DeliveryPanelWindow::discountField() const { return ui->discountEdit; }
QLineEdit* DeliveryPanelWindow::messageField() const { return ui->messageEdit; }
QPushButton* DeliveryPanelWindow::printButton() const { return ui->printButton; }
QWidget* DeliveryPanelWindow::discountRow() const { return ui->discountRow; }

QString DeliveryPanelWindow::methodCaption(int i) const
{
    const QLabel* l = findChild<QLabel*>(QStringLiteral("methodCaption%1").arg(i));
    return l ? l->text() : QString();
}

bool DeliveryPanelWindow::methodShown(int i) const { return !amountField(i)->isHidden(); }

bool DeliveryPanelWindow::methodGrey(int i) const
{
    const QLabel* l = findChild<QLabel*>(QStringLiteral("methodCaption%1").arg(i));
    return l && l->styleSheet() == QLatin1String(kGreyCaptionStyle);
}

QString DeliveryPanelWindow::labelText(const char* name) const
{
    const QLabel* l = findChild<QLabel*>(QString::fromLatin1(name));
    return l ? l->text() : QString();
}

void DeliveryPanelWindow::say(const QString& text) { ShowMessageWindow(attention, text, QStringLiteral("1")); }

void DeliveryPanelWindow::setOrder(const DeskHandOver& order)
{
    m_order = order;
    m_lines = order.lines;
    ui->phoneLabel->setText(order.order.fone.trimmed());
    ui->customerLabel->setText(order.order.cliente.trimmed());
    std::vector<PanelMethod> methods;
    try {
        methods = DeliveryPaymentPanel::readMethods(m_logon);
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    m_panel.open(methods, order.totalText.trimmed(), m_lines);
    for (int i = 0; i < DeliveryPaymentPanel::kMethods; ++i) {
        auto* caption = findChild<QLabel*>(QStringLiteral("methodCaption%1").arg(i));
        const bool shown = i < int(m_panel.methods.size());
        caption->setVisible(shown);
        amountField(i)->setVisible(shown);
        if (shown) {
            const PanelMethod& m = m_panel.methods[size_t(i)];
            caption->setText(m.caption());
            caption->setStyleSheet(QString::fromLatin1(m.grey() ? kGreyCaptionStyle : kCaptionStyle));
        }
    }
    showFields();
    // As wide as the methods' names need, as high as the rows shown.
    const QSize hint = sizeHint();
    resize(std::max(width(), hint.width()), hint.height());
    amountField(0)->setFocus();
}

DeliveryPaymentPanel& DeliveryPanelWindow::readFields()
{
    m_panel.fee = ui->feeEdit->text();
    m_panel.percent = ui->percentEdit->text();
    m_panel.discount = ui->discountEdit->text();
    for (int i = 0; i < DeliveryPaymentPanel::kMethods; ++i)
        m_panel.amounts[size_t(i)] = amountField(i)->text();
    m_panel.message = ui->messageEdit->text();
    return m_panel;
}

void DeliveryPanelWindow::showFields()
{
    ui->saleValueLabel->setText(m_panel.saleValue);
    ui->feeEdit->setText(m_panel.fee);
    ui->subtotalLabel->setText(m_panel.subtotal);
    ui->percentEdit->setText(m_panel.percent);
    ui->discountEdit->setText(m_panel.discount);
    for (int i = 0; i < DeliveryPaymentPanel::kMethods; ++i)
        amountField(i)->setText(m_panel.amounts[size_t(i)]);
    ui->balanceCaption->setText(m_panel.balanceCaption);
    ui->balanceLabel->setText(m_panel.balance);
}

QLineEdit* DeliveryPanelWindow::invalidField() const
{
    switch (m_panel.invalidField()) {
    case DeliveryPaymentPanel::Field::Fee: return ui->feeEdit;
    case DeliveryPaymentPanel::Field::Amount: return amountField(m_panel.invalidAmount());
    case DeliveryPaymentPanel::Field::Discount: return ui->discountEdit;
    case DeliveryPaymentPanel::Field::Percent: return ui->percentEdit;
    case DeliveryPaymentPanel::Field::None: break;
    }
    return nullptr;
}

void DeliveryPanelWindow::refuse(QLineEdit* field)
{
    // The text stays as typed: it is not taken as 0.
    say(panel::invalidAmount);
    if (field) {
        field->setEnabled(true);
        field->setFocus();
        field->selectAll();
    }
}

void DeliveryPanelWindow::totalsLeft(QLineEdit* /*field*/)
{
    if (!readFields().totals()) {
        refuse(invalidField());
        return;
    }
    showFields();
}

void DeliveryPanelWindow::percentLeft()
{
    if (!readFields().percentToMoney()) {
        refuse(ui->percentEdit);
        return;
    }
    showFields();
    ui->discountEdit->setFocus();
}

void DeliveryPanelWindow::discountLeft()
{
    if (!readFields().totals()) {
        refuse(invalidField());
        return;
    }
    ui->percentEdit->setEnabled(false);
    ui->discountEdit->setEnabled(false);
    showFields();
}

bool DeliveryPanelWindow::discountAuthorised()
{
    if (!m_takesDiscount || !m_keysOn)
        return false;   // the note takes no discount
    ctx::op().AuthoriserIsMaster = QStringLiteral("N");
    askSupervisor(m_logon);
    if (RightsBitSet(ctx::op().CurrentRights, 1) == QLatin1String("S"))
        return true;
    amountField(0)->setFocus();
    return false;
}

void DeliveryPanelWindow::discountInMoney()
{
    if (!discountAuthorised())
        return;
    ui->discountEdit->setEnabled(true);
    ui->discountEdit->clear();
    ui->discountEdit->setFocus();
}

void DeliveryPanelWindow::discountInPercent()
{
    if (!discountAuthorised())
        return;
    for (QLineEdit* e : {ui->percentEdit, ui->discountEdit}) {
        e->setEnabled(true);
        e->clear();
    }
    ui->percentEdit->setFocus();
}

void DeliveryPanelWindow::print()
{
    if (!m_keysOn)
        return;
    if (const std::optional<QString> refused = readFields().check()) {
        if (*refused == panel::invalidAmount) {
            refuse(invalidField());
            return;
        }
        showFields();
        say(*refused);
        return;
    }
    showFields();
    m_keysOn = false;
    ui->printButton->setEnabled(false);
    if (!run()) {
        m_keysOn = true;
        ui->printButton->setEnabled(true);
    }
}

bool DeliveryPanelWindow::writeThenPrint(const std::function<void()>& write, const QString& orderGone,
                                         const std::function<void()>& print)
{
    try {
        write();
    } catch (const DeliveryRefused& e) {
        say(e.message());
        if (e.message() != orderGone)
            return false;
        reject();   // the order is no longer on the desk
        return true;
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
        return false;
    }
    try {
        print();
    } catch (const std::exception& e) {
        dialogs().errorBox(QString::fromUtf8(e.what()));
    }
    accept();
    return true;
}

void DeliveryPanelWindow::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_F3: print(); return;
    case Qt::Key_F4: discountInMoney(); return;
    case Qt::Key_F5: discountInPercent(); return;
    case Qt::Key_Escape: reject(); return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        focusNextChild();   // Enter acts as Tab (on a button it presses it: core/ButtonEnter)
        return;
    default: QDialog::keyPressEvent(event);
    }
}

void DeliveryPanelWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Borderless: centred on the screen.
    if (const QScreen* s = screen())
        move(s->availableGeometry().center() - rect().center());
}
