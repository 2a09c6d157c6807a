#pragma once
// "Localiza Fornecedor": the supplier lookup. Typing moves the list to the first
// supplier whose name begins with the text; whenever the window closes its result
// is the code of the list's current row.
#include "registers/LookupStore.h"

#include <QDialog>
#include <memory>

namespace Ui { class TFormBuscaFor; }

class TFormBuscaFor : public QDialog {
    Q_OBJECT
public:
    explicit TFormBuscaFor(TLogon& logon, QWidget* parent = nullptr);
    ~TFormBuscaFor() override;

    QString resultCode() const;
    void done(int result) override;

private:
    std::unique_ptr<::Ui::TFormBuscaFor> ui;
    LookupStore m_store;
};
