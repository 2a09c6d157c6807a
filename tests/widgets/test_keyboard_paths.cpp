// The windows as a user drives them from the keyboard: real key and focus events
// to the focused control of a shown, active window (never a handler called
// directly). Enter on a focused button presses it on every window, and the
// keyboard path of a data-entry window ends on its confirm button; the focused
// button shows that it has the focus.
#include "KeyboardUse.h"
#include "RegisterSeeds.h"
#include "ScriptedDialogs.h"
#include "SeedValues.h"
#include "StockSeeds.h"
#include "TestStation.h"
#include "closing/UnitRecDin.h"
#include "finance/PayablesRegister.h"
#include "finance/UnitCadDupX.h"
#include "finance/UnitDespesas.h"
#include "cashoffice/UnitRelDesp.h"
#include "platform/Style.h"
#include "registers/SupplierRegister.h"
#include "sales/CounterPage.h"
#include "sales/ScalePanel.h"
#include "sales/UnitBalcao.h"
#include "shell/RibbonBar.h"
#include "core/Globals.h"
#include "registers/UnitCliente.h"
#include "registers/UnitFPaga.h"
#include "registers/Unitforne.h"
#include "stock/StockLedger.h"
#include "stock/UnitAltLan2.h"
#include "stock/UnitMovEst.h"
#include "app/ProgramWindows.h"
#include "core/FieldEvents.h"
#include "shell/WindowRegistry.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QToolButton>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using seeds::D;
using namespace keyboard;

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

// A small window: a field, two buttons that are not default buttons, the default
// button and a check box, each counting its presses.
struct Counted : QDialog {
    QLineEdit* field = new QLineEdit(this);
    QPushButton* first = new QPushButton(QStringLiteral("Primeiro"), this);
    QPushButton* second = new QPushButton(QStringLiteral("Segundo"), this);
    QPushButton* fallback = new QPushButton(QStringLiteral("Padrao"), this);
    QCheckBox* box = new QCheckBox(QStringLiteral("Marca"), this);
    int firstPresses = 0, secondPresses = 0, fallbackPresses = 0;
    Counted()
    {
        auto* layout = new QVBoxLayout(this);
        for (QWidget* w : {static_cast<QWidget*>(field), static_cast<QWidget*>(first), static_cast<QWidget*>(second),
                           static_cast<QWidget*>(fallback), static_cast<QWidget*>(box)})
            layout->addWidget(w);
        first->setAutoDefault(false);
        second->setAutoDefault(false);
        fallback->setDefault(true);
        connect(first, &QPushButton::clicked, this, [this] { ++firstPresses; });
        connect(second, &QPushButton::clicked, this, [this] { ++secondPresses; });
        connect(fallback, &QPushButton::clicked, this, [this] { ++fallbackPresses; });
    }
};

} // namespace

TEST(KeyboardPaths, EnterOnAFocusedButtonPressesItOnceAndNothingElse)
{
    Counted w;
    ASSERT_TRUE(showActive(w));
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        SCOPED_TRACE(key);
        w.firstPresses = w.secondPresses = w.fallbackPresses = 0;
        w.second->setFocus(Qt::TabFocusReason);
        press(key);
        EXPECT_EQ(w.secondPresses, 1);
        EXPECT_EQ(w.firstPresses + w.fallbackPresses, 0) << "the window's default button pressed too";
        // a key held down presses once
        QKeyEvent held(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(w.second, &held);
        EXPECT_EQ(w.secondPresses, 1);
    }
    // Enter on a check box does not tick it
    w.firstPresses = w.secondPresses = w.fallbackPresses = 0;
    w.box->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Return);
    EXPECT_FALSE(w.box->isChecked());
    EXPECT_EQ(w.firstPresses + w.secondPresses, 0);
    // a button whose window gives Enter a meaning of its own keeps it
    auto* events = new FieldEvents(&w);
    int moved = 0;
    events->onEnter(w.first, [&] {
        ++moved;
        w.field->setFocus(Qt::TabFocusReason);
    });
    w.first->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Return);
    EXPECT_EQ(moved, 1);
    EXPECT_EQ(w.firstPresses, 0);
    EXPECT_EQ(QApplication::focusWidget(), w.field);
}

