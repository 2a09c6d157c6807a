#pragma once
// How every grid of the program gives its contents the room: titles and values
// whole, the name column taking what is left, and a few rows always in view.

class QString;
class QTableView;
class QTableWidgetItem;

namespace grids {

// Each column as wide as its title and its values (measured on the rows in view
// and a few hundred more); `nameColumn` (-1: the last column) takes the width
// that is left, so names show whole wherever the grid has the room.
void fitColumns(QTableView& grid, int nameColumn = -1);

// The height of the titles and `rows` rows.
int heightFor(const QTableView& grid, int rows);

// The grid never shrinks below its titles and `rows` rows.
void keepRows(QTableView& grid, int rows = 3);

// A cell of that text; a number (`number`) stands on the right.
QTableWidgetItem* cell(const QString& text, bool number = false);

} // namespace grids
