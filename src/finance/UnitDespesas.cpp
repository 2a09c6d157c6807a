#include "finance/UnitDespesas.h"
#include "core/WholeNumber.h"

#include "core/uMensagem.h"
#include "core/uMensagemWindow.h"
#include "platform/Dialogs.h"
#include "registers/RegisterCommon.h"
#include "ui_UnitDespesas.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace T = AccountBookText;

namespace {
const QString kAttention = QStringLiteral("ATENÇÃO");
}

TFormDespesas::TFormDespesas(TLogon& logon, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , ui(new ::Ui::TFormDespesas)
    , m_book(logon)
{
    ui->setupUi(this);
    ui->codeEdit->setMaxLength(9);
    ui->nameEdit->setMaxLength(AccountBook::kNameLength);
    registers::upperCaseField(ui->codeEdit);
    registers::upperCaseField(ui->nameEdit);
    ui->codeList->setColumns({{QStringLiteral("CODIGO"), QStringLiteral("CODIGO"), {}},
                              {QStringLiteral("NOME"), QStringLiteral("NOME"), {}}});
    ui->codeList->setColumnWidth(0, 120);
    ui->codeEdit->installEventFilter(this);
    ui->nameEdit->installEventFilter(this);

    connect(ui->newButton, &QPushButton::clicked, this, &TFormDespesas::newCode);
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormDespesas::confirm);
    connect(ui->deleteButton, &QPushButton::clicked, this, &TFormDespesas::remove);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->codeList, &PickList::rowChanged, this, &TFormDespesas::showCurrent);
    connect(ui->codeList, &PickList::chosen, this, [this] {
        showCurrent();
        ui->codeEdit->setFocus();
    });
    reload(-1);
}

TFormDespesas::~TFormDespesas() = default;

QLineEdit* TFormDespesas::codeField() const { return ui->codeEdit; }
QLineEdit* TFormDespesas::nameField() const { return ui->nameEdit; }
int TFormDespesas::listedCount() const { return ui->codeList->count(); }
QString TFormDespesas::chosenCode() const { return ui->codeList->currentText(u"CODIGO"); }
void TFormDespesas::chooseRow(int row) { ui->codeList->setCurrentRowIndex(row); }

void TFormDespesas::reload(qint64 keepCode)
{
    RowSet rows;
    registers::attempt([&] { rows = m_book.codes(); });
    ui->codeList->setRows(std::move(rows));
    if (keepCode >= 0)
        ui->codeList->moveTo(u"CODIGO", QString::number(keepCode));
    showCurrent();
}

void TFormDespesas::showCurrent()
{
    ui->codeEdit->setText(ui->codeList->currentText(u"CODIGO"));
    ui->nameEdit->setText(ui->codeList->currentText(u"NOME"));
}

bool TFormDespesas::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (watched == ui->codeEdit && enter) {
            ui->nameEdit->setFocus();
            return true;
        }
        if (watched == ui->nameEdit && enter) {
            ui->confirmButton->setFocus();
            return true;
        }
        // "Codigo" takes digits only.
        if (watched == ui->codeEdit && !key->text().isEmpty()) {
            const QChar c = key->text().at(0);
            if (c > QLatin1Char(' ') && !c.isDigit()) {
                ShowMessageWindow(kAttention, T::kDigitsOnly, QStringLiteral("1"));
                ui->codeEdit->setFocus();
                return true;
            }
        }
    } else if (watched == ui->codeEdit && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            codeLeft();
    }
    return QDialog::eventFilter(watched, event);
}

void TFormDespesas::codeLeft()
{
    const QString typed = TrimText(ui->codeEdit->text());
    if (typed.isEmpty())
        return;
    const std::optional<int> code = readInt(typed);
    if (!code) {
        ShowMessageWindow(kAttention, T::kCodeNotFound, QStringLiteral("1"));
        ui->codeEdit->setFocus();
        return;
    }
    if (ui->codeList->moveTo(u"CODIGO", QString::number(*code)))
        ui->nameEdit->setText(ui->codeList->currentText(u"NOME"));
    else
        ui->nameEdit->clear();
}

void TFormDespesas::newCode()
{
    qint64 next = 1;
    registers::attempt([&] { next = m_book.nextCode(); });
    ui->codeEdit->setText(QString::number(next));
    ui->nameEdit->clear();
    ui->nameEdit->setFocus();
}

void TFormDespesas::confirm()
{
    qint64 code = -1;
    try {
        code = m_book.confirmCode(ui->codeEdit->text(), ui->nameEdit->text());
        ui->codeEdit->setText(QString::number(code));
    } catch (const DbError& e) {
        if (e.isCharacterSetError())
            dialogs().errorBox(characterSetMessage());
        else
            ShowMessageWindow(kAttention, T::kCodeFillError, QStringLiteral("1"));
    } catch (const std::exception&) {
        ShowMessageWindow(kAttention, T::kCodeFillError, QStringLiteral("1"));
    }
    if (code >= 0)
        reload(code);
    ui->codeEdit->setFocus();
}

void TFormDespesas::remove()
{
    if (ShowMessageWindow(kAttention, T::kDeleteAsk, QStringLiteral("2"), QStringLiteral("1")) == QLatin1String("S")) {
        const QVariant id = ui->codeList->currentValue(u"ID");
        if (!id.isNull())
            registers::attempt([&] { m_book.deleteCode(integerOf(id)); });
        reload(-1);
    }
    showCurrent();
}
