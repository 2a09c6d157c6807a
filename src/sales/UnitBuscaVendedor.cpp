#include "sales/UnitBuscaVendedor.h"
#include "db/Schema.h"
#include "ui_UnitBuscaVendedor.h"

#include "core/Globals.h"
#include "db/UnitLogon.h"
#include "platform/Dialogs.h"

#include <QHeaderView>
#include <QKeyEvent>

TFormBuscaVendedor::TFormBuscaVendedor(TLogon& logon, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<::Ui::TFormBuscaVendedor>()), m_logon(logon)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormBuscaVendedor"));
    setWindowFlag(Qt::FramelessWindowHint);
    ui->resultList->setColumnCount(2);
    ui->resultList->setHorizontalHeaderLabels({QStringLiteral("CODIGO"), QStringLiteral("NOME")});
    ui->resultList->horizontalHeader()->setStretchLastSection(true);
    ui->resultList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ui->resultList->setSelectionBehavior(QAbstractItemView::SelectRows);
    ui->resultList->verticalHeader()->setDefaultSectionSize(40);
    ui->resultList->installEventFilter(this);
    ui->searchEdit->installEventFilter(this);
    ui->searchEdit->setText(QStringLiteral(" "));
    connect(ui->searchEdit, &QLineEdit::textChanged, this, &TFormBuscaVendedor::search);
    connect(ui->resultList, &QTableWidget::cellDoubleClicked, this, [this] { accept(); });
    connect(ui->closeButton, &QPushButton::clicked, this, &QDialog::accept);
    search(QString());
}

TFormBuscaVendedor::~TFormBuscaVendedor() = default;

int TFormBuscaVendedor::rows() const { return ui->resultList->rowCount(); }

void TFormBuscaVendedor::search(const QString& text)
{
    RowSet rs;
    try {
        const QString t = text.trimmed().toUpper();
        rs = t.isEmpty() ? m_logon.run(QStringLiteral("select first 30 codigo, nome from vendedor order by nome"))
                         : m_logon.run(QStringLiteral("SELECT first 30 codigo, nome FROM vendedor WHERE upper(NOME) LIKE ? order by nome "),
                                       {schema::containingPattern(t, u"VENDEDOR", u"NOME")});
    } catch (const DbError&) {
        // text the database cannot hold finds nobody
    }
    ui->resultList->setRowCount(rs.size());
    for (int r = 0; rs.next(); ++r) {
        ui->resultList->setItem(r, 0, new QTableWidgetItem(QString::number(rs.integer(u"CODIGO"))));
        ui->resultList->setItem(r, 1, new QTableWidgetItem(rs.text(u"NOME")));
    }
    if (rs.size() > 0)
        ui->resultList->setCurrentCell(0, 0);
}

void TFormBuscaVendedor::done(int result)
{
    const int row = ui->resultList->currentRow();
    ctx::lookup().LookupCode = row >= 0 && ui->resultList->item(row, 0) ? ui->resultList->item(row, 0)->text() : QString();
    QDialog::done(result);
}

bool TFormBuscaVendedor::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
