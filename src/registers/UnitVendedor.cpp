#include "registers/UnitVendedor.h"

#include "registers/RegisterCommon.h"
#include "shell/Credentials.h"
#include "ui_UnitVendedor.h"

#include <QHeaderView>
#include <QSignalBlocker>

TFormVendedor::TFormVendedor(TLogon& logon, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , ui(new ::Ui::TFormVendedor)
    , m_staff(logon)
{
    ui->setupUi(this);
    ui->codeEdit->setMaxLength(11);
    QLineEdit* previous = ui->codeEdit;
    for (const auto& f : StaffRegister::fields()) {
        auto* edit = findChild<QLineEdit*>(QString::fromLatin1(f.column).toLower() + QStringLiteral("Edit"));
        const QString column = QString::fromLatin1(f.column);
        m_fields.insert(column, edit);
        registers::limitToColumn(edit, "VENDEDOR", f.column);
        registers::upperCaseField(edit);
        connect(previous, &QLineEdit::returnPressed, edit, [edit] { edit->setFocus(); });
        connect(edit, &QLineEdit::textChanged, this, [this, col = f.column](const QString& text) {
            if (!m_filling)
                m_staff.setValue(col, text);
        });
        previous = edit;
    }
    ui->admissaoEdit->setMaxLength(10);
    ui->afastaEdit->setMaxLength(10);
    // the column keeps a digest: what may be typed is the password's own length
    field("CEP")->setMaxLength(passwords::kTypedMaxLength);
    connect(ui->afastaEdit, &QLineEdit::returnPressed, this, &TFormVendedor::confirmStaff);
    connect(ui->codeEdit, &QLineEdit::editingFinished, this, [this] {
        if (ui->codeEdit->isModified())
            leaveCode();
    });
    connect(ui->newButton, &QPushButton::clicked, this, &TFormVendedor::newStaff);
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormVendedor::confirmStaff);
    connect(ui->deleteButton, &QPushButton::clicked, this, &TFormVendedor::deleteStaff);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->staffList, &QTableWidget::cellClicked, this, [this](int row, int) { chooseRow(row); });
    connect(ui->staffList, &QTableWidget::currentCellChanged, this, [this](int row, int, int previous, int) {
        if (row >= 0 && row != previous)
            chooseRow(row);
    });

    ui->staffList->setColumnCount(2);
    ui->staffList->setHorizontalHeaderLabels({QStringLiteral("CODIGO"), QStringLiteral("NOME")});
    ui->staffList->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    ui->staffList->verticalHeader()->hide();

    registers::attempt([this] { m_staff.load(); });
    refreshList();
    showRow();
    if (const StaffRow* r = m_staff.currentRow())
        ui->codeEdit->setText(registers::paddedCode(r->value("CODIGO").toLongLong(), 6));
}

TFormVendedor::~TFormVendedor() = default;

QLineEdit* TFormVendedor::codeField() const { return ui->codeEdit; }
QLineEdit* TFormVendedor::field(const char* column) const { return m_fields.value(QLatin1String(column)); }

void TFormVendedor::showRow()
{
    m_filling = true;
    const StaffRow* r = m_staff.currentRow();
    for (auto it = m_fields.begin(); it != m_fields.end(); ++it)
        it.value()->setText(r ? r->values.value(it.key()) : QString());
    field("CEP")->setPlaceholderText(r && StaffRegister::hasStoredPassword(*r) ? passwords::keptHint : QString());
    m_filling = false;
    if (m_staff.current() >= 0) {
        const QSignalBlocker quietList(ui->staffList);
        ui->staffList->setCurrentCell(m_staff.current(), 0);
    }
}

void TFormVendedor::refreshList()
{
    const auto& rows = m_staff.rows();
    const QSignalBlocker quiet(ui->staffList);
    ui->staffList->setRowCount(int(rows.size()));
    for (int i = 0; i < int(rows.size()); ++i) {
        ui->staffList->setItem(i, 0, new QTableWidgetItem(rows[size_t(i)].value("CODIGO")));
        ui->staffList->setItem(i, 1, new QTableWidgetItem(rows[size_t(i)].value("NOME")));
    }
}

void TFormVendedor::chooseRow(int row)
{
    m_staff.select(row);
    showRow();
    if (const StaffRow* r = m_staff.currentRow())
        ui->codeEdit->setText(registers::paddedCode(r->value("CODIGO").toLongLong(), 6));
}

void TFormVendedor::newStaff()
{
    ui->codeEdit->clear();
    ui->codeEdit->setText(m_staff.nextCodeText());
    ui->codeEdit->setModified(true);
    ui->codeEdit->setFocus();
}

void TFormVendedor::leaveCode()
{
    ui->codeEdit->setModified(false);
    StaffRegister::CodeOutcome outcome = StaffRegister::CodeOutcome::Cleared;
    if (!registers::attempt([&] { outcome = m_staff.codeLeft(ui->codeEdit->text()); }))
        return;
    switch (outcome) {
    case StaffRegister::CodeOutcome::CloseWindow:
        reject();
        return;
    case StaffRegister::CodeOutcome::Cleared:
        ui->codeEdit->clear();
        ui->codeEdit->setFocus();
        return;
    case StaffRegister::CodeOutcome::Moved:
    case StaffRegister::CodeOutcome::Added:
        refreshList();
        showRow();
        ui->codeEdit->setText(m_staff.currentRow()->value("CODIGO"));
        field("NOME")->setFocus();
        return;
    }
}

bool TFormVendedor::confirmStaff()
{
    const bool done = registers::attempt([this] { m_staff.confirm(); });
    refreshList();
    showRow();
    return done;
}

void TFormVendedor::deleteStaff()
{
    registers::attempt([this] { m_staff.remove(); });
    refreshList();
    showRow();
    if (const StaffRow* r = m_staff.currentRow())
        ui->codeEdit->setText(r->value("CODIGO"));
    ui->codeEdit->setFocus();
}
