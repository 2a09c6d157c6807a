#include "shell/UnitPrincipal.h"
#include "db/DbError.h"
#include "core/Globals.h"
#include "db/Historico.h"
#include "shell/Startup.h"
#include "shell/UnSenha.h"
#include "db/UnitLogon.h"
#include "shell/WindowRegistry.h"
#include "core/uMensagem.h"
#include "core/uMensagemWindow.h"
#include "platform/LineFile.h"
#include "platform/StationPaths.h"
#include "platform/Dialogs.h"
#include "ui_UnitPrincipal.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLocale>
#include <QProgressDialog>
#include <QToolButton>
#include <memory>

namespace {
const QString kAttention = QStringLiteral("ATENÇÃO");
const QString kLoyaltyDone = QStringLiteral("     Arquivo Inicializado com Exito!     ");
const QString kBackupNotice = QStringLiteral("Utilize o Aplicativo instalado\r\njunto com o programa\r\n"
                                             "para fazer o Backup e restauração\r\nda base de dados");
const QString kExitNotRecorded = QStringLiteral("A saída não pôde ser registrada.\nDeseja sair assim mesmo?");
}

TPrincipal::TPrincipal(TLogon& logon, QWidget* parent)
    : QMainWindow(parent)
    , ui(new ::Ui::TPrincipal)
    , m_logon(logon)
{
    ui->setupUi(this);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    m_keyboardPanel = new QLabel(QStringLiteral("INS"), this);
    m_textPanel = new QLabel(QStringLiteral("Usuário:"), this);
    m_textPanel->setMinimumWidth(250);
    statusBar()->addWidget(m_keyboardPanel);
    statusBar()->addWidget(m_textPanel, 1);
    buildRibbon();
}

TPrincipal::~TPrincipal() = default;

void TPrincipal::buildRibbon()
{
    for (const ribbon::Button& b : ribbon::buttons()) {
        QToolButton* button = ui->ribbonTabs->addButton(QString::fromUtf8(b.tab), QString::fromUtf8(b.group),
                                                        QString::fromUtf8(b.caption), b.picture);
        const ribbon::Button* def = &b;
        connect(button, &QToolButton::clicked, this, [this, def] { run(*def); });
    }
}

QString TPrincipal::activeTab() const
{
    return ui->ribbonTabs->tabText(ui->ribbonTabs->currentIndex());
}

QString TPrincipal::statusText() const
{
    return m_textPanel->text();
}

void TPrincipal::loadCentralPicture(const QString& file, bool reportErrors)
{
    QPixmap picture;
    if (!picture.load(file)) {
        if (reportErrors)
            throw std::runtime_error(QStringLiteral("O arquivo %1 não é uma imagem válida.").arg(file).toStdString());
        return;
    }
    ui->centralPicture->setPicture(picture);
}

bool TPrincipal::FormCreate()
{
    try {
        // The first start of a database made before the stock totals fills them:
        // a window says so while it works.
        std::unique_ptr<QProgressDialog> progress;
        startup::bringDatabaseUpToDate(m_logon, [&](const QString& what, int percent) {
            if (!progress) {
                progress = std::make_unique<QProgressDialog>(what, QString(), 0, 100, this);
                progress->setWindowTitle(QStringLiteral("Atualizando o banco de dados"));
                progress->setMinimumDuration(0);
                progress->setCancelButton(nullptr);
                progress->show();
            }
            progress->setValue(percent);
            QApplication::processEvents();
        });
        progress.reset();
        const int cadastros = ribbon::tabs().indexOf(QStringLiteral("Cadastros"));
        if (cadastros >= 0)
            ui->ribbonTabs->setCurrentIndex(cadastros);
        ctx::station().TerminalNumber = startup::readTerminalNumber();
        QApplication::setApplicationDisplayName(QStringLiteral("Rizaroverer 20"));
        // The short date format dd/mm/yy is what every date text of the program uses.
        if (const QString picture = startup::centralPicturePath(); !picture.isEmpty())
            loadCentralPicture(picture, false);
        ctx::station().CondensedOnCode = startup::condensedOnCode();
    } catch (const std::exception& e) {
        dialogs().errorBox(QString::fromUtf8(e.what()));
        return false;
    }

    LoginSession session(m_logon);
    TFormProtecao login(session);
    dialogs().exec(login);
    ctx::op().OperatorName = login.acceptedName();
    ctx::op().OperatorIsMaster = login.acceptedMaster();
    ctx::station().CancelQueryConstant = QStringLiteral("NIl");
    m_loggedIn = !ctx::op().OperatorName.isEmpty();
    return m_loggedIn;
}

