#include "finance/UnitCadDupX.h"
#include "core/WholeNumber.h"

#include "core/Globals.h"
#include "core/uMensagemWindow.h"
#include "finance/PayablesHotKeys.h"
#include "finance/PayablesSupplierSearch.h"
#include "reports/TypedValues.h"
#include "finance/UnitBusDupX.h"
#include "platform/Dialogs.h"
#include "registers/RegisterCommon.h"
#include "shell/UnitAcessos.h"
#include "ui_UnitCadDupX.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace T = PayablesText;

namespace {
const QString kAttention = QStringLiteral("ATENÇÃO");
}

TFormCadDupX::TFormCadDupX(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(new ::Ui::TFormCadDupX)
    , m_logon(logon)
    , m_register(logon)
{
    ui->setupUi(this);
    ui->numberEdit->setMaxLength(PayablesRegister::kNumberLength);
    ui->codeEdit->setMaxLength(11);
    ui->nameEdit->setMaxLength(PayablesRegister::kNameLength);
    for (QLineEdit* e : {ui->numberEdit, ui->codeEdit, ui->nameEdit, ui->amountEdit, ui->interestEdit})
        registers::upperCaseField(e);
    for (QLineEdit* e : {ui->issueEdit, ui->dueEdit, ui->paidEdit})
        typed::dateField(e);
    typed::amountField(ui->amountEdit);
    typed::amountField(ui->interestEdit);
    ui->titleSearchButton->setFocusPolicy(Qt::NoFocus);
    ui->supplierSearchButton->setFocusPolicy(Qt::NoFocus);

    for (QLineEdit* e : findChildren<QLineEdit*>())
        e->installEventFilter(this);
    connect(ui->titleSearchButton, &QPushButton::clicked, this, &TFormCadDupX::searchTitle);
    connect(ui->supplierSearchButton, &QPushButton::clicked, this, &TFormCadDupX::searchSupplier);
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormCadDupX::confirm);
    connect(ui->settleButton, &QPushButton::clicked, this, &TFormCadDupX::settle);
    connect(ui->deleteButton, &QPushButton::clicked, this, &TFormCadDupX::remove);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::accept);

    // The program-wide keys, given back when the window goes.
    new PayablesHotKeys(this, {
        {Qt::Key_F2, [] { startCalculator(); }},
        {Qt::Key_F6, [this] { ui->settleButton->click(); }},
        {Qt::Key_F7, [this] { ui->confirmButton->click(); }},
        {Qt::Key_F8, [this] { ui->returnButton->click(); }},
        {Qt::Key_F9, [this] { ui->titleSearchButton->click(); }},
    });
    clearFields();
    ui->numberEdit->setFocus();
}

TFormCadDupX::~TFormCadDupX() = default;

QLineEdit* TFormCadDupX::field(const QString& caption) const
{
    const std::pair<const char*, QLineEdit*> fields[] = {
        {"Duplicata", ui->numberEdit}, {"Codigo", ui->codeEdit},   {"Fornecedor", ui->nameEdit},
        {"Emissao", ui->issueEdit},    {"Vencimento", ui->dueEdit}, {"Baixa", ui->paidEdit},
        {"Valor", ui->amountEdit},     {"Juros", ui->interestEdit}};
    for (const auto& [name, edit] : fields)
        if (caption == QLatin1String(name))
            return edit;
    return nullptr;
}

