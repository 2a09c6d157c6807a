#pragma once
// ":: Complemento Produto ::": a free complement text of the item being ordered
// and the extra value it costs. The caller reads both after the window closes.
#include <QDialog>
#include <memory>

namespace Ui { class TFormEscrever; }
class QLineEdit;

class TFormEscrever : public QDialog {
    Q_OBJECT
public:
    explicit TFormEscrever(QWidget* parent = nullptr);
    ~TFormEscrever() override;

    QLineEdit* textEdit() const;    // "Complemento"
    QLineEdit* valueEdit() const;   // "Valor"
    QString text() const;
    QString value() const;

public slots:
    void confirm();   // "Confirmar"

private:
    std::unique_ptr<::Ui::TFormEscrever> ui;
};
