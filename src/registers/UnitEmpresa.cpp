#include "registers/UnitEmpresa.h"
#include "core/uMensagem.h"

#include "registers/RegisterCommon.h"
#include "ui_UnitEmpresa.h"

TFormEmpresa::TFormEmpresa(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(new ::Ui::TFormEmpresa)
    , m_store(logon)
{
    ui->setupUi(this);
    registers::limitToColumn(ui->cnpjEdit, "EMPRESA", "CNPJ");
    registers::limitToColumn(ui->iestadualEdit, "EMPRESA", "IESTADUAL");
    registers::limitToColumn(ui->faxEdit, "EMPRESA", "FAX");
    for (QLineEdit* e : {ui->cnpjEdit, ui->iestadualEdit, ui->faxEdit})
        registers::upperCaseField(e);
    connect(ui->cnpjEdit, &QLineEdit::returnPressed, this, [this] { ui->iestadualEdit->setFocus(); });
    connect(ui->iestadualEdit, &QLineEdit::returnPressed, this, [this] { ui->returnButton->setFocus(); });
    connect(ui->faxEdit, &QLineEdit::returnPressed, this, [this] { ui->returnButton->setFocus(); });
    connect(ui->returnButton, &QPushButton::clicked, this, &TFormEmpresa::returnToMenu);

    registers::attempt([this] { m_row = m_store.load(); });
    ui->empresaEdit->setText(m_row.empresa);
    ui->enderecoEdit->setText(m_row.endereco);
    ui->cidadeEdit->setText(m_row.cidade);
    ui->estadoEdit->setText(m_row.estado);
    ui->cnpjEdit->setText(m_row.cnpj);
    ui->iestadualEdit->setText(m_row.iestadual);
    ui->faxEdit->setText(m_row.fax);
}

TFormEmpresa::~TFormEmpresa() = default;

QLineEdit* TFormEmpresa::cnpjField() const { return ui->cnpjEdit; }
QLineEdit* TFormEmpresa::stateRegistrationField() const { return ui->iestadualEdit; }
QLineEdit* TFormEmpresa::phoneField() const { return ui->faxEdit; }

bool TFormEmpresa::returnToMenu()
{
    CompanyRow row = m_row;
    row.cnpj = readText(ui->cnpjEdit->text());
    row.iestadual = readText(ui->iestadualEdit->text());
    row.fax = readText(ui->faxEdit->text());
    if (!registers::attempt([&] { m_store.save(row.cnpj, row.iestadual, row.fax); }))
        return false;   // stays open with the edits; the header keeps its values
    CompanyStore::applyToHeader(row);
    accept();
    return true;
}
