#include "delivery/UnitEntregador.h"
#include "ui_UnitEntregador.h"

#include "core/EnterMoves.h"
#include "core/EntryGuard.h"
#include "core/FormatFloat.h"
#include "core/uMensagemWindow.h"
#include "delivery/DeliveryText.h"
#include "registers/RegisterCommon.h"

#include <QHeaderView>

TFormEntregador::TFormEntregador(TLogon& logon, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<::Ui::TFormEntregador>()), m_store(logon)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormEntregador"));
    for (Field f : {Code, Name, Address, City, State, Phone})
        registers::upperCaseField(field(f));
    enterMovesTo(ui->codeEdit, ui->nameEdit);
    enterMovesTo(ui->nameEdit, ui->addressEdit);
    enterMovesTo(ui->addressEdit, ui->cityEdit);
    enterMovesTo(ui->cityEdit, ui->stateEdit);
    enterMovesTo(ui->stateEdit, ui->phoneEdit);
    enterMovesTo(ui->phoneEdit, ui->confirmButton);
    ui->menList->setColumnCount(2);
    ui->menList->setHorizontalHeaderLabels({QStringLiteral("CODIGO"), QStringLiteral("NOME")});
    ui->menList->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    ui->menList->verticalHeader()->hide();
    connect(ui->menList, &QTableWidget::currentCellChanged, this, [this](int row) { showRow(row); });
    connect(ui->menList, &QTableWidget::cellClicked, this, [this](int row) { showRow(row); });
    connect(ui->newButton, &QPushButton::clicked, this, &TFormEntregador::newMan);
    connect(ui->deleteButton, &QPushButton::clicked, this, &TFormEntregador::deleteMan);
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormEntregador::saveMan);
    // A delivery man typed or changed and not saved is the entry Esc, the close box
    // and "&Retornar" ask about.
    m_guard = new EntryGuard(this);
    m_guard->watch({ui->codeEdit, ui->nameEdit, ui->addressEdit, ui->cityEdit, ui->stateEdit, ui->phoneEdit});
    m_guard->closeWith(ui->returnButton);
    reloadList();
}

TFormEntregador::~TFormEntregador() = default;

QLineEdit* TFormEntregador::field(Field f) const
{
    switch (f) {
    case Code: return ui->codeEdit;
    case Name: return ui->nameEdit;
    case Address: return ui->addressEdit;
    case City: return ui->cityEdit;
    case State: return ui->stateEdit;
    case Phone: return ui->phoneEdit;
    }
    return nullptr;
}

QTableWidget* TFormEntregador::list() const { return ui->menList; }

void TFormEntregador::reloadList(qint64 keepCode)
{
    registers::attempt([this] { m_list = m_store.list(); });
    const QSignalBlocker quiet(ui->menList);
    ui->menList->setRowCount(int(m_list.size()));
    int current = 0;
    for (int i = 0; i < int(m_list.size()); ++i) {
        const DeliveryMan& m = m_list[size_t(i)];
        ui->menList->setItem(i, 0, new QTableWidgetItem(FormatFloat(u"000000", Decimal(m.codigo))));
        ui->menList->setItem(i, 1, new QTableWidgetItem(m.nome));
        if (keepCode && m.codigo == keepCode)
            current = i;
    }
    if (m_list.empty())
        return;
    ui->menList->setCurrentCell(current, 0);
    showRow(current);
}

void TFormEntregador::showRow(int row)
{
    if (row < 0 || row >= int(m_list.size()))
        return;
    const DeliveryMan& m = m_list[size_t(row)];
    m_new = false;
    ui->codeEdit->setText(FormatFloat(u"000000", Decimal(m.codigo)));
    ui->nameEdit->setText(m.nome);
    ui->addressEdit->setText(m.endereco);
    ui->cityEdit->setText(m.cidade);
    ui->stateEdit->setText(m.estado);
    ui->phoneEdit->setText(m.fone);
    m_guard->markClean();
}

void TFormEntregador::newMan()
{
    for (Field f : {Code, Name, Address, City, State, Phone})
        field(f)->clear();
    qint64 next = 1;
    registers::attempt([&] { next = m_store.nextCode(); });
    ui->codeEdit->setText(FormatFloat(u"000000", Decimal(next)));
    m_new = true;
    m_guard->markClean();   // a new delivery man begun: typing him is the entry
    ui->nameEdit->setFocus();
}

bool TFormEntregador::saveMan()
{
    const qint64 code = DeliveryMen::codeOf(ui->codeEdit->text());
    if (code == 0) {
        ui->codeEdit->setText(QStringLiteral("0"));   // nothing is saved under no code
        return false;
    }
    bool saved = false;
    if (!registers::attempt([&] {
            saved = m_store.save(ui->codeEdit->text(), ui->nameEdit->text(), ui->addressEdit->text(),
                                 ui->cityEdit->text(), ui->stateEdit->text(), ui->phoneEdit->text(), m_new);
        }))
        return false;   // the fields keep what was typed (and a new one stays new)
    reloadList(code);
    return saved;
}

void TFormEntregador::deleteMan()
{
    const int row = ui->menList->currentRow();
    if (ShowMessageWindow(deliverytext::attention, deliverytext::askDelete, QStringLiteral("2")) == QLatin1String("S")
        && row >= 0 && row < int(m_list.size())) {
        const qint64 id = m_list[size_t(row)].id;
        registers::attempt([&] { m_store.remove(id); });
    }
    reloadList();
}
