// "Setup da na comanda" on a station: what it shows, how its fields react to the
// keyboard and what "Confirmar" leaves in the five files.
#include "ScriptedDialogs.h"
#include "SetComFiles.h"
#include "TestStation.h"
#include "printing/UnitSetCom.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using namespace setcomfiles;

const QStringList kPrinters = {"Termica Caixa", "Laser Escritorio"};

template <class W>
W* field(QWidget& window, const char* name)
{
    W* w = window.findChild<W*>(QString::fromLatin1(name));
    if (!w)
        ADD_FAILURE() << "no field " << name;
    return w;
}

QLineEdit* edit(QWidget& window, const char* name) { return field<QLineEdit>(window, name); }
QComboBox* combo(QWidget& window, const char* name) { return field<QComboBox>(window, name); }

void leave(QWidget* w)
{
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(w, &out);
}

void confirm(TFormSetCom& w)
{
    QTest::mouseClick(field<QPushButton>(w, "confirmButton"), Qt::LeftButton);
}

// Shown and active, so the keyboard focus can move.
void showActive(QWidget& w)
{
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
}

} // namespace

TEST(SetComWindow, ShowsTheCaptionsAndDefaults)
{
    TestStation st(false);
    TFormSetCom w(kPrinters);
    EXPECT_EQ(w.windowTitle(), "Setup da na comanda");
    EXPECT_TRUE(w.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(field<QLabel>(w, "titlePanel")->text(), "Configuração da Comanda");
    EXPECT_EQ(field<QPushButton>(w, "confirmButton")->text(), "Confirmar");
    EXPECT_EQ(edit(w, "serviceCaptionEdit")->text(), "Tx Opcional");
    EXPECT_EQ(combo(w, "receiptFontCombo")->currentText(), "7");
    EXPECT_EQ(combo(w, "kitchenFontCombo")->currentText(), "6");
    EXPECT_EQ(field<QPlainTextEdit>(w, "messageEdit")->toPlainText(),
              "     Obrigado e volte sempre\n    Agradecemos a preferencia");

    // Every text the window's captions must show, blanks included.
    QStringList shown;
    for (const QLabel* l : w.findChildren<QLabel*>())
        shown << l->text();
    for (const QGroupBox* g : w.findChildren<QGroupBox*>())
        shown << g->title();
    const QStringList captions = {
        "| Taxas e Serviços |", "Taxa de serviço", "%", "Couver Artistico por pessoa",
        "| Conferencia - Modo de Impressão |", "Imprimir Cupom / Fechar Comanda Conferencia", "S/N",
        "Tipo de Imp. N/Fiscal - informar a porta", "| Impressora cozinha/churraco/bar... |",
        "| Imp. Coz/Chu/Bar  N.1- informar a porta |", "| Imp. Coz/Chu/Bar  N.2- informar a porta |",
        "| Imp. Coz/Chu/Bar  N.3- informar a porta |", "| Imp. Coz/Chu/Bar  N.4- informar a porta |",
        "Imprimir pedido Cozinha ?", "Enviar automatico p/impressora cozinha os pedidos",
        "[S] p/enviar um a um [N] p/juntar e imprimir de uma vez", "Imprimir Cupom / Pagamento Comanda",
        "Comando Impressora matrical ", "(0) Nenhum   (1)Compactar  (2)Expandir (3)Normal",
        "Avanço do Papel  (numero de Linhas / Padrão 7 linhas) ", "| Configuração do Cupom / Pagamento Comanda |",
        "Visualizar Impressão da Comanda ", "| Impressora Fechamento da Comanda  |",
        "- Tipo de Impressora - informar a porta", "Habilitar comando Gaveta", "String de Comando",
        "| Comando Gaveta  |", "Bloqueia ", "| Bloquear Funções Delivery |",
        "O sistema reconhece como Delivery, qualquer comanda ", "com mais de 7 digitos numerico, entendendo assim",
        "que se trata de um telefone", "Força pular linha", "| Portas para impressora quando selecionado |",
        "Imp Conferência", "Imp Pagamento", "Imp Cozinha   N.1", "N.2", "N.3", "N.4",
        "| Tamanho da fonte (Usb/Termica/J Tinta |", "Tamanho da fonte Cupom", "Tamanho da fonte Cozinha",
        "Juntar Itens c/mesmo codigo na comanda ", "| Mensagem Comanda  |",
    };
    for (const QString& c : captions)
        EXPECT_TRUE(shown.contains(c)) << c.toStdString();
}

TEST(SetComWindow, DestinationBoxesListPrintersThenKeywords)
{
    TestStation st(false);
    TFormSetCom w(kPrinters);
    const std::pair<const char*, bool> boxes[] = {
        {"conferencePrinterCombo", false}, {"closingPrinterCombo", false}, {"kitchenPrinter1Combo", true},
        {"kitchenPrinter2Combo", true},    {"kitchenPrinter3Combo", true}, {"kitchenPrinter4Combo", true},
    };
    for (const auto& [name, kitchen] : boxes) {
        QComboBox* box = combo(w, name);
        QStringList items;
        for (int i = 0; i < box->count(); ++i)
            items << box->itemText(i);
        EXPECT_EQ(items, SetComSettings::destinationChoices(kPrinters, kitchen)) << name;
        EXPECT_EQ(box->currentText(), "VI - Video (Visualiza)") << name;
    }
}

TEST(SetComWindow, ConfirmSavesTheChangedFieldsAndCloses)
{
    TestStation st(false);
    st.writeFile(kFont, {"16", "26"});
    st.writeFile(kJoin, {"N"});
    QStringList setup = SetComSettings::setupLines(SetComSettings::defaults());
    setup[7] = "15";                 // not shown: carried over
    setup[17] = "#27 + #112 + #0";   // not shown: carried over
    st.writeFile(kSetup, setup);

    TFormSetCom w(kPrinters);
    QSignalSpy finished(&w, &QDialog::finished);
    edit(w, "serviceCaptionEdit")->setText("Serviço");
    edit(w, "feedLinesEdit")->setText("3");
    combo(w, "controlByteCombo")->setCurrentIndex(2);
    combo(w, "closingPrinterCombo")->setCurrentText("Laser Escritorio");
    edit(w, "closingPortEdit")->setText("COM2");
    field<QPlainTextEdit>(w, "messageEdit")->setPlainText("Volte sempre\n\n  Boa noite");
    confirm(w);

    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(w.result(), QDialog::Accepted);
    const QStringList saved = st.readFile(kSetup);
    ASSERT_EQ(saved.size(), 23);
    EXPECT_EQ(saved[0], "Serviço");
    EXPECT_EQ(saved[7], "15");
    EXPECT_EQ(saved[8], "2");
    EXPECT_EQ(saved[9], "3");
    EXPECT_EQ(saved[15], "Laser Escritorio");
    EXPECT_EQ(saved[17], "#27 + #112 + #0");
    EXPECT_EQ(st.readFile(kPorts), (QStringList{"LPT1", "COM2", "LPT1", "LPT1", "LPT1", "LPT1"}));
    EXPECT_EQ(st.readFile(kFont), (QStringList{"16", "26"}));
    EXPECT_EQ(st.readFile(kJoin), QStringList{"N"});
    EXPECT_EQ(st.readFile(kMessage), (QStringList{"Volte sempre", "", "  Boa noite"}));
}

TEST(SetComWindow, TypingInYesNoFieldsStoresCapitals)
{
    TestStation st(false);
    TFormSetCom w(kPrinters);
    const std::pair<const char*, int> fields[] = {
        {"printPreBillEdit", 3},  {"printKitchenOrdersEdit", 4}, {"kitchenOneByOneEdit", 5},
        {"printPaymentEdit", 6},  {"drawerEnabledEdit", 16},     {"blockDeliveryEdit", 20},
        {"forceLineFeedEdit", 21},
    };
    for (const auto& [name, line] : fields) {
        QLineEdit* e = edit(w, name);
        e->clear();
        QTest::keyClicks(e, "s");
        EXPECT_EQ(e->text(), "S") << name;
        leave(e);
        EXPECT_EQ(e->text(), "S") << name;
    }
    // Captions and numbers take capitals too; what was there stays as it was.
    QTest::keyClicks(edit(w, "coverCaptionEdit"), " ao vivo");
    EXPECT_EQ(edit(w, "coverCaptionEdit")->text(), "Couver/Outros AO VIVO");
    confirm(w);
    const QStringList saved = st.readFile(kSetup);
    ASSERT_EQ(saved.size(), 23);
    for (const auto& [name, line] : fields)
        EXPECT_EQ(saved[line], "S") << name;
    EXPECT_EQ(saved[22], "Couver/Outros AO VIVO");
}

TEST(SetComWindow, LeavingAFieldChecksIt)
{
    TestStation st(false);
    TFormSetCom w(kPrinters);
    struct Case {
        const char* name;
        QString typed, kept;
    };
    const Case cases[] = {
        {"printPreBillEdit", "X", "S"},    {"printPreBillEdit", "N", "N"},   {"printPreBillEdit", "", "S"},
        {"printKitchenOrdersEdit", "SS", "S"}, {"kitchenOneByOneEdit", "N", "N"}, {"printPaymentEdit", "?", "S"},
        {"blockDeliveryEdit", "X", "N"},   {"blockDeliveryEdit", "S", "S"},   {"blockDeliveryEdit", "", "N"},
        {"servicePercentEdit", "12,5", "12,5"}, {"servicePercentEdit", "12.5.1", "0"}, {"servicePercentEdit", "", "0"},
        {"coverChargeEdit", "7,00", "7,00"}, {"coverChargeEdit", "sete", "0"},
        // No check on leaving these.
        {"drawerEnabledEdit", "X", "X"},   {"forceLineFeedEdit", "", ""},    {"feedLinesEdit", "muitas", "muitas"},
    };
    for (const Case& c : cases) {
        QLineEdit* e = edit(w, c.name);
        e->setText(c.typed);
        leave(e);
        EXPECT_EQ(e->text(), c.kept) << c.name << " with " << c.typed.toStdString();
    }
}

TEST(SetComWindow, ChargesAreCheckedBeforeEachKey)
{
    TestStation st(false);
    TFormSetCom w(kPrinters);
    struct Case {
        const char* name;
        QString before, keys, after;
    };
    const Case cases[] = {
        {"servicePercentEdit", "12", "5", "125"},
        {"servicePercentEdit", "abc", "5", "15"},
        {"servicePercentEdit", "", "8", "18"},
        {"coverChargeEdit", "5,0", "0", "5,00"},
        {"coverChargeEdit", "xyz", "5", "05"},
    };
    for (const Case& c : cases) {
        QLineEdit* e = edit(w, c.name);
        e->setText(c.before);
        QTest::keyClicks(e, c.keys);
        EXPECT_EQ(e->text(), c.after) << c.name << " " << c.before.toStdString();
    }
}

// Numbers too large for a charge ("1E30", fourteen digits) once ended the program
// from the key and focus handlers: they are numbers no charge can be, so the
// boxes take their fallbacks like any other text, and the window goes on.
TEST(SetComWindow, ChargesTooLargeForAnyBillAreNotNumbers)
{
    TestStation st(false);
    ScriptedDialogs ui;
    TFormSetCom w(kPrinters);
    showActive(w);
    struct Case {
        const char* name;
        QString typed, kept;
    };
    const Case cases[] = {
        {"servicePercentEdit", "1E30", "0"},         {"servicePercentEdit", "12345678901234", "0"},
        {"servicePercentEdit", "1000", "0"},         {"servicePercentEdit", "999,99", "999,99"},
        {"coverChargeEdit", "1E30", "0"},            {"coverChargeEdit", "12345678901234", "0"},
        {"coverChargeEdit", "999999999", "0"},       {"coverChargeEdit", "1.234,56", "1.234,56"},
        {"coverChargeEdit", "99.999.999,99", "99.999.999,99"},
    };
    for (const Case& c : cases) {
        QLineEdit* e = edit(w, c.name);
        e->setText(c.typed);
        leave(e);
        EXPECT_EQ(e->text(), c.kept) << c.name << " with " << c.typed.toStdString();
    }
    // Typed key by key, the check before each key never lets an error out either.
    for (const char* name : {"servicePercentEdit", "coverChargeEdit"}) {
        QLineEdit* e = edit(w, name);
        e->setFocus();
        e->clear();
        QTest::keyClicks(e, "1E30");
        e->clear();
        QTest::keyClicks(e, "12345678901234567890");
    }
    edit(w, "servicePercentEdit")->setText("1E30");
    edit(w, "coverChargeEdit")->setText("99999999999999");
    edit(w, "feedLinesEdit")->setFocus();
    confirm(w);
    EXPECT_TRUE(ui.errors.isEmpty()) << ui.errors.join("|").toStdString();
    EXPECT_EQ(st.readFile(kSetup).mid(1, 2), (QStringList{"0", "0"}));
}

TEST(SetComWindow, ControlByteIsChosenFromTheListOnly)
{
    TestStation st(false);
    TFormSetCom w(kPrinters);
    QComboBox* box = combo(w, "controlByteCombo");
    EXPECT_EQ(box->currentText(), "0");
    QTest::keyClicks(box, "2");
    QTest::keyClicks(box, "x");
    EXPECT_EQ(box->currentText(), "0");
    box->setCurrentIndex(3);
    confirm(w);
    EXPECT_EQ(st.readFile(kSetup).value(8), "3");
}

TEST(SetComWindow, PortFieldIsEnabledOnlyForInformaPorta)
{
    TestStation st(false);
    st.writeFile(kSetup, [] {
        QStringList s = SetComSettings::setupLines(SetComSettings::defaults());
        s[15] = " Informa porta ";
        return s;
    }());
    TFormSetCom w(kPrinters);
    const std::pair<const char*, const char*> pairs[] = {
        {"conferencePrinterCombo", "conferencePortEdit"}, {"closingPrinterCombo", "closingPortEdit"},
        {"kitchenPrinter1Combo", "kitchen1PortEdit"},     {"kitchenPrinter2Combo", "kitchen2PortEdit"},
        {"kitchenPrinter3Combo", "kitchen3PortEdit"},     {"kitchenPrinter4Combo", "kitchen4PortEdit"},
    };
    // As loaded: only the closing slot names the port (blanks around it do not matter).
    for (const auto& [box, port] : pairs)
        EXPECT_EQ(edit(w, port)->isEnabled(), QByteArray(box) == "closingPrinterCombo") << port;

    const std::pair<QString, bool> choices[] = {
        {"Informa porta", true}, {"Visualizar", false}, {"informa porta", false}, {"  Informa porta", true},
        {"Termica Caixa", false}, {"Nao Imprimir", false},
    };
    for (const auto& [box, port] : pairs) {
        for (const auto& [destination, enabled] : choices) {
            combo(w, box)->setCurrentText(destination);
            EXPECT_EQ(edit(w, port)->isEnabled(), enabled) << box << " = " << destination.toStdString();
        }
    }
    // Choosing from the list counts as well.
    QComboBox* k3 = combo(w, "kitchenPrinter3Combo");
    k3->setCurrentIndex(k3->findText("Informa porta"));
    EXPECT_TRUE(edit(w, "kitchen3PortEdit")->isEnabled());
}

TEST(SetComWindow, TypedDestinationIsStoredExactly)
{
    TestStation st(false);
    TFormSetCom w(kPrinters);
    showActive(w);
    QComboBox* box = combo(w, "kitchenPrinter2Combo");
    box->setFocus();
    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), "  visualizar ");
    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    QComboBox* conference = combo(w, "conferencePrinterCombo");
    conference->setFocus();
    conference->lineEdit()->selectAll();
    QTest::keyClicks(conference->lineEdit(), "termica");
    edit(w, "feedLinesEdit")->setFocus();
    confirm(w);
    const QStringList saved = st.readFile(kSetup);
    ASSERT_EQ(saved.size(), 23);
    EXPECT_EQ(saved[14], "  visualizar ");
    EXPECT_EQ(saved[12], "termica");
}

