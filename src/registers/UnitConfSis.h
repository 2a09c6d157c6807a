#pragma once
// "Configuração do Sistema ": the option words and the title of a table or tab,
// for every station. Its boxes come from the options table (SystemOptions).
#include "registers/SystemOptions.h"

#include <QDialog>
#include <memory>

class QCheckBox;
namespace Ui { class TFormConfSis; }

class TFormConfSis : public QDialog {
    Q_OBJECT
public:
    explicit TFormConfSis(TLogon& logon, QWidget* parent = nullptr);
    ~TFormConfSis() override;

public slots:
    void confirm();   // "Confirmar": saves and closes; a refused save keeps the window open

private:
    std::unique_ptr<::Ui::TFormConfSis> ui;
    options::Store m_store;
    std::vector<QCheckBox*> m_boxes;
};
