#pragma once
// "Relatório por Fornecedor": a supplier's products that moved in a period,
// previewed as TFormBalFor; the window closes after the preview.
#include <QDialog>
#include <memory>

namespace Ui { class TFormEstFor; }
class TLogon;

class TFormEstFor : public QDialog {
    Q_OBJECT
public:
    explicit TFormEstFor(TLogon& logon, QWidget* parent = nullptr);
    ~TFormEstFor() override;

    QStringList suppliers() const;
    void setSupplierText(const QString& text);
    void setPeriod(const QString& first, const QString& last);
    QString firstDay() const;
    QString lastDay() const;

public slots:
    void print();   // "&Imprimir"

private:
    std::unique_ptr<::Ui::TFormEstFor> ui;
    TLogon& m_logon;
};
