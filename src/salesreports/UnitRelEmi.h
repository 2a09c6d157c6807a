#pragma once
// ".: Relatório por cliente :.": a customer's current-account statement in 80 or 40
// columns, previewed or printed on the default printer; the window closes after.
#include <QDialog>
#include <memory>

namespace Ui { class TFormRelEmi; }
class TLogon;

class TFormRelEmi : public QDialog {
    Q_OBJECT
public:
    explicit TFormRelEmi(TLogon& logon, QWidget* parent = nullptr);
    ~TFormRelEmi() override;

    void setCode(const QString& code);
    QString code() const;
    QString customerName() const;
    void setPreview(bool preview);
    void setNarrow(bool narrow);   // "40 colunas", else "80 colunas"

public slots:
    void leaveCode();   // leaving "Codigo do Cliente": the name, or "Não Localizado"
    void search();
    void print();       // "&Imprimir"

private:
    std::unique_ptr<::Ui::TFormRelEmi> ui;
    TLogon& m_logon;
};
