#include "db/UnitErro.h"
#include "ui_UnitErro.h"

TFormErro::TFormErro(const QString& serverAddress, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , ui(new ::Ui::TFormErro)
{
    ui->setupUi(this);
    ui->serverLine->setText(QStringLiteral("IP do servidor : ") + serverAddress);
    connect(ui->abortButton, &QPushButton::clicked, this, &TFormErro::abortProgram);
    connect(ui->connectButton, &QPushButton::clicked, this, &TFormErro::connectLocal);
}

TFormErro::~TFormErro() = default;

void TFormErro::abortProgram()
{
    done(Abort);
}

void TFormErro::connectLocal()
{
    done(Connect);
}
