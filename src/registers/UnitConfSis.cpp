#include "registers/UnitConfSis.h"
#include "core/uMensagem.h"
#include "core/uMensagemWindow.h"
#include "db/DbError.h"
#include "platform/Dialogs.h"
#include "platform/Win1252.h"
#include "shell/UnSenha.h"
#include "ui_UnitConfSis.h"

#include <QCheckBox>

TFormConfSis::TFormConfSis(TLogon& logon, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , ui(new ::Ui::TFormConfSis)
    , m_store(logon)
{
    ui->setupUi(this);
    for (const options::Box& b : options::boxes()) {
        auto* box = new QCheckBox(b.caption, this);
        box->setObjectName(QString::fromLatin1(b.name));
        // Word 1 on the left; of word 2, the prompts it skips sit under "Não Solicitar Senha em".
        const bool noPrompt = b.word == 4 && b.bit != 32 && b.bit != 64 && b.bit != 512;
        (b.word == 5 ? ui->salesOptionsLayout : noPrompt ? ui->noPromptLayout : ui->itemOptionsLayout)->addWidget(box);
        m_boxes.push_back(box);
    }
    upperCaseWhileTyping(ui->titleEdit);
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormConfSis::confirm);
    connect(ui->cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    options::Words words;
    try {
        words = m_store.load();
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
    }
    const auto& b = options::boxes();
    for (size_t i = 0; i < b.size(); ++i)
        m_boxes[i]->setChecked(RightsBitSet(b[i].word == 5 ? words.scc5 : words.scc4, b[i].bit) == QLatin1String("S"));
    ui->titleEdit->setText(words.title);
}

TFormConfSis::~TFormConfSis() = default;

void TFormConfSis::confirm()
{
    std::vector<bool> ticked;
    for (QCheckBox* box : m_boxes)
        ticked.push_back(box->isChecked());
    const options::Words words = options::wordsFrom(ticked, ui->titleEdit->text());
    ui->titleEdit->setText(words.title);
    if (!fitsWin1252(words.title)) {
        ShowMessageWindow(QStringLiteral("ATENÇÃO"), characterSetMessage());
        return;
    }
    try {
        m_store.save(words);
    } catch (const DbError& e) {
        dialogs().errorBox(e.message());
        return;
    }
    accept();
}
