#include "registers/RegisterCommon.h"
#include "stock/UnitTPagar.h"

#include "core/FieldEvents.h"
#include "registers/PickList.h"
#include "shell/UnSenha.h"
#include "stock/StockFields.h"
#include "stock/StockWindows.h"
#include "ui_UnitTPagar.h"

TFormTPagar::TFormTPagar(TLogon& logon, QWidget* parent)
    : TFormTPagar(logon, m_own, parent)
{
}

TFormTPagar::TFormTPagar(TLogon& logon, titles::PayableTitles& list, QWidget* parent)
    : QDialog(parent)
    , ui(new ::Ui::TFormTPagar)
    , m_logon(logon)
    , m_titles(list)
{
    ui->setupUi(this);
    upperCaseWhileTyping(ui->titleEdit);
    registers::commaForPointField(ui->valueEdit);
    ui->titleList->setColumns({
        {QStringLiteral("Titulo"), QStringLiteral("TITULO"), {}},
        stock::dateColumn(QStringLiteral("VENCIMENTO"), QStringLiteral("VENCIMENTO")),
        stock::moneyColumn(QStringLiteral("VALOR"), QStringLiteral("VALOR")),
    });
    auto* events = new FieldEvents(this);
    events->chain({ui->titleEdit, ui->dateEdit, ui->valueEdit, ui->confirmButton});
    connect(ui->confirmButton, &QPushButton::clicked, this, &TFormTPagar::confirm);
    connect(ui->deleteButton, &QPushButton::clicked, this, &TFormTPagar::removeTitle);
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::accept);
    refresh();
    if (m_titles.list().empty())
        ui->totalLabel->setText(QStringLiteral("00,0"));
    ui->titleEdit->setFocus();
}

TFormTPagar::~TFormTPagar() = default;

QLineEdit* TFormTPagar::field(const QString& role) const
{
    return stock::fieldOf(this, role);
}

PickList* TFormTPagar::titleList() const { return ui->titleList; }
QString TFormTPagar::totalShown() const { return ui->totalLabel->text(); }

void TFormTPagar::refresh()
{
    std::vector<QVariantList> rows;
    int id = 0;
    for (const titles::Title& t : m_titles.list())
        rows.push_back({++id, t.titulo, t.vencimento, QVariant::fromValue(t.valor)});
    stock::showRows(ui->titleList, RowSet({QStringLiteral("ID"), QStringLiteral("TITULO"), QStringLiteral("VENCIMENTO"),
                                   QStringLiteral("VALOR")},
                                  std::move(rows)),
                    0);
    ui->totalLabel->setText(titles::PayableTitles::totalText(m_titles.total()));
}

bool TFormTPagar::confirm()
{
    bool added = false;
    stock::attempt([&] { added = m_titles.add(m_logon, ui->titleEdit->text(), ui->dateEdit->text(), ui->valueEdit->text()); },
                   stock::focusIn(this));
    if (added) {
        refresh();
        ui->titleEdit->clear();
        ui->dateEdit->clear();
        ui->valueEdit->clear();
        stock::focusOn(ui->titleEdit);
    }
    return added;
}

void TFormTPagar::removeTitle()
{
    const int row = ui->titleList->currentRowIndex();
    if (row < 0 || !stock::ask(stock::text::askDelete))
        return;
    m_titles.removeAt(row);
    refresh();
}
