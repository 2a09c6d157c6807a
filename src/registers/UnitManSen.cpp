#include "registers/UnitManSen.h"

#include "registers/RegisterCommon.h"
#include "shell/Credentials.h"
#include "ui_UnitManSen.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QHeaderView>
#include <QSignalBlocker>

TFormManSen::TFormManSen(TLogon& logon, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , ui(new ::Ui::TFormManSen)
    , m_users(logon)
{
    ui->setupUi(this);
    for (int i = 0; i < rights::kBits; ++i)
        m_boxes[size_t(i)] = findChild<QCheckBox*>(QStringLiteral("rightsBox%1").arg(i + 1));
    registers::limitToColumn(ui->nameEdit, "MILTREX", "NOME");
    // the column keeps a digest: what may be typed is the password's own length
    ui->passwordEdit->setMaxLength(passwords::kTypedMaxLength);
    registers::limitToColumn(ui->masterEdit, "MILTREX", "MASTER");
    for (QLineEdit* e : {ui->nameEdit, ui->passwordEdit, ui->masterEdit})
        registers::upperCaseField(e);

    connect(ui->nameEdit, &QLineEdit::returnPressed, ui->passwordEdit, [this] { ui->passwordEdit->setFocus(); });
    connect(ui->passwordEdit, &QLineEdit::returnPressed, ui->masterEdit, [this] { ui->masterEdit->setFocus(); });
    connect(ui->nameEdit, &QLineEdit::editingFinished, this, [this] {
        ui->nameEdit->setEnabled(false);
        for (int i = 0; i < rights::kBits; ++i)
            m_boxes[size_t(i)]->setChecked(rights::boxesOf(m_users.current().sistema)[size_t(i)]);
    });
    connect(ui->newButton, &QPushButton::clicked, this, &TFormManSen::newUser);
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormManSen::confirmUser);
    connect(ui->deleteButton, &QPushButton::clicked, this, &TFormManSen::deleteUser);
    connect(ui->returnButton, &QPushButton::clicked, this, &TFormManSen::returnToMenu);
    connect(ui->userPicker, &QComboBox::activated, this, [this](int i) { chooseUser(ui->userPicker->itemText(i)); });
    ui->userPicker->installEventFilter(this);
    connect(ui->userList, &QTableWidget::cellClicked, this, [this](int row, int) { chooseRow(row); });
    connect(ui->userList, &QTableWidget::currentCellChanged, this, [this](int row, int, int previous, int) {
        if (row >= 0 && row != previous)
            chooseRow(row);
    });

    ui->userList->setColumnCount(3);
    ui->userList->setHorizontalHeaderLabels({QStringLiteral("NOME"), QStringLiteral("MASTER"), QStringLiteral("CRIPTY")});
    ui->userList->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    ui->userList->verticalHeader()->hide();

    registers::attempt([this] { m_users.reload(); });
    refillPicker();
    showUser();
}

TFormManSen::~TFormManSen() = default;

bool TFormManSen::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->userPicker && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            chooseUser(ui->userPicker->currentText());
            ui->passwordEdit->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

QLineEdit* TFormManSen::nameField() const { return ui->nameEdit; }
QLineEdit* TFormManSen::passwordField() const { return ui->passwordEdit; }
QLineEdit* TFormManSen::masterField() const { return ui->masterEdit; }

QCheckBox* TFormManSen::rightsBox(int bit) const
{
    for (int i = 0; i < rights::kBits; ++i)
        if (bit == 1 << i)
            return m_boxes[size_t(i)];
    return nullptr;
}

void TFormManSen::showUser()
{
    const UserRow& u = m_users.current();
    ui->nameEdit->setText(u.nome);
    // The stored password is never shown: a blank field keeps it, a typed one replaces it.
    ui->passwordEdit->clear();
    ui->passwordEdit->setPlaceholderText(u.id != 0 && !u.senha.isEmpty() ? passwords::keptHint : QString());
    ui->masterEdit->setText(u.master);
    const rights::Boxes boxes = rights::boxesOf(u.sistema);
    for (int i = 0; i < rights::kBits; ++i)
        m_boxes[size_t(i)]->setChecked(boxes[size_t(i)]);
    const QSignalBlocker quietList(ui->userList);
    ui->userList->setCurrentCell(m_users.currentIndex(), 0);
}

void TFormManSen::refillPicker()
{
    ui->userPicker->clear();
    ui->userPicker->addItems(m_users.names());
    ui->userPicker->setCurrentIndex(0);
    const auto& all = m_users.users();
    const QSignalBlocker quiet(ui->userList);
    ui->userList->setRowCount(int(all.size()));
    for (int i = 0; i < int(all.size()); ++i) {
        ui->userList->setItem(i, 0, new QTableWidgetItem(all[size_t(i)].nome));
        ui->userList->setItem(i, 1, new QTableWidgetItem(all[size_t(i)].master));
        ui->userList->setItem(i, 2, new QTableWidgetItem(QString::number(all[size_t(i)].sistema)));
    }
}

void TFormManSen::chooseUser(const QString& name)
{
    // A change not confirmed is dropped: only "&Confirmar" writes.
    if (m_users.selectByName(name))
        showUser();
}

void TFormManSen::chooseRow(int row)
{
    m_users.select(row);
    showUser();
}

void TFormManSen::newUser()
{
    ui->nameEdit->setEnabled(true);
    m_users.beginNew();
    showUser();
    ui->nameEdit->setFocus();
}

bool TFormManSen::confirmUser()
{
    rights::Boxes ticked{};
    for (int i = 0; i < rights::kBits; ++i)
        ticked[size_t(i)] = m_boxes[size_t(i)]->isChecked();
    const bool saved = registers::attempt([&] {
        m_users.save(ui->nameEdit->text(), ui->passwordEdit->text(), ui->masterEdit->text(), rights::maskOf(ticked));
    });
    if (!saved)
        return false;   // the fields keep what was typed
    ui->nameEdit->setEnabled(false);
    refillPicker();
    showUser();
    return true;
}

void TFormManSen::deleteUser()
{
    registers::attempt([this] { m_users.remove(); });
    ui->nameEdit->setEnabled(false);
    refillPicker();
    showUser();
}

void TFormManSen::returnToMenu()
{
    bool leave = false;
    registers::attempt([&] { leave = m_users.mayLeave(); });
    if (leave)
        accept();
    else {
        refillPicker();
        showUser();
    }
}
