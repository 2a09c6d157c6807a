#include "core/GridRows.h"

#include <QHeaderView>
#include <QTableWidget>

namespace gridrows {

void show(QTableWidget& grid, const QStringList& titles, const std::vector<QStringList>& rows,
          const QList<int>& rightAligned)
{
    grid.clearContents();
    grid.setColumnCount(int(titles.size()));
    grid.setHorizontalHeaderLabels(titles);
    grid.setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r) {
        const QStringList& cells = rows[size_t(r)];
        for (int c = 0; c < cells.size() && c < titles.size(); ++c) {
            auto* item = new QTableWidgetItem(cells.at(c));
            if (rightAligned.contains(c))
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid.setItem(r, c, item);
        }
    }
    grid.verticalHeader()->hide();
    grid.horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid.horizontalHeader()->setMinimumSectionSize(40);
}

} // namespace gridrows
