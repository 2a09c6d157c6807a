#include "menu/UnitCardGrupo.h"
#include "ui_UnitCardGrupo.h"

#include "core/uMensagemWindow.h"
#include "db/DbError.h"
#include "platform/Dialogs.h"

#include <QPixmap>

TFormCardGrupo::TFormCardGrupo(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<::Ui::TFormCardGrupo>())
    , m_menu(logon)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormCardGrupo"));
    ui->notesLabel->setText(menutext::pictureNotes);
    ui->hintLabel->setText(menutext::toggleHint);
    ui->groupList->setToolTip(menutext::toggleHint);
    ui->groupList->setColumns({{QStringLiteral("NOME"), QStringLiteral("NOME"), {}},
                               {QStringLiteral("ATIVO"), QStringLiteral("ATIVO"), {}}});
    connect(ui->groupList, &PickList::chosen, this, &TFormCardGrupo::toggleCurrent);
    connect(ui->groupList, &PickList::rowChanged, this, &TFormCardGrupo::showPicture);
    connect(ui->groupList, &PickList::clicked, this, &TFormCardGrupo::showPicture);
    connect(ui->changePictureButton, &QPushButton::clicked, this, &TFormCardGrupo::changePicture);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::accept);
    reload();
}

TFormCardGrupo::~TFormCardGrupo() = default;

int TFormCardGrupo::groupCount() const { return ui->groupList->count(); }
void TFormCardGrupo::setCurrentGroup(int row) { ui->groupList->setCurrentRowIndex(row); }
bool TFormCardGrupo::pictureShown() const { return !ui->pictureView->picture().isNull(); }

void TFormCardGrupo::reload(qint64 keepId)
{
    try {
        QSignalBlocker block(ui->groupList);
        ui->groupList->setRows(m_menu.groups());
        if (keepId >= 0)
            ui->groupList->moveTo(u"ID", QString::number(keepId));
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    showPicture();
}

void TFormCardGrupo::showPicture()
{
    const QVariant id = ui->groupList->currentValue(u"ID");
    const QImage picture = id.isNull() ? QImage() : DigitalMenu::loadPicture(DigitalMenu::groupPictureFile(id.toLongLong()));
    ui->pictureView->setPicture(QPixmap::fromImage(picture));
}

void TFormCardGrupo::toggleCurrent()
{
    const QVariant id = ui->groupList->currentValue(u"ID");
    if (id.isNull())
        return;
    // The opposite of what the list shows: the user turns on what he sees off.
    const bool shown = DigitalMenu::isShown(ui->groupList->currentValue(u"ATIVO"));
    try {
        m_menu.setGroupShown(id.toLongLong(), !shown);
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    reload(id.toLongLong());
}

void TFormCardGrupo::changePicture()
{
    const QVariant id = ui->groupList->currentValue(u"ID");
    if (id.isNull())
        return;
    const QString source = dialogs().openPictureFile();
    if (source.isEmpty())
        return;
    const QString problem =
        DigitalMenu::storePicture(source, DigitalMenu::groupPictureFile(id.toLongLong()), DigitalMenu::kPictureSize);
    if (!problem.isEmpty())
        dialogs().errorBox(problem);
    showPicture();
}
