#include "salesreports/UnitRelAniCas.h"
#include "core/DateReader.h"
#include "ui_UnitRelAniCas.h"

#include "core/uMensagemWindow.h"
#include "db/DbError.h"
#include "reports/TypedValues.h"
#include "salesreports/UnitAniLis.h"
#include "platform/Dialogs.h"

TFormRelAniCas::TFormRelAniCas(TLogon& logon, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<::Ui::TFormRelAniCas>())
    , m_logon(logon)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormRelAniCas"));
    typed::dateField(ui->firstDateEdit);
    typed::dateField(ui->lastDateEdit);
    connect(ui->firstDateEdit, &QLineEdit::returnPressed, ui->lastDateEdit, qOverload<>(&QWidget::setFocus));
    connect(ui->lastDateEdit, &QLineEdit::returnPressed, ui->printButton, qOverload<>(&QWidget::setFocus));
    connect(ui->printButton, &QPushButton::clicked, this, &TFormRelAniCas::print);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
}

TFormRelAniCas::~TFormRelAniCas() = default;

void TFormRelAniCas::setPeriod(const QString& first, const QString& last)
{
    ui->firstDateEdit->setText(first);
    ui->lastDateEdit->setText(last);
}

void TFormRelAniCas::chooseWeddings(bool weddings)
{
    (weddings ? ui->weddingRadio : ui->birthdayRadio)->setChecked(true);
}

void TFormRelAniCas::print()
{
    const TypedDate first = readDate(ui->firstDateEdit->text());
    const TypedDate last = readDate(ui->lastDateEdit->text());
    if (!first.isDate() || !last.isDate()) {
        ShowMessageWindow(anniversarytext::attention, anniversarytext::badPeriod);
        return;
    }
    const Anniversaries::Kind kind =
        ui->weddingRadio->isChecked() ? Anniversaries::Kind::Wedding : Anniversaries::Kind::Birthday;
    try {
        // Every day is placed in the current year, the range's own days as typed.
        const RowSet customers =
            Anniversaries::list(m_logon, kind, first.date, last.date, QDate::currentDate().year());
        if (customers.isEmpty()) {
            ShowMessageWindow(anniversarytext::attention, anniversarytext::none);
            return;
        }
        const QString period = QStringLiteral("Periodo de ") + ui->firstDateEdit->text() + QStringLiteral(" a ")
            + ui->lastDateEdit->text();
        TFormListAni(m_logon, kind, period).preview(customers);
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
}
