#include "sales/UnitRECUPOM.h"
#include "ui_UnitRECUPOM.h"

#include "cash/RollText.h"
#include "core/FormatFloat.h"
#include "core/uMensagem.h"
#include "db/DbError.h"
#include "platform/Dialogs.h"
#include "platform/LineFile.h"
#include "platform/StationPaths.h"
#include "printing/RoutePrintout.h"

#include <QKeyEvent>

TFormReCupom::TFormReCupom(TLogon& logon, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TFormReCupom>()), m_logon(logon)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormReCupom"));
    ui->salesGrid->setColumnCount(5);
    ui->salesGrid->setHorizontalHeaderLabels({QStringLiteral("TERMINAL"), QStringLiteral("CAIXA"), QStringLiteral("NOTA"),
                                              QStringLiteral("COMANDAS"), QStringLiteral("VALOR       .")});
    ui->salesGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ui->salesGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    ui->salesGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    ui->salesGrid->installEventFilter(this);
    connect(ui->lastFiftyButton, &QRadioButton::toggled, this, &TFormReCupom::reload);
    connect(ui->reprintButton, &QPushButton::clicked, this, &TFormReCupom::reprint);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
    reload();
}

TFormReCupom::~TFormReCupom() = default;

void TFormReCupom::reload()
{
    try {
        m_sales = closedSales(m_logon, ui->allButton->isChecked());
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
        m_sales.clear();
    }
    ui->salesGrid->setRowCount(int(m_sales.size()));
    for (int r = 0; r < int(m_sales.size()); ++r) {
        const ClosedSaleRow& s = m_sales[size_t(r)];
        const QStringList cells{QString::number(s.terminal), QString::number(s.caixa), QString::number(s.nota),
                                s.cliente, FormatFloat(u"0.00", s.valor)};
        for (int c = 0; c < cells.size(); ++c)
            ui->salesGrid->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
    if (!m_sales.empty())
        ui->salesGrid->setCurrentCell(int(m_sales.size()) - 1, 0);
}

void TFormReCupom::reprint()
{
    const int row = ui->salesGrid->currentRow();
    if (row < 0 || row >= int(m_sales.size()))
        return;
    try {
        const int font = roll::cupomFontSize();
        QStringList messages;
        if (const auto comanda = LineFile::load(station::path(u"c:\\Miltrex\\Trezo\\Comanda.INI")))
            for (int i = 0; i < 4; ++i)
                messages << comanda->line(i);
        RoutePreviewOnly(composeReprintedReceipt(m_logon, m_sales[size_t(row)], CompanyHeader::fromGlobals(), font,
                                                 messages));
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    } catch (const std::exception& e) {
        dialogs().errorBox(QString::fromUtf8(e.what()));
    }
}

bool TFormReCupom::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->salesGrid && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            reprint();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
