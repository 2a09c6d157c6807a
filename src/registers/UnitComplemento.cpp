#include "registers/UnitComplemento.h"
#include "registers/ProductRules.h"
#include "registers/RegisterRules.h"
#include "core/FormatFloat.h"
#include "core/uMensagem.h"
#include "core/uMensagemWindow.h"
#include "platform/Dialogs.h"
#include "platform/StationPaths.h"
#include "shell/UnSenha.h"
#include "ui_UnitComplemento.h"

namespace {
QString sixDigits(const QVariant& v)
{
    return v.isNull() ? QString() : QStringLiteral("%1").arg(v.toLongLong(), 6, 10, QLatin1Char('0'));
}
}

TFormComplemento::TFormComplemento(TLogon& logon, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , ui(new ::Ui::TFormComplemento)
    , m_store(logon)
{
    ui->setupUi(this);
    ui->complementList->setColumns({{QStringLiteral("CODIGO"), QStringLiteral("CODIGO"), sixDigits},
                                    {QStringLiteral("NOME"), QStringLiteral("NOME"), {}},
                                    {QStringLiteral("CATEGORIA"), QStringLiteral("CATEGORIA"), {}}});
    upperCaseWhileTyping(ui->nameEdit);
    connect(ui->codeEdit, &QLineEdit::returnPressed, ui->nameEdit, qOverload<>(&QWidget::setFocus));
    connect(ui->nameEdit, &QLineEdit::returnPressed, ui->valueEdit, qOverload<>(&QWidget::setFocus));
    connect(ui->valueEdit, &QLineEdit::returnPressed, ui->confirmButton, qOverload<>(&QWidget::setFocus));
    connect(ui->newButton, &QPushButton::clicked, this, &TFormComplemento::newComplement);
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormComplemento::confirm);
    connect(ui->deleteButton, &QPushButton::clicked, this, &TFormComplemento::removeCurrent);
    connect(ui->changePictureButton, &QPushButton::clicked, this, &TFormComplemento::changePicture);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->complementList, &PickList::clicked, this, &TFormComplemento::showCurrent);
    connect(ui->complementList, &PickList::doubleClicked, this, &TFormComplemento::showCurrent);
    connect(ui->complementList, &PickList::rowChanged, this, &TFormComplemento::showCurrent);

    try {
        registers::Rows groups = m_store.groups();
        ui->groupCombo->addItem(QString(), QVariant());
        while (groups.next())
            ui->groupCombo->addItem(groups.text(u"NOME"), groups.integer(u"CODIGO"));
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    reload();
    showCurrent();
}

TFormComplemento::~TFormComplemento() = default;

void TFormComplemento::reload(qint64 code)
{
    try {
        QSignalBlocker block(ui->complementList);
        ui->complementList->setRows(m_store.list());
        if (code >= 0)
            ui->complementList->moveTo(u"CODIGO", QString::number(code));
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
}

void TFormComplemento::showCurrent()
{
    const PickList* l = ui->complementList;
    ui->codeEdit->setText(sixDigits(l->currentValue(u"CODIGO")));
    ui->nameEdit->setText(l->currentText(u"NOME"));
    const QVariant group = l->currentValue(u"GRUPO");
    ui->groupCombo->setCurrentIndex(group.isNull() ? 0 : std::max(0, ui->groupCombo->findData(group.toLongLong())));
    const QVariant value = l->currentValue(u"VALOR");
    ui->valueEdit->setText(value.isNull() ? QString() : FormatFloat(u"0.00", decimalOf(value)));
    loadPicture();
}

void TFormComplemento::loadPicture()
{
    ui->pictureView->setPicture(QPixmap());
    if (TrimText(ui->codeEdit->text()).isEmpty())
        return;
    ui->codeEdit->setText(registers::sixDigitCode(ui->codeEdit->text()));
    const QString file = product::pictureFileName(QStringLiteral("CP"), ui->codeEdit->text());
    QPixmap picture;
    if (!file.isEmpty() && station::exists(file) && picture.load(station::path(file)))
        ui->pictureView->setPicture(picture);
}

void TFormComplemento::newComplement()
{
    ui->nameEdit->clear();
    ui->groupCombo->setCurrentIndex(0);
    ui->valueEdit->clear();
    qint64 highest = 0;
    try {
        highest = m_store.highestCode();
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    {
        QSignalBlocker block(ui->complementList);
        ui->complementList->setCurrentRowIndex(ui->complementList->count() - 1);
    }
    ui->codeEdit->setText(QStringLiteral("%1").arg(highest + 1, 6, 10, QLatin1Char('0')));
    loadPicture();
    ui->codeEdit->setFocus();
}

void TFormComplemento::confirm()
{
    const QVariant group = ui->groupCombo->currentData();
    const complement::Entry entry = complement::readEntry(ui->codeEdit->text(), ui->nameEdit->text(),
                                                          group.isNull() ? QString() : QString::number(group.toLongLong()),
                                                          ui->valueEdit->text());
    if (!entry.refusal.isEmpty()) {
        ShowMessageWindow(complement::text::attention, entry.refusal);
        return;
    }
    if (!entry.writes())
        return;
    try {
        m_store.save(entry);
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
        return;
    }
    reload(entry.code);   // the fields keep what was typed
}

void TFormComplemento::removeCurrent()
{
    if (ShowMessageWindow(complement::text::attention, complement::text::confirmDelete, QStringLiteral("2"),
                          QStringLiteral("1")) == QLatin1String("S")
        && ui->complementList->currentRowIndex() >= 0) {
        try {
            m_store.remove(ui->complementList->currentValue(u"ID").toLongLong());
        } catch (const DbError& e) {
            dialogs().errorBox(e.message());
        }
        reload();
    }
    ui->codeEdit->setFocus();
    showCurrent();
}

void TFormComplemento::changePicture()
{
    const QString source = dialogs().openPictureFile();
    if (source.isEmpty())
        return;
    const QString file = product::pictureFileName(QStringLiteral("CP"), registers::sixDigitCode(ui->codeEdit->text()));
    if (file.isEmpty()) {
        ShowMessageWindow(complement::text::attention, product::text::badFileCode);
        return;
    }
    const QString problem = registers::replaceButtonPicture(source, station::pathForWriting(file));
    if (!problem.isEmpty()) {
        dialogs().errorBox(problem);
        return;
    }
    loadPicture();
}
