#include "core/uMensagemWindow.h"
#include "core/uMensagem.h"
#include "platform/Dialogs.h"
#include "ui_uMensagemWindow.h"

#include <QFontMetrics>

QString ShowMessageWindow(const QString& title, const QString& text,
                          const QString& buttons, const QString& kind)
{
    return dialogs().message(title, text, buttons, kind);
}

bool TFormMensagem::isAlertKind(const QString& kind)
{
    const QString k = UpperAZ(kind);
    return k == QLatin1String("ALERTA") || k == QLatin1String("1");
}

TFormMensagem::TFormMensagem(const QString& title, const QString& text, const QString& buttons,
                             const QString& kind, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , ui(new ::Ui::TFormMensagem)
{
    ui->setupUi(this);
    ui->titleBand->setText(UpperAZ(title.trimmed()));
    ui->titleBand->setStyleSheet(isAlertKind(kind)
        ? QStringLiteral("background:#800000;color:white;font-weight:bold;padding:8px;")
        : QStringLiteral("background:#0066cc;color:white;font-weight:bold;padding:8px;"));
    ui->messageText->setText(text);

    // 21 pixels per line the text takes, the window that plus 150.
    QFontMetrics fm(ui->messageText->font());
    const QRect r = fm.boundingRect(QRect(0, 0, 411, 100000), Qt::AlignHCenter | Qt::TextWordWrap, text);
    const int lines = qMax(1, (r.height() + fm.lineSpacing() - 1) / fm.lineSpacing());
    ui->messageText->setFixedSize(411, lines * 21);
    setFixedSize(451, lines * 21 + 150);

    const bool single = buttons == QLatin1String("1");
    ui->noButton->setVisible(!single);
    ui->yesButton->setText(single ? QStringLiteral("Ok") : QStringLiteral("Sim"));
    connect(ui->yesButton, &QPushButton::clicked, this, &TFormMensagem::answerYes);
    connect(ui->noButton, &QPushButton::clicked, this, &TFormMensagem::answerNo);
    ui->yesButton->setDefault(true);
    ui->yesButton->setFocus();
}

TFormMensagem::~TFormMensagem() = default;

void TFormMensagem::answerYes()
{
    m_answer = QStringLiteral("S");
    accept();
}

void TFormMensagem::answerNo()
{
    m_answer = QStringLiteral("N");
    reject();
}
