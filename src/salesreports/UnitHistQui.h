#pragma once
// "Histórico de Login/Logoff": the login history report (LoginHistory) in its
// preview. When it is created it asks "Imprimir Relatório de LOGs resumido " (Sim:
// the 50 newest rows; Não: every row) and reads them; the window is the preview.
// When the rows cannot be read the error is said and the window closes at once.
#include "reports/UnitVisaoRelatorio.h"

#include <memory>

class TLogon;

class TFormHistQui : public TFormVisaoRelatorio {
    Q_OBJECT
public:
    explicit TFormHistQui(TLogon& logon, QWidget* parent = nullptr);
    ~TFormHistQui() override;

    int rowCount() const;

private:
    struct Report;
    TFormHistQui(std::unique_ptr<Report> report, QWidget* parent);
    std::unique_ptr<Report> m_report;
};
