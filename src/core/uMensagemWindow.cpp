#include "core/uMensagemWindow.h"
#include "core/uMensagem.h"
#include "platform/Dialogs.h"
#include "ui_uMensagemWindow.h"

#include <QFontMetrics>

#include <algorithm>

namespace {
constexpr int kTextWidth = 411;    // the box of a short message
constexpr int kWidestText = 860;   // the window stays within a 1024-pixel screen
constexpr int kTextMargin = 12;    // the wrapping of a line needs a little more than its measure
} // namespace

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

    // The text 411 pixels wide, or as wide as its widest line needs up to about
    // a hundred characters, so a long message keeps its closing "|" on its line; 21
    // pixels per line it takes; the window 40 wider and 150 higher.
    QFontMetrics fm(ui->messageText->font());
    int widest = 0;
    for (const QString& line : QString(text).remove(QLatin1Char('\r')).split(QLatin1Char('\n')))
        widest = std::max(widest, fm.horizontalAdvance(line));
    const int width = std::clamp(widest + kTextMargin, kTextWidth, kWidestText);
    const QRect r = fm.boundingRect(QRect(0, 0, width, 100000), Qt::AlignHCenter | Qt::TextWordWrap, text);
    const int lines = qMax(1, (r.height() + fm.lineSpacing() - 1) / fm.lineSpacing());
    ui->messageText->setFixedSize(width, lines * 21);
    setFixedSize(width + 40, lines * 21 + 150);

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

void TFormMensagem::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Centred on the window it stands above (Qt's own placement allows for a frame
    // this window does not have).
    if (QWidget* opener = parentWidget())
        move(opener->window()->frameGeometry().center() - rect().center());
}
