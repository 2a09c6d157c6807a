#include "registers/UnitKitItens.h"
#include "registers/Lookups.h"
#include "registers/RegisterRules.h"
#include "core/FormatFloat.h"
#include "core/uMensagem.h"
#include "core/uMensagemWindow.h"

#include "platform/Dialogs.h"
#include "shell/UnSenha.h"
#include "ui_UnitKitItens.h"

namespace {
QString money(const QVariant& v)
{
    return v.isNull() ? QString() : FormatFloat(u"0.00", decimalOf(v));
}
}

TFormKitItens::TFormKitItens(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(new ::Ui::TFormKitItens)
    , m_logon(logon)
    , m_store(logon)
{
    ui->setupUi(this);
    ui->componentList->setColumns({
        {QStringLiteral("Codigo"), QStringLiteral("CODPROD"), {}},
        {QStringLiteral("Nome"), QStringLiteral("NOMEPROD"), {}},
        {QStringLiteral("QUANT"), QStringLiteral("QUANT"),
         [](const QVariant& v) { return FormatFloat(u"0.###", decimalOf(v)); }},
        {QStringLiteral("VALOR"), QStringLiteral("CUSTOPROD"), money},
    });
    ui->entryRow->hide();
    upperCaseWhileTyping(ui->componentCodeEdit);
    connect(ui->newButton, &QPushButton::clicked, this, &TFormKitItens::newComponent);
    connect(ui->componentCodeEdit, &QLineEdit::editingFinished, this, &TFormKitItens::componentLeft);
    connect(ui->componentCodeEdit, &QLineEdit::returnPressed, ui->quantityEdit, qOverload<>(&QWidget::setFocus));
    connect(ui->quantityEdit, &QLineEdit::returnPressed, ui->confirmButton, qOverload<>(&QWidget::setFocus));
    connect(ui->lookupButton, &QPushButton::clicked, this, &TFormKitItens::lookUp);
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormKitItens::confirm);
    connect(ui->deleteButton, &QPushButton::clicked, this, &TFormKitItens::removeCurrent);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::accept);
}

TFormKitItens::~TFormKitItens() = default;

void TFormKitItens::setKit(const QString& code, const QString& name, const QString& price)
{
    ui->Label1->setText(code);
    ui->Label2->setText(name);
    ui->Label3->setText(price);
    ui->componentCodeEdit->clear();
    ui->componentNameEdit->clear();
    ui->quantityEdit->clear();
    reload();
}

QString TFormKitItens::kitCode() const { return TrimText(ui->Label1->text()); }
QString TFormKitItens::costText() const { return ui->costEdit->text(); }

void TFormKitItens::reload()
{
    registers::Rows rows;
    try {
        rows = m_store.components(kitCode());
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    ui->costEdit->setText(FormatFloat(u"0.00", kit::cost(rows)));
    ui->componentList->setRows(std::move(rows));
}

void TFormKitItens::newComponent()
{
    if (kitCode().isEmpty())
        return;
    ui->entryRow->show();
    ui->componentCodeEdit->clear();
    ui->componentNameEdit->clear();
    ui->quantityEdit->clear();
    ui->componentCodeEdit->setFocus();
}

bool TFormKitItens::componentLeft() { return checkComponent(true); }

bool TFormKitItens::checkComponent(bool tell)
{
    const QString code = registers::sixDigitCode(ui->componentCodeEdit->text());
    ui->componentCodeEdit->setText(code);
    if (code.isEmpty())
        return false;
    registers::Rows p;
    try {
        p = m_store.product(code);
    } catch (const DbError&) {
        // a code the database cannot compare is no product
    }
    if (!p.next()) {
        ui->componentNameEdit->clear();
        if (tell)
            ShowMessageWindow(QStringLiteral("ATENÇÃO"), kit::text::notFound);
        ui->componentCodeEdit->setFocus();
        return false;
    }
    ui->componentNameEdit->setText(p.text(u"NOME"));
    ui->componentNameEdit->setCursorPosition(0);   // the name from its beginning
    if (TrimText(p.text(u"COMPOSICAO")) == QLatin1String("S")) {
        if (tell)
            ShowMessageWindow(QStringLiteral("ATENÇÃO"), kit::text::kitAsComponent);
        ui->componentCodeEdit->clear();
        ui->componentNameEdit->clear();
        ui->componentCodeEdit->setFocus();
        return false;
    }
    return true;
}

void TFormKitItens::lookUp()
{
    const QString code = chooseProduct(m_logon);
    if (code == QLatin1String("0"))
        return;   // an empty list chose nothing: the fields stay as they were
    ui->componentCodeEdit->setText(code);
    componentLeft();
}

void TFormKitItens::confirm()
{
    ui->entryRow->hide();
    const QString code = TrimText(ui->componentCodeEdit->text());
    registers::Number qty = registers::readNumber(ui->quantityEdit->text());
    if (qty.kind == registers::Number::TooLarge || (qty.ok() && qty.value.isNegative())) {
        ShowMessageWindow(QStringLiteral("ATENÇÃO"), kit::text::badQuantity);
        ui->entryRow->show();
        ui->quantityEdit->setFocus();
        return;
    }
    const Decimal quantity = qty.ok() ? qty.value : Decimal();
    if (!code.isEmpty()) {
        // The code is checked again: a kit or an unknown code never becomes a row.
        const bool told = ui->componentNameEdit->text().isEmpty();
        if (!checkComponent(!told)) {
            ui->entryRow->show();
            return;
        }
        try {
            m_store.add(kitCode(), code, ui->componentNameEdit->text(), quantity);
        } catch (const DbError& e) {
            dialogs().errorBox(e.message());
        }
    }
    reload();
    ui->componentCodeEdit->clear();
    ui->componentNameEdit->clear();
    ui->quantityEdit->clear();
}

void TFormKitItens::removeCurrent()
{
    if (ShowMessageWindow(QStringLiteral("ATENÇÃO"), kit::text::confirmDelete, QStringLiteral("2")) == QLatin1String("S")
        && ui->componentList->currentRowIndex() >= 0) {
        try {
            m_store.remove(ui->componentList->currentValue(u"ID").toLongLong());
        } catch (const DbError& e) {
            dialogs().errorBox(e.message());
        }
    }
    reload();
}
