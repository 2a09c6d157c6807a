#include "registers/UnitCentroCusto.h"
#include "core/WholeNumber.h"

#include "registers/RegisterCommon.h"
#include "ui_UnitCentroCusto.h"

#include <QHeaderView>

TFormCentroCusto::TFormCentroCusto(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(new ::Ui::TFormCentroCusto)
    , m_store(logon)
{
    ui->setupUi(this);
    ui->codeEdit->setMaxLength(11);
    registers::limitToColumn(ui->nameEdit, "CENTROCUSTO", "NOME");
    registers::upperCaseField(ui->codeEdit);
    registers::upperCaseField(ui->nameEdit);
    connect(ui->codeEdit, &QLineEdit::returnPressed, this, [this] { ui->nameEdit->setFocus(); });
    connect(ui->nameEdit, &QLineEdit::returnPressed, this, [this] { ui->confirmButton->setFocus(); });
    connect(ui->newButton, &QPushButton::clicked, this, &TFormCentroCusto::newCentre);
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormCentroCusto::confirmCentre);
    connect(ui->deleteButton, &QPushButton::clicked, this, &TFormCentroCusto::deleteCentre);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::accept);

    ui->centreList->setColumnCount(2);
    ui->centreList->setHorizontalHeaderLabels({QStringLiteral("CODIGO"), QStringLiteral("CENTRO DE CUSTO")});
    ui->centreList->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    ui->centreList->verticalHeader()->hide();

    reloadList();
    if (!m_list.empty())
        showCode(m_list.front().codigo);
}

TFormCentroCusto::~TFormCentroCusto() = default;

QLineEdit* TFormCentroCusto::codeField() const { return ui->codeEdit; }
QLineEdit* TFormCentroCusto::nameField() const { return ui->nameEdit; }

void TFormCentroCusto::reloadList()
{
    registers::attempt([this] { m_list = m_store.list(); });
    ui->centreList->setRowCount(int(m_list.size()));
    for (int i = 0; i < int(m_list.size()); ++i) {
        ui->centreList->setItem(i, 0, new QTableWidgetItem(QString::number(m_list[size_t(i)].codigo)));
        ui->centreList->setItem(i, 1, new QTableWidgetItem(m_list[size_t(i)].nome));
    }
}

void TFormCentroCusto::showCode(qint64 code)
{
    for (int i = 0; i < int(m_list.size()); ++i) {
        if (m_list[size_t(i)].codigo == code) {
            ui->centreList->setCurrentCell(i, 0);
            ui->codeEdit->setText(QString::number(code));
            ui->nameEdit->setText(m_list[size_t(i)].nome);
            return;
        }
    }
}

void TFormCentroCusto::newCentre()
{
    ui->codeEdit->clear();
    int next = 1;
    registers::attempt([&] { next = m_store.nextCode(); });
    ui->codeEdit->setText(QString::number(next));
    ui->nameEdit->clear();
    ui->codeEdit->setFocus();
}

bool TFormCentroCusto::confirmCentre()
{
    if (!readInt(ui->codeEdit->text()))
        ui->codeEdit->setText(QStringLiteral("0"));
    bool written = false;
    if (!registers::attempt([&] { written = m_store.confirm(ui->codeEdit->text(), ui->nameEdit->text()); }))
        return false;   // the fields keep what was typed
    reloadList();
    if (written)
        showCode(CostCentreStore::confirmedCode(ui->codeEdit->text()));
    return written;
}

void TFormCentroCusto::deleteCentre()
{
    bool removed = false;
    registers::attempt([&] { removed = m_store.remove(ui->codeEdit->text()); });
    if (removed) {
        reloadList();
        if (!m_list.empty())
            showCode(m_list.front().codigo);
        else {
            ui->codeEdit->clear();
            ui->nameEdit->clear();
        }
    }
}
