#include "delivery/UnitInsItens2.h"
#include "core/EnterMoves.h"
#include "ui_UnitInsItens2.h"

#include "core/FormatFloat.h"
#include "core/uMensagem.h"
#include "core/uMensagemWindow.h"
#include "db/DbError.h"
#include "delivery/DeliveryAmount.h"
#include "delivery/DeliveryText.h"
#include "delivery/ItemEntryWindow.h"
#include "platform/Dialogs.h"
#include "registers/Lookups.h"
#include "registers/RegisterCommon.h"
#include "registers/TouchButtons.h"

#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QToolButton>

using namespace deliverytext;

namespace {
QString S(const char* s) { return QString::fromUtf8(s); }
constexpr int kButton = 74;

// SCC4 as the window is created; 0 (the average price of flavours) when unreadable.
int itemOptionsOf(TLogon& logon)
{
    try {
        return DeliveryItemEntry::readItemOptions(logon);
    } catch (const DbError&) {
        return 0;
    }
}
}

TFormInsItens2::TFormInsItens2(TLogon& logon, qint64 orderId, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<::Ui::TFormInsItens2>())
    , m_logon(logon)
    , m_orderId(orderId)
    , m_entry(logon, itemOptionsOf(logon))
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormInsItens2"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    for (QLineEdit* e : {ui->codeEdit, ui->quantityEdit, ui->observationEdit, ui->extraEdit})
        registers::upperCaseField(e);
    registers::commaForPointField(ui->quantityEdit);
    ui->extrasList->setColumnCount(2);
    ui->extrasList->setHorizontalHeaderLabels({S("X"), S("Produto")});
    ui->extrasList->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    ui->extrasList->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    ui->extrasList->verticalHeader()->hide();
    ui->extrasList->verticalHeader()->setDefaultSectionSize(34);
    ui->sizeBox->hide();
    ui->sizeCaption->hide();
    // The size list is found by typing its first letters; Enter picks the size
    // (sizeChosen), it does not move on.
    EnterMoves::keepOwnEnter(ui->sizeBox);
    for (QWidget* w : std::initializer_list<QWidget*>{ui->codeEdit, ui->quantityEdit, ui->sizeBox, ui->observationEdit,
                                                      ui->extraEdit, ui->extrasList, ui->confirmButton, ui->searchEdit})
        w->installEventFilter(this);
    ui->groupsArea->viewport()->installEventFilter(this);
    ui->productsArea->viewport()->installEventFilter(this);
    setTabOrder(ui->codeEdit, ui->quantityEdit);
    setTabOrder(ui->quantityEdit, ui->sizeBox);
    setTabOrder(ui->sizeBox, ui->observationEdit);
    setTabOrder(ui->observationEdit, ui->extraEdit);
    setTabOrder(ui->extraEdit, ui->extrasList);
    setTabOrder(ui->extrasList, ui->confirmButton);
    setTabOrder(ui->confirmButton, ui->returnButton);

    connect(ui->lookupButton, &QPushButton::clicked, this, &TFormInsItens2::lookUp);
    connect(ui->sizeBox, &QComboBox::activated, this, &TFormInsItens2::sizeChosen);
    connect(ui->extrasList, &QTableWidget::cellClicked, this, [this](int row) { toggleExtra(row); });
    connect(ui->addExtraButton, &QPushButton::clicked, this, &TFormInsItens2::addExtra);
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormInsItens2::confirm);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->closeButton, &QPushButton::clicked, this, &QDialog::reject);

    registers::attempt([this] { ui->sizeBox->addItems(m_entry.sizeEntries()); });
    if (ui->sizeBox->count())
        ui->sizeBox->setCurrentIndex(0);
    ui->quantityEdit->setText(S("1"));
    ui->codeEdit->setFocus();
}

TFormInsItens2::~TFormInsItens2() = default;

QLineEdit* TFormInsItens2::codeField() const { return ui->codeEdit; }
QLineEdit* TFormInsItens2::quantityField() const { return ui->quantityEdit; }
QLineEdit* TFormInsItens2::observationField() const { return ui->observationEdit; }
QLineEdit* TFormInsItens2::extraField() const { return ui->extraEdit; }
QComboBox* TFormInsItens2::sizeBox() const { return ui->sizeBox; }
QLabel* TFormInsItens2::nameLabel() const { return ui->nameLabel; }
QLabel* TFormInsItens2::priceLabel() const { return ui->priceLabel; }
QTableWidget* TFormInsItens2::extrasList() const { return ui->extrasList; }

void TFormInsItens2::say(const QString& text) { ShowMessageWindow(attention, text, S("1")); }

// ---- the item ---------------------------------------------------------------------------

void TFormInsItens2::codeEntered()
{
    if (m_leaving)
        return;
    ui->sizeBox->hide();
    ui->sizeCaption->hide();
    if (!m_item) {
        ui->nameLabel->clear();
        ui->priceLabel->clear();
    }
}

