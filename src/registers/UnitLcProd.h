#pragma once
// "Localiza Produto": the product lookup. Whenever it closes, its result is the
// code of the list's current row ("0" when the list is empty).
#include "registers/LookupStore.h"

#include <QDialog>
#include <memory>

namespace Ui { class TFormLcPro; }

class TFormLcPro : public QDialog {
    Q_OBJECT
public:
    explicit TFormLcPro(TLogon& logon, QWidget* parent = nullptr);
    ~TFormLcPro() override;

    QString resultCode() const;

public slots:
    void search();        // every change of the text
    void done(int result) override;

private:
    void showCurrent();
    std::unique_ptr<::Ui::TFormLcPro> ui;
    LookupStore m_store;
};
