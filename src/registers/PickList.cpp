#include "registers/PickList.h"

#include "core/GridLook.h"

#include <QHeaderView>
#include <QKeyEvent>

void RowsModel::setColumns(std::vector<Column> columns)
{
    beginResetModel();
    m_columns = std::move(columns);
    endResetModel();
}

void RowsModel::setRows(registers::Rows rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

QVariant RowsModel::valueAt(int row, QStringView field) const
{
    if (row < 0 || row >= m_rows.size() || m_rows.columnIndex(field) < 0)
        return QVariant();
    return m_rows.value(row, field);
}

int RowsModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_rows.size(); }
int RowsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(m_columns.size()); }

QVariant RowsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return QVariant();
    const Column& c = m_columns[size_t(index.column())];
    if (role == Qt::TextAlignmentRole)
        return c.alignRight ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    if (role != Qt::DisplayRole)
        return QVariant();
    const QVariant v = valueAt(index.row(), c.field);
    if (c.format)
        return c.format(v);
    QString t = v.toString();
    while (t.endsWith(QLatin1Char(' ')))
        t.chop(1);
    return t;
}

QVariant RowsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::DisplayRole && orientation == Qt::Horizontal && section < int(m_columns.size()))
        return m_columns[size_t(section)].title;
    return QAbstractTableModel::headerData(section, orientation, role);
}

PickList::PickList(QWidget* parent)
    : QTableView(parent)
    , m_model(this)
{
    setModel(&m_model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(24);
    grids::fitColumns(*this);
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& i) {
        if (i.isValid())
            emit chosen();
    });
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] { emit rowChanged(); });
    connect(this, &QAbstractItemView::clicked, this, [this] { emit userMoved(); });
}

QSize PickList::minimumSizeHint() const
{
    return QSize(QTableView::minimumSizeHint().width(), grids::heightFor(*this, 3));
}

void PickList::setRows(registers::Rows rows)
{
    m_model.setRows(std::move(rows));
    if (count() > 0)
        setCurrentRowIndex(0);
    emit rowChanged();
}

int PickList::currentRowIndex() const
{
    const QModelIndex i = currentIndex();
    if (i.isValid())
        return i.row();
    return count() > 0 ? 0 : -1;
}

void PickList::setCurrentRowIndex(int row)
{
    if (row < 0 || row >= count())
        return;
    setCurrentIndex(m_model.index(row, 0));
    scrollTo(m_model.index(row, 0));
}

QVariant PickList::currentValue(QStringView field) const
{
    return m_model.valueAt(currentRowIndex(), field);
}

QString PickList::currentText(QStringView field) const
{
    QString t = currentValue(field).toString();
    while (t.endsWith(QLatin1Char(' ')))
        t.chop(1);
    return t;
}

bool PickList::moveTo(QStringView field, const QString& text, bool prefix)
{
    const registers::Rows& r = m_model.rows();
    if (r.columnIndex(field) < 0)
        return false;
    for (int i = 0; i < r.size(); ++i) {
        QString v = r.value(i, field).toString();
        while (v.endsWith(QLatin1Char(' ')))
            v.chop(1);
        if (prefix ? v.startsWith(text) : v == text) {
            setCurrentRowIndex(i);
            return true;
        }
    }
    return false;
}

void PickList::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!event->text().isEmpty() && event->text().at(0).isPrint())
        emit characterTyped(event->text());
    else if (enter)
        emit characterTyped(QStringLiteral("\r"));
    if (enter) {
        emit chosen();
        event->accept();
        return;
    }
    const int before = currentRowIndex();
    QTableView::keyPressEvent(event);
    if (currentRowIndex() != before)
        emit userMoved();
}
