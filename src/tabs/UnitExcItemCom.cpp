#include "tabs/UnitExcItemCom.h"
#include "core/uMensagemWindow.h"

#include "core/FieldEvents.h"
#include "tabs/TabCancellation.h"
#include "tabs/TabVoucher.h"
#include "core/AmountReader.h"
#include "core/FormatFloat.h"
#include "core/Globals.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "platform/Dialogs.h"
#include "printing/RoutePrintout.h"
#include "ui_UnitExcItemCom.h"

#include <QHeaderView>

namespace T = ItemCancellationText;

namespace {
void say(const QString& text)
{
    ShowMessageWindow(QStringLiteral("ATENÇÃO"), text, QStringLiteral("1"));
}
} // namespace

TFormExcItemCom::TFormExcItemCom(TLogon& logon, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), ui(new ::Ui::TFormExcItemCom), m_logon(logon)
{
    ui->setupUi(this);
    ui->tableLabel->hide();
    // The columns share the grid's width, so every title shows whole.
    ui->itemsGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    auto* events = new FieldEvents(this);
    events->onLeave(ui->quantityEdit, [this] { quantityLeft(); });
    events->chain({ui->quantityEdit, ui->reasonEdit, ui->confirmButton});
    connect(ui->itemsGrid, &QTableWidget::cellClicked, this, &TFormExcItemCom::rowChosen);
    connect(ui->itemsGrid, &QTableWidget::cellDoubleClicked, this, &TFormExcItemCom::rowChosen);
    connect(ui->chooseButton, &QPushButton::clicked, this, &TFormExcItemCom::choose);
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormExcItemCom::confirm);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
}

TFormExcItemCom::~TFormExcItemCom() = default;

void TFormExcItemCom::setTable(const QString& table)
{
    ui->tableLabel->setText(table);
    try {
        m_rows = ItemCancellation(m_logon).load(table);
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    showRows();
    if (!m_rows.empty()) {
        ui->itemsGrid->setCurrentCell(int(m_rows.size()) - 1, 0);
        ui->quantityEdit->setText(FormatFloat(u"0.###", m_rows.back().qtde));
    }
}

void TFormExcItemCom::showRows()
{
    const int keep = ui->itemsGrid->currentRow();
    ui->itemsGrid->setRowCount(int(m_rows.size()));
    for (int i = 0; i < int(m_rows.size()); ++i) {
        const CancelItemRow& r = m_rows[size_t(i)];
        const QStringList cells{r.codigo, r.nomep, FormatFloat(u"0.00", r.valor), QString::number(r.vend),
                                FormatFloat(u"0.###", r.qtde), r.quant.isZero() ? QString() : FormatFloat(u"0.###", r.quant)};
        for (int c = 0; c < cells.size(); ++c)
            ui->itemsGrid->setItem(i, c, new QTableWidgetItem(cells[c]));
    }
    if (keep >= 0 && keep < int(m_rows.size()))
        ui->itemsGrid->setCurrentCell(keep, 0);
}

CancelItemRow* TFormExcItemCom::current()
{
    const int row = ui->itemsGrid->currentRow();
    return row >= 0 && row < int(m_rows.size()) ? &m_rows[size_t(row)] : nullptr;
}

void TFormExcItemCom::rowChosen()
{
    if (CancelItemRow* r = current()) {
        ui->productLabel->setText(r->nomep);
        ui->waiterLabel->setText(QString::number(r->vend));
        ui->quantityEdit->setText(r->quant.isZero() ? QString() : FormatFloat(u"0.###", r->quant));
    }
}

void TFormExcItemCom::quantityLeft()
{
    CancelItemRow* r = current();
    const auto q = readAmount(ui->quantityEdit->text(), AmountRules::quantity().pointAsComma());
    if (r && q && *q > r->qtde)
        say(T::kAboveOnLeave);
}

void TFormExcItemCom::choose()
{
    CancelItemRow* r = current();
    if (!r)
        return;
    const QString refused = ItemCancellation::choose(*r, ui->quantityEdit->text());
    if (!refused.isEmpty())
        say(refused);
    showRows();
}

void TFormExcItemCom::confirm()
{
    Printout voucher;
    try {
        voucher = ItemCancellation(m_logon).cancel(ui->tableLabel->text(), m_rows, ui->reasonEdit->text(),
                                                   ctx::op().AuthoriserName, QDateTime::currentDateTime());
    } catch (const ActionRefused& e) {
        say(e.message());
        setTable(ui->tableLabel->text());   // the quantities as they are now
        return;
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
        return;
    }
    if (!voucher.lines.isEmpty()
        && ShowMessageWindow(QStringLiteral("ATENÇÃO"), T::kPrintQuestion, QStringLiteral("2")) == QLatin1String("S")) {
        try {
            RoutePrintout(voucher, PrinterSlot::Closing);
        } catch (const std::exception& e) {
            dialogs().errorBox(T::kPrintFailed + QString::fromUtf8(e.what()));
        }
    }
    accept();
}