TEST(KeyboardPaths, TheFocusedButtonShowsThatItHasTheFocus)
{
    const QString sheet = qApp->styleSheet();
    applyProgramStyle(*qApp);
    {
        Counted w;
        ASSERT_TRUE(showActive(w));
        w.field->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        const QSize before = w.first->size();
        const QImage plain = w.first->grab().toImage();
        press(Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), w.first);
        QCoreApplication::processEvents();
        const QImage focused = w.first->grab().toImage();
        EXPECT_NE(plain, focused) << "the focused button is drawn as the others";
        // its frame, at the middle of its left edge, is the focus colour
        EXPECT_EQ(focused.pixelColor(0, focused.height() / 2).name(), QStringLiteral("#d9822b"));
        EXPECT_EQ(w.first->size(), before) << "the frame moves the button";
    }
    qApp->setStyleSheet(sheet);
}

// "Movimenta Estoque": from "Produto" to "&Confirme" by Enter alone, and Enter there
// records the entry.
TEST(KeyboardPaths, TheStockMovementIsTypedAndConfirmedByEnterAlone)
{
    TestStation st;
    ScriptedDialogs d;
    seeds::addProduct(st.logon(), S("000001"), S("CERVEJA LATA"), D("8"), D("4"));
    TFormMovEst w(st.logon());
    ASSERT_TRUE(showActive(w));
    ASSERT_EQ(QApplication::focusWidget(), w.field(S("code")));
    typeAndEnter(S("1"));
    typeAndEnter(S("010326"));   // Data
    typeAndEnter(S("COMPRA"));   // Historico
    typeAndEnter(S("1"));        // Cod Movimento: an entry
    typeAndEnter(S("10"));       // Quantidade
    for (int field = 0; field < 4; ++field)   // Custo, Venda, Fornecedor, Validade as they are
        press(Qt::Key_Return);
    EXPECT_EQ(focusedName(), S("confirmButton"));
    press(Qt::Key_Return);
    EXPECT_TRUE(d.messages.empty()) << d.messageTexts().join(S("|")).toStdString();
    EXPECT_EQ(stock::StockLedger(st.logon()).stockOf(S("000001")), D("10"));
    EXPECT_EQ(QApplication::focusWidget(), w.field(S("code")));
}

// "Alteração de Lançamentos": "&Alterar Lanc.", the five fields by Enter, and Enter
// on "&Confirma" changes the row.
TEST(KeyboardPaths, ALedgerRowIsChangedAndConfirmedByEnterAlone)
{
    TestStation st;
    ScriptedDialogs d;
    seeds::addProduct(st.logon(), S("000001"), S("CERVEJA LATA"), D("8"), D("4"));
    seeds::addLedgerRow(st.logon(), S("000001"), QDate(2026, 3, 1), D("24"), std::nullopt, S("COMPRA"));
    TFormAltLan2 w(st.logon(), S("000001"), ledgeredit::Period{QDate(2026, 3, 1), QDate(2026, 3, 30)});
    ASSERT_TRUE(showActive(w));
    w.findChild<QPushButton*>(S("changeButton"))->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Return);   // "&Alterar Lanc." by Enter too
    ASSERT_TRUE(w.editing());
    ASSERT_EQ(QApplication::focusWidget(), w.field(S("code")));
    for (int field = 0; field < 3; ++field)   // Codigo, Data, Historico as they are
        press(Qt::Key_Return);
    selectAllAndType(S("30"));   // Entrada
    press(Qt::Key_Return);
    press(Qt::Key_Return);       // Saida
    EXPECT_EQ(focusedName(), S("confirmButton"));
    press(Qt::Key_Return);
    EXPECT_TRUE(d.messages.empty()) << d.messageTexts().join(S("|")).toStdString();
    EXPECT_FALSE(w.editing());
    EXPECT_EQ(stock::StockLedger(st.logon()).stockOf(S("000001")), D("30"));
}

