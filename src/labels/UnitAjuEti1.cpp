#include "labels/UnitAjuEti1.h"
#include "ui_UnitAjuEti1.h"

#include "labels/BarcodeLabels.h"
#include "platform/Dialogs.h"

namespace {
QList<QLineEdit*> edits(::Ui::TFormAjuEti1& ui)
{
    return {ui.rowHeightEdit, ui.left1Edit, ui.left2Edit, ui.left3Edit, ui.left4Edit, ui.topEdit};
}
} // namespace

TFormAjuEti1::TFormAjuEti1(QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<::Ui::TFormAjuEti1>())
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TFormAjuEti1"));
    ui->notesLabel->setText(labeltext::pixelNote + QLatin1Char('\n') + labeltext::wholeNote);
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormAjuEti1::confirm);
    connect(ui->defaultsButton, &QPushButton::clicked, this, &TFormAjuEti1::restoreDefaults);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::reject);
    const QList<QLineEdit*> e = edits(*ui);
    for (int i = 0; i + 1 < e.size(); ++i)
        connect(e[i], &QLineEdit::returnPressed, e[i + 1], qOverload<>(&QWidget::setFocus));
    connect(e.last(), &QLineEdit::returnPressed, ui->confirmButton, qOverload<>(&QWidget::setFocus));
    setFields(BarcodeLabels::adjustmentFields());
}

TFormAjuEti1::~TFormAjuEti1() = default;

QStringList TFormAjuEti1::fields() const
{
    QStringList f;
    for (QLineEdit* e : edits(*ui))
        f << e->text();
    return f;
}

void TFormAjuEti1::setFields(const QStringList& fields)
{
    const QList<QLineEdit*> e = edits(*ui);
    for (int i = 0; i < e.size(); ++i)
        e[i]->setText(fields.value(i));
}

void TFormAjuEti1::restoreDefaults()
{
    setFields({QStringLiteral("71"), QStringLiteral("8"), QStringLiteral("184"), QStringLiteral("360"),
               QStringLiteral("536"), QStringLiteral("7")});
}

void TFormAjuEti1::confirm()
{
    try {
        BarcodeLabels::saveAdjustment(fields());
    } catch (const std::exception& e) {
        dialogs().errorBox(QString::fromUtf8(e.what()));
        return;
    }
    accept();
}
