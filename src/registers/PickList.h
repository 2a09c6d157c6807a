#pragma once
// The list every register and lookup window shows its rows in: the rows of one
// statement, columns chosen by field name, a current row, and a choice made by
// Enter or a double click.

#include "registers/RegisterSql.h"

#include <QAbstractTableModel>
#include <QTableView>
#include <functional>
#include <vector>

class RowsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    struct Column {
        QString title;
        QString field;
        std::function<QString(const QVariant&)> format;   // none: the value as text
        bool alignRight = false;                           // amounts
    };
    using QAbstractTableModel::QAbstractTableModel;

    void setColumns(std::vector<Column> columns);
    void setRows(registers::Rows rows);
    const registers::Rows& rows() const { return m_rows; }
    QVariant valueAt(int row, QStringView field) const;   // null when out of range

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<Column> m_columns;
    registers::Rows m_rows;
};

class PickList : public QTableView {
    Q_OBJECT
public:
    explicit PickList(QWidget* parent = nullptr);

    void setColumns(std::vector<RowsModel::Column> columns) { m_model.setColumns(std::move(columns)); }
    // New rows; the first one becomes current.
    void setRows(registers::Rows rows);
    int count() const { return m_model.rowCount(); }
    const registers::Rows& rows() const { return m_model.rows(); }

    int currentRowIndex() const;              // -1 when the list is empty
    void setCurrentRowIndex(int row);
    QVariant currentValue(QStringView field) const;   // null when there is no current row
    QString currentText(QStringView field) const;
    // Makes current the first row whose field equals (or, with prefix, begins with) text.
    bool moveTo(QStringView field, const QString& text, bool prefix = false);

    // Room for its titles and three rows at the least.
    QSize minimumSizeHint() const override;

signals:
    void chosen();                      // Enter in the list or a double click on a row
    void rowChanged();                  // the current row moved
    void characterTyped(const QString& text);   // any character key, Enter included
    void userMoved();                   // the user moved the current row (click or keys)

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    RowsModel m_model;
};
