#include "core/GridLook.h"

#include <QHeaderView>
#include <QTableView>
#include <QTableWidgetItem>

namespace grids {

void fitColumns(QTableView& grid, int nameColumn)
{
    QHeaderView* header = grid.horizontalHeader();
    header->setResizeContentsPrecision(300);
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    if (nameColumn < 0) {
        header->setStretchLastSection(true);
        return;
    }
    header->setStretchLastSection(false);
    if (nameColumn < header->count())
        header->setSectionResizeMode(nameColumn, QHeaderView::Stretch);
}

int heightFor(const QTableView& grid, int rows)
{
    const_cast<QTableView&>(grid).ensurePolished();
    const QHeaderView* header = grid.horizontalHeader();
    const int titles = header->isHidden() ? 0 : header->sizeHint().height();
    return titles + rows * grid.verticalHeader()->defaultSectionSize() + 2 * grid.frameWidth();
}

void keepRows(QTableView& grid, int rows)
{
    grid.setMinimumHeight(heightFor(grid, rows));
}

QTableWidgetItem* cell(const QString& text, bool number)
{
    auto* c = new QTableWidgetItem(text);
    if (number)
        c->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return c;
}

} // namespace grids
