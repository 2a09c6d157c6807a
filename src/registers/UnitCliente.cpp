#include "registers/UnitCliente.h"
#include "core/WholeNumber.h"

#include "core/Globals.h"
#include "core/uMensagem.h"
#include "platform/Dialogs.h"
#include "registers/RegisterCommon.h"
#include "shell/WindowRegistry.h"
#include "ui_UnitCliente.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPixmap>

TFormCliente::TFormCliente(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(new ::Ui::TFormCliente)
    , m_register(logon)
{
    ui->setupUi(this);
    for (const auto& f : CustomerRegister::fields()) {
        auto* edit = findChild<QLineEdit*>(QString::fromLatin1(f.column).toLower() + QStringLiteral("Edit"));
        m_fields.insert(QLatin1String(f.column), edit);
        registers::limitToColumn(edit, "CLIENTES", f.column);
        if (f.lowerCase)
            registers::lowerCaseField(edit);
        else
            registers::upperCaseField(edit);
    }
    field("CODIGO")->setMaxLength(11);

    // Enter moves on; a few fields jump, the last two save.
    const char* const order[] = {"CODIGO", "NOME", "ENDERECO", "CIDADE", "ESTADO", "CEP", "FONE", "FAX"};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        chainEnter(order[i], order[i + 1]);
    chainEnter("FAX", "PAGINA");
    chainEnter("PAGINA", "EMAIL");
    chainEnter("EMAIL", "CONTATO");
    chainEnter("CONTATO", "CNPJ");
    chainEnter("LIMITE", "CONTATO");
    chainEnter("CNPJ", "ESTADUAL");
    chainEnter("ESTADUAL", "NASC");
    connect(field("NASC"), &QLineEdit::returnPressed, this, &TFormCliente::saveCustomer);
    connect(field("FIDELIDADE"), &QLineEdit::returnPressed, this, &TFormCliente::saveCustomer);

    connect(field("CODIGO"), &QLineEdit::editingFinished, this, [this] {
        if (field("CODIGO")->isModified())
            leaveCode();
    });
    connect(ui->newButton, &QPushButton::clicked, this, &TFormCliente::newCustomer);
    connect(ui->saveButton, &QPushButton::clicked, this, &TFormCliente::saveCustomer);
    connect(ui->deleteButton, &QPushButton::clicked, this, &TFormCliente::deleteCustomer);
    connect(ui->searchButton, &QPushButton::clicked, this, &TFormCliente::search);
    connect(ui->photoButton, &QPushButton::clicked, this, &TFormCliente::changePhoto);
    connect(ui->returnButton, &QPushButton::clicked, this, &TFormCliente::returnToMenu);
    connect(ui->firstButton, &QPushButton::clicked, this, [this] { step(CustomerRegister::Step::First); });
    connect(ui->priorButton, &QPushButton::clicked, this, [this] { step(CustomerRegister::Step::Prior); });
    connect(ui->nextButton, &QPushButton::clicked, this, [this] { step(CustomerRegister::Step::Next); });
    connect(ui->lastButton, &QPushButton::clicked, this, [this] { step(CustomerRegister::Step::Last); });
    connect(ui->customerList, &QTableWidget::cellClicked, this, [this](int row, int) {
        const QString code = ui->customerList->item(row, 0)->text();
        registers::attempt([&] {
            m_register.reload();
            m_register.moveToCode(code.toLongLong());
        });
        showCustomer();
    });

    ui->customerList->setColumnCount(3);
    ui->customerList->setHorizontalHeaderLabels({QStringLiteral("CODIGO"), QStringLiteral("NOME"), QStringLiteral("FONE")});
    ui->customerList->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    ui->customerList->verticalHeader()->hide();

    registers::attempt([this] { m_register.open(); });
    refreshList();
    showCustomer();
}

TFormCliente::~TFormCliente() = default;

QLineEdit* TFormCliente::field(const char* column) const
{
    return m_fields.value(QLatin1String(column));
}

void TFormCliente::chainEnter(const char* from, const char* to)
{
    QLineEdit* next = field(to);
    connect(field(from), &QLineEdit::returnPressed, next, [next] { next->setFocus(); });
}

Customer TFormCliente::typed() const
{
    Customer c;
    c.id = m_register.shown().id;
    for (auto it = m_fields.begin(); it != m_fields.end(); ++it)
        c.values[it.key()] = it.value()->text();
    return c;
}

void TFormCliente::showCustomer()
{
    const Customer& c = m_register.shown();
    for (auto it = m_fields.begin(); it != m_fields.end(); ++it)
        it.value()->setText(c.values.value(it.key()));
    refreshPhoto();
}

void TFormCliente::refreshList()
{
    registers::attempt([this] {
        const auto rows = m_register.list();
        ui->customerList->setRowCount(int(rows.size()));
        for (int i = 0; i < int(rows.size()); ++i) {
            ui->customerList->setItem(i, 0, new QTableWidgetItem(rows[size_t(i)].code));
            ui->customerList->setItem(i, 1, new QTableWidgetItem(rows[size_t(i)].name));
            ui->customerList->setItem(i, 2, new QTableWidgetItem(rows[size_t(i)].phone));
        }
    });
    ui->customerList->resizeColumnToContents(0);
}

void TFormCliente::refreshPhoto()
{
    const QImage img = m_register.photo();
    ui->photoLabel->setPixmap(img.isNull() ? QPixmap() : QPixmap::fromImage(img.scaled(193, 237, Qt::KeepAspectRatio)));
}

void TFormCliente::newCustomer()
{
    registers::attempt([this] { m_register.beginNew(); });
    showCustomer();
    field("CODIGO")->setFocus();
}

void TFormCliente::leaveCode()
{
    QLineEdit* code = field("CODIGO");
    if (TrimText(code->text()).isEmpty()) {
        refreshPhoto();
        return;
    }
    QString shown;
    const Customer edits = typed();
    if (!registers::attempt([&] { shown = m_register.codeLeft(code->text(), edits); }))
        return;
    showCustomer();
    code->setText(shown);
    code->setModified(false);
}

bool TFormCliente::saveCustomer()
{
    const Customer edits = typed();
    if (!registers::attempt([&] { m_register.save(edits); }))
        return false;   // the fields keep what was typed
    refreshList();
    showCustomer();
    return true;
}

void TFormCliente::deleteCustomer()
{
    bool removed = false;
    registers::attempt([&] { removed = m_register.remove(); });
    if (removed)
        refreshList();
    showCustomer();
}

void TFormCliente::search()
{
    registers::attempt([this] { m_register.reload(); });
    windows::open(QStringLiteral("TFormBusca"));
    const QString chosen = TrimText(ctx::lookup().LookupCode);
    if (!chosen.isEmpty()) {
        if (const auto code = readInt(chosen))
            registers::attempt([&] { m_register.moveToCode(*code); });
    }
    showCustomer();
}

void TFormCliente::changePhoto()
{
    if (TrimText(field("CODIGO")->text()).isEmpty())
        return;
    const QString picked = dialogs().openPictureFile();
    if (picked.isEmpty())
        return;
    registers::attempt([&] { m_register.setPhoto(picked); });
    refreshPhoto();
}

void TFormCliente::step(CustomerRegister::Step s)
{
    registers::attempt([&] { m_register.step(s); });
    showCustomer();
}

void TFormCliente::returnToMenu()
{
    registers::attempt([this] { m_register.reload(); });
    showCustomer();
    accept();
}

void TFormCliente::done(int result)
{
    ctx::lookup().LookupCode = m_register.shown().id ? m_register.shownCodeNumber() : QString();
    QDialog::done(result);
}
