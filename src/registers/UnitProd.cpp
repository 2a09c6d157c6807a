#include "registers/UnitProd.h"
#include "registers/RegisterCommon.h"
#include "registers/RegisterRules.h"
#include "registers/UnitKitItens.h"
#include "core/FormatFloat.h"
#include "core/uMensagem.h"
#include "core/uMensagemWindow.h"

#include "platform/Dialogs.h"
#include "platform/StationPaths.h"
#include "platform/Win1252.h"
#include "shell/UnSenha.h"
#include "ui_UnitProd.h"

#include <QComboBox>
#include <QFile>
#include <QKeyEvent>
#include <QScopedValueRollback>

namespace {

QString money(const registers::Rows& r, QStringView column)
{
    return r.value(column).isNull() ? QString() : FormatFloat(u"0.00", r.decimal(column).roundTo(2));
}

void fillCombo(QComboBox* combo, registers::Rows rows)
{
    combo->clear();
    combo->addItem(QString(), QVariant());
    while (rows.next())
        combo->addItem(rows.text(u"NOME"), rows.integer(u"CODIGO"));
}

void selectIn(QComboBox* combo, const QVariant& code)
{
    combo->setCurrentIndex(code.isNull() ? 0 : std::max(0, combo->findData(code.toLongLong())));
}

QString message(const QString& text, const QString& buttons = QStringLiteral("1"))
{
    return ShowMessageWindow(product::text::attention, text, buttons);
}

} // namespace

