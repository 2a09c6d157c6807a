#include "salesreports/RegisterListWindow.h"

#include "platform/Dialogs.h"
#include "registers/RegisterCommon.h"
#include "reports/PageHeader.h"
#include "reports/UnitVisaoRelatorio.h"
#include "ui_RegisterListWindow.h"

RegisterListWindow::RegisterListWindow(TLogon& logon, registerlists::Register which, QWidget* parent)
    : QDialog(parent)
    , ui(new ::Ui::RegisterListWindow)
    , m_logon(logon)
    , m_which(which)
{
    ui->setupUi(this);
    const registerlists::Texts& t = registerlists::textsOf(which);
    setObjectName(QString::fromLatin1(t.className));
    setWindowTitle(QString::fromUtf8(t.caption));
    ui->headingLabel->setText(QString::fromUtf8(t.caption));
    ui->captionLabel->setText(QString::fromUtf8(t.label));
    connect(ui->printButton, &QPushButton::clicked, this, &RegisterListWindow::print);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
}

RegisterListWindow::~RegisterListWindow() = default;

void RegisterListWindow::print()
{
    ui->printButton->setEnabled(false);
    const bool done = registers::attempt([this] {
        const RowSet rows = registerlists::rows(m_logon, m_which);
        report::preview(registerlists::report(m_which, report::companyRow(m_logon), QDate::currentDate()), rows);
    });
    ui->printButton->setEnabled(true);
    if (done)
        accept();
}