void TFormInsItens2::clearItem()
{
    m_item.reset();
    ui->nameLabel->clear();
    ui->priceLabel->clear();
    showExtras();
}

void TFormInsItens2::showItem()
{
    ui->nameLabel->setText(m_item ? m_item->name : QString());
    ui->priceLabel->setText(m_item ? delivery::amountText(m_item->price) : QString());
    showExtras();
}

void TFormInsItens2::showExtras()
{
    const std::vector<ItemExtra> none;
    const std::vector<ItemExtra>& extras = m_item ? m_item->extras : none;
    ui->extrasList->setRowCount(int(extras.size()));
    for (int i = 0; i < int(extras.size()); ++i) {
        auto* tick = new QTableWidgetItem(extras[size_t(i)].ticked ? S("X") : QString());
        tick->setTextAlignment(Qt::AlignCenter);
        ui->extrasList->setItem(i, 0, tick);
        ui->extrasList->setItem(i, 1, new QTableWidgetItem(extras[size_t(i)].produto));
    }
}

void TFormInsItens2::codeLeft()
{
    if (m_leaving)
        return;
    QString code = TrimText(ui->codeEdit->text());
    if (m_item && code == m_item->code)
        return;   // already loaded
    const QScopedValueRollback<bool> busy(m_leaving, true);
    clearItem();
    if (code.isEmpty())
        return;
    code = DeliveryItemEntry::normaliseCode(code);
    ui->codeEdit->setText(code);
    try {
        if (code == QLatin1String("/")) {
            // the fractions window gives the flavour list and its description
            const FractionsChoice chosen = chooseFractions(m_logon);
            code = DeliveryItemEntry::normaliseCode(chosen.code);   // a flavour list stays as it is
            ui->codeEdit->setText(code);
            ui->nameLabel->setText(chosen.description);
            if (code.isEmpty()) {
                ui->codeEdit->setFocus();
                return;
            }
        }
        if (code.startsWith(u'/')) {
            const DeliveryItemEntry::Loaded l = m_entry.flavours(code, ui->sizeBox->currentText());
            m_item = withMessagesShown(l);
            showItem();
            if (l.showSizes) {
                ui->sizeCaption->show();
                ui->sizeBox->show();
                ui->sizeBox->setFocus();
            } else {
                ui->quantityEdit->setFocus();
            }
            return;
        }
        if (code == QLatin1String("000000")) {
            // a typed 0: the product lookup
            const QString chosen = TrimText(chooseProduct(m_logon));
            if (chosen.isEmpty() || chosen == QLatin1String("0")) {
                ui->codeEdit->clear();
                ui->codeEdit->setFocus();
                return;
            }
            code = DeliveryItemEntry::normaliseCode(chosen);
            ui->codeEdit->setText(code);
        }
        const DeliveryItemEntry::Loaded l = m_entry.load(code);
        if (!l.item) {
            for (const QString& m : l.messages)
                say(m);
            ui->codeEdit->setFocus();
            return;
        }
        m_item = l.item;
        ui->codeEdit->setText(m_item->code);
        showItem();
        if (l.showSizes) {
            ui->sizeCaption->show();
            ui->sizeBox->show();
            if (ui->sizeBox->count())
                ui->sizeBox->setCurrentIndex(0);
            ui->sizeBox->setFocus();
        } else {
            ui->quantityEdit->setFocus();
        }
    } catch (const DbError& e) {
        clearItem();
        dialogs().errorBox(e.message());
    }
}

void TFormInsItens2::lookUp()
{
    const QString chosen = TrimText(chooseProduct(m_logon));
    if (chosen.isEmpty() || chosen == QLatin1String("0"))
        return;
    ui->codeEdit->setText(chosen);
    m_item.reset();
    codeLeft();
}

void TFormInsItens2::sizeChosen()
{
    if (m_item && ui->sizeBox->isVisible()) {
        try {
            m_entry.chooseSize(*m_item, ui->sizeBox->currentText());
        } catch (const DbError& e) {
            dialogs().errorBox(e.message());
        }
        ui->priceLabel->setText(delivery::amountText(m_item->price));
    }
    ui->observationEdit->setFocus();
}

void TFormInsItens2::toggleExtra(int row)
{
    if (!m_item || !m_item->toggleExtra(row))
        return;
    showExtras();
    ui->extrasList->setCurrentCell(row, 1);
}

void TFormInsItens2::addExtra()
{
    if (!m_item || !m_item->addTypedExtra(ui->extraEdit->text(), false))
        return;
    ui->extraEdit->clear();
    showExtras();
}