bool TFormCadDupX::eventFilter(QObject* watched, QEvent* event)
{
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (edit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            focusNextChild();   // Enter acts as Tab
            return true;
        }
    } else if (edit && event->type() == QEvent::FocusOut) {
        // Leaving a field by the keyboard or the mouse; not when another window comes up.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (edit == ui->numberEdit)
                numberLeft();
            else if (edit == ui->codeEdit)
                supplierLeft();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFormCadDupX::showTitle(const std::optional<PayableTitle>& title)
{
    m_shown = title;
    if (!title) {
        clearFields();
        return;
    }
    ui->numberEdit->setText(title->duplicata);
    ui->codeEdit->setText(title->codigo);
    ui->nameEdit->setText(title->nome);
    ui->amountEdit->setText(PayablesRegister::amountField(title->valor));
    ui->interestEdit->setText(PayablesRegister::amountField(title->juros));
    ui->issueEdit->setText(PayablesRegister::dateField(title->emissao));
    ui->dueEdit->setText(PayablesRegister::dateField(title->vencimento));
    ui->paidEdit->setText(PayablesRegister::dateField(title->baixa));
}

void TFormCadDupX::clearAllButNumber()
{
    for (QLineEdit* e : {ui->codeEdit, ui->nameEdit, ui->issueEdit, ui->dueEdit, ui->paidEdit, ui->amountEdit,
                         ui->interestEdit})
        e->clear();
}

void TFormCadDupX::clearFields()
{
    m_shown.reset();
    ui->numberEdit->clear();
    clearAllButNumber();
}

void TFormCadDupX::numberLeft()
{
    if (m_newTitle)
        return;
    const QString number = ui->numberEdit->text().trimmed();
    if (number.isEmpty()) {
        m_shown.reset();
        ui->returnButton->setFocus();
        return;
    }
    std::optional<PayableTitle> title;
    if (!registers::attempt([&] { title = m_register.find(number); }))
        return;
    if (title) {
        showTitle(title);
        return;
    }
    if (ShowMessageWindow(kAttention, T::kNotFoundRegister, QStringLiteral("2")) == QLatin1String("S")) {
        m_newTitle = true;
        m_shown.reset();
        clearAllButNumber();
        ui->codeEdit->setFocus();
    } else {
        clearFields();
        ui->numberEdit->setFocus();
    }
}

void TFormCadDupX::supplierLeft()
{
    if (ui->codeEdit->text().trimmed().isEmpty())
        return;   // no supplier
    std::optional<QString> name;
    try {
        name = m_register.supplierName(ui->codeEdit->text());
    } catch (const std::exception&) {
        return;   // the lookup's own errors are ignored
    }
    if (name) {
        ui->nameEdit->setText(*name);
        return;
    }
    ShowMessageWindow(kAttention, T::kSupplierMissing, QStringLiteral("1"));
    ui->codeEdit->setFocus();
}

void TFormCadDupX::searchTitle()
{
    QString number;
    {
        TFormBusDupX search(m_logon, this);
        dialogs().exec(search);
        number = search.resultNumber();
    }
    ctx::lookup().LookupCode = number;
    std::optional<PayableTitle> title;
    registers::attempt([&] { title = m_register.find(number.isEmpty() ? QStringLiteral("0") : number); });
    showTitle(title);
}

void TFormCadDupX::searchSupplier()
{
    ui->codeEdit->setText(payables::chooseSupplierCode(m_logon));
    ui->codeEdit->setFocus();
}

void TFormCadDupX::confirm()
{
    const PayableFields f{ui->numberEdit->text(), ui->codeEdit->text(),    ui->nameEdit->text(),
                          ui->issueEdit->text(),  ui->dueEdit->text(),     ui->paidEdit->text(),
                          ui->amountEdit->text(), ui->interestEdit->text()};
    // A refused value keeps every field as typed (and a new title stays new).
    if (!registers::attempt([&] { m_register.confirm(f, m_newTitle); }))
        return;
    m_newTitle = false;
    clearFields();
    ui->numberEdit->setFocus();
}

void TFormCadDupX::settle()
{
    m_newTitle = false;
    ui->paidEdit->setFocus();
}

void TFormCadDupX::remove()
{
    // Only the title whose fields are shown is deleted; nothing shown, nothing asked.
    const QString number = ui->numberEdit->text().trimmed();
    if (number.isEmpty() || !m_shown || m_shown->duplicata != number)
        return;
    ctx::op().AuthoriserIsMaster = QStringLiteral("N");
    ctx::op().CurrentRights = 0;
    askSupervisor(m_logon);
    if (ctx::op().AuthoriserIsMaster != QLatin1String("S")) {
        ShowMessageWindow(kAttention, T::kNotAuthorised, QStringLiteral("1"));
    } else if (ShowMessageWindow(kAttention, T::kDeleteAsk, QStringLiteral("2"), QStringLiteral("1"))
               == QLatin1String("S")) {
        const qint64 id = m_shown->id;
        registers::attempt([&] { m_register.remove(id); });
    }
    clearFields();
    ui->numberEdit->setFocus();
}
