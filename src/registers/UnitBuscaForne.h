#pragma once
// "Pesquisa Fornecedor": finds a supplier by some letters of its name. It opens on the
// first 20 suppliers by name; each change of the text lists at most 25 whose name
// contains it. Whenever it closes its result is the code of the list's current
// row, "0" when the list is empty: there is no cancel.
#include "registers/LookupStore.h"

#include <QDialog>
#include <memory>

namespace Ui { class TFormBuscaForne; }
class PickList;
class QLineEdit;

class TFormBuscaForne : public QDialog {
    Q_OBJECT
public:
    explicit TFormBuscaForne(TLogon& logon, QWidget* parent = nullptr);
    ~TFormBuscaForne() override;

    QLineEdit* searchField() const;
    PickList* list() const;
    QString resultCode() const;
    void done(int result) override;

public slots:
    void search(const QString& text);

private:
    std::unique_ptr<::Ui::TFormBuscaForne> ui;
    LookupStore m_store;
};
