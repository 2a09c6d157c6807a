#include "registers/UnitVerCaixa.h"
#include "core/WholeNumber.h"
#include "registers/Lookups.h"
#include "core/uMensagem.h"
#include "platform/Dialogs.h"
#include "ui_UnitVerCaixa.h"

#include <QHeaderView>

int chooseCashShift(TLogon& logon)
{
    TFormVerCaixa window(logon);
    dialogs().exec(window);
    return TFormVerCaixa::shiftNumberOf(window.label1());
}

TFormVerCaixa::TFormVerCaixa(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(new ::Ui::TFormVerCaixa)
    , m_store(logon)
{
    ui->setupUi(this);
    ui->shiftList->setColumns({
        {QStringLiteral("DATA"), QStringLiteral("DATA"),
         [](const QVariant& v) { return v.toDate().toString(QStringLiteral("dd/MM/yyyy")); }},
        {QStringLiteral("CAIXA"), QStringLiteral("CAIXA"), {}},
    });
    ui->shiftList->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    reload();
    connect(ui->allShiftsRadio, &QRadioButton::toggled, this, &TFormVerCaixa::reload);
    connect(ui->shiftList, &PickList::clicked, this, &TFormVerCaixa::takeCurrent);
    connect(ui->shiftList, &PickList::doubleClicked, this, [this] { takeCurrent(); accept(); });
    connect(ui->shiftList, &PickList::characterTyped, this, [this] { takeCurrent(); accept(); });
    connect(ui->closeButton, &QPushButton::clicked, this, &QDialog::reject);
}

TFormVerCaixa::~TFormVerCaixa() = default;

QString TFormVerCaixa::label1() const { return ui->Label1->text(); }

int TFormVerCaixa::shiftNumberOf(const QString& label)
{
    return readInt(QStringView(label).left(5)).value_or(0);
}

void TFormVerCaixa::reload()
{
    registers::Rows rows;
    try {
        rows = m_store.cashShifts(ui->allShiftsRadio->isChecked());
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    ui->shiftList->setRows(std::move(rows));
}

void TFormVerCaixa::takeCurrent()
{
    if (ui->shiftList->currentRowIndex() >= 0)
        ui->Label1->setText(ui->shiftList->currentText(u"CAIXA"));
}
