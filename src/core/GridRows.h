#pragma once
// Fills a read-only grid of the back-office windows: titles, rows of texts, the
// columns whose numbers align to the right, every column's width shared out so
// that each title shows whole.
#include <QList>
#include <QStringList>
#include <vector>

class QTableWidget;

namespace gridrows {

void show(QTableWidget& grid, const QStringList& titles, const std::vector<QStringList>& rows,
          const QList<int>& rightAligned = {});

} // namespace gridrows
