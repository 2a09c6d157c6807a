#pragma once
// ".: Ajustar Etiqueta :.": the label sheet's geometry in pixels (row height, the
// four columns' lefts) and its top margin, kept in "c:\Miltrex\vavoz\etiqueta1.INI".
#include <QDialog>
#include <QStringList>
#include <memory>

namespace Ui { class TFormAjuEti1; }

class TFormAjuEti1 : public QDialog {
    Q_OBJECT
public:
    explicit TFormAjuEti1(QWidget* parent = nullptr);
    ~TFormAjuEti1() override;

    QStringList fields() const;
    void setFields(const QStringList& fields);

public slots:
    void confirm();           // "Confirmar": writes the six fields and closes
    void restoreDefaults();   // "Restaurar Padrão": the defaults back in the fields

private:
    std::unique_ptr<::Ui::TFormAjuEti1> ui;
};
