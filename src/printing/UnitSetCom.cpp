#include "printing/UnitSetCom.h"

#include "platform/Dialogs.h"
#include "platform/Printers.h"
#include "ui_UnitSetCom.h"

#include <QKeyEvent>

#include <algorithm>

#include <stdexcept>

namespace {

bool hasLowerCase(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLower(); });
}

bool isEnter(const QKeyEvent* key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

} // namespace

TFormSetCom::TFormSetCom(QWidget* parent)
    : TFormSetCom(printers::installed(), parent)
{
}

TFormSetCom::TFormSetCom(const QStringList& installedPrinters, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , ui(new ::Ui::TFormSetCom)
{
    ui->setupUi(this);

    for (int i = 0; i < kPrinterSlotCount; ++i) {
        const auto slot = PrinterSlot(i);
        QComboBox* box = destinationBox(slot);
        box->addItems(SetComSettings::destinationChoices(installedPrinters, SetComSettings::isKitchen(slot)));
        // A typed destination is kept exactly as typed: no completion, no
        // case-folding match against the list.
        box->setCompleter(nullptr);
        box->setInsertPolicy(QComboBox::NoInsert);
        connect(box, &QComboBox::currentTextChanged, this, &TFormSetCom::updatePortFields);
    }
    ui->controlByteCombo->addItems(SetComSettings::controlBytes());
    ui->receiptFontCombo->addItems(SetComSettings::fontSizes());
    ui->kitchenFontCombo->addItems(SetComSettings::fontSizes());
    for (QComboBox* box : {ui->receiptFontCombo, ui->kitchenFontCombo}) {
        box->setCompleter(nullptr);
        box->setInsertPolicy(QComboBox::NoInsert);
    }

    const QList<QWidget*> filtered = {
        ui->serviceCaptionEdit, ui->servicePercentEdit, ui->coverChargeEdit, ui->coverCaptionEdit,
        ui->printPreBillEdit, ui->printKitchenOrdersEdit, ui->kitchenOneByOneEdit,
        ui->printPaymentEdit, ui->previewTabEdit, ui->controlByteCombo, ui->feedLinesEdit,
        ui->drawerEnabledEdit, ui->blockDeliveryEdit, ui->forceLineFeedEdit,
    };
    for (QWidget* w : filtered)
        w->installEventFilter(this);
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormSetCom::confirm);

    SetComValues loaded = SetComSettings::defaults();
    try {
        loaded = SetComSettings::load();
    } catch (const std::runtime_error& e) {
        dialogs().errorBox(QString::fromUtf8(e.what()));
    }
    showValues(loaded);
    ui->serviceCaptionEdit->setFocus();
}

TFormSetCom::~TFormSetCom() = default;

QComboBox* TFormSetCom::destinationBox(PrinterSlot slot) const
{
    switch (slot) {
    case PrinterSlot::Conference: return ui->conferencePrinterCombo;
    case PrinterSlot::Closing: return ui->closingPrinterCombo;
    case PrinterSlot::Kitchen1: return ui->kitchenPrinter1Combo;
    case PrinterSlot::Kitchen2: return ui->kitchenPrinter2Combo;
    case PrinterSlot::Kitchen3: return ui->kitchenPrinter3Combo;
    case PrinterSlot::Kitchen4: return ui->kitchenPrinter4Combo;
    }
    return nullptr;
}

QLineEdit* TFormSetCom::portEdit(PrinterSlot slot) const
{
    switch (slot) {
    case PrinterSlot::Conference: return ui->conferencePortEdit;
    case PrinterSlot::Closing: return ui->closingPortEdit;
    case PrinterSlot::Kitchen1: return ui->kitchen1PortEdit;
    case PrinterSlot::Kitchen2: return ui->kitchen2PortEdit;
    case PrinterSlot::Kitchen3: return ui->kitchen3PortEdit;
    case PrinterSlot::Kitchen4: return ui->kitchen4PortEdit;
    }
    return nullptr;
}