TEST(SetComWindow, EnterMovesTheFocusAlongTheFields)
{
    TestStation st(false);
    TFormSetCom w(kPrinters);
    showActive(w);
    const std::pair<const char*, const char*> moves[] = {
        {"serviceCaptionEdit", "servicePercentEdit"},
        {"servicePercentEdit", "coverChargeEdit"},
        {"coverChargeEdit", "printPreBillEdit"},
        {"printPreBillEdit", "kitchenPrinter1Combo"},
        {"printKitchenOrdersEdit", "kitchenOneByOneEdit"},
        {"kitchenOneByOneEdit", "printPaymentEdit"},
        {"printPaymentEdit", "feedLinesEdit"},
        {"controlByteCombo", "feedLinesEdit"},
    };
    for (const auto& [from, to] : moves) {
        QWidget* source = w.findChild<QWidget*>(from);
        ASSERT_TRUE(source) << from;
        source->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), source) << from;
        QTest::keyClick(source, Qt::Key_Return);
        QWidget* focused = QApplication::focusWidget();
        EXPECT_TRUE(focused && (focused->objectName() == to || focused->parentWidget()->objectName() == to))
            << from << " went to " << (focused ? focused->objectName().toStdString() : "nothing");
    }
    EXPECT_TRUE(w.isVisible());   // Enter never closes the window
}