TFormProd::TFormProd(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(new ::Ui::TFormProd)
    , m_logon(logon)
    , m_store(logon)
{
    ui->setupUi(this);
    ui->productList->setColumns({{QStringLiteral("CODIGO"), QStringLiteral("CODIGO"), {}},
                                 {QStringLiteral("NOME"), QStringLiteral("NOME"), {}},
                                 {QStringLiteral("VALOR      ."), QStringLiteral("VALOR"),
                                  [](const QVariant& v) { return v.isNull() ? QString() : FormatFloat(u"0.00", decimalOf(v)); }}});
    ui->accompanimentList->setColumns({{QStringLiteral("PRODUTO"), QStringLiteral("PRODUTO"), {}}});
    ui->searchList->setColumns({{QStringLiteral("CODIGO"), QStringLiteral("CODIGO"), {}},
                                {QStringLiteral("NOME"), QStringLiteral("NOME"), {}}});
    ui->initialStockBox->hide();
    ui->searchBox->hide();
    for (QLineEdit* e : {ui->codeEdit, ui->kitFlagEdit, ui->nameEdit, ui->unitEdit, ui->locationEdit, ui->searchEdit})
        upperCaseWhileTyping(e);
    registers::commaForPointField(ui->costEdit);
    registers::commaForPointField(ui->initialStockEdit);

    // Anything typed in a product field is a pending edit.
    for (QLineEdit* e : {ui->kitFlagEdit, ui->nameEdit, ui->unitEdit, ui->locationEdit, ui->minimumEdit, ui->costEdit,
                         ui->priceEdit, ui->promotionEdit, ui->kitchenEdit, ui->sizePriceEdit1, ui->sizePriceEdit2,
                         ui->sizePriceEdit3, ui->sizePriceEdit4, ui->sizePriceEdit5})
        connect(e, &QLineEdit::textEdited, this, [this] { m_dirty = true; });
    connect(ui->groupCombo, qOverload<int>(&QComboBox::activated), this, [this] { m_dirty = true; });
    connect(ui->supplierCombo, qOverload<int>(&QComboBox::activated), this, [this] { m_dirty = true; });
    connect(ui->keepApartCheck, &QCheckBox::clicked, this, [this] { m_dirty = true; });
    // Row 2 of the size prices is the sale price.
    connect(ui->priceEdit, &QLineEdit::textEdited, ui->sizePriceEdit2, &QLineEdit::setText);
    connect(ui->sizePriceEdit2, &QLineEdit::textEdited, ui->priceEdit, &QLineEdit::setText);

    // Enter moves through the fields.
    auto enterTo = [this](QLineEdit* from, QWidget* to) {
        connect(from, &QLineEdit::returnPressed, to, qOverload<>(&QWidget::setFocus));
    };
    enterTo(ui->nameEdit, ui->unitEdit);
    enterTo(ui->kitFlagEdit, ui->unitEdit);
    enterTo(ui->unitEdit, ui->supplierCombo);
    enterTo(ui->minimumEdit, ui->locationEdit);
    enterTo(ui->kitchenEdit, ui->locationEdit);
    enterTo(ui->costEdit, ui->priceEdit);
    enterTo(ui->sizePriceEdit1, ui->sizePriceEdit2);
    enterTo(ui->sizePriceEdit2, ui->sizePriceEdit3);
    enterTo(ui->sizePriceEdit3, ui->sizePriceEdit4);
    enterTo(ui->initialStockEdit, ui->confirmStockButton);
    connect(ui->sizePriceEdit4, &QLineEdit::returnPressed, this, &TFormProd::save);
    connect(ui->sizePriceEdit5, &QLineEdit::returnPressed, this, &TFormProd::save);
    connect(ui->codeEdit, &QLineEdit::editingFinished, this, &TFormProd::codeLeft);

    connect(ui->newButton, &QPushButton::clicked, this, &TFormProd::newProduct);
    connect(ui->saveButton, &QPushButton::clicked, this, &TFormProd::save);
    connect(ui->confirmStockButton, &QPushButton::clicked, this, &TFormProd::confirmInitialStock);
    connect(ui->deleteButton, &QPushButton::clicked, this, &TFormProd::removeProduct);
    connect(ui->leaveButton, &QPushButton::clicked, this, &TFormProd::leave);
    connect(ui->addAccompanimentButton, &QPushButton::clicked, this, &TFormProd::addAccompaniment);
    connect(ui->removeAccompanimentButton, &QPushButton::clicked, this, &TFormProd::removeAccompaniment);
    connect(ui->changePictureButton, &QPushButton::clicked, this, &TFormProd::changePicture);
    connect(ui->compositionButton, &QPushButton::clicked, this, &TFormProd::openComposition);
    connect(ui->searchNameButton, &QPushButton::clicked, this, &TFormProd::searchByName);
    connect(ui->searchCodeButton, &QPushButton::clicked, this, &TFormProd::searchByCode);
    connect(ui->pizzaOptionCheck, &QCheckBox::clicked, this, &TFormProd::pizzaOptionClicked);
    connect(ui->searchEdit, &QLineEdit::textChanged, this, [this] { runSearch(); });
    connect(ui->searchEdit, &QLineEdit::returnPressed, this, &TFormProd::chooseSearchResult);
    connect(ui->searchList, &PickList::chosen, this, &TFormProd::chooseSearchResult);
    connect(ui->closeSearchButton, &QPushButton::clicked, ui->searchBox, &QWidget::hide);
    connect(ui->productList, &PickList::userMoved, this, [this] {
        applyPendingEdits();
        try {
            showProduct(m_store.find(ui->productList->currentText(u"CODIGO")));
        } catch (const DbError& e) {
            dialogs().errorBox(e.message());
        }
    });

    loadLists();
}

TFormProd::~TFormProd() = default;

bool TFormProd::initialStockAsked() const { return !ui->initialStockBox->isHidden(); }

void TFormProd::loadLists()
{
    try {
        reloadProductList();
        const QStringList sizeLabels = m_store.sizeLabels();
        QLineEdit* labelEdits[] = {ui->sizeLabelEdit1, ui->sizeLabelEdit2, ui->sizeLabelEdit3, ui->sizeLabelEdit4, ui->sizeLabelEdit5};
        for (int i = 0; i < 5; ++i)
            labelEdits[i]->setText(sizeLabels.value(i));
        ui->pizzaOptionCheck->setChecked(m_store.pizzaOption());
        updatePizzaLook();
        fillCombo(ui->groupCombo, m_store.groups());
        fillCombo(ui->supplierCombo, m_store.suppliers());
        showProduct(m_store.firstByName());
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
}

void TFormProd::reloadProductList()
{
    ui->productList->setRows(m_store.list());
    ui->productList->moveTo(u"CODIGO", m_code);
}

void TFormProd::showProduct(registers::Rows product)
{
    QSignalBlocker block(ui->codeEdit);
    m_dirty = false;
    if (!product.next()) {
        m_code.clear();
        m_kitFlag.clear();
        for (QLineEdit* e : findChildren<QLineEdit*>())
            if (!e->objectName().startsWith(QLatin1String("sizeLabel")) && e != ui->searchEdit)
                e->clear();
        ui->groupCombo->setCurrentIndex(0);
        ui->supplierCombo->setCurrentIndex(0);
        ui->keepApartCheck->setChecked(false);
        ui->stockLabel->clear();
        ui->accompanimentList->setRows(registers::Rows());
        ui->compositionButton->setEnabled(false);
        showPicture();
        return;
    }
    m_code = product.text(u"CODIGO");
    m_kitFlag = TrimText(product.text(u"COMPOSICAO"));
    ui->codeEdit->setText(m_code);
    ui->nameEdit->setText(product.text(u"NOME"));
    ui->kitFlagEdit->setText(product.text(u"COMPOSICAO"));
    ui->unitEdit->setText(product.text(u"UNIDADE"));
    ui->locationEdit->setText(product.text(u"LOCACAO"));
    selectIn(ui->groupCombo, product.value(u"CLASSE"));
    selectIn(ui->supplierCombo, product.value(u"FORNECEDOR"));
    ui->minimumEdit->setText(product.isNull(u"MINIMO") ? QString() : FormatFloat(u"0.###", product.decimal(u"MINIMO")));
    ui->costEdit->setText(money(product, u"CUSTO"));
    ui->priceEdit->setText(money(product, u"VALOR"));
    ui->promotionEdit->setText(money(product, u"CUBAGEM"));
    ui->kitchenEdit->setText(product.text(u"CLAS"));
    ui->sizePriceEdit1->setText(money(product, u"VFAMILIA"));
    ui->sizePriceEdit2->setText(money(product, u"VALOR"));
    ui->sizePriceEdit3->setText(money(product, u"VGRANDE"));
    ui->sizePriceEdit4->setText(money(product, u"VPEQUENA"));
    ui->sizePriceEdit5->setText(money(product, u"PESO"));
    ui->keepApartCheck->setChecked(TrimText(product.text(u"JUNTAR")) == QLatin1String("S"));
    ui->lastInLabel->setText(product.date(u"DATAENTRADA").toString(QStringLiteral("dd/MM/yy")));
    ui->lastOutLabel->setText(product.date(u"DATASAIDA").toString(QStringLiteral("dd/MM/yy")));
    ui->bookValueLabel->setText(money(product, u"CONTABIL"));
    ui->compositionButton->setEnabled(m_kitFlag == QLatin1String("S"));
    ui->stockLabel->setText(FormatFloat(u"0.###", m_store.stock(m_code)));
    ui->accompanimentList->setRows(m_store.accompaniments(m_code));
    showPicture();
}

void TFormProd::showPicture()
{
    QPixmap picture;
    const QString file = product::pictureFileName(QString(), m_code);
    if (!file.isEmpty() && station::exists(file))
        picture.load(station::path(file));
    ui->pictureView->setPicture(picture);
}

product::Fields TFormProd::fields() const
{
    product::Fields f;
    f.code = ui->codeEdit->text();
    f.name = ui->nameEdit->text();
    f.group = ui->groupCombo->currentData().isNull() ? QString() : QString::number(ui->groupCombo->currentData().toLongLong());
    f.unit = ui->unitEdit->text();
    f.supplier = ui->supplierCombo->currentData().isNull() ? QString() : QString::number(ui->supplierCombo->currentData().toLongLong());
    f.location = ui->locationEdit->text();
    f.kitFlag = ui->kitFlagEdit->text();
    f.minimum = ui->minimumEdit->text();
    f.keepApart = ui->keepApartCheck->isChecked();
    f.sizePrices = {ui->sizePriceEdit1->text(), ui->sizePriceEdit2->text(), ui->sizePriceEdit3->text(),
                    ui->sizePriceEdit4->text(), ui->sizePriceEdit5->text()};
    f.cost = ui->costEdit->text();
    f.price = ui->priceEdit->text();
    f.promotion = ui->promotionEdit->text();
    f.kitchen = ui->kitchenEdit->text();
    return f;
}

QStringList TFormProd::labels() const
{
    return {ui->sizeLabelEdit1->text(), ui->sizeLabelEdit2->text(), ui->sizeLabelEdit3->text(),
            ui->sizeLabelEdit4->text(), ui->sizeLabelEdit5->text()};
}

void TFormProd::codeLeft()
{
    if (m_busy)
        return;
    QScopedValueRollback guard(m_busy, true);
    const product::CodeEntry entry = product::readCode(ui->codeEdit->text());
    switch (entry.kind) {
    case product::CodeEntry::Reserved:
        message(product::text::reservedWord);
        ui->codeEdit->setFocus();
        return;
    case product::CodeEntry::Empty:
        reject();
        return;
    case product::CodeEntry::Refused:
        ui->codeEdit->setText(entry.code);
        message(product::text::codeRefused);
        return;
    case product::CodeEntry::Code:
        break;
    }
    ui->codeEdit->setText(entry.code);
    try {
        registers::Rows found = m_store.find(entry.code);
        if (found.isEmpty()) {
            if (message(product::text::notFoundRegister, QStringLiteral("2")) != QLatin1String("S")) {
                ui->codeEdit->setFocus();
                return;
            }
            if (!m_store.insertNew(entry.code)) {
                message(product::text::codeTaken);   // registered meanwhile at another station
                ui->codeEdit->setFocus();
                return;
            }
            m_code = entry.code;
            reloadProductList();
            showProduct(m_store.find(entry.code));
            ui->supplierCombo->setFocus();
            return;
        }
        m_code = entry.code;
        ui->productList->moveTo(u"CODIGO", entry.code);
        showProduct(std::move(found));
        ui->groupCombo->setFocus();
    } catch (const DbError& e) {
        dialogs().errorBox(e.isCharacterSetError() ? characterSetMessage() : e.message());
        ui->codeEdit->setFocus();
    }
}

void TFormProd::newProduct()
{
    m_dirty = false;
    QString next;
    try {
        next = product::nextCode(m_store.highestCode());
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    QSignalBlocker block(ui->codeEdit);
    ui->codeEdit->setText(next);
    ui->codeEdit->setFocus();
}

void TFormProd::save()
{
    if (!ui->saveButton->isEnabled())
        return;
    ui->saveButton->setEnabled(false);
    product::Update update = product::composeUpdate(fields());
    for (const QString& label : labels())
        if (update.refusal.isEmpty() && !fitsWin1252(label))
            update.refusal = characterSetMessage();
    const QString code = ui->codeEdit->text();
    bool saved = false;
    if (!update.refusal.isEmpty()) {
        message(update.refusal);
    } else {
        try {
            saved = m_store.save(update, labels());
            if (!saved)
                message(product::text::nothingSaved);
        } catch (const DbError& e) {
            // Refused: the user's edits stay in the fields.
            dialogs().errorBox(e.isCharacterSetError() ? characterSetMessage() : e.message());
        }
    }
    if (saved) {
        try {
            m_code = code;
            reloadProductList();
            showProduct(m_store.find(code));
            if (!m_store.hasStockRows(code)) {
                ui->initialStockEdit->setText(QStringLiteral("0"));
                ui->initialStockBox->show();
                ui->initialStockEdit->setFocus();
            } else {
                ui->codeEdit->setFocus();
            }
        } catch (const DbError& e) {
            dialogs().errorBox(e.message());
        }
    }
    ui->saveButton->setEnabled(true);
}

void TFormProd::confirmInitialStock()
{
    const registers::Number qty = registers::readNumber(ui->initialStockEdit->text());
    if (!qty.ok() || qty.value.isNegative()) {
        message(product::text::initialStockNotNumber);
        return;
    }
    try {
        m_store.addInitialStock(m_code, qty.value, QDate::currentDate());
    } catch (const DbError&) {
        message(product::text::initialStockNotNumber);
        return;
    }
    ui->initialStockBox->hide();
    try {
        ui->stockLabel->setText(FormatFloat(u"0.###", m_store.stock(m_code)));
    } catch (const DbError&) {
    }
}

void TFormProd::removeProduct()
{
    m_dirty = false;
    if (message(product::text::confirmDelete, QStringLiteral("2")) != QLatin1String("S"))
        return;
    try {
        m_store.remove(ui->codeEdit->text());
        m_code.clear();
        showProduct(m_store.firstByCode());
        reloadProductList();
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
}

void TFormProd::leave()
{
    m_dirty = false;
    try {
        m_store.removeEmptyCodes();
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    accept();
}

void TFormProd::addAccompaniment()
{
    const QString text = TrimText(ui->accompanimentEdit->text());
    if (text.isEmpty() || m_code.isEmpty())
        return;
    if (!fitsWin1252(text)) {
        message(characterSetMessage());
        return;
    }
    try {
        m_store.addAccompaniment(m_code, text);
        ui->accompanimentEdit->clear();
    } catch (const DbError& e) {
        dialogs().errorBox(e.isCharacterSetError() ? characterSetMessage() : e.message());
    }
    try {
        ui->accompanimentList->setRows(m_store.accompaniments(m_code));
    } catch (const DbError&) {
    }
}

void TFormProd::removeAccompaniment()
{
    if (ui->accompanimentList->currentRowIndex() < 0)
        return;
    try {
        m_store.removeAccompaniment(ui->accompanimentList->currentValue(u"ID").toLongLong());
        ui->accompanimentList->setRows(m_store.accompaniments(m_code));
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
}

void TFormProd::changePicture()
{
    const QString source = dialogs().openPictureFile();
    if (source.isEmpty())
        return;
    const QString file = product::pictureFileName(QString(), ui->codeEdit->text());
    if (file.isEmpty()) {
        message(product::text::badFileCode);
        return;
    }
    const QString problem = registers::replaceButtonPicture(source, station::pathForWriting(file));
    if (!problem.isEmpty()) {
        dialogs().errorBox(problem);
        return;
    }
    showPicture();
}

void TFormProd::openComposition()
{
    if (m_kitFlag != QLatin1String("S"))
        return;
    TFormKitItens kit(m_logon);
    kit.setKit(ui->codeEdit->text(), ui->nameEdit->text(), ui->priceEdit->text());
    dialogs().exec(kit);
}

void TFormProd::searchByName()
{
    m_dirty = false;
    m_searchByName = true;
    ui->searchBox->setTitle(QStringLiteral("Nome Pesquisa"));
    ui->searchBox->show();
    ui->searchEdit->clear();
    runSearch();
    ui->searchEdit->setFocus();
}

void TFormProd::searchByCode()
{
    m_dirty = false;
    m_searchByName = false;
    ui->searchBox->setTitle(QStringLiteral("Codigo Pesquisa"));
    ui->searchBox->show();
    ui->searchEdit->clear();
    runSearch();
    ui->searchEdit->setFocus();
}

void TFormProd::runSearch()
{
    registers::Rows rows;
    try {
        rows = m_store.search(m_searchByName, ui->searchEdit->text());
    } catch (const DbError&) {
        // text the database cannot compare finds nothing
    }
    ui->searchList->setRows(std::move(rows));
}

void TFormProd::chooseSearchResult()
{
    if (ui->searchList->currentRowIndex() < 0)
        return;
    // The first product of that name in the list's order.
    if (ui->productList->moveTo(u"NOME", ui->searchList->currentText(u"NOME"))) {
        try {
            showProduct(m_store.find(ui->productList->currentText(u"CODIGO")));
        } catch (const DbError& e) {
            dialogs().errorBox(e.message());
        }
    }
    ui->searchBox->hide();
}

void TFormProd::applyPendingEdits()
{
    if (!m_dirty || m_code.isEmpty())
        return;
    m_dirty = false;
    product::Fields f = fields();
    f.code = m_code;
    const product::Update update = product::composeUpdate(f);
    if (!update.refusal.isEmpty()) {
        message(update.refusal);
        return;
    }
    try {
        m_store.apply(update);
    } catch (const DbError& e) {
        dialogs().errorBox(e.isCharacterSetError() ? characterSetMessage() : e.message());
    }
}

void TFormProd::pizzaOptionClicked(bool on)
{
    try {
        m_store.setPizzaOption(on);
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    updatePizzaLook();
}

void TFormProd::updatePizzaLook()
{
    const bool on = ui->pizzaOptionCheck->isChecked();
    ui->sizeTable->setVisible(on);
    ui->pizzaOptionCheck->setText(on ? QStringLiteral("Desabilita opção pizzaria") : QStringLiteral("Habilita opção pizzaria"));
}

void TFormProd::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F2) {
        searchByName();
        return;
    }
    if (event->key() == Qt::Key_F3) {
        searchByCode();
        return;
    }
    QDialog::keyPressEvent(event);
}