bool TFormInsItens2::confirm()
{
    const std::optional<Decimal> quantity = delivery::readAmount(ui->quantityEdit->text());
    if (!quantity)
        ui->quantityEdit->setText(S("0"));
    if (!quantity || *quantity <= Decimal() || *quantity > Decimal(99999)) {
        say(items::noQuantity);
        ui->quantityEdit->setFocus();
        return false;
    }
    if (!m_item) {
        say(items::fillError);
        ui->codeEdit->setFocus();
        return false;
    }
    try {
        m_entry.confirm(m_orderId, *m_item, ui->quantityEdit->text(), TrimText(ui->observationEdit->text()));
    } catch (const DeliveryRefused& e) {
        say(e.message());
        ui->codeEdit->setFocus();
        return false;
    } catch (const std::exception&) {
        // nothing was written
        say(items::fillError);
        ui->codeEdit->setFocus();
        return false;
    }
    clearItem();
    ui->codeEdit->clear();
    ui->observationEdit->clear();
    ui->quantityEdit->setText(S("1"));
    ui->sizeBox->hide();
    ui->sizeCaption->hide();
    if (m_onItemAdded)
        m_onItemAdded();
    ui->codeEdit->setFocus();
    return true;
}

// ---- touch buttons ------------------------------------------------------------------------

void TFormInsItens2::buildGroupButtons()
{
    for (QToolButton* b : m_groupButtons)
        delete b;
    m_groupButtons.clear();
    try {
        for (const TouchGroup& g : TouchMenu(m_logon).groups()) {
            QToolButton* b = makeTouchButton(ui->groupsArea->widget(), g.caption, g.picture);
            b->setObjectName(S("G") + g.code);
            const QString code = g.code;
            connect(b, &QToolButton::clicked, this, [this, code] { showGroup(code); });
            m_groupButtons.push_back(b);
        }
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    layTouchButtons(ui->groupsArea, m_groupButtons, kButton, kButton);
    m_buttonsBuilt = true;
}

void TFormInsItens2::fillProducts(const std::vector<TouchButton>& buttons)
{
    for (QToolButton* b : m_productButtons)
        delete b;
    m_productButtons.clear();
    int n = 0;
    for (const TouchButton& t : buttons) {
        QToolButton* b = makeTouchButton(ui->productsArea->widget(), t.caption, t.picture);
        b->setObjectName(S("M") + QString::number(++n));
        const QString code = t.code;
        connect(b, &QToolButton::clicked, this, [this, code] {
            ui->codeEdit->setText(code);
            m_item.reset();
            codeLeft();
        });
        m_productButtons.push_back(b);
    }
    layTouchButtons(ui->productsArea, m_productButtons, kButton, kButton);
}

void TFormInsItens2::showGroup(const QString& group)
{
    try {
        fillProducts(TouchMenu(m_logon).productsOf(group));
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
}

void TFormInsItens2::searchProducts()
{
    const QString text = TrimText(ui->searchEdit->text());
    if (text.isEmpty())
        return;
    try {
        const std::vector<TouchButton> found = TouchMenu(m_logon).search(text, nullptr);
        if (!found.empty())
            fillProducts(found);
    } catch (const DbError& e) {
        if (!e.isCharacterSetError())
            dialogs().errorBox(e.message());
    }
}

// ---- events -----------------------------------------------------------------------------

void TFormInsItens2::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_buttonsBuilt)
        buildGroupButtons();
}

void TFormInsItens2::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    layTouchButtons(ui->groupsArea, m_groupButtons, kButton, kButton);
    layTouchButtons(ui->productsArea, m_productButtons, kButton, kButton);
}

void TFormInsItens2::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_F2:
        lookUp();
        return;
    case Qt::Key_F11:
        reject();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

bool TFormInsItens2::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize) {
        if (watched == ui->groupsArea->viewport())
            layTouchButtons(ui->groupsArea, m_groupButtons, kButton, kButton);
        else if (watched == ui->productsArea->viewport())
            layTouchButtons(ui->productsArea, m_productButtons, kButton, kButton);
        return false;
    }
    if (event->type() == QEvent::FocusIn && watched == ui->codeEdit) {
        codeEntered();
    } else if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            return false;   // another window or a list came up: the field is not left
        if (watched == ui->codeEdit)
            codeLeft();
        else if (watched == ui->quantityEdit && !delivery::readAmount(ui->quantityEdit->text()))
            ui->quantityEdit->setText(S("0"));
        else if (watched == ui->sizeBox && m_item && ui->sizeBox->isVisible())
            sizeChosen();
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == ui->codeEdit) {
                codeLeft();
                if (ui->codeEdit->hasFocus() && m_item)
                    ui->quantityEdit->setFocus();
            } else if (watched == ui->sizeBox) {
                sizeChosen();
            } else if (watched == ui->extraEdit && !TrimText(ui->extraEdit->text()).isEmpty()) {
                addExtra();
            } else if (watched == ui->searchEdit) {
                searchProducts();
            } else if (watched == ui->confirmButton) {
                confirm();
            } else {
                focusNextChild();   // Enter acts as Tab
            }
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
