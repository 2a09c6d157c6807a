#include "registers/UnitBuscaForne.h"
#include "registers/Lookups.h"
#include "core/Globals.h"
#include "core/uMensagem.h"
#include "platform/Dialogs.h"
#include "shell/UnSenha.h"
#include "ui_UnitBuscaForne.h"

QString findSupplier(TLogon& logon)
{
    TFormBuscaForne window(logon);
    dialogs().exec(window);
    return window.resultCode();
}

TFormBuscaForne::TFormBuscaForne(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(new ::Ui::TFormBuscaForne)
    , m_store(logon)
{
    ui->setupUi(this);
    ui->searchEdit->setToolTip(QStringLiteral("Digite o nome ou somente parte dele"));
    ui->supplierList->setColumns({{QStringLiteral("CODIGO"), QStringLiteral("CODIGO"), {}},
                                  {QStringLiteral("NOME"), QStringLiteral("NOME"), {}},
                                  {QStringLiteral("ENDERECO"), QStringLiteral("ENDERECO"), {}},
                                  {QStringLiteral("CNPJ"), QStringLiteral("CNPJ"), {}}});
    registers::Rows rows;
    try {
        rows = m_store.firstSuppliers();
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    ui->supplierList->setRows(std::move(rows));
    upperCaseWhileTyping(ui->searchEdit);
    connect(ui->searchEdit, &QLineEdit::textChanged, this, &TFormBuscaForne::search);
    connect(ui->searchEdit, &QLineEdit::returnPressed, ui->supplierList, qOverload<>(&QWidget::setFocus));
    connect(ui->supplierList, &PickList::chosen, this, &QDialog::accept);
    connect(ui->closeButton, &QPushButton::clicked, this, &QDialog::accept);
    ui->searchEdit->setFocus();
}

TFormBuscaForne::~TFormBuscaForne() = default;

QLineEdit* TFormBuscaForne::searchField() const { return ui->searchEdit; }
PickList* TFormBuscaForne::list() const { return ui->supplierList; }

void TFormBuscaForne::search(const QString& text)
{
    registers::Rows rows;
    try {
        rows = m_store.suppliersNamed(text);
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    ui->supplierList->setRows(std::move(rows));
}

QString TFormBuscaForne::resultCode() const
{
    const QString code = TrimText(ui->supplierList->currentText(u"CODIGO"));
    return code.isEmpty() ? QStringLiteral("0") : code;
}

void TFormBuscaForne::done(int result)
{
    ctx::lookup().LookupCode = resultCode();
    QDialog::done(result);
}
