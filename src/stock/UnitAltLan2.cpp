#include "registers/RegisterCommon.h"
#include "stock/UnitAltLan2.h"

#include "core/FieldEvents.h"
#include "registers/PickList.h"
#include "shell/UnSenha.h"
#include "stock/StockFields.h"
#include "stock/StockWindows.h"
#include "ui_UnitAltLan2.h"

namespace {

QString quantity(const QVariant& v)
{
    return v.isNull() ? QString() : stock::quantityText(decimalOf(v));
}

} // namespace

TFormAltLan2::TFormAltLan2(TLogon& logon, QWidget* parent)
    : TFormAltLan2(logon, QString(), ledgeredit::Period{}, parent)
{
}

TFormAltLan2::TFormAltLan2(TLogon& logon, const QString& code, const ledgeredit::Period& period, QWidget* parent)
    : QDialog(parent)
    , ui(new ::Ui::TFormAltLan2)
    , m_edit(logon)
    , m_code(code)
    , m_period(period)
{
    ui->setupUi(this);
    upperCaseWhileTyping(ui->historyEdit);
    for (QLineEdit* e : {ui->entradaEdit, ui->saidaEdit})
        registers::commaForPointField(e);
    ui->rowList->setColumns({
        {QStringLiteral("CODIGO"), QStringLiteral("CODIGO"), {}},
        stock::dateColumn(QStringLiteral("DATA"), QStringLiteral("DATA")),
        {QStringLiteral("CCUSTO"), QStringLiteral("CCUSTO"), {}},
        {QStringLiteral("HISTORICO"), QStringLiteral("HISTORICO"), {}},
        stock::quantityColumn(QStringLiteral("ENTRADA"), QStringLiteral("ENTRADA")),
        stock::quantityColumn(QStringLiteral("SAIDA"), QStringLiteral("SAIDA")),
    });
    auto* events = new FieldEvents(this);
    events->chain({ui->codeEdit, ui->dateEdit, ui->historyEdit, ui->entradaEdit, ui->saidaEdit, ui->confirmButton});
    events->onArrive(ui->rowList, [this] { setEditing(false); });
    connect(ui->rowList, &PickList::rowChanged, this, &TFormAltLan2::showCurrent);
    const auto step = [this](int delta, bool absolute) {
        setEditing(false);
        const int last = ui->rowList->count() - 1;
        const int row = absolute ? (delta < 0 ? 0 : last) : std::clamp(ui->rowList->currentRowIndex() + delta, 0, last);
        ui->rowList->setCurrentRowIndex(row);
    };
    connect(ui->firstButton, &QPushButton::clicked, this, [step] { step(-1, true); });
    connect(ui->priorButton, &QPushButton::clicked, this, [step] { step(-1, false); });
    connect(ui->nextButton, &QPushButton::clicked, this, [step] { step(1, false); });
    connect(ui->lastButton, &QPushButton::clicked, this, [step] { step(1, true); });
    connect(ui->changeButton, &QPushButton::clicked, this, &TFormAltLan2::startChange);
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormAltLan2::confirm);
    connect(ui->deleteButton, &QPushButton::clicked, this, &TFormAltLan2::deleteRow);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::accept);
    reload();
}

TFormAltLan2::~TFormAltLan2() = default;

QLineEdit* TFormAltLan2::field(const QString& role) const
{
    return stock::fieldOf(this, role);
}

PickList* TFormAltLan2::rowList() const { return ui->rowList; }
bool TFormAltLan2::editing() const { return ui->dateEdit->isEnabled(); }

void TFormAltLan2::reload()
{
    const int row = ui->rowList->currentRowIndex();
    RowSet rows;
    if (!m_code.isEmpty())
        stock::attempt([&] { rows = m_edit.rows(m_code, m_period); });
    stock::showRows(ui->rowList, std::move(rows), 3);
    if (row > 0)
        ui->rowList->setCurrentRowIndex(std::min(row, ui->rowList->count() - 1));
    setEditing(false);
    showCurrent();
}

void TFormAltLan2::showCurrent()
{
    if (editing())
        return;
    const PickList* l = ui->rowList;
    ui->codeEdit->setText(l->currentText(u"CODIGO"));
    ui->dateEdit->setText(stock::dateText(l->currentValue(u"DATA").toDate()));
    ui->historyEdit->setText(l->currentText(u"HISTORICO"));
    ui->entradaEdit->setText(quantity(l->currentValue(u"ENTRADA")));
    ui->saidaEdit->setText(quantity(l->currentValue(u"SAIDA")));
}

void TFormAltLan2::setEditing(bool on)
{
    for (QLineEdit* e : {ui->codeEdit, ui->dateEdit, ui->historyEdit, ui->entradaEdit, ui->saidaEdit})
        e->setEnabled(on);
}

void TFormAltLan2::startChange()
{
    if (ui->rowList->currentRowIndex() < 0)
        return;
    setEditing(true);
    ui->codeEdit->setFocus();
}

bool TFormAltLan2::confirm()
{
    if (!editing() || ui->rowList->currentRowIndex() < 0)
        return false;
    const qint64 id = ui->rowList->currentValue(u"ID").toLongLong();
    const ledgeredit::TypedRow typed{ui->dateEdit->text(), ui->historyEdit->text(), ui->entradaEdit->text(),
                                     ui->saidaEdit->text()};
    if (!stock::attempt([&] { m_edit.change(id, typed); }, stock::focusIn(this)))
        return false;   // what was typed stays, and so does the window
    reload();
    return true;
}

void TFormAltLan2::deleteRow()
{
    setEditing(false);
    if (ui->rowList->currentRowIndex() < 0 || !stock::ask(stock::text::askDelete)) {
        showCurrent();
        return;
    }
    const qint64 id = ui->rowList->currentValue(u"ID").toLongLong();
    stock::attempt([&] { m_edit.remove(id); });
    reload();
}
