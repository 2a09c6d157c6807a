#include "finance/UnitBusDupX.h"

#include "core/FormatFloat.h"
#include "core/Globals.h"
#include "finance/PayablesRegister.h"
#include "platform/Dialogs.h"
#include "ui_UnitBusDupX.h"

TFormBusDupX::TFormBusDupX(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(new ::Ui::TFormBusDupX)
{
    ui->setupUi(this);
    ui->numberEdit->setMaxLength(PayablesRegister::kNumberLength);
    const auto date = [](const QVariant& v) { return PayablesRegister::dateField(v.toDate()); };
    const auto money = [](const QVariant& v) { return v.isNull() ? QString() : FormatFloat(u"0.00", decimalOf(v)); };
    ui->titleList->setColumns({{QStringLiteral("DUPLICATA"), QStringLiteral("DUPLICATA"), {}},
                               {QStringLiteral("NOME"), QStringLiteral("NOME"), {}},
                               {QStringLiteral("EMISSAO"), QStringLiteral("EMISSAO"), date},
                               {QStringLiteral("VENCIMENTO"), QStringLiteral("VENCIMENTO"), date},
                               {QStringLiteral("VALOR"), QStringLiteral("VALOR"), money, true}});
    RowSet rows;
    try {
        rows = PayablesRegister(logon).titles();
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    ui->titleList->setRows(std::move(rows));
    connect(ui->numberEdit, &QLineEdit::returnPressed, this, [this] { ui->locateButton->setFocus(); });
    connect(ui->locateButton, &QPushButton::clicked, this, &TFormBusDupX::locate);
    connect(ui->titleList, &PickList::chosen, this, &QDialog::accept);
    connect(ui->closeButton, &QPushButton::clicked, this, &QDialog::reject);
    ui->numberEdit->setFocus();
}

TFormBusDupX::~TFormBusDupX() = default;

QString TFormBusDupX::resultNumber() const { return ui->titleList->currentText(u"DUPLICATA"); }
int TFormBusDupX::listedCount() const { return ui->titleList->count(); }
void TFormBusDupX::setSearchText(const QString& text) { ui->numberEdit->setText(text); }

void TFormBusDupX::locate()
{
    ui->titleList->moveTo(u"DUPLICATA", ui->numberEdit->text());
}

void TFormBusDupX::done(int result)
{
    ctx::lookup().LookupCode = resultNumber();
    QDialog::done(result);
}
