#pragma once
// "Etiquetas Codigo de Barra": a range of product codes, the company name, how
// many labels of a row print, how many copies of each product, with or without the
// price, Letter or A4; "Confirmar" previews the sheet (TFormEtiqBar) and closes.
// "Ajustar Etiqueta na folha" opens the sheet's geometry (TFormAjuEti1). Nothing
// in the menus opens it: the window registry does, by its name.
#include "labels/BarcodeLabels.h"

#include <QDialog>
#include <memory>

namespace Ui { class TFormEtiqueta; }

class TFormEtiqueta : public QDialog {
    Q_OBJECT
public:
    explicit TFormEtiqueta(TLogon& logon, QWidget* parent = nullptr);
    ~TFormEtiqueta() override;

    LabelOptions options() const;
    void setRange(const QString& first, const QString& last);   // as typed, then left
    void setPerRow(int labels);
    void setCopiesChoice(int index);
    void setWithoutPrice(bool on);
    void setA4(bool on);

public slots:
    void confirm();   // "Confirmar"
    void adjust();    // "Ajustar Etiqueta na folha"

private:
    std::unique_ptr<::Ui::TFormEtiqueta> ui;
    TLogon& m_logon;
};