// The account book's codes: "Codigo", "Nome", and Enter on "&Confirmar" saves.
TEST(KeyboardPaths, AnAccountBookCodeIsTypedAndConfirmedByEnterAlone)
{
    TestStation st;
    ScriptedDialogs d;
    TFormDespesas w(st.logon());
    ASSERT_TRUE(showActive(w));
    w.codeField()->setFocus(Qt::TabFocusReason);
    typeAndEnter(S("7"));
    typeAndEnter(S("AGUA"));
    EXPECT_EQ(focusedName(), S("confirmButton"));
    press(Qt::Key_Return);
    EXPECT_TRUE(d.messages.empty()) << d.messageTexts().join(S("|")).toStdString();
    EXPECT_EQ(st.count(S("select count(*) from DESPESA where CODIGO = 7 and NOME = 'AGUA'")), 1);
}

// A report window: the two cash numbers by Enter, and Enter on "&Imprimir" prints
// the roll to the preview.
TEST(KeyboardPaths, AReportIsAskedForAndPrintedByEnterAlone)
{
    TestStation st;
    ScriptedDialogs d;
    TFormRelDesp w(st.logon());
    ASSERT_TRUE(showActive(w));
    w.findChild<QLineEdit*>(S("firstShiftEdit"))->setFocus(Qt::TabFocusReason);
    selectAllAndType(S("1"));
    press(Qt::Key_Return);
    selectAllAndType(S("2"));
    press(Qt::Key_Return);
    EXPECT_EQ(focusedName(), S("printButton"));
    press(Qt::Key_Return);
    EXPECT_EQ(d.windowsShown, QStringList{S("TFormVisao")});
    EXPECT_EQ(w.result(), QDialog::Accepted);
}

// A register's code typed and left by Tab is looked up although the field turns
// what is typed into capitals as it is typed: the supplier register.
TEST(KeyboardPaths, ASupplierCodeTypedAndLeftByTabIsLookedUp)
{
    TestStation st;
    ScriptedDialogs d;
    seeds::addSupplier(st.logon(), 1, S("PRIMEIRO"));
    seeds::addSupplier(st.logon(), 2, S("SEGUNDO"));
    TFormForne w(st.logon());
    ASSERT_TRUE(showActive(w));
    // on an existing supplier, another supplier's code shows that supplier
    w.field("CODIGO")->setFocus(Qt::TabFocusReason);
    selectAllAndType(S("2"));
    press(Qt::Key_Tab);
    EXPECT_EQ(w.field("NOME")->text(), S("SEGUNDO"));
    // a new supplier's code is asked for, and Sim leaves it with six digits
    w.findChild<QPushButton*>(S("newButton"))->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Return);
    ASSERT_EQ(QApplication::focusWidget(), w.field("CODIGO"));
    d.answerMessages({S("S")});
    selectAllAndType(S("7"));
    press(Qt::Key_Tab);
    EXPECT_EQ(d.messageTexts(), QStringList{supplierText::notFoundRegister});
    EXPECT_EQ(w.field("CODIGO")->text(), S("000007"));
}

// The customer register: a code typed over a shown customer moves to that customer.
TEST(KeyboardPaths, ACustomerCodeTypedAndLeftByTabIsLookedUp)
{
    TestStation st;
    ScriptedDialogs d;
    seeds::addCustomer(st.logon(), 3, S("CLIENTE TRES"), S("RUA A"));
    seeds::addCustomer(st.logon(), 7, S("CLIENTE SETE"), S("RUA B"));
    TFormCliente w(st.logon());
    ASSERT_TRUE(showActive(w));
    w.field("CODIGO")->setFocus(Qt::TabFocusReason);
    selectAllAndType(S("7"));
    press(Qt::Key_Tab);
    EXPECT_EQ(w.field("NOME")->text(), S("CLIENTE SETE"));
    EXPECT_EQ(w.field("CODIGO")->text(), S("000007"));
    EXPECT_TRUE(d.messages.empty()) << d.messageTexts().join(S("|")).toStdString();
}

