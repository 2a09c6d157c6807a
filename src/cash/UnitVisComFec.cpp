#include "cash/UnitVisComFec.h"

#include "core/FormatFloat.h"
#include "platform/Dialogs.h"
#include "ui_UnitVisComFec.h"

#include <QHeaderView>
#include <QKeyEvent>

namespace {
const QStringList kTitles = {QStringLiteral("Caixa"), QStringLiteral("CUPOM"), QStringLiteral("Comanda"),
                             QStringLiteral("Data       ."), QStringLiteral("Valor       .")};
} // namespace

TFormVisComFec::TFormVisComFec(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(new ::Ui::TFormVisComFec)
    , m_reprint(logon)
{
    ui->setupUi(this);
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormVisComFec::confirm);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->salesGrid, &QTableWidget::cellClicked, this, [this](int row, int) { pickRow(row); });
    connect(ui->salesGrid, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { pickRow(row); });
    connect(ui->saleNumberEdit, &QLineEdit::returnPressed, ui->confirmButton,
            qOverload<>(&QWidget::setFocus));
    ui->salesGrid->installEventFilter(this);

    try {
        m_sales = m_reprint.lastClosedSales();
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    ui->salesGrid->setColumnCount(int(kTitles.size()));
    ui->salesGrid->setHorizontalHeaderLabels(kTitles);
    ui->salesGrid->setRowCount(int(m_sales.size()));
    for (int r = 0; r < int(m_sales.size()); ++r) {
        const ClosedSale& s = m_sales[size_t(r)];
        const QStringList cells = {QString::number(s.caixa), QString::number(s.nfiscal), QString::number(s.comanda),
                                   s.data.toString(QStringLiteral("dd/MM/yy")),
                                   s.valor ? FormatFloat(QStringLiteral("0.00"), *s.valor) : QString()};
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells.at(c));
            if (c != 3)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            ui->salesGrid->setItem(r, c, item);
        }
    }
    ui->salesGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    if (!m_sales.empty())
        ui->salesGrid->selectRow(0);
}

TFormVisComFec::~TFormVisComFec() = default;

int TFormVisComFec::rowCount() const
{
    return ui->salesGrid->rowCount();
}

QString TFormVisComFec::saleNumber() const { return ui->saleNumberEdit->text(); }
QString TFormVisComFec::dateText() const { return ui->dateEdit->text(); }
void TFormVisComFec::setSaleNumber(const QString& text) { ui->saleNumberEdit->setText(text); }
void TFormVisComFec::setDateText(const QString& text) { ui->dateEdit->setText(text); }

void TFormVisComFec::pickRow(int row)
{
    if (row < 0 || row >= int(m_sales.size()))
        return;
    ui->salesGrid->selectRow(row);
    ui->saleNumberEdit->setText(QString::number(m_sales[size_t(row)].nfiscal));
    ui->dateEdit->setText(m_sales[size_t(row)].data.toString(QStringLiteral("dd/MM/yy")));
}

void TFormVisComFec::confirm()
{
    m_reprint.reprint(ui->saleNumberEdit->text(), ui->dateEdit->text());
}

bool TFormVisComFec::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->salesGrid && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            pickRow(ui->salesGrid->currentRow());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
