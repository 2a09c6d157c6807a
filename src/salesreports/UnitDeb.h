#pragma once
// "Relatório por Produtos": a customer's sales of a period with their products and
// the amounts received per payment method, previewed as TFormDebQui.
#include <QDialog>
#include <memory>

namespace Ui { class TFormDeb; }
class TLogon;

class TFormDeb : public QDialog {
    Q_OBJECT
public:
    explicit TFormDeb(TLogon& logon, QWidget* parent = nullptr);
    ~TFormDeb() override;

    void setCode(const QString& code);
    QString code() const;
    QString customerLabel() const;
    void setPeriod(const QString& first, const QString& last);
    QStringList methods() const;
    void chooseMethod(int index);

public slots:
    void leaveCode();   // leaving "Codigo do Cliente": the name; an empty code closes the window
    void search();
    void print();       // "&Imprimir"

private:
    std::unique_ptr<::Ui::TFormDeb> ui;
    TLogon& m_logon;
};
