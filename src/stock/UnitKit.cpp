#include "registers/RegisterCommon.h"
#include "stock/UnitKit.h"

#include "core/FieldEvents.h"
#include "core/uMensagem.h"
#include "platform/Dialogs.h"
#include "registers/PickList.h"
#include "registers/UnitKitItens.h"
#include "shell/UnSenha.h"
#include "stock/StockFields.h"
#include "stock/StockWindows.h"
#include "stock/UnitAjuCom.h"
#include "stock/UnitImpKits.h"
#include "stock/UnitImpPratoQui.h"
#include "stock/UnitVerKits.h"
#include "ui_UnitKit.h"

#include <QMenuBar>

namespace T = kits::text;

TFormKit::TFormKit(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(new ::Ui::TFormKit)
    , m_logon(logon)
    , m_kits(logon)
{
    ui->setupUi(this);
    ui->codeEdit->setEnabled(false);
    ui->newCodeEdit->hide();
    ui->newCodeEdit->setMaxLength(kits::KitRegister::kCodeLength);
    ui->compositionButton->setText(T::compositionButton);
    upperCaseWhileTyping(ui->newCodeEdit);
    upperCaseWhileTyping(ui->nameEdit);
    registers::commaForPointField(ui->valueEdit);

    auto* bar = new QMenuBar(this);
    QMenu* upkeep = bar->addMenu(QStringLiteral("&1-Manutenção"));
    connect(upkeep->addAction(QStringLiteral("&A-Visualizar Arquivos")), &QAction::triggered, this, &TFormKit::showList);
    QMenu* reports = bar->addMenu(QStringLiteral("&2-Relatórios"));
    connect(reports->addAction(QStringLiteral("&A-Relatorios dos Kits")), &QAction::triggered, this, &TFormKit::printKits);
    connect(reports->addAction(QStringLiteral("&B-Imprimir Composição")), &QAction::triggered, this, &TFormKit::printSheet);
    QMenu* help = bar->addMenu(QStringLiteral("&3-Ajuda"));
    connect(help->addAction(QStringLiteral("&A-Como utilizar os Kits")), &QAction::triggered, this, &TFormKit::showHelp);
    layout()->setMenuBar(bar);

    ui->kitList->setColumns({
        {QStringLiteral("CODIGO"), QStringLiteral("CODIGO"), {}},
        {QStringLiteral("NOME"), QStringLiteral("NOME"), {}},
        stock::moneyColumn(QStringLiteral("VALOR"), QStringLiteral("VALOR")),
    });
    auto* events = new FieldEvents(this);
    events->onLeave(ui->newCodeEdit, [this] { newCodeLeft(); });
    events->chain({ui->newCodeEdit, ui->nameEdit, ui->valueEdit, ui->confirmButton});
    connect(ui->kitList, &PickList::userMoved, this, &TFormKit::showCurrent);
    connect(ui->kitList, &PickList::chosen, this, &TFormKit::editComposition);
    connect(ui->newButton, &QPushButton::clicked, this, &TFormKit::newKit);
    connect(ui->deleteButton, &QPushButton::clicked, this, &TFormKit::deleteKit);
    connect(ui->compositionButton, &QPushButton::clicked, this, &TFormKit::editComposition);
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormKit::confirm);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::accept);
    reload();
}

TFormKit::~TFormKit() = default;

QLineEdit* TFormKit::field(const QString& role) const
{
    return stock::fieldOf(this, role);
}

PickList* TFormKit::kitList() const { return ui->kitList; }

QAction* TFormKit::menuAction(const QString& caption) const
{
    for (QAction* a : findChildren<QAction*>())
        if (a->text() == caption)
            return a;
    return nullptr;
}

const kits::Kit* TFormKit::current() const
{
    const int row = ui->kitList->currentRowIndex();
    return row >= 0 && row < int(m_list.size()) ? &m_list[size_t(row)] : nullptr;
}

void TFormKit::reload(const QString& code)
{
    m_list.clear();
    RowSet rows;
    stock::attempt([&] {
        m_list = m_kits.list();
        rows = m_kits.rows();
    });
    stock::showRows(ui->kitList, std::move(rows));
    if (!code.isEmpty())
        ui->kitList->moveTo(u"CODIGO", code);
    showCurrent();
}

void TFormKit::showCurrent()
{
    const kits::Kit* k = current();
    ui->codeEdit->setText(k ? k->code : QString());
    ui->nameEdit->setText(k ? k->name : QString());
    ui->valueEdit->setText(k ? stock::moneyText(k->price) : QString());
    ui->printerEdit->setText(k ? k->printer : QString());
}

void TFormKit::newKit()
{
    showCurrent();   // a pending edit goes
    ui->newCodeEdit->clear();
    ui->newCodeEdit->show();
    ui->newCodeEdit->setFocus();
}

bool TFormKit::newCodeLeft()
{
    if (ui->newCodeEdit->isHidden())
        return false;
    const QString code = kits::KitRegister::newCode(ui->newCodeEdit->text());
    if (code.isEmpty()) {
        ui->newCodeEdit->hide();
        reject();
        return false;
    }
    ui->newCodeEdit->setText(code);
    bool taken = false;
    if (!stock::attempt([&] { taken = m_kits.taken(code); }))
        return false;
    if (taken) {
        stock::tell(T::codeTaken);
        stock::focusOn(ui->newCodeEdit);
        return false;
    }
    if (stock::ask(T::askCreate)) {
        if (!stock::attempt([&] { m_kits.create(code); })) {
            stock::focusOn(ui->newCodeEdit);   // taken meanwhile: the entry stays open with the code typed
            return false;
        }
        reload(code);
    }
    ui->newCodeEdit->hide();
    ui->nameEdit->setFocus();
    return true;
}

bool TFormKit::confirm()
{
    const kits::Kit* k = current();
    if (!k)
        return false;
    const QString code = k->code;
    const bool done = stock::attempt(
        [&] { m_kits.save(code, ui->nameEdit->text(), ui->printerEdit->text(), ui->valueEdit->text()); },
        stock::focusIn(this));
    if (done)
        reload();   // the list starts again at the first kit
    return done;
}

void TFormKit::deleteKit()
{
    showCurrent();
    const kits::Kit* k = current();
    if (!k || !stock::ask(stock::text::askDelete))
        return;
    const kits::Kit kit = *k;
    stock::attempt([&] { m_kits.remove(kit); });
    reload();
}

void TFormKit::editComposition()
{
    showCurrent();
    const kits::Kit* k = current();
    if (!k)
        return;
    const QString code = k->code;
    TFormKitItens items(m_logon, this);
    items.setKit(ui->codeEdit->text(), ui->nameEdit->text(), ui->valueEdit->text());
    dialogs().exec(items);
    reload(code);
}

void TFormKit::showList()
{
    TFormVerKits list(m_logon, this);
    dialogs().exec(list);
}

void TFormKit::printKits()
{
    stock::attempt([&] {
        const TFormImpKits report(m_logon);
        report.preview(m_kits.rows());
    });
}

void TFormKit::printSheet()
{
    const kits::Kit* k = current();
    if (!k)
        return;
    const kits::Kit kit = *k;
    stock::attempt([&] {
        const TFormImpPratoQui sheet(m_logon, kit.code + QStringLiteral(" / ") + ui->nameEdit->text(), kit.price);
        sheet.preview(m_kits.sheetRows(kit.code));
    });
}

void TFormKit::showHelp()
{
    TFormAjuCom help(this);
    dialogs().exec(help);
}
