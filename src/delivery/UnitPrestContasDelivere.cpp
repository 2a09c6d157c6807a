#include "delivery/UnitPrestContasDelivere.h"
#include "ui_UnitPrestContasDelivere.h"

#include "core/FieldEvents.h"
#include "core/FormatFloat.h"
#include "core/uMensagem.h"
#include "core/uMensagemWindow.h"
#include "db/DbError.h"
#include "delivery/DeliveryAmount.h"
#include "delivery/DeliveryText.h"
#include "platform/Dialogs.h"
#include "registers/RegisterCommon.h"

#include <QHeaderView>

using namespace deliverytext;

TFormPCEDelivere::TFormPCEDelivere(TLogon& logon, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<::Ui::TFormPCEDelivere>()), m_logon(logon), m_store(logon)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormPCEDelivere"));
    ui->deliveryGrid->setColumnCount(4);
    ui->deliveryGrid->setHorizontalHeaderLabels({QStringLiteral("DATA"), QStringLiteral("CLIENTE"),
                                                 QStringLiteral("CODIGO"), QStringLiteral("VALOR")});
    ui->deliveryGrid->verticalHeader()->hide();
    ui->deliveryGrid->verticalHeader()->setDefaultSectionSize(36);
    ui->deliveryGrid->horizontalHeader()->resizeSection(3, 140);
    ui->deliveryGrid->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    registers::commaForPointField(ui->handedOverEdit);

    m_fields = new FieldEvents(this);
    m_fields->onArrive(ui->deliveryGrid, [this] {
        ui->customerLabel->clear();
        ui->orderValueLabel->clear();
    });
    m_fields->onLeave(ui->deliveryGrid, [this] { select(ui->deliveryGrid->currentRow()); });
    m_fields->onEnter(ui->deliveryGrid, [this] { ui->handedOverEdit->setFocus(Qt::TabFocusReason); });
    m_fields->onLeave(ui->handedOverEdit, [this] { handedOverLeft(); });
    m_fields->onEnter(ui->handedOverEdit, [this] { ui->confirmButton->setFocus(Qt::TabFocusReason); });
    connect(ui->deliveryGrid, &QTableWidget::cellClicked, this, [this](int row) { select(row); });
    connect(ui->deliveryGrid, &QTableWidget::cellDoubleClicked, this, [this](int row) { select(row); });
    connect(ui->deliveryGrid, &QTableWidget::currentCellChanged, this, [this](int row) { select(row); });
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormPCEDelivere::confirm);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
    refresh();
}

TFormPCEDelivere::~TFormPCEDelivere() = default;

QTableWidget* TFormPCEDelivere::grid() const { return ui->deliveryGrid; }
QLineEdit* TFormPCEDelivere::handedOverField() const { return ui->handedOverEdit; }
QString TFormPCEDelivere::customerText() const { return ui->customerLabel->text(); }
QString TFormPCEDelivere::orderValueText() const { return ui->orderValueLabel->text(); }

void TFormPCEDelivere::refresh()
{
    try {
        m_rows = m_store.pending();
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
        m_rows.clear();
    }
    m_selected = -1;
    QTableWidget* g = ui->deliveryGrid;
    const QSignalBlocker quiet(g);
    g->setRowCount(int(m_rows.size()));
    for (int r = 0; r < int(m_rows.size()); ++r) {
        const PendingDelivery& d = m_rows[size_t(r)];
        const QStringList cells{d.data.toString(QStringLiteral("dd/MM/yy")), d.cliente.trimmed(),
                                QString::number(d.codigo), delivery::amountText(d.valor)};
        for (int c = 0; c < cells.size(); ++c) {
            auto* cell = new QTableWidgetItem(cells[c]);
            if (c >= 2)
                cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            g->setItem(r, c, cell);
        }
    }
    g->setCurrentCell(-1, -1);
    ui->customerLabel->clear();
    ui->orderValueLabel->clear();
    ui->handedOverEdit->setText(QStringLiteral("0"));
    m_acceptedShortage.clear();
}

void TFormPCEDelivere::select(int row)
{
    if (row < 0 || row >= int(m_rows.size()))
        return;
    m_selected = row;
    const PendingDelivery& d = m_rows[size_t(row)];
    ui->customerLabel->setText(d.cliente);
    const QString value = FormatFloatLeftPadded(QStringLiteral("#0.00"), 12, d.valor);
    ui->orderValueLabel->setText(value);
    ui->handedOverEdit->setText(value.trimmed());
    m_acceptedShortage.clear();
}

bool TFormPCEDelivere::handedOverLeft()
{
    std::optional<Decimal> amount = DeliverySettlement::handedOver(ui->handedOverEdit->text());
    if (!amount) {
        ui->handedOverEdit->setText(QStringLiteral("0"));
        ui->handedOverEdit->setFocus();
        amount = Decimal();
    }
    if (m_selected < 0 || !(*amount < m_rows[size_t(m_selected)].valor.roundTo(2)))
        return true;
    if (m_acceptedShortage == ui->handedOverEdit->text())
        return true;
    if (ShowMessageWindow(attention, reports::shortageQuestion, QStringLiteral("2")) != QLatin1String("S")) {
        ui->handedOverEdit->setFocus();
        return false;
    }
    m_acceptedShortage = ui->handedOverEdit->text();
    return true;
}

void TFormPCEDelivere::confirm()
{
    if (m_selected < 0 || m_selected >= int(m_rows.size()))
        return;   // no delivery chosen: nothing to settle
    if (!handedOverLeft())
        return;
    try {
        if (!m_store.settle(m_rows[size_t(m_selected)].id))
            ShowMessageWindow(attention, desk::orderGone, QStringLiteral("1"));
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    refresh();
}