// The payment methods: a new code typed and left shows with two digits and empties the name.
TEST(KeyboardPaths, APaymentMethodCodeTypedAndLeftByTabIsLookedUp)
{
    TestStation st;
    ScriptedDialogs d;
    TFormFPaga w(st.logon());
    ASSERT_TRUE(showActive(w));
    ASSERT_EQ(w.nameField()->text(), S("Dinheiro"));
    w.codeField()->setFocus(Qt::TabFocusReason);
    selectAllAndType(S("3"));
    press(Qt::Key_Tab);
    EXPECT_EQ(w.codeField()->text(), S("03"));
    EXPECT_TRUE(w.nameField()->text().isEmpty());
}

// Escape on the sales screen closes the panel it is pressed in, never the screen:
// the scale settings go without being written, the counter payment panel goes
// back to the sale's items as "Retornar" does, and on the items Escape does nothing.
TEST(KeyboardPaths, EscapeClosesThePanelItIsPressedInNeverTheSalesScreen)
{
    TestStation st;
    ScriptedDialogs d;
    st.openCashShift(9);
    seeds::addProduct(st.logon(), S("000001"), S("CERVEJA LATA"), D("8"), D("4"));
    ctx::op().OperatorName = S("CAIXA");
    ctx::op().LoginRights = 32;
    TFormBalcao screen(st.logon());
    QSignalSpy closed(&screen, &QDialog::finished);
    ASSERT_TRUE(showActive(screen));

    QToolButton* scaleButton = nullptr;
    for (int t = 0; t < screen.ribbon()->count(); ++t)
        for (QToolButton* b : screen.ribbon()->buttons(t))
            if (b->accessibleName() == S("Configura Balança"))
                scaleButton = b;
    ASSERT_TRUE(scaleButton);
    scaleButton->click();
    ScalePanel* scale = screen.scalePanel();
    ASSERT_TRUE(scale->isVisible());
    ASSERT_TRUE(scale->isAncestorOf(QApplication::focusWidget()));
    const int model = scale->modelBox()->currentIndex();
    scale->modelBox()->setCurrentIndex(model == 0 ? 1 : 0);
    press(Qt::Key_Escape);
    EXPECT_FALSE(scale->isVisible());
    EXPECT_EQ(scale->modelBox()->currentIndex(), model) << "the panel kept what was not written";
    EXPECT_TRUE(screen.isVisible());

    // A counter sale in progress.
    screen.findChild<QTabWidget*>(S("mainPages"))->setCurrentIndex(1);
    auto* page = screen.findChild<CounterPage*>();
    ASSERT_TRUE(page);
    page->findChild<QLineEdit*>(S("counterCodeEdit"))->setFocus(Qt::TabFocusReason);
    type(S("1"));
    press(Qt::Key_F4);
    ASSERT_EQ(page->sale().items().size(), 1u);
    press(Qt::Key_F9);
    ASSERT_TRUE(page->paymentShown());
    press(Qt::Key_Escape);
    EXPECT_FALSE(page->paymentShown());
    press(Qt::Key_Escape);   // on the items
    EXPECT_EQ(page->sale().items().size(), 1u);
    EXPECT_TRUE(screen.isVisible());
    EXPECT_EQ(closed.count(), 0) << "Escape closed the sales screen";
}

