#include "delivery/UnitTaxaEnt.h"
#include "ui_UnitTaxaEnt.h"

#include "core/EnterMoves.h"
#include "core/Globals.h"
#include "core/uMensagem.h"
#include "core/uMensagemWindow.h"
#include "delivery/DeliveryAmount.h"
#include "delivery/DeliveryText.h"
#include "registers/RegisterCommon.h"

#include <QHeaderView>

TFormTaxaEnt::TFormTaxaEnt(TLogon& logon, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<::Ui::TFormTaxaEnt>()), m_store(logon)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormTaxaEnt"));
    registers::limitToColumn(ui->areaEdit, "ENTREGA", "BAIRRO");
    registers::upperCaseField(ui->areaEdit);
    registers::commaForPointField(ui->feeEdit);
    enterMovesTo(ui->areaEdit, ui->feeEdit);
    enterMovesTo(ui->feeEdit, ui->confirmButton);
    ui->areaList->setColumnCount(2);
    ui->areaList->setHorizontalHeaderLabels({QStringLiteral("BAIRRO"), QStringLiteral("TAXA")});
    ui->areaList->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    ui->areaList->verticalHeader()->hide();
    connect(ui->areaList, &QTableWidget::currentCellChanged, this, [this](int row) { showRow(row); });
    connect(ui->areaList, &QTableWidget::cellClicked, this, [this](int row) { showRow(row); });
    connect(ui->newButton, &QPushButton::clicked, this, &TFormTaxaEnt::newArea);
    connect(ui->deleteButton, &QPushButton::clicked, this, &TFormTaxaEnt::deleteArea);
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormTaxaEnt::saveArea);
    connect(ui->leaveButton, &QPushButton::clicked, this, &QDialog::accept);
    reloadList();
    ui->areaEdit->setFocus();
}

TFormTaxaEnt::~TFormTaxaEnt() = default;

QLineEdit* TFormTaxaEnt::areaField() const { return ui->areaEdit; }
QLineEdit* TFormTaxaEnt::feeField() const { return ui->feeEdit; }
QTableWidget* TFormTaxaEnt::list() const { return ui->areaList; }

void TFormTaxaEnt::reloadList(const QString& keepName)
{
    registers::attempt([this] { m_list = m_store.list(); });
    const QSignalBlocker quiet(ui->areaList);
    ui->areaList->setRowCount(int(m_list.size()));
    int current = 0;
    for (int i = 0; i < int(m_list.size()); ++i) {
        const DeliveryArea& a = m_list[size_t(i)];
        ui->areaList->setItem(i, 0, new QTableWidgetItem(a.bairro));
        auto* fee = new QTableWidgetItem(delivery::amountText(a.taxa));
        fee->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        ui->areaList->setItem(i, 1, fee);
        if (!keepName.isEmpty() && a.bairro == keepName)
            current = i;
    }
    if (m_list.empty()) {
        ui->areaEdit->clear();
        ui->feeEdit->clear();
        return;
    }
    ui->areaList->setCurrentCell(current, 0);
    showRow(current);
}

void TFormTaxaEnt::showRow(int row)
{
    if (row < 0 || row >= int(m_list.size()))
        return;
    ui->areaEdit->setText(m_list[size_t(row)].bairro);
    ui->feeEdit->setText(delivery::amountText(m_list[size_t(row)].taxa));
}

void TFormTaxaEnt::newArea()
{
    ui->areaEdit->clear();
    ui->feeEdit->clear();
    ui->areaEdit->setFocus();
}

bool TFormTaxaEnt::saveArea()
{
    const QString name = TrimText(ui->areaEdit->text());
    if (!registers::attempt([&] { m_store.save(name, ui->feeEdit->text()); }))
        return false;   // the fields keep what was typed
    reloadList(name);
    return true;
}

void TFormTaxaEnt::deleteArea()
{
    const int row = ui->areaList->currentRow();
    if (ShowMessageWindow(deliverytext::attention, deliverytext::askDelete, QStringLiteral("2")) == QLatin1String("S")
        && row >= 0 && row < int(m_list.size())) {
        const qint64 id = m_list[size_t(row)].id;
        registers::attempt([&] { m_store.remove(id); });
    }
    reloadList();
}

void TFormTaxaEnt::done(int result)
{
    // The fee of the current row stays in LookupCode for whoever asks.
    const int row = ui->areaList->currentRow();
    const Decimal fee = row >= 0 && row < int(m_list.size()) ? m_list[size_t(row)].taxa : Decimal();
    ctx::lookup().LookupCode = delivery::amountText(fee);
    QDialog::done(result);
}
