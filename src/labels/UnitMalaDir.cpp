#include "labels/UnitMalaDir.h"
#include "ui_UnitMalaDir.h"

#include "core/FieldEvents.h"
#include "db/DbError.h"
#include "labels/BarcodeLabels.h"
#include "labels/UnitMalaDirQui.h"
#include "platform/Dialogs.h"

TFormMalaDir::TFormMalaDir(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<::Ui::TFormMalaDir>())
    , m_logon(logon)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormMalaDir"));
    ui->notesLabel->setText(labeltext::pixelNote + QLatin1Char('\n') + labeltext::wholeNote);
    ui->filterCombo->addItems({mailtext::filterAll, mailtext::filterBirthday, mailtext::filterCode});
    ui->filterValueLabel->hide();
    ui->filterValueEdit->hide();
    connect(ui->filterCombo, &QComboBox::activated, this, &TFormMalaDir::filterChosen);
    // Enter in the filter: to the filter's value, or to "Confirmar" for all customers
    (new FieldEvents(this))->onEnter(ui->filterCombo, [this] { filterChosen(ui->filterCombo->currentIndex()); });
    connect(ui->filterValueEdit, &QLineEdit::returnPressed, ui->confirmButton, qOverload<>(&QWidget::setFocus));
    connect(ui->heightEdit, &QLineEdit::returnPressed, ui->marginEdit, qOverload<>(&QWidget::setFocus));
    connect(ui->marginEdit, &QLineEdit::returnPressed, ui->filterCombo, qOverload<>(&QWidget::setFocus));
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormMalaDir::confirm);
    connect(ui->defaultsButton, &QPushButton::clicked, this, &TFormMalaDir::restoreDefaults);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
    const MailingSettings s = MailingLabels::settings();
    setValues(s.height, s.margin);
}

TFormMalaDir::~TFormMalaDir() = default;

void TFormMalaDir::setValues(const QString& height, const QString& margin)
{
    ui->heightEdit->setText(height);
    ui->marginEdit->setText(margin);
}

QString TFormMalaDir::height() const { return ui->heightEdit->text(); }
QString TFormMalaDir::margin() const { return ui->marginEdit->text(); }
void TFormMalaDir::setFilterValue(const QString& value) { ui->filterValueEdit->setText(value); }
QString TFormMalaDir::filterValue() const { return ui->filterValueEdit->text(); }
bool TFormMalaDir::filterValueShown() const { return !ui->filterValueEdit->isHidden(); }
QString TFormMalaDir::filterCaption() const { return ui->filterValueLabel->text(); }

void TFormMalaDir::chooseFilter(int index)
{
    ui->filterCombo->setCurrentIndex(index);
    filterChosen(index);
}

void TFormMalaDir::filterChosen(int index)
{
    if (index == 1) {
        ui->filterValueLabel->setText(mailtext::birthdayCaption);
        ui->filterValueEdit->setText(QStringLiteral("01"));
    } else if (index == 2) {
        ui->filterValueLabel->setText(mailtext::codeCaption);
        ui->filterValueEdit->setText(QStringLiteral("0"));
    }
    const bool withValue = index == 1 || index == 2;
    ui->filterValueLabel->setVisible(withValue);
    ui->filterValueEdit->setVisible(withValue);
    if (withValue)
        ui->filterValueEdit->setFocus();
    else
        ui->confirmButton->setFocus();
}

void TFormMalaDir::restoreDefaults()
{
    setValues(mailtext::defaultHeight, mailtext::defaultMargin);
}

void TFormMalaDir::confirm()
{
    const int value = MailingLabels::filterValue(ui->filterValueEdit->text());
    ui->filterValueEdit->setText(QString::number(value));
    try {
        MailingLabels::saveSettings(ui->heightEdit->text(), ui->marginEdit->text());
    } catch (const std::exception& e) {
        dialogs().errorBox(QString::fromUtf8(e.what()));
    }
    const int index = ui->filterCombo->currentIndex();
    const MailingLabels::Filter filter = index == 1   ? MailingLabels::Filter::BirthMonth
                                         : index == 2 ? MailingLabels::Filter::Code
                                                      : MailingLabels::Filter::All;
    try {
        const RowSet labels = MailingLabels::labels(m_logon, filter, value);
        ui->progressBar->setValue(100);
        TFormMalaDirQui(MailingLabels::labelHeight(ui->heightEdit->text()),
                        MailingLabels::topMargin(ui->marginEdit->text()))
            .preview(labels);
    } catch (const DbError& e) {
        ui->progressBar->setValue(0);
        dialogs().errorBox(e.message());
        return;
    }
    accept();
}