TEST(SetComWindow, OnlyConfirmarCloses)
{
    TestStation st(false);
    TFormSetCom w(kPrinters);
    showActive(w);
    QSignalSpy finished(&w, &QDialog::finished);
    QTest::keyClick(&w, Qt::Key_Escape);
    w.close();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(finished.count(), 0);
    EXPECT_FALSE(QFile::exists(st.root() + "/Miltrex/vavoz/setup.INI"));
    confirm(w);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(finished.count(), 1);
}

TEST(SetComWindow, SaveErrorShowsTheFileAndKeepsTheWindowOpen)
{
    TestStation st(false);
    ScriptedDialogs d;
    TFormSetCom w(kPrinters);
    QSignalSpy finished(&w, &QDialog::finished);
    // fonte.INI cannot be written: junta and MensagemCupom are, the rest is not.
    ASSERT_TRUE(QDir().mkpath(st.root() + "/Miltrex/vavoz/fonte.INI"));
    edit(w, "feedLinesEdit")->setText("x");
    confirm(w);
    ASSERT_EQ(d.errors.size(), 1);
    EXPECT_TRUE(d.errors[0].contains("fonte.INI")) << d.errors[0].toStdString();
    EXPECT_EQ(finished.count(), 0);
    EXPECT_EQ(st.readFile(kJoin), QStringList{"S"});
    EXPECT_EQ(st.readFile(kMessage).size(), 2);
    EXPECT_FALSE(QFile::exists(st.root() + "/Miltrex/vavoz/portas.INI"));
    EXPECT_FALSE(QFile::exists(st.root() + "/Miltrex/vavoz/setup.INI"));

    // Once the folder is fixed, confirming again saves everything and closes.
    ASSERT_TRUE(QDir(st.root() + "/Miltrex/vavoz/fonte.INI").removeRecursively());
    confirm(w);
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(st.readFile(kSetup).value(9), "7");
    EXPECT_EQ(d.errors.size(), 1);
}

