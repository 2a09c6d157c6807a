#pragma once
// ".: Mala Direta - Etiquetas Endereços :.": the label height and top margin, the
// customers to print (all, born in a month, one by code); "Confirmar" keeps the two
// values, previews the labels (TFormMalaDirQui) and closes. Nothing in the menus
// opens it: the window registry does, by its name.
#include "labels/MailingLabels.h"

#include <QDialog>
#include <memory>

namespace Ui { class TFormMalaDir; }

class TFormMalaDir : public QDialog {
    Q_OBJECT
public:
    explicit TFormMalaDir(TLogon& logon, QWidget* parent = nullptr);
    ~TFormMalaDir() override;

    void setValues(const QString& height, const QString& margin);
    QString height() const;
    QString margin() const;
    void chooseFilter(int index);   // 0 all, 1 birth month, 2 one customer
    void setFilterValue(const QString& value);
    QString filterValue() const;
    bool filterValueShown() const;
    QString filterCaption() const;

public slots:
    void confirm();           // "Confirmar"
    void restoreDefaults();   // "Restaurar Padrão"

private:
    void filterChosen(int index);

    std::unique_ptr<::Ui::TFormMalaDir> ui;
    TLogon& m_logon;
};
