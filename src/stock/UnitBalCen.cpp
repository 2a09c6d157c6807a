#include "stock/UnitBalCen.h"
#include "ui_UnitBalCen.h"

#include "core/uMensagem.h"
#include "core/uMensagemWindow.h"
#include "db/DbError.h"
#include "platform/Dialogs.h"
#include "stock/UnitBalCenQui.h"

namespace {

std::optional<QDate> dateOf(const QString& text)
{
    try {
        return TextToDate(text);
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

QString lines(const QString& hint)
{
    return QString(hint).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

} // namespace

TFormBalCen::TFormBalCen(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<::Ui::TFormBalCen>())
    , m_logon(logon)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormBalCen"));
    ui->printButton->setToolTip(lines(outflowtext::printHint));
    ui->firstDateEdit->setToolTip(lines(outflowtext::dateHint));
    ui->lastDateEdit->setToolTip(lines(outflowtext::dateHint));
    connect(ui->printButton, &QPushButton::clicked, this, &TFormBalCen::print);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
    // Enter moves from field to field and reaches "Imprimir" (the window's order: core/EnterMoves).
    try {
        ui->costCentreCombo->addItems(CostCentreOutflow(m_logon).costCentres());
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    ui->costCentreCombo->setCurrentIndex(ui->costCentreCombo->count() > 0 ? 0 : -1);
}

TFormBalCen::~TFormBalCen() = default;

void TFormBalCen::setPeriod(const QString& first, const QString& last)
{
    ui->firstDateEdit->setText(first);
    ui->lastDateEdit->setText(last);
}

QStringList TFormBalCen::costCentres() const
{
    QStringList list;
    for (int i = 0; i < ui->costCentreCombo->count(); ++i)
        list << ui->costCentreCombo->itemText(i);
    return list;
}

void TFormBalCen::chooseCostCentre(int index) { ui->costCentreCombo->setCurrentIndex(index); }
bool TFormBalCen::printEnabled() const { return ui->printButton->isEnabled(); }

void TFormBalCen::print()
{
    const std::optional<QDate> first = dateOf(ui->firstDateEdit->text());
    const std::optional<QDate> last = dateOf(ui->lastDateEdit->text());
    if (!first || !last) {
        ShowMessageWindow(outflowtext::attention, outflowtext::badPeriod);
        return;
    }
    // One report per opening of the window.
    ui->printButton->setEnabled(false);
    const QString centre = ui->costCentreCombo->currentText();
    const QString period = QStringLiteral("Periodo de ") + ui->firstDateEdit->text() + QStringLiteral(" a ")
        + ui->lastDateEdit->text();
    try {
        const RowSet rows = CostCentreOutflow(m_logon).lines(*first, *last, centre);
        TFormBalCenQui(m_logon, period, centre).preview(rows);
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
}
