#include "registers/Unitforne.h"
#include "core/WholeNumber.h"

#include "core/FieldEvents.h"
#include "core/Globals.h"
#include "core/uMensagem.h"
#include "registers/Lookups.h"
#include "registers/PickList.h"
#include "registers/RegisterCommon.h"
#include "ui_Unitforne.h"

#include <QLineEdit>

TFormForne::TFormForne(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(new ::Ui::TFormForne)
    , m_logon(logon)
    , m_register(logon)
{
    ui->setupUi(this);
    auto* events = new FieldEvents(this);
    std::vector<QWidget*> order;
    for (const auto& f : SupplierRegister::fields()) {
        auto* edit = findChild<QLineEdit*>(QString::fromLatin1(f.column).toLower() + QStringLiteral("Edit"));
        m_fields.insert(QLatin1String(f.column), edit);
        registers::limitToColumn(edit, "FORNECEDOR", f.column);
        if (f.lowerCase)
            registers::lowerCaseField(edit);
        else
            registers::upperCaseField(edit);
        order.push_back(edit);
    }
    field("CODIGO")->setMaxLength(11);
    // Enter acts as Tab along the fields; Enter in "Contato" saves.
    events->chain(order);
    events->onEnter(field("CONTATO"), [this] { saveSupplier(); });
    events->onLeave(field("CODIGO"), [this] {
        if (field("CODIGO")->isModified())
            leaveCode();
    });

    ui->supplierList->setColumns({{QStringLiteral("CODIGO"), QStringLiteral("CODIGO"), {}},
                                  {QStringLiteral("NOME"), QStringLiteral("NOME"), {}},
                                  {QStringLiteral("FONE"), QStringLiteral("FONE"), {}}});
    connect(ui->supplierList, &PickList::userMoved, this, [this] {
        const QString code = ui->supplierList->currentText(u"CODIGO");
        registers::attempt([&] {
            m_register.reload();
            m_register.moveToCode(code.toLongLong());
        });
        showSupplier();
    });
    connect(ui->newButton, &QPushButton::clicked, this, &TFormForne::newSupplier);
    connect(ui->saveButton, &QPushButton::clicked, this, &TFormForne::saveSupplier);
    connect(ui->deleteButton, &QPushButton::clicked, this, &TFormForne::deleteSupplier);
    connect(ui->searchButton, &QPushButton::clicked, this, &TFormForne::search);
    connect(ui->returnButton, &QPushButton::clicked, this, &TFormForne::returnToMenu);
    connect(ui->firstButton, &QPushButton::clicked, this, [this] { step(RecordRegister::Step::First); });
    connect(ui->priorButton, &QPushButton::clicked, this, [this] { step(RecordRegister::Step::Prior); });
    connect(ui->nextButton, &QPushButton::clicked, this, [this] { step(RecordRegister::Step::Next); });
    connect(ui->lastButton, &QPushButton::clicked, this, [this] { step(RecordRegister::Step::Last); });

    registers::attempt([this] { m_register.open(); });
    refreshList();
    showSupplier();
}

TFormForne::~TFormForne() = default;

QLineEdit* TFormForne::field(const char* column) const
{
    return m_fields.value(QLatin1String(column));
}

PickList* TFormForne::supplierList() const { return ui->supplierList; }
QString TFormForne::idShown() const { return ui->idLabel->text(); }

Record TFormForne::typed() const
{
    Record r;
    r.id = m_register.shown().id;
    for (auto it = m_fields.begin(); it != m_fields.end(); ++it)
        r.values[it.key()] = it.value()->text();
    return r;
}

bool TFormForne::pending() const
{
    const Record& shown = m_register.shown();
    if (m_register.mode() == RecordRegister::Mode::Insert) {
        // A new row with nothing typed but its proposed code is dropped, not saved.
        for (auto it = m_fields.begin(); it != m_fields.end(); ++it)
            if (it.key() != QLatin1String("CODIGO") && !TrimText(it.value()->text()).isEmpty())
                return true;
        return false;
    }
    if (m_register.mode() == RecordRegister::Mode::Edit)
        return true;
    for (auto it = m_fields.begin(); it != m_fields.end(); ++it) {
        const QString stored = it.key() == QLatin1String("CODIGO") ? shown.value("CODIGO") : shown.values.value(it.key());
        if (TrimText(it.value()->text()) != TrimText(stored)
            && !(it.key() == QLatin1String("CODIGO") && readInt(it.value()->text()) == readInt(stored)))
            return true;
    }
    return false;
}

void TFormForne::showSupplier()
{
    const Record& r = m_register.shown();
    for (auto it = m_fields.begin(); it != m_fields.end(); ++it)
        it.value()->setText(r.values.value(it.key()));
    field("CODIGO")->setModified(false);
    ui->idLabel->setText(r.id ? QString::number(r.id) : QString());
    ui->operatorLabel->setText(r.value("OPERADOR"));
}

void TFormForne::refreshList()
{
    std::vector<QVariantList> rows;
    registers::attempt([&] {
        for (const RecordRegister::ListRow& r : m_register.list())
            rows.push_back({r.id, r.code, r.name, r.phone});
    });
    ui->supplierList->setRows(RowSet({QStringLiteral("ID"), QStringLiteral("CODIGO"), QStringLiteral("NOME"),
                                      QStringLiteral("FONE")},
                                     std::move(rows)));
    ui->supplierList->moveTo(u"CODIGO", m_register.shownCodeNumber());
}

void TFormForne::newSupplier()
{
    registers::attempt([this] {
        m_register.reload();
        m_register.beginNew();
    });
    showSupplier();
    field("CODIGO")->setFocus();
}

void TFormForne::leaveCode()
{
    QLineEdit* code = field("CODIGO");
    if (TrimText(code->text()).isEmpty())
        return;
    QString shown;
    const Record edits = typed();
    if (!registers::attempt([&] { shown = m_register.codeLeft(code->text(), edits); }))
        return;
    showSupplier();
    code->setText(shown);
    code->setModified(false);
}

bool TFormForne::saveSupplier()
{
    const Record edits = typed();
    if (!registers::attempt([&] { m_register.save(edits); }))
        return false;   // the fields keep what was typed
    refreshList();
    showSupplier();
    return true;
}

void TFormForne::deleteSupplier()
{
    bool removed = false;
    registers::attempt([&] { removed = m_register.remove(); });
    if (removed)
        refreshList();
    showSupplier();
}

void TFormForne::search()
{
    registers::attempt([this] { m_register.reload(); });
    const QString chosen = TrimText(chooseSupplier(m_logon));
    if (const auto code = readInt(chosen))
        registers::attempt([&] { m_register.moveToCode(*code); });
    showSupplier();
    ui->supplierList->moveTo(u"CODIGO", m_register.shownCodeNumber());
}

bool TFormForne::step(RecordRegister::Step s)
{
    if (pending() && !saveSupplier())
        return false;
    registers::attempt([&] { m_register.step(s); });
    showSupplier();
    ui->supplierList->moveTo(u"CODIGO", m_register.shownCodeNumber());
    return true;
}

void TFormForne::returnToMenu()
{
    registers::attempt([this] { m_register.reload(); });
    accept();
}
