#include "stock/UnitAjuCom.h"

#include "ui_UnitAjuCom.h"

namespace {

const char* const kHelp =
    "A FORMA DE UTILIZAÇÃO DA COMPOSIÇÃO E SIMPLES.\n"
    "\n"
    "Um kit (um prato, um drink ou qualquer item composto) é um produto cuja venda tira do "
    "estoque os produtos que o compõem.\n"
    "\n"
    "1. Em \"Novo Kit\" digite o código do kit. O código pode ser um número (5 vira 000005) ou "
    "uma palavra, como P01 para um prato ou M02 para um drink; use no máximo 10 caracteres. "
    "Confirme o cadastro.\n"
    "2. Informe o nome, o valor de venda e a impressora da cozinha (1 a 4) e clique em \"Confirma\".\n"
    "3. Em \"Incluir/Alterar Composição\" informe cada produto que compõe o kit e a quantidade "
    "usada em uma unidade do kit (por exemplo 0,200 kg de carne e 1 pão).\n"
    "\n"
    "Quando o kit é vendido, a quantidade vendida vezes a quantidade de cada componente sai do "
    "estoque daquele componente. A \"Ficha Técnica\" (menu Relatórios) mostra o custo do kit "
    "pelos custos atuais dos componentes, ao lado do preço de venda.";

} // namespace

TFormAjuCom::TFormAjuCom(QWidget* parent)
    : QDialog(parent)
    , ui(new ::Ui::TFormAjuCom)
{
    ui->setupUi(this);
    ui->helpText->setPlainText(QString::fromUtf8(kHelp));
    connect(ui->returnButton, &QPushButton::clicked, this, &QDialog::accept);
}

TFormAjuCom::~TFormAjuCom() = default;

QString TFormAjuCom::helpText() const { return ui->helpText->toPlainText(); }
