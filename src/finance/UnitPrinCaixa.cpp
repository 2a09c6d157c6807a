#include "finance/UnitPrinCaixa.h"

#include "core/FormatFloat.h"
#include "core/uMensagemWindow.h"
#include "finance/UnitAlterarx.h"
#include "finance/UnitCAdBan.h"
#include "finance/UnitDespesas.h"
#include "finance/UnitEntradax.h"
#include "finance/UnitExcluirx.h"
#include "finance/UnitImp.h"
#include "finance/UnitMedia.h"
#include "platform/Dialogs.h"
#include "registers/RegisterCommon.h"
#include "shell/WindowRegistry.h"
#include "ui_UnitPrinCaixa.h"

#include <QHeaderView>
#include <QMenuBar>

namespace T = AccountBookText;

TFormBan::TFormBan(TLogon& logon, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , ui(new ::Ui::TFormBan)
    , m_logon(logon)
    , m_book(logon)
{
    ui->setupUi(this);
    auto* menu = new QMenuBar(this);
    QMenu* registersMenu = menu->addMenu(QStringLiteral("&A- Cadastros"));
    registersMenu->addAction(QStringLiteral("&1-Cadastro da Empresa"), this, &TFormBan::openCompany);
    registersMenu->addAction(QStringLiteral("&2-Cadastro Cod (Desp/Cred)"), this, &TFormBan::openCodes);
    registersMenu->addAction(QStringLiteral("&3-Cadastro Contas"), this, &TFormBan::chooseAccount);
    QMenu* reportsMenu = menu->addMenu(QStringLiteral("&B-Relatórios"));
    reportsMenu->addAction(QStringLiteral("&1-Extrato Conta Corrente"), this, &TFormBan::openStatement);
    reportsMenu->addAction(QStringLiteral("&2-Relatorio de Despesas/Creditos por Codigos"), this,
                           &TFormBan::openTotals);
    ui->mainLayout->insertWidget(1, menu);

    const auto money = [](const QVariant& v) { return FormatFloat(u"0.00", registers::amountFrom(v)); };
    const auto date = [](const QVariant& v) { return v.toDate().toString(QStringLiteral("dd/MM/yy")); };
    ui->entryList->setColumns({{QStringLiteral("DATA      ."), QStringLiteral("DATA"), date},
                               {QStringLiteral("DESP"), QStringLiteral("DESP"), {}, true},
                               {QStringLiteral("HISTORICO"), QStringLiteral("HISTORICO"), {}},
                               {QStringLiteral("CREDITO         ."), QStringLiteral("CREDITO"), money, true},
                               {QStringLiteral("DEBITO         ."), QStringLiteral("DEBITO"), money, true}});
    ui->entryList->horizontalHeader()->setStretchLastSection(false);
    ui->entryList->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    ui->entryList->setColumnWidth(0, 100);
    ui->entryList->setColumnWidth(1, 70);
    ui->entryList->setColumnWidth(3, 140);
    ui->entryList->setColumnWidth(4, 140);

    connect(ui->insertButton, &QPushButton::clicked, this, &TFormBan::insertEntry);
    connect(ui->changeButton, &QPushButton::clicked, this, &TFormBan::changeEntry);
    connect(ui->deleteButton, &QPushButton::clicked, this, &TFormBan::deleteEntry);
    connect(ui->accountsButton, &QPushButton::clicked, this, &TFormBan::chooseAccount);
    connect(ui->exitButton, &QPushButton::clicked, this, &QDialog::accept);

    registers::attempt([&] {
        const std::vector<BookAccount> accounts = m_book.accounts();
        if (!accounts.empty())
            m_account = accounts.front();
    });
    refresh();
}

TFormBan::~TFormBan() = default;

QString TFormBan::accountLabel() const { return ui->accountLabel->text(); }
int TFormBan::listedCount() const { return ui->entryList->count(); }
void TFormBan::chooseRow(int row) { ui->entryList->setCurrentRowIndex(row); }

QStringList TFormBan::menuEntries() const
{
    QStringList out;
    for (QMenuBar* bar : findChildren<QMenuBar*>())
        for (QAction* top : bar->actions())
            for (QAction* item : top->menu()->actions())
                out << top->text() + QLatin1Char('/') + item->text();
    return out;
}

std::optional<BookEntry> TFormBan::currentEntry() const
{
    const int row = ui->entryList->currentRowIndex();
    if (row < 0)
        return std::nullopt;
    return AccountBook::entryAt(ui->entryList->rows(), row);
}

void TFormBan::refresh()
{
    ui->accountLabel->setText(AccountBook::accountLabel(m_account));
    RowSet rows;
    if (m_account)
        registers::attempt([&] { rows = m_book.entries(m_account->number); });
    ui->entryList->setRows(std::move(rows));
}

bool TFormBan::hasAccount()
{
    if (m_account)
        return true;
    ShowMessageWindow(QStringLiteral("ATENÇÃO"), T::kNoAccount, QStringLiteral("1"));
    return false;
}

void TFormBan::insertEntry()
{
    if (!hasAccount())
        return;
    {
        TFormEntradax w(m_logon, m_account->number, this);
        dialogs().exec(w);
    }
    refresh();
}

void TFormBan::changeEntry()
{
    if (!hasAccount())
        return;
    const int row = ui->entryList->currentRowIndex();
    {
        TFormAlterarx w(m_logon, currentEntry(), this);
        dialogs().exec(w);
    }
    refresh();
    chooseRow(row);
}

void TFormBan::deleteEntry()
{
    if (!hasAccount())
        return;
    {
        TFormExcluirx w(m_logon, currentEntry(), this);
        dialogs().exec(w);
    }
    refresh();
}

void TFormBan::chooseAccount()
{
    QString chosen;
    {
        TFormCadBan w(m_logon, this);
        dialogs().exec(w);
        chosen = w.chosenAccount();
    }
    // The account handed back; else the current one while it exists; else the first.
    registers::attempt([&] {
        const std::optional<qint64> number = AccountBook::accountNumberOf(chosen);
        std::optional<BookAccount> account = number ? m_book.account(*number) : std::nullopt;
        if (!account && m_account)
            account = m_book.account(m_account->number);
        if (!account) {
            const std::vector<BookAccount> all = m_book.accounts();
            if (!all.empty())
                account = all.front();
        }
        m_account = account;
    });
    refresh();
}

void TFormBan::openCompany()
{
    windows::open(QStringLiteral("TFormEmpresa"));
}

void TFormBan::openCodes()
{
    TFormDespesas w(m_logon, this);
    dialogs().exec(w);
}

void TFormBan::openStatement()
{
    TFormImp w(m_logon, this);
    dialogs().exec(w);
}

void TFormBan::openTotals()
{
    TFormMedia w(m_logon, accountLabel(), this);
    dialogs().exec(w);
}
