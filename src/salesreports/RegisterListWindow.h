#pragma once
// The window of the customer list and of the supplier list: its heading, what it
// lists, "&Imprimir" (the list previewed, then the window closes) and "&Retornar".
#include "salesreports/RegisterLists.h"

#include <QDialog>
#include <memory>

namespace Ui { class RegisterListWindow; }

class RegisterListWindow : public QDialog {
    Q_OBJECT
public:
    RegisterListWindow(TLogon& logon, registerlists::Register which, QWidget* parent = nullptr);
    ~RegisterListWindow() override;

public slots:
    void print();   // "&Imprimir"

private:
    std::unique_ptr<::Ui::RegisterListWindow> ui;
    TLogon& m_logon;
    registerlists::Register m_which;
};
