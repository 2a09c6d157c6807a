#include "cashoffice/UnitCancel.h"
#include "ui_UnitCancel.h"

#include "core/FormatFloat.h"
#include "core/Globals.h"
#include "core/uMensagemWindow.h"
#include "db/DbError.h"
#include "core/GridRows.h"
#include "platform/Dialogs.h"

#include <QFontDatabase>

TFormCancel::TFormCancel(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<::Ui::TFormCancel>())
    , m_logon(logon)
    , m_cancellation(logon)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormCancel"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    ui->productsMemo->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    connect(ui->productsButton, &QPushButton::clicked, this, &TFormCancel::showProducts);
    connect(ui->cancelButton, &QPushButton::clicked, this, &TFormCancel::cancelSale);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->salesGrid, &QTableWidget::cellClicked, this, [this](int row, int) { pickRow(row); });
    connect(ui->salesGrid, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { pickRow(row); });
    connect(ui->salesGrid, &QTableWidget::currentCellChanged, this, [this](int row, int, int, int) {
        if (ui->salesGrid->hasFocus())
            pickRow(row);
    });
    connect(ui->cashEdit, &QLineEdit::returnPressed, ui->saleEdit, qOverload<>(&QWidget::setFocus));
    connect(ui->saleEdit, &QLineEdit::returnPressed, ui->dateEdit, qOverload<>(&QWidget::setFocus));
    connect(ui->dateEdit, &QLineEdit::returnPressed, ui->productsButton, qOverload<>(&QWidget::setFocus));

    ui->cashEdit->clear();
    ui->saleEdit->setText(QStringLiteral("0"));
    ui->dateEdit->setText(QDate::currentDate().toString(QStringLiteral("dd/MM/yy")));
    ui->terminalEdit->setText(ctx::station().TerminalNumber);
    reload(false);
}

TFormCancel::~TFormCancel() = default;

int TFormCancel::rowCount() const { return ui->salesGrid->rowCount(); }
QString TFormCancel::cashText() const { return ui->cashEdit->text(); }
QString TFormCancel::saleText() const { return ui->saleEdit->text(); }
QString TFormCancel::dateText() const { return ui->dateEdit->text(); }
QString TFormCancel::terminalText() const { return ui->terminalEdit->text(); }
QString TFormCancel::productsText() const { return ui->productsMemo->toPlainText(); }

QStringList TFormCancel::rowCells(int row) const
{
    QStringList cells;
    for (int c = 0; c < ui->salesGrid->columnCount(); ++c) {
        const QTableWidgetItem* item = ui->salesGrid->item(row, c);
        cells << (item ? item->text() : QString());
    }
    return cells;
}

void TFormCancel::setFields(const QString& cash, const QString& sale, const QString& date, const QString& terminal)
{
    ui->cashEdit->setText(cash);
    ui->saleEdit->setText(sale);
    ui->dateEdit->setText(date);
    ui->terminalEdit->setText(terminal);
}

void TFormCancel::reload(bool byDate)
{
    try {
        m_sales = m_cancellation.latest(byDate);
    } catch (const DbError& e) {
        m_sales.clear();
        dialogs().errorBox(e.message());
    }
    std::vector<QStringList> rows;
    for (const ClosedSaleRow& s : m_sales)
        rows.push_back({QString::number(s.terminal), QString::number(s.caixa), QString::number(s.nota),
                        s.data.toString(QStringLiteral("dd/MM/yy")), FormatFloat(u"0.00", s.valor)});
    gridrows::show(*ui->salesGrid,
                   {QStringLiteral("TERMINAL"), QStringLiteral("CAIXA"), QStringLiteral("NOTA"),
                    QStringLiteral("DATA      ."), QStringLiteral("VALOR      .")},
                   rows, {0, 1, 2, 4});
}

void TFormCancel::pickRow(int row)
{
    if (row < 0 || row >= int(m_sales.size()))
        return;
    const ClosedSaleRow& s = m_sales[size_t(row)];
    setFields(QString::number(s.caixa), QString::number(s.nota), s.data.toString(QStringLiteral("dd/MM/yy")),
              QString::number(s.terminal));
}

void TFormCancel::showProducts()
{
    ui->terminalEdit->setText(ui->terminalEdit->text().trimmed());
    ui->productsMemo->clear();
    try {
        const QStringList lines = m_cancellation.products(ui->saleEdit->text());
        if (lines.isEmpty())
            ShowMessageWindow(cancelmsg::title, cancelmsg::notFound);
        else
            ui->productsMemo->setPlainText(lines.join(QLatin1Char('\n')));
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
}

void TFormCancel::cancelSale()
{
    if (ShowMessageWindow(cancelmsg::title, cancelmsg::question, QStringLiteral("2")) == QLatin1String("S")) {
        CancelRequest r;
        r.cash = ui->cashEdit->text();
        r.sale = ui->saleEdit->text();
        r.date = ui->dateEdit->text();
        r.terminal = ui->terminalEdit->text();
        const ctx::Operator& op = ctx::op();
        r.authoriser = op.AuthoriserName.trimmed().isEmpty() ? op.OperatorName : op.AuthoriserName;
        try {
            m_cancellation.cancel(r);
            ShowMessageWindow(cancelmsg::title, cancelmsg::cancelled);
            ui->productsMemo->clear();
        } catch (const CancelRefused& e) {
            ShowMessageWindow(cancelmsg::title, e.message());
        } catch (const DbError&) {
            ShowMessageWindow(cancelmsg::title, cancelmsg::failed);
        }
        reload(true);
    }
    ui->cashEdit->clear();
    ui->cashEdit->setFocus();
}