TEST(SetComWindow, NothingIsWrittenWhenTheSettingsFolderIsAFile)
{
    TestStation st(false);
    ScriptedDialogs d;
    TFormSetCom w(kPrinters);
    ASSERT_TRUE(QDir().mkpath(st.root() + "/Miltrex"));
    QFile blocker(st.root() + "/Miltrex/vavoz");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    confirm(w);
    ASSERT_EQ(d.errors.size(), 1);
    EXPECT_TRUE(d.errors[0].contains("junta.INI")) << d.errors[0].toStdString();
    EXPECT_NE(w.result(), QDialog::Accepted);
}

TEST(SetComWindow, OpensThroughTheDialogSeam)
{
    TestStation st(false);
    ScriptedDialogs d;
    d.onWindow("TFormSetCom", [](QDialog& window) {
        auto& w = static_cast<TFormSetCom&>(window);
        edit(w, "drawerEnabledEdit")->clear();
        QTest::keyClicks(edit(w, "drawerEnabledEdit"), "s");
        w.confirm();
        return w.result();
    });
    TFormSetCom w(kPrinters);
    EXPECT_EQ(dialogs().exec(w), QDialog::Accepted);
    EXPECT_EQ(d.windowsShown, QStringList{"TFormSetCom"});
    EXPECT_EQ(st.readFile(kSetup).value(16), "S");
}
