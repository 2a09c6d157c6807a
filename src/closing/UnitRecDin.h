#pragma once
// "Recebimentos": the first step of paying a tab.
#include "closing/PaymentFirstStep.h"
#include <QDialog>
#include <QStringList>
#include <memory>

namespace Ui { class TFormRecDin; }
class TLogon;

class TFormRecDin : public QDialog {
    Q_OBJECT
public:
    explicit TFormRecDin(TLogon& logon, QWidget* parent = nullptr);
    ~TFormRecDin() override;
    // The opener puts the tab typed on the sales screen here, then shows the window.
    void setTab(const QString& tab);
    QString tab() const;
    // The tabs paid together (JuntaMesa): the tab itself after "&Confirma".
    const QStringList& joinedTabs() const { return m_joined; }
public slots:
    void tabLeft();
    void confirm();
private:
    void showSwitches();
    TLogon& m_logon;
    std::unique_ptr<Ui::TFormRecDin> m_ui;
    PaymentFirstStep m_step;
    ChargeSwitches m_switches;
    QStringList m_joined;
};
