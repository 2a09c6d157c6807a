#include "tabs/UnitMudaMesa.h"
#include "tabs/TabKey.h"
#include "core/uMensagemWindow.h"

#include "core/FieldEvents.h"
#include "tabs/TabVoucher.h"
#include "tabs/TableMove.h"
#include "tabs/UpkeepPrompts.h"
#include "db/UnitLogon.h"
#include "platform/Dialogs.h"
#include "printing/RoutePrintout.h"
#include "ui_UnitMudaMesa.h"

namespace T = TableMoveText;

TFormMudaMesa::TFormMudaMesa(TLogon& logon, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), ui(new ::Ui::TFormMudaMesa), m_logon(logon)
{
    ui->setupUi(this);
    auto* events = new FieldEvents(this);
    events->onLeave(ui->source1Edit, [this] { source1Left(); });
    for (QLineEdit* e : {ui->source2Edit, ui->source3Edit, ui->source4Edit, ui->source5Edit})
        events->onLeave(e, [e] { e->setText(tabs::readTabKey(e->text().toUpper(), tabs::TabKeyRules::upkeepBox())); });
    events->onLeave(ui->destinationEdit, [this] { destinationLeft(); });
    events->chain({ui->source1Edit, ui->source2Edit, ui->source3Edit, ui->source4Edit, ui->source5Edit,
                   ui->destinationEdit, ui->reasonEdit, ui->confirmButton});
    // "Confirmar" only while a destination is typed.
    ui->confirmButton->setEnabled(false);
    connect(ui->destinationEdit, &QLineEdit::textChanged, this,
            [this](const QString& t) { ui->confirmButton->setEnabled(!t.trimmed().isEmpty()); });
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormMudaMesa::confirm);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
}

TFormMudaMesa::~TFormMudaMesa() = default;

void TFormMudaMesa::setSource(const QString& tab)
{
    ui->source1Edit->setText(tab);
}

QList<QLineEdit*> TFormMudaMesa::sourceEdits() const
{
    return {ui->source1Edit, ui->source2Edit, ui->source3Edit, ui->source4Edit, ui->source5Edit};
}

QStringList TFormMudaMesa::sources() const
{
    QStringList out;
    for (QLineEdit* e : sourceEdits())
        out << e->text();
    return out;
}

void TFormMudaMesa::source1Left()
{
    ui->source1Edit->setText(tabs::readTabKey(ui->source1Edit->text().toUpper(), tabs::TabKeyRules::upkeepBox()));
    if (ui->source1Edit->text().isEmpty())
        return;
    try {
        if (!tabs::tabExists(m_logon, ui->source1Edit->text())) {
            ShowMessageWindow(QStringLiteral("ATENÇÃO"), T::kNotFound, QStringLiteral("1"));
            ui->source1Edit->setFocus();
        }
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
}

void TFormMudaMesa::destinationLeft()
{
    ui->destinationEdit->setText(tabs::readTabKey(ui->destinationEdit->text().toUpper(), tabs::TabKeyRules::upkeepBox()));
    const QString dest = ui->destinationEdit->text();
    if (dest == ui->source1Edit->text().trimmed()) {
        ShowMessageWindow(QStringLiteral("ATENÇÃO"), T::kSameAsDestination, QStringLiteral("1"));
        ui->destinationEdit->setFocus();
        return;
    }
    if (dest.isEmpty())
        return;
    try {
        if (tabs::tabExists(m_logon, dest))
            return;
        tabs::offerToOpenTab(m_logon, dest, ui->destinationEdit, T::kOpenQuestion, T::kNotOpened);
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
}

void TFormMudaMesa::confirm()
{
    for (QLineEdit* e : sourceEdits())
        e->setText(tabs::readTabKey(e->text().toUpper(), tabs::TabKeyRules::upkeepBox()));
    const QString dest = tabs::readTabKey(ui->destinationEdit->text().toUpper(), tabs::TabKeyRules::upkeepBox());
    if (dest.isEmpty())
        return;
    for (const QString& skipped : TableMove::skippedSources(sources(), dest))
        ShowMessageWindow(QStringLiteral("ATENÇÃO"), skipped, QStringLiteral("1"));
    ui->confirmButton->setEnabled(false);
    TableMoveResult r;
    try {
        r = TableMove(m_logon).move(sources(), dest, ui->reasonEdit->text());
    } catch (const DbError& e) {
        ui->confirmButton->setEnabled(true);
        dialogs().errorBox(e.message());
        return;
    }
    if (!r.moved) {
        ui->confirmButton->setEnabled(true);
        ShowMessageWindow(QStringLiteral("ATENÇÃO"), T::kNoDestination, QStringLiteral("1"));
        return;
    }
    tabs::offerVoucher(r.voucher, T::kPrintQuestion);
    accept();
}
