#include "menu/UnitCardapio.h"
#include "ui_UnitCardapio.h"

#include "core/FormatFloat.h"
#include "core/uMensagemWindow.h"
#include "db/DbError.h"
#include "platform/Dialogs.h"

#include <QPixmap>

TFormCardapio::TFormCardapio(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<::Ui::TFormCardapio>())
    , m_menu(logon)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormCardapio"));
    ui->notesLabel->setText(menutext::pictureNotes);
    ui->productList->setColumns(
        {{QStringLiteral("NOME"), QStringLiteral("NOME"), {}},
         {QStringLiteral("ATIVO"), QStringLiteral("ATIVO"), {}},
         {QStringLiteral("GRUPO"), QStringLiteral("CLASSE"),
          [this](const QVariant& v) { return v.isNull() ? QString() : m_groupNames.value(v.toLongLong()); }},
         {QStringLiteral("VALOR"), QStringLiteral("VALOR"),
          [](const QVariant& v) { return v.isNull() ? QString() : FormatFloat(u"0.00", decimalOf(v)); }, true}});
    connect(ui->groupCombo, &QComboBox::activated, this, &TFormCardapio::groupChosen);
    connect(ui->productList, &PickList::rowChanged, this, &TFormCardapio::showCurrent);
    connect(ui->productList, &PickList::clicked, this, &TFormCardapio::showCurrent);
    connect(ui->activateButton, &QPushButton::clicked, this, &TFormCardapio::activate);
    connect(ui->deactivateButton, &QPushButton::clicked, this, &TFormCardapio::deactivate);
    connect(ui->changePictureButton, &QPushButton::clicked, this, &TFormCardapio::changePicture);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::accept);

    try {
        RowSet groups = m_menu.groups();
        while (groups.next()) {
            if (groups.isNull(u"CODIGO"))
                continue;
            const qint64 code = groups.integer(u"CODIGO");
            m_groupNames.insert(code, groups.text(u"NOME"));
            ui->groupCombo->addItem(groups.text(u"NOME"), code);
        }
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    reload();
}

TFormCardapio::~TFormCardapio() = default;

int TFormCardapio::groupCount() const { return ui->groupCombo->count(); }
int TFormCardapio::productCount() const { return ui->productList->count(); }
void TFormCardapio::setCurrentProduct(int row) { ui->productList->setCurrentRowIndex(row); }
QString TFormCardapio::currentProductName() const { return ui->nameLabel->text(); }
QString TFormCardapio::description() const { return ui->descriptionEdit->toPlainText(); }
void TFormCardapio::setDescription(const QString& text) { ui->descriptionEdit->setPlainText(text); }
bool TFormCardapio::pictureShown() const { return !ui->pictureView->picture().isNull(); }

void TFormCardapio::chooseGroup(int index)
{
    ui->groupCombo->setCurrentIndex(index);
    groupChosen();
}

void TFormCardapio::groupChosen()
{
    reload();
}

void TFormCardapio::reload(qint64 keepId)
{
    const QVariant group = ui->groupCombo->currentData();
    try {
        QSignalBlocker block(ui->productList);
        ui->productList->setRows(group.isNull() ? RowSet() : m_menu.products(group.toLongLong()));
        if (keepId >= 0)
            ui->productList->moveTo(u"ID", QString::number(keepId));
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    showCurrent();
}

void TFormCardapio::showCurrent()
{
    // Moving in the list drops a description typed and not saved.
    const PickList* l = ui->productList;
    ui->nameLabel->setText(l->currentText(u"NOME"));
    ui->descriptionEdit->setPlainText(DigitalMenu::memoTextOf(l->currentText(u"DESCRICAO")));
    const QString code = l->currentText(u"CODIGO");
    const QString file = DigitalMenu::productPictureFile(code);
    ui->pictureView->setPicture(QPixmap::fromImage(DigitalMenu::loadPicture(file)));
}

void TFormCardapio::save(bool shown)
{
    const QVariant id = ui->productList->currentValue(u"ID");
    if (id.isNull()) {
        ShowMessageWindow(menutext::attention, menutext::noProductChosen);
        return;
    }
    try {
        m_menu.saveProduct(id.toLongLong(), ui->descriptionEdit->toPlainText(), shown);
    } catch (const MenuRefused& e) {
        ShowMessageWindow(menutext::attention, e.message());
        return;   // the typed description stays in the memo
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
        return;
    }
    reload(id.toLongLong());
}

void TFormCardapio::activate() { save(true); }
void TFormCardapio::deactivate() { save(false); }

void TFormCardapio::changePicture()
{
    if (ui->productList->currentRowIndex() < 0) {
        ShowMessageWindow(menutext::attention, menutext::noProductChosen);
        return;
    }
    const QString file = DigitalMenu::productPictureFile(ui->productList->currentText(u"CODIGO"));
    if (file.isEmpty()) {
        ShowMessageWindow(menutext::attention, menutext::codeCannotNameFile);
        return;
    }
    const QString source = dialogs().openPictureFile();
    if (source.isEmpty())
        return;
    const QString problem = DigitalMenu::storePicture(source, file, DigitalMenu::kPictureSize);
    if (!problem.isEmpty())
        dialogs().errorBox(problem);
    ui->pictureView->setPicture(QPixmap::fromImage(DigitalMenu::loadPicture(file)));
}