// Payables: Enter from "Duplicata" to "Juros" and on to "F7/Con&firmar", which Enter
// presses; "&Excluir" comes last and never by Enter after the fields.
TEST(KeyboardPaths, APayableTitleIsTypedAndConfirmedByEnterAloneAndNothingIsDeleted)
{
    TestStation st;
    ScriptedDialogs d;
    seeds::addSupplier(st.logon(), 7, S("FORNECEDOR SETE"));
    TFormCadDupX w(st.logon());
    ASSERT_TRUE(showActive(w));
    ASSERT_EQ(QApplication::focusWidget(), w.field(S("Duplicata")));
    d.answerMessages({S("S")});
    typeAndEnter(S("NF-1"));       // new: Sim, on to "Codigo"
    typeAndEnter(S("7"));          // Codigo
    press(Qt::Key_Return);         // Fornecedor, filled from the code
    typeAndEnter(S("010324"));     // Emissao
    typeAndEnter(S("150324"));     // Vencimento
    press(Qt::Key_Return);         // Baixa
    typeAndEnter(S("1500.5"));     // Valor
    typeAndEnter(S("2"));          // Juros
    EXPECT_EQ(focusedName(), S("confirmButton"));
    press(Qt::Key_Return);
    EXPECT_EQ(d.messageTexts(), QStringList{PayablesText::kNotFoundRegister});
    EXPECT_FALSE(d.windowsShown.contains(S("TFormAcessos"))) << "a deletion started";
    const std::optional<PayableTitle> t = PayablesRegister(st.logon()).find(S("NF-1"));
    ASSERT_TRUE(t.has_value());
    EXPECT_EQ(t->valor, D("1500,50"));
    EXPECT_EQ(t->juros, D("2"));
    EXPECT_EQ(t->nome, S("FORNECEDOR SETE"));
    EXPECT_EQ(t->vencimento, QDate(2024, 3, 15));
    // after the confirm button, the others; "&Excluir" last
    QStringList after;
    for (QWidget* next = w.findChild<QWidget*>(S("confirmButton")); after.size() < 4; next = next->nextInFocusChain())
        if (next->focusPolicy() & Qt::TabFocus)
            after << next->objectName();
    EXPECT_EQ(after, (QStringList{S("confirmButton"), S("settleButton"), S("returnButton"), S("deleteButton")}));
}

// Enter in a field moves to the next and presses no button: in the customer
// register (the photo button was the window's default, and Enter in any field
// opened the picture chooser) and in the payment's first window (Enter in the tab
// field confirmed the window at once instead of moving to "&Confirma").
TEST(KeyboardPaths, EnterInAFieldMovesOnAndPressesNoButton)
{
    TestStation st;
    struct Pictures : ScriptedDialogs {
        int asked = 0;
        QString openPictureFile() override { ++asked; return QString(); }
    } d;
    TFormCliente customers(st.logon());
    ASSERT_TRUE(showActive(customers));
    customers.field("NOME")->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), customers.field("ENDERECO"));
    EXPECT_EQ(d.asked, 0) << "Enter opened the picture chooser";
    EXPECT_TRUE(d.messages.empty() && d.windowsShown.isEmpty());
    customers.hide();

    TFormRecDin payment(st.logon());
    ASSERT_TRUE(showActive(payment));
    payment.findChild<QLineEdit*>(S("tabEdit"))->setFocus(Qt::TabFocusReason);
    typeAndEnter(S("12"));
    EXPECT_EQ(focusedName(), S("confirmButton"));
    EXPECT_TRUE(payment.isVisible()) << "Enter in the tab field confirmed the window";
}

// No window of the program has a default button, nor a button that makes itself one
// (a button that never takes the focus, as the touch keypad's, cannot):
// Enter in a field that does not take it presses nothing, and the button Enter
// presses is the one that has the focus.
TEST(KeyboardPaths, NoWindowHasADefaultButton)
{
    TestStation st;
    ScriptedDialogs d;
    d.answerMessages(QStringList(200, S("N")));
    registerProgramWindows();
    QStringList defaults;
    for (const QString& name : windows::registeredNames()) {
        std::unique_ptr<QDialog> w = windows::create(name);
        w->show();
        QCoreApplication::processEvents();
        for (QPushButton* b : w->findChildren<QPushButton*>())
            if (b->isDefault() || (b->autoDefault() && b->focusPolicy() != Qt::NoFocus))
                defaults << QStringLiteral("%1: %2 \"%3\"").arg(name, b->objectName(), b->text().simplified());
        w->hide();
    }
    EXPECT_TRUE(defaults.isEmpty()) << defaults.join(QLatin1Char('\n')).toStdString();
}