TPrincipal::ShowOutcome TPrincipal::FormShow()
{
    const ctx::Operator& o = ctx::op();
    m_textPanel->setText(QStringLiteral("|   %1   |   Operador: %2   | ").arg(ctx::company().CompanyName, o.OperatorName));
    const bool supervisor = o.OperatorIsMaster == QLatin1String("S");
    if (!supervisor && RightsBitSet(o.CurrentRights, 32768) == QLatin1String("S")) {
        m_loggedIn = false;   // a single-purpose station records no exit
        windows::open(QStringLiteral("TFormPedDelivery"), QStringLiteral("Pedido de Delivery"));
        return ShowOutcome::EndProgram;
    }
    if (!supervisor && RightsBitSet(o.CurrentRights, 256) == QLatin1String("S")) {
        m_loggedIn = false;
        windows::open(QStringLiteral("TFormBalcao"), QStringLiteral("Vendas"));
        return ShowOutcome::EndProgram;
    }
    return ShowOutcome::Stay;
}

bool TPrincipal::FormClose()
{
    if (!m_loggedIn || m_closeRecorded)
        return true;
    try {
        writeHistorico(m_logon, ctx::op().OperatorName, QStringLiteral("Saiu Programa"));
        m_closeRecorded = true;
        return true;
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
        // With the database out of reach the record can never be written: let the
        // user leave all the same.
        return ShowMessageWindow(kAttention, kExitNotRecorded, QStringLiteral("2"), QStringLiteral("alerta"))
            == QLatin1String("S");
    }
}

void TPrincipal::closeEvent(QCloseEvent* event)
{
    if (FormClose())
        event->accept();
    else
        event->ignore();
}

void TPrincipal::clickButton(const QString& tab, const QString& caption)
{
    for (const ribbon::Button& b : ribbon::buttons()) {
        if (QString::fromUtf8(b.tab) == tab && QString::fromUtf8(b.caption) == caption) {
            run(b);
            return;
        }
    }
}

void TPrincipal::run(const ribbon::Button& b)
{
    const QString opens = QString::fromLatin1(b.opens);
    if (opens == QLatin1String("@exit")) {
        close();
        return;
    }
    if (!ribbon::allowed(m_logon, b.rule, b.bit)) {
        ShowMessageWindow(kAttention, ribbon::refusal, QStringLiteral("1"));
        return;
    }
    try {
        if (opens == QLatin1String("@terminal"))
            configureTerminal();
        else if (opens == QLatin1String("@picture"))
            changeCentralPicture();
        else if (opens == QLatin1String("@loyalty"))
            resetLoyaltyPoints();
        else if (opens == QLatin1String("@backup"))
            showBackupNotice();
        else
            windows::open(opens, b.title ? QString::fromUtf8(b.title) : QString());
    } catch (const std::exception& e) {
        dialogs().errorBox(QString::fromUtf8(e.what()));
    }
}

void TPrincipal::configureTerminal()
{
    QString& terminal = ctx::station().TerminalNumber;
    if (auto f = LineFile::load(station::path(u"terminal.ini")))
        terminal = f->line(0);
    const QString answer = dialogs().inputBox(QStringLiteral("Terminal"), QStringLiteral("Entre com o numero desse terminal"), terminal);
    terminal = startup::terminalFromAnswer(answer, terminal);
    startup::writeTerminalNumber(terminal);
}

void TPrincipal::changeCentralPicture()
{
    const QString file = dialogs().openPictureFile();
    if (file.isEmpty())
        return;
    loadCentralPicture(file, true);   // an unreadable picture raises and templogo.ini stays
    startup::saveCentralPicturePath(file);
}

void TPrincipal::resetLoyaltyPoints()
{
    m_logon.ExecSqlOnDataset(QStringLiteral("Atualiza"), QStringLiteral("update clientes set fidelidade = '0' "), QStringLiteral("exec"));
    ShowMessageWindow(kAttention, kLoyaltyDone, QStringLiteral("1"));
}

void TPrincipal::showBackupNotice()
{
    ShowMessageWindow(kAttention, kBackupNotice, QStringLiteral("1"));
}
