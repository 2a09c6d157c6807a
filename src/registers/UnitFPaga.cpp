#include "registers/UnitFPaga.h"
#include "core/WholeNumber.h"

#include "registers/RegisterCommon.h"
#include "ui_UnitFPaga.h"

#include <QHeaderView>
#include <QSignalBlocker>

TFormFPaga::TFormFPaga(TLogon& logon, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , ui(new ::Ui::TFormFPaga)
    , m_store(logon)
{
    ui->setupUi(this);
    ui->codeEdit->setMaxLength(11);
    registers::limitToColumn(ui->nameEdit, "FORMAPAGA", "NOME");
    registers::limitToColumn(ui->bxEdit, "FORMAPAGA", "BX");
    registers::limitToColumn(ui->davEdit, "FORMAPAGA", "DAV");
    for (QLineEdit* e : {ui->codeEdit, ui->nameEdit, ui->bxEdit, ui->davEdit})
        registers::upperCaseField(e);
    connect(ui->codeEdit, &QLineEdit::returnPressed, this, [this] { ui->nameEdit->setFocus(); });
    connect(ui->nameEdit, &QLineEdit::returnPressed, this, [this] { ui->bxEdit->setFocus(); });
    connect(ui->bxEdit, &QLineEdit::returnPressed, this, [this] { ui->davEdit->setFocus(); });
    connect(ui->davEdit, &QLineEdit::returnPressed, this, [this] { ui->confirmButton->setFocus(); });
    connect(ui->codeEdit, &QLineEdit::editingFinished, this, [this] {
        if (ui->codeEdit->isModified())
            leaveCode();
    });
    connect(ui->newButton, &QPushButton::clicked, this, &TFormFPaga::newMethod);
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormFPaga::confirmMethod);
    connect(ui->deleteButton, &QPushButton::clicked, this, &TFormFPaga::deleteMethod);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->methodList, &QTableWidget::cellClicked, this, [this](int row, int) { chooseRow(row); });
    connect(ui->methodList, &QTableWidget::currentCellChanged, this, [this](int row, int, int previous, int) {
        if (row >= 0 && row != previous)
            chooseRow(row);
    });

    ui->methodList->setColumnCount(4);
    ui->methodList->setHorizontalHeaderLabels({QStringLiteral("CD"), QStringLiteral("NOME"), QStringLiteral("BX"), QStringLiteral("DAV")});
    ui->methodList->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    ui->methodList->verticalHeader()->hide();

    reloadList();
    chooseRow(0);
}

TFormFPaga::~TFormFPaga() = default;

QLineEdit* TFormFPaga::codeField() const { return ui->codeEdit; }
QLineEdit* TFormFPaga::nameField() const { return ui->nameEdit; }
QLineEdit* TFormFPaga::bxField() const { return ui->bxEdit; }
QLineEdit* TFormFPaga::davField() const { return ui->davEdit; }

void TFormFPaga::reloadList()
{
    registers::attempt([this] { m_list = m_store.list(); });
    const QSignalBlocker quiet(ui->methodList);
    ui->methodList->setRowCount(int(m_list.size()));
    for (int i = 0; i < int(m_list.size()); ++i) {
        const PaymentMethod& m = m_list[size_t(i)];
        ui->methodList->setItem(i, 0, new QTableWidgetItem(registers::paddedCode(m.cd, 2)));
        ui->methodList->setItem(i, 1, new QTableWidgetItem(m.nome));
        ui->methodList->setItem(i, 2, new QTableWidgetItem(m.bx));
        ui->methodList->setItem(i, 3, new QTableWidgetItem(m.dav));
    }
}

void TFormFPaga::showMethod(const PaymentMethod& m)
{
    ui->codeEdit->setText(QString::number(m.cd));
    ui->nameEdit->setText(m.nome);
    ui->bxEdit->setText(m.bx);
    ui->davEdit->setText(m.dav);
}

void TFormFPaga::chooseRow(int row)
{
    if (row < 0 || row >= int(m_list.size()))
        return;
    m_row = row;
    const QSignalBlocker quietList(ui->methodList);
    ui->methodList->setCurrentCell(row, 0);
    showMethod(m_list[size_t(row)]);
}

void TFormFPaga::leaveCode()
{
    const QString typed = ui->codeEdit->text();
    ui->codeEdit->setText(PaymentMethodStore::shownCode(typed));
    std::optional<PaymentMethod> found;
    if (const auto code = readInt(typed))
        registers::attempt([&] { found = m_store.find(*code); });
    ui->nameEdit->setText(found ? found->nome : QString());
    ui->bxEdit->setText(found ? found->bx : QString());
    ui->davEdit->setText(found ? found->dav : QString());
}

void TFormFPaga::newMethod()
{
    ui->codeEdit->clear();
    ui->nameEdit->clear();
    reloadList();
    int next = 1;
    registers::attempt([&] { next = m_store.nextCode(); });
    ui->codeEdit->setText(registers::paddedCode(next, 2));
    ui->codeEdit->setFocus();
    leaveCode();
}

bool TFormFPaga::confirmMethod()
{
    if (!readInt(ui->codeEdit->text()))
        ui->codeEdit->setText(QStringLiteral("0"));
    const bool done = registers::attempt([this] {
        m_store.confirm(ui->codeEdit->text(), ui->nameEdit->text(), ui->bxEdit->text(), ui->davEdit->text());
    });
    reloadList();
    return done;
}

void TFormFPaga::deleteMethod()
{
    if (m_row >= 0 && m_row < int(m_list.size())) {
        const PaymentMethod m = m_list[size_t(m_row)];
        registers::attempt([&] { m_store.remove(m); });
    } else {
        registers::attempt([&] { m_store.remove(PaymentMethod{}); });
    }
    reloadList();
    chooseRow(0);
}
