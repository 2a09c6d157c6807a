#include "registers/UnitBusca.h"
#include "registers/Lookups.h"
#include "core/Globals.h"
#include "platform/Dialogs.h"
#include "shell/UnSenha.h"
#include "ui_UnitBusca.h"

QString chooseCustomer(TLogon& logon)
{
    TFormBusca window(logon);
    dialogs().exec(window);
    ctx::lookup().LookupCode = window.chosenCode();
    return window.chosenCode();
}

TFormBusca::TFormBusca(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(new ::Ui::TFormBusca)
    , m_store(logon)
{
    ui->setupUi(this);
    ctx::lookup().LookupCode.clear();
    ui->customerList->setColumns({{QStringLiteral("NOME"), QStringLiteral("NOME"), {}},
                                  {QStringLiteral("CNPJ"), QStringLiteral("CNPJ"), {}}});
    upperCaseWhileTyping(ui->searchEdit);
    connect(ui->searchEdit, &QLineEdit::textChanged, this, &TFormBusca::search);
    for (QRadioButton* r : {ui->byNameRadio, ui->byAddressRadio, ui->byPhoneRadio})
        connect(r, &QRadioButton::toggled, this, [this](bool on) { if (on) search(); });
    connect(ui->customerList, &PickList::rowChanged, this, &TFormBusca::showDetail);
    connect(ui->customerList, &PickList::clicked, this, &TFormBusca::showDetail);
    connect(ui->customerList, &PickList::chosen, this, &TFormBusca::choose);
    connect(ui->closeButton, &QPushButton::clicked, this, &QDialog::reject);
    search();
    ui->searchEdit->setFocus();
}

TFormBusca::~TFormBusca() = default;

void TFormBusca::search()
{
    const auto field = ui->byAddressRadio->isChecked() ? LookupStore::CustomerField::Address
        : ui->byPhoneRadio->isChecked()                ? LookupStore::CustomerField::Phone
                                                       : LookupStore::CustomerField::Name;
    registers::Rows rows;
    try {
        rows = m_store.customers(field, ui->searchEdit->text());
    } catch (const DbError&) {
        // Text the database cannot compare finds nobody.
    }
    ui->customerList->setRows(std::move(rows));
    showDetail();
}

QString TFormBusca::detailText() const { return ui->detailLabel->text(); }

void TFormBusca::showDetail()
{
    const PickList* l = ui->customerList;
    if (l->currentRowIndex() < 0) {
        ui->detailLabel->clear();
        return;
    }
    ui->detailLabel->setText(l->currentText(u"NOME") + QStringLiteral("\r\n") + l->currentText(u"ENDERECO")
                             + QStringLiteral("\r\nCNPJ: ") + l->currentText(u"CNPJ")
                             + QStringLiteral("   Fone: ") + l->currentText(u"FONE"));
}

void TFormBusca::choose()
{
    if (ui->customerList->currentRowIndex() < 0)
        return;
    m_chosen = ui->customerList->currentText(u"CODIGO");
    ctx::lookup().LookupCode = m_chosen;
    accept();
}
