#include "tabs/UnitMudMes.h"
#include "tabs/TabKey.h"
#include "core/uMensagemWindow.h"

#include "core/FieldEvents.h"
#include "tabs/TabVoucher.h"
#include "tabs/UpkeepPrompts.h"
#include "core/FormatFloat.h"
#include "db/UnitLogon.h"
#include "platform/Dialogs.h"
#include "printing/RoutePrintout.h"
#include "ui_UnitMudMes.h"

namespace T = ItemTransferText;

TFormMudMes::TFormMudMes(TLogon& logon, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), ui(new ::Ui::TFormMudMes), m_logon(logon)
{
    ui->setupUi(this);
    auto* events = new FieldEvents(this);
    events->onLeave(ui->originEdit, [this] { loadOrigin(); });
    events->onArrive(ui->destinationEdit, [this] { loadOrigin(); });
    events->onLeave(ui->destinationEdit, [this] { destinationLeft(); });
    events->chain({ui->originEdit, ui->destinationEdit, ui->itemsGrid});
    connect(ui->itemsGrid, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { chooseQuantity(row); });
    connect(ui->transferButton, &QPushButton::clicked, this, &TFormMudMes::transfer);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
}

TFormMudMes::~TFormMudMes() = default;

void TFormMudMes::setOrigin(const QString& origin)
{
    ui->originEdit->setText(origin);
}

void TFormMudMes::loadOrigin()
{
    ui->originEdit->setText(tabs::readTabKey(ui->originEdit->text().toUpper(), tabs::TabKeyRules::upkeepBox()));
    const QString origin = ui->originEdit->text();
    if (origin.isEmpty())
        return;
    try {
        if (!ItemTransfer(m_logon).load(origin, m_rows)) {
            showRows();
            ShowMessageWindow(QStringLiteral("ATENÇÃO"), T::kNotFound, QStringLiteral("1"));
            ui->originEdit->setFocus();
            return;
        }
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    showRows();
}

void TFormMudMes::showRows()
{
    ui->itemsGrid->setRowCount(int(m_rows.size()));
    for (int i = 0; i < int(m_rows.size()); ++i) {
        const TransferRow& r = m_rows[size_t(i)];
        const QStringList cells{r.codigo, FormatFloat(u"0.##", r.quant), FormatFloat(u"0.00", r.valor), r.nomep,
                                r.tq.isZero() ? QString() : FormatFloat(u"0.##", r.tq)};
        for (int c = 0; c < cells.size(); ++c)
            ui->itemsGrid->setItem(i, c, new QTableWidgetItem(cells[c]));
    }
}

void TFormMudMes::destinationLeft()
{
    ui->destinationEdit->setText(tabs::readTabKey(ui->destinationEdit->text().toUpper(), tabs::TabKeyRules::upkeepBox()));
    QString dest = ui->destinationEdit->text();
    try {
        const QString check = ItemTransfer(m_logon).checkDestination(ui->originEdit->text(), dest);
        if (check == T::kSame) {
            ShowMessageWindow(QStringLiteral("ATENÇÃO"), check, QStringLiteral("1"));
            ui->destinationEdit->setFocus();
        } else if (check == T::kAskDestination) {
            ShowMessageWindow(QStringLiteral("ATENÇÃO"), check, QStringLiteral("1"));
        } else if (check == T::kOpenQuestion) {
            if (dest.isEmpty()) {
                dest = QStringLiteral("0");
                ui->destinationEdit->setText(dest);
            }
            tabs::offerToOpenTab(m_logon, dest, ui->destinationEdit, check, T::kNotOpened);
        }
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
}

void TFormMudMes::chooseQuantity(int row)
{
    if (row < 0 || row >= int(m_rows.size()))
        return;
    const QString answer = dialogs().inputBox(T::kInputCaption, T::kInputPrompt, QString());
    const QString refused = ItemTransfer::choose(m_rows[size_t(row)], answer);
    if (!refused.isEmpty())
        ShowMessageWindow(QStringLiteral("ATENÇÃO"), refused, QStringLiteral("1"));
    showRows();
}

void TFormMudMes::transfer()
{
    ui->transferButton->setEnabled(false);
    ui->destinationEdit->setText(tabs::readTabKey(ui->destinationEdit->text().toUpper(), tabs::TabKeyRules::upkeepBox()));
    Printout voucher;
    try {
        voucher = ItemTransfer(m_logon).move(ui->originEdit->text(), ui->destinationEdit->text(), m_rows,
                                             ui->reasonEdit->text());
    } catch (const ActionRefused& e) {
        ui->transferButton->setEnabled(true);
        ShowMessageWindow(QStringLiteral("ATENÇÃO"), e.message(), QStringLiteral("1"));
        if (e.message() == T::kAbove)
            loadOrigin();   // the quantities as they are now
        return;
    } catch (const DbError& e) {
        ui->transferButton->setEnabled(true);
        dialogs().errorBox(e.message());
        return;
    }
    if (!voucher.lines.isEmpty())
        tabs::offerVoucher(voucher, T::kPrintQuestion);
    accept();
}
