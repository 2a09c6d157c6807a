#include "cash/GAVTeste1.h"

#include "cash/CashDrawer.h"
#include "platform/Dialogs.h"
#include "ui_GAVTeste1.h"

#include <stdexcept>

TForm1::TForm1(QWidget* parent)
    : QDialog(parent)
    , ui(new ::Ui::TForm1)
{
    ui->setupUi(this);
    ui->modelCombo->addItems(drawer::models());
    ui->portCombo->addItems(drawer::portNames());
    ui->commandCombo->addItems(drawer::commands());
    connect(ui->openButton, &QPushButton::clicked, this, &TForm1::openDrawer);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::accept);

    const drawer::Settings s = drawer::load();
    ui->modelCombo->setCurrentIndex(s.model);
    setPort(s.port);
    ui->commandCombo->setCurrentIndex(s.command);
}

TForm1::~TForm1() = default;

int TForm1::model() const { return ui->modelCombo->currentIndex(); }
QString TForm1::port() const { return ui->portCombo->currentText(); }
QString TForm1::command() const { return ui->commandCombo->currentText(); }
void TForm1::setModel(int index) { ui->modelCombo->setCurrentIndex(index); }
namespace {
// An editable list: the entry of that text when there is one, else the text typed.
void choose(QComboBox* box, const QString& text)
{
    const int at = box->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (at >= 0)
        box->setCurrentIndex(at);
    else
        box->setCurrentText(text);
}
} // namespace

// The port list takes its own entries only: a name it does not hold (a path kept
// by an older station) leaves no port chosen.
void TForm1::setPort(const QString& port)
{
    ui->portCombo->setCurrentIndex(ui->portCombo->findText(port.trimmed(), Qt::MatchFixedString));
}
void TForm1::setCommand(const QString& text) { choose(ui->commandCombo, text); }

void TForm1::openDrawer()
{
    ui->openButton->setEnabled(false);
    try {
        drawer::open(model(), port(), command());
    } catch (const std::runtime_error& e) {
        dialogs().errorBox(QString::fromUtf8(e.what()));
    }
    ui->openButton->setEnabled(true);
}

void TForm1::done(int result)
{
    drawer::Settings s;
    s.model = model();
    s.port = port();
    s.portIndex = int(drawer::portNames().indexOf(s.port));
    s.command = int(drawer::commands().indexOf(command()));
    if (s.command < 0)
        s.command = ui->commandCombo->currentIndex();
    drawer::save(s, ui->modelCombo->currentText(), command());
    QDialog::done(result);
}
