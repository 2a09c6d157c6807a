#include "registers/UnitTipos.h"
#include "core/WholeNumber.h"

#include "core/FieldEvents.h"
#include "core/uMensagem.h"
#include "core/uMensagemWindow.h"
#include "platform/Dialogs.h"
#include "platform/StationPaths.h"
#include "registers/PickList.h"
#include "registers/RegisterCommon.h"
#include "registers/RegisterRules.h"
#include "ui_UnitTipos.h"

#include <QImageReader>
#include <QPixmap>

namespace T = groups::text;

TFormTipos::TFormTipos(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(new ::Ui::TFormTipos)
    , m_store(logon)
{
    ui->setupUi(this);
    registers::upperCaseField(ui->codeEdit);
    registers::upperCaseField(ui->nameEdit);
    ui->nameEdit->setMaxLength(groups::GroupStore::kNameLength);
    ui->activeYes->setChecked(true);
    ui->groupList->setColumns({{QStringLiteral("CODIGO"), QStringLiteral("CODIGO"), {}},
                               {QStringLiteral("NOME"), QStringLiteral("NOME"), {}},
                               {QStringLiteral("ATIVO"), QStringLiteral("ATIVO"), {}}});
    auto* events = new FieldEvents(this);
    events->chain({ui->codeEdit, ui->nameEdit, ui->confirmButton});
    connect(ui->groupList, &PickList::userMoved, this, &TFormTipos::chooseRow);
    connect(ui->groupList, &PickList::chosen, this, &TFormTipos::chooseRow);
    connect(ui->newButton, &QPushButton::clicked, this, &TFormTipos::newGroup);
    connect(ui->deleteButton, &QPushButton::clicked, this, &TFormTipos::deleteGroup);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormTipos::confirm);
    connect(ui->pictureButton, &QPushButton::clicked, this, &TFormTipos::changePicture);
    reload();
}

TFormTipos::~TFormTipos() = default;

QLineEdit* TFormTipos::codeField() const { return ui->codeEdit; }
QLineEdit* TFormTipos::nameField() const { return ui->nameEdit; }
PickList* TFormTipos::groupList() const { return ui->groupList; }
bool TFormTipos::activeShown() const { return ui->activeYes->isChecked(); }
bool TFormTipos::pictureShown() const { return !ui->pictureLabel->pixmap().isNull(); }

void TFormTipos::setActive(bool active)
{
    (active ? ui->activeYes : ui->activeNo)->setChecked(true);
}

void TFormTipos::reload(const QString& code)
{
    registers::Rows rows;
    registers::attempt([&] { rows = m_store.list(); });
    ui->groupList->setRows(std::move(rows));
    if (const auto number = readInt(code))
        ui->groupList->moveTo(u"CODIGO", QString::number(*number));
    chooseRow();
}

void TFormTipos::chooseRow()
{
    const PickList* l = ui->groupList;
    ui->codeEdit->setText(l->currentText(u"CODIGO"));
    ui->nameEdit->setText(l->currentText(u"NOME"));
    setActive(TrimText(l->currentText(u"ATIVO")) != QLatin1String("N"));
    refreshPicture();
}

void TFormTipos::refreshPicture()
{
    ui->pictureLabel->clear();
    if (TrimText(ui->codeEdit->text()).isEmpty())
        return;
    ui->codeEdit->setText(registers::sixDigitCode(ui->codeEdit->text()));
    const QString name = groups::GroupStore::pictureName(ui->codeEdit->text());
    if (name.isEmpty() || !station::exists(name))
        return;
    const QImage picture = QImageReader(station::path(name)).read();   // unreadable: nothing shown
    if (!picture.isNull())
        ui->pictureLabel->setPixmap(QPixmap::fromImage(picture));
}

void TFormTipos::newGroup()
{
    qint64 next = 1;
    registers::attempt([&] { next = m_store.nextCode(); });
    ui->codeEdit->setText(QString::number(next));
    ui->nameEdit->clear();
    refreshPicture();
    ui->codeEdit->setFocus();
}

bool TFormTipos::confirm()
{
    const QString code = ui->codeEdit->text();
    if (!registers::attempt([&] { m_store.confirm(code, ui->nameEdit->text(), activeShown()); }))
        return false;   // the fields keep what was typed
    reload(code);
    return true;
}

void TFormTipos::deleteGroup()
{
    const QVariant id = ui->groupList->currentValue(u"ID");
    if (!id.isNull() && ShowMessageWindow(QStringLiteral("ATENÇÃO"), T::askDelete, QStringLiteral("2")) == QLatin1String("S"))
        registers::attempt([&] { m_store.remove(id.toLongLong()); });
    reload();
    ui->codeEdit->setFocus();
}

void TFormTipos::changePicture()
{
    const QString chosen = dialogs().openPictureFile();
    if (chosen.isEmpty())
        return;
    const QString failure = groups::GroupStore::replacePicture(ui->codeEdit->text(), chosen);
    if (!failure.isEmpty())
        dialogs().errorBox(failure);   // the old picture stays
    refreshPicture();
}
