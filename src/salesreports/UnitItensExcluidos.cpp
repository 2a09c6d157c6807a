#include "salesreports/UnitItensExcluidos.h"
#include "ui_UnitItensExcluidos.h"

#include "db/DbError.h"
#include "db/UnitLogon.h"
#include "reports/FieldText.h"
#include "core/GridRows.h"
#include "platform/Dialogs.h"

TFormItemExcluidos::TFormItemExcluidos(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<::Ui::TFormItemExcluidos>())
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormItemExcluidos"));
    connect(ui->closeButton, &QPushButton::clicked, this, &QDialog::accept);
    try {
        const RowSet rows = logon.run(QStringLiteral("select * from exclusao order by hora desc"));
        std::vector<QStringList> cells;
        cells.reserve(size_t(rows.size()));
        for (int r = 0; r < rows.size(); ++r) {
            QStringList line;
            for (const QVariant& v : rows.row(r))
                line << finance::fieldText(v);
            cells.push_back(line);
        }
        gridrows::show(*ui->grid, rows.columns(), cells);
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
}

TFormItemExcluidos::~TFormItemExcluidos() = default;

int TFormItemExcluidos::rowCount() const { return ui->grid->rowCount(); }

QStringList TFormItemExcluidos::titles() const
{
    QStringList t;
    for (int c = 0; c < ui->grid->columnCount(); ++c)
        t << (ui->grid->horizontalHeaderItem(c) ? ui->grid->horizontalHeaderItem(c)->text() : QString());
    return t;
}

QString TFormItemExcluidos::cell(int row, int column) const
{
    const QTableWidgetItem* item = ui->grid->item(row, column);
    return item ? item->text() : QString();
}