SetComValues TFormSetCom::values() const
{
    SetComValues v;
    v.serviceCaption = ui->serviceCaptionEdit->text();
    v.servicePercent = ui->servicePercentEdit->text();
    v.coverCharge = ui->coverChargeEdit->text();
    v.printPreBill = ui->printPreBillEdit->text();
    v.printKitchenOrders = ui->printKitchenOrdersEdit->text();
    v.kitchenOneByOne = ui->kitchenOneByOneEdit->text();
    v.printPaymentReceipt = ui->printPaymentEdit->text();
    v.previewTab = ui->previewTabEdit->text();
    v.controlByte = ui->controlByteCombo->currentText();
    v.feedLines = ui->feedLinesEdit->text();
    v.drawerEnabled = ui->drawerEnabledEdit->text();
    v.drawerCommand = ui->drawerCommandEdit->text();
    v.blockDelivery = ui->blockDeliveryEdit->text();
    v.forceLineFeed = ui->forceLineFeedEdit->text();
    v.coverCaption = ui->coverCaptionEdit->text();
    for (int i = 0; i < kPrinterSlotCount; ++i) {
        v.destinations[size_t(i)] = destinationBox(PrinterSlot(i))->currentText();
        v.ports[size_t(i)] = portEdit(PrinterSlot(i))->text();
    }
    v.receiptFontSize = ui->receiptFontCombo->currentText();
    v.kitchenFontSize = ui->kitchenFontCombo->currentText();
    v.joinItems = ui->joinItemsEdit->text();
    const QString message = ui->messageEdit->toPlainText();
    v.message = message.isEmpty() ? QStringList() : message.split(QLatin1Char('\n'));
    return v;
}

void TFormSetCom::showValues(const SetComValues& v)
{
    ui->serviceCaptionEdit->setText(v.serviceCaption);
    ui->servicePercentEdit->setText(v.servicePercent);
    ui->coverChargeEdit->setText(v.coverCharge);
    ui->printPreBillEdit->setText(v.printPreBill);
    ui->printKitchenOrdersEdit->setText(v.printKitchenOrders);
    ui->kitchenOneByOneEdit->setText(v.kitchenOneByOne);
    ui->printPaymentEdit->setText(v.printPaymentReceipt);
    ui->previewTabEdit->setText(v.previewTab);
    ui->controlByteCombo->setCurrentIndex(ui->controlByteCombo->findText(v.controlByte));
    ui->feedLinesEdit->setText(v.feedLines);
    ui->drawerEnabledEdit->setText(v.drawerEnabled);
    ui->drawerCommandEdit->setText(v.drawerCommand);
    ui->blockDeliveryEdit->setText(v.blockDelivery);
    ui->forceLineFeedEdit->setText(v.forceLineFeed);
    ui->coverCaptionEdit->setText(v.coverCaption);
    for (int i = 0; i < kPrinterSlotCount; ++i) {
        destinationBox(PrinterSlot(i))->setCurrentText(v.destinations[size_t(i)]);
        portEdit(PrinterSlot(i))->setText(v.ports[size_t(i)]);
    }
    ui->receiptFontCombo->setCurrentText(v.receiptFontSize);
    ui->kitchenFontCombo->setCurrentText(v.kitchenFontSize);
    ui->joinItemsEdit->setText(v.joinItems);
    ui->messageEdit->setPlainText(v.message.join(QLatin1Char('\n')));
    updatePortFields();
}

void TFormSetCom::confirm()
{
    SetComValues v = values();
    try {
        SetComSettings::save(v);
    } catch (const std::runtime_error& e) {
        // The saving checks may have corrected fields before the failure.
        ui->feedLinesEdit->setText(v.feedLines);
        ui->servicePercentEdit->setText(v.servicePercent);
        ui->coverChargeEdit->setText(v.coverCharge);
        dialogs().errorBox(QString::fromUtf8(e.what()));
        return;
    }
    accept();
}

void TFormSetCom::reject()
{
}

