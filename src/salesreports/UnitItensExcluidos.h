#pragma once
// "Log dos produtos e comandas Excluidas no sistema": every row of EXCLUSAO,
// newest first, with every column the table has, read-only. Nothing in the menus
// opens it: the window registry does, by its name.
#include <QDialog>
#include <memory>

namespace Ui { class TFormItemExcluidos; }
class TLogon;

class TFormItemExcluidos : public QDialog {
    Q_OBJECT
public:
    explicit TFormItemExcluidos(TLogon& logon, QWidget* parent = nullptr);
    ~TFormItemExcluidos() override;

    int rowCount() const;
    QStringList titles() const;
    QString cell(int row, int column) const;

private:
    std::unique_ptr<::Ui::TFormItemExcluidos> ui;
};
