#include "registers/UnitLcProd.h"
#include "registers/Lookups.h"
#include "core/FormatFloat.h"
#include "core/Globals.h"
#include "platform/Dialogs.h"
#include "shell/UnSenha.h"
#include "ui_UnitLcProd.h"



QString chooseProduct(TLogon& logon)
{
    TFormLcPro window(logon);
    dialogs().exec(window);
    const QString code = window.resultCode();
    ctx::lookup().LookupCode = code;
    ctx::lookup().ProductLookupCode = code;
    return code;
}

TFormLcPro::TFormLcPro(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(new ::Ui::TFormLcPro)
    , m_store(logon)
{
    ui->setupUi(this);
    ui->productList->setColumns({
        {QStringLiteral("CODIGO"), QStringLiteral("CODIGO"), {}},
        {QStringLiteral("NOME"), QStringLiteral("NOME"), {}},
        {QStringLiteral("VALOR"), QStringLiteral("VALOR"),
         [](const QVariant& v) { return v.isNull() ? QString() : FormatFloat(QStringLiteral("0.00"), decimalOf(v)); }},
    });
    upperCaseWhileTyping(ui->searchEdit);
    registers::Rows rows;
    try {
        rows = m_store.firstProducts();
    } catch (const DbError&) {
    }
    ui->productList->setRows(std::move(rows));
    showCurrent();
    connect(ui->searchEdit, &QLineEdit::textChanged, this, &TFormLcPro::search);
    connect(ui->searchEdit, &QLineEdit::returnPressed, ui->productList, qOverload<>(&QWidget::setFocus));
    // Changing the mode empties the box, which searches again.
    connect(ui->byNameRadio, &QRadioButton::toggled, this, [this] {
        if (ui->searchEdit->text().isEmpty())
            search();
        else
            ui->searchEdit->clear();
    });
    connect(ui->productList, &PickList::rowChanged, this, [this] { showCurrent(); });
    connect(ui->productList, &PickList::chosen, this, &QDialog::accept);
    connect(ui->closeButton, &QPushButton::clicked, this, &QDialog::reject);
    ui->searchEdit->setFocus();
}

TFormLcPro::~TFormLcPro() = default;

void TFormLcPro::search()
{
    const auto field = ui->byCodeRadio->isChecked() ? LookupStore::ProductField::Code : LookupStore::ProductField::Name;
    registers::Rows rows;
    try {
        rows = m_store.products(field, ui->searchEdit->text());
    } catch (const DbError&) {
        // Text the database cannot compare finds nothing.
    }
    ui->productList->setRows(std::move(rows));
    showCurrent();
}

QString TFormLcPro::resultCode() const
{
    if (ui->productList->currentRowIndex() < 0)
        return QStringLiteral("0");
    return ui->productList->currentText(u"CODIGO");
}

void TFormLcPro::done(int result)
{
    ctx::lookup().LookupCode = resultCode();
    ctx::lookup().ProductLookupCode = resultCode();
    QDialog::done(result);
}

void TFormLcPro::showCurrent()
{
    ui->currentCodeLabel->setText(ui->productList->currentText(u"CODIGO"));
    ui->currentNameLabel->setText(ui->productList->currentText(u"NOME"));
}