void TFormSetCom::updatePortFields()
{
    for (int i = 0; i < kPrinterSlotCount; ++i)
        portEdit(PrinterSlot(i))->setEnabled(SetComSettings::usesPort(destinationBox(PrinterSlot(i))->currentText()));
}

bool TFormSetCom::eventFilter(QObject* watched, QEvent* event)
{
    auto* field = qobject_cast<QWidget*>(watched);
    if (!field)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress:
        if (keyPressed(field, static_cast<QKeyEvent*>(event)))
            return true;
        break;
    case QEvent::FocusIn:
        ui->scrollArea->ensureWidgetVisible(field);
        break;
    case QEvent::FocusOut:
        fieldLeft(field);
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

// Runs before the key reaches the field; true when the key is used up here.
bool TFormSetCom::keyPressed(QWidget* field, QKeyEvent* key)
{
    const QString typed = key->text();

    if (field == ui->controlByteCombo) {
        if (isEnter(key)) {
            ui->feedLinesEdit->setFocus();
            return true;
        }
        return !typed.isEmpty();   // chosen from the list only
    }

    // The charges are checked on every character key, before it is applied.
    if (!typed.isEmpty()) {
        if (field == ui->servicePercentEdit)
            ui->servicePercentEdit->setText(SetComSettings::numberOr(ui->servicePercentEdit->text(), QStringLiteral("1"),
                                                                     SetComSettings::servicePercentRules()));
        else if (field == ui->coverChargeEdit)
            ui->coverChargeEdit->setText(SetComSettings::numberOr(ui->coverChargeEdit->text(), QStringLiteral("0"),
                                                                  SetComSettings::coverChargeRules()));
    }

    if (isEnter(key)) {
        const auto next = [this](QWidget* from) -> QWidget* {
            if (from == ui->serviceCaptionEdit) return ui->servicePercentEdit;
            if (from == ui->servicePercentEdit) return ui->coverChargeEdit;
            if (from == ui->coverChargeEdit) return ui->printPreBillEdit;
            if (from == ui->printPreBillEdit) return ui->kitchenPrinter1Combo;
            if (from == ui->printKitchenOrdersEdit) return ui->kitchenOneByOneEdit;
            if (from == ui->kitchenOneByOneEdit) return ui->printPaymentEdit;
            // The preview switch (line 7) is not shown, so the paper feed follows.
            if (from == ui->printPaymentEdit) return ui->feedLinesEdit;
            if (from == ui->previewTabEdit) return ui->feedLinesEdit;
            return nullptr;
        };
        if (QWidget* target = next(field)) {
            target->setFocus();
            return true;
        }
        return false;
    }

    // Letters are typed in upper case.
    auto* edit = qobject_cast<QLineEdit*>(field);
    if (edit && hasLowerCase(typed) && typed.at(0).isPrint()
        && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        edit->insert(typed.toUpper());
        return true;
    }
    return false;
}

void TFormSetCom::fieldLeft(QWidget* field)
{
    auto* edit = qobject_cast<QLineEdit*>(field);
    if (!edit)
        return;
    const QString text = edit->text();
    QString checked = text;
    if (edit == ui->servicePercentEdit)
        checked = SetComSettings::numberOr(text, QStringLiteral("0"), SetComSettings::servicePercentRules());
    else if (edit == ui->coverChargeEdit)
        checked = SetComSettings::numberOr(text, QStringLiteral("0"), SetComSettings::coverChargeRules());
    else if (edit == ui->printPreBillEdit || edit == ui->printKitchenOrdersEdit || edit == ui->kitchenOneByOneEdit
             || edit == ui->printPaymentEdit || edit == ui->previewTabEdit)
        checked = SetComSettings::yesNoOr(text, QStringLiteral("S"));
    else if (edit == ui->blockDeliveryEdit)
        checked = SetComSettings::yesNoOr(text, QStringLiteral("N"));
    if (checked != text)
        edit->setText(checked);
}
