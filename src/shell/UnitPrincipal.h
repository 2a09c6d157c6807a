#pragma once
// The main window: start-up, login, the ribbon, and the "Saiu Programa" record.
#include "shell/Ribbon.h"

#include <QMainWindow>
#include <memory>

namespace Ui { class TPrincipal; }
class TLogon;
class QLabel;

class TPrincipal : public QMainWindow {
    Q_OBJECT
public:
    explicit TPrincipal(TLogon& logon, QWidget* parent = nullptr);
    ~TPrincipal() override;

    // Start-up work and login. False: the program ends (nobody logged in, or a
    // start-up step failed and its error was shown).
    bool FormCreate();

    enum class ShowOutcome { Stay, EndProgram };
    // First showing: status text, then the single-purpose stations.
    ShowOutcome FormShow();

    // Writes "Saiu Programa". False when it could not and the user chose to stay.
    bool FormClose();

    // Runs a ribbon button as a click.
    void clickButton(const QString& tab, const QString& caption);

    QString statusText() const;
    QString activeTab() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildRibbon();
    void run(const ribbon::Button& b);
    void configureTerminal();
    void changeCentralPicture();
    void resetLoyaltyPoints();
    void showBackupNotice();
    void loadCentralPicture(const QString& file, bool reportErrors);

    std::unique_ptr<::Ui::TPrincipal> ui;
    TLogon& m_logon;
    QLabel* m_keyboardPanel = nullptr;
    QLabel* m_textPanel = nullptr;
    bool m_loggedIn = false;
    bool m_closeRecorded = false;
};
