#include "registers/UnitBuscaFor.h"
#include "registers/Lookups.h"
#include "core/Globals.h"
#include "platform/Dialogs.h"
#include "shell/UnSenha.h"
#include "ui_UnitBuscaFor.h"

QString chooseSupplier(TLogon& logon)
{
    TFormBuscaFor window(logon);
    dialogs().exec(window);
    ctx::lookup().LookupCode = window.resultCode();
    return window.resultCode();
}

TFormBuscaFor::TFormBuscaFor(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(new ::Ui::TFormBuscaFor)
    , m_store(logon)
{
    ui->setupUi(this);
    ui->supplierList->setColumns({{QStringLiteral("CODIGO"), QStringLiteral("CODIGO"), {}},
                                  {QStringLiteral("NOME"), QStringLiteral("NOME"), {}},
                                  {QStringLiteral("CNPJ"), QStringLiteral("CNPJ"), {}}});
    registers::Rows rows;
    try {
        rows = m_store.suppliers();
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    ui->supplierList->setRows(std::move(rows));
    upperCaseWhileTyping(ui->searchEdit);
    connect(ui->searchEdit, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!text.isEmpty())
            ui->supplierList->moveTo(u"NOME", text, true);
    });
    connect(ui->searchEdit, &QLineEdit::returnPressed, this, &QDialog::accept);
    connect(ui->supplierList, &PickList::chosen, this, &QDialog::accept);
    connect(ui->closeButton, &QPushButton::clicked, this, &QDialog::reject);
    ui->searchEdit->setFocus();
}

TFormBuscaFor::~TFormBuscaFor() = default;

QString TFormBuscaFor::resultCode() const { return ui->supplierList->currentText(u"CODIGO"); }

void TFormBuscaFor::done(int result)
{
    ctx::lookup().LookupCode = resultCode();
    QDialog::done(result);
}
