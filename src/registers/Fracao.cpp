#include "registers/Fracao.h"
#include "ui_Fracao.h"

#include "core/Globals.h"
#include "core/uMensagem.h"
#include "db/UnitLogon.h"
#include "platform/Dialogs.h"
#include "registers/Lookups.h"
#include "registers/FlavourList.h"
#include "shell/UnSenha.h"

#include <QFocusEvent>
#include <QKeyEvent>

FractionsChoice chooseFractions(TLogon& logon)
{
    ctx::lookup().LookupCode.clear();
    ctx::lookup().ProductLookupCode.clear();
    TFormFracao fractions(logon);
    dialogs().exec(fractions);
    return {TrimText(ctx::lookup().LookupCode), TrimText(ctx::lookup().ProductLookupCode)};
}

TFormFracao::TFormFracao(TLogon& logon, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<::Ui::TFormFracao>()), m_logon(logon)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormFracao"));
    m_boxes = {ui->codeEdit1, ui->codeEdit2, ui->codeEdit3, ui->codeEdit4};
    m_names = {ui->nameLabel1, ui->nameLabel2, ui->nameLabel3, ui->nameLabel4};
    QPushButton* lookups[] = {ui->lookupButton1, ui->lookupButton2, ui->lookupButton3, ui->lookupButton4};
    for (int k = 0; k < 4; ++k) {
        upperCaseWhileTyping(m_boxes[size_t(k)]);
        m_boxes[size_t(k)]->installEventFilter(this);
        connect(lookups[k], &QPushButton::clicked, this, [this, k] { lookUp(k); });
    }
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormFracao::confirm);
    m_boxes[0]->setFocus();
}

TFormFracao::~TFormFracao() = default;

QString TFormFracao::description() const { return ui->descriptionEdit->toPlainText(); }

bool TFormFracao::eventFilter(QObject* watched, QEvent* event)
{
    for (int k = 0; k < 4; ++k) {
        if (watched != m_boxes[size_t(k)])
            continue;
        if (event->type() == QEvent::FocusOut) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                codeBoxLeft(k);
        } else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                // Enter acts as Tab
                focusNextChild();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFormFracao::codeBoxLeft(int k)
{
    QLineEdit* box = m_boxes[size_t(k)];
    if (TrimText(box->text()).isEmpty())
        return;
    box->setText(flavourCodeWhileEditing(box->text()));
    try {
        if (const std::optional<QString> name = flavourProductName(m_logon, box->text()))
            m_names[size_t(k)]->setText(*name);
        else
            box->clear();   // products only: the name label keeps what it showed
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
        return;
    }
    rebuildDescription();
}

void TFormFracao::lookUp(int k)
{
    ctx::lookup().ProductLookupCode.clear();
    m_boxes[size_t(k)]->clear();
    const QString code = TrimText(chooseProduct(m_logon));
    m_boxes[size_t(k)]->setText(code);
    m_names[size_t(k)]->clear();
    if (code.isEmpty())
        return;
    try {
        m_names[size_t(k)]->setText(flavourProductName(m_logon, code).value_or(QString()));
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    m_boxes[size_t(std::min(k + 1, 3))]->setFocus();
}

void TFormFracao::rebuildDescription()
{
    std::array<QString, 4> boxes, names;
    for (int k = 0; k < 4; ++k) {
        boxes[size_t(k)] = m_boxes[size_t(k)]->text();
        names[size_t(k)] = m_names[size_t(k)]->text();
    }
    const int n = filledBoxes(boxes);
    ui->descriptionEdit->setPlainText(n == 0 ? QString() : flavourDescription(names, n) + u'\n');
}

void TFormFracao::confirm()
{
    std::array<QString, 4> boxes;
    for (int k = 0; k < 4; ++k)
        boxes[size_t(k)] = m_boxes[size_t(k)]->text();
    const std::optional<QString> list = flavourListOf(boxes);
    for (QLineEdit* box : m_boxes)
        box->setText(flavourCodeAtConfirm(box->text()));
    if (list)
        ctx::lookup().LookupCode = *list;
    ctx::lookup().ProductLookupCode = description();
    accept();
}
