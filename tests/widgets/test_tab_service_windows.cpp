// The tab service on screen: the fractions window and a two-flavour pizza on the
// sales screen, the complement text window, the kitchen order key, the
// kitchen-monitor page, the reprint window, the table report's gates, and the
// scale read from a pseudo-terminal where a small simulator answers as a Toledo
// or Filizola scale does (weights, unstable and overload answers, silence).
#include "WidgetSteps.h"
#include "QtPrinters.h"
#include "app/ProgramWindows.h"
#include "SalesSeeds.h"
#include "ScriptedDialogs.h"
#include "TabServiceSeeds.h"
#include "TestStation.h"
#include "sales/UnitEscrever.h"
#include "core/Globals.h"
#include "printing/RawPrinterPort.h"
#include "registers/Fracao.h"
#include "sales/KitchenMonitorPage.h"
#include "sales/SalesMessages.h"
#include "sales/Scale.h"
#include "sales/ScalePanel.h"
#include "sales/TabOpening.h"
#include "sales/UnitBalcao.h"
#include "sales/UnitReCozinha.h"
#include "shell/RibbonBar.h"
#include "shell/UnitAcessos.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSerialPort>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

Decimal money(std::int64_t cents) { return Decimal::fromCents(cents); }



void supervisor(ScriptedDialogs& d, const char* user)
{
    d.onWindow(QStringLiteral("TFormAcessos"), [user](QDialog& w) {
        auto& p = static_cast<TFormAcessos&>(w);
        p.setName(QString::fromLatin1(user));
        p.setPassword(QStringLiteral("1"));
        p.confirm();
        return w.result();
    });
}

} // namespace

TEST(FracaoWindow, TwoCodesGiveTheListAndTheDescription)
{
    TestStation st;
    ScriptedDialogs script;
    seeds::product(st.logon(), {QStringLiteral("000012"), QStringLiteral("CALABRESA"), money(3000)});
    seeds::product(st.logon(), {QStringLiteral("000015"), QStringLiteral("MUSSARELA"), money(4100)});
    TFormFracao w(st.logon());
    showActive(w);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("FormFracao"));
    type(w.codeBox(0), QStringLiteral("12"));
    type(w.codeBox(1), QStringLiteral("15"));
    w.codeBox(2)->setFocus(Qt::OtherFocusReason);
    EXPECT_EQ(w.codeBox(0)->text(), QStringLiteral("000012"));
    EXPECT_EQ(w.codeBox(1)->text(), QStringLiteral("000015"));
    EXPECT_EQ(w.nameLabel(1)->text(), QStringLiteral("MUSSARELA"));
    w.confirm();
    EXPECT_EQ(ctx::lookup().LookupCode, QStringLiteral("/12/15/"));
    EXPECT_EQ(ctx::lookup().ProductLookupCode, QStringLiteral("1/2-CALABRESA 1/2-MUSSARELA\n"));
}

TEST(FracaoWindow, HostileCodesAreRemovedFromTheirBox)
{
    TestStation st;
    ScriptedDialogs script;
    seeds::product(st.logon(), {QStringLiteral("000012"), QStringLiteral("CALABRESA"), money(3000)});
    const char* hostile[] = {"'; delete from produtos; --", "abc", "1e20", "-5", "0", "*12", "😀", "99999999999999"};
    for (const char* text : hostile) {
        ctx::lookup().LookupCode = QStringLiteral("ANTES");
        TFormFracao w(st.logon());
        showActive(w);
        w.codeBox(0)->setText(QString::fromUtf8(text));
        w.codeBoxLeft(0);
        EXPECT_EQ(w.codeBox(0)->text(), QString()) << text;
        w.confirm();
        EXPECT_EQ(ctx::lookup().LookupCode, QStringLiteral("ANTES")) << text;   // nothing entered: unchanged
        EXPECT_TRUE(script.errors.isEmpty()) << text << script.errors.join(u' ').toStdString();
    }
    EXPECT_EQ(st.count(QStringLiteral("select count(*) from produtos")), 1);
}

TEST(EscreverWindow, HostileValuesAreHandedOverAsZero)
{
    struct Case { const char* text; const char* value; const char* gives; const char* textGiven; } cases[] = {
        {"sem cebola", "2,50", "2,50", "SEM CEBOLA"},
        {"", "2,50", "2,50", ""},
        {"x", "abc", "0", "X"},
        {"x", "1e20", "0", "X"},
        {"x", "-3", "0", "X"},
        {"'; delete from mesa; --", "0", "0", "'; DELETE FROM MESA; --"},
        {"bem passado 😀", "1", "1", "BEM PASSADO"},
    };
    for (const Case& c : cases) {
        TFormEscrever w;
        EXPECT_EQ(w.windowTitle(), QStringLiteral(":: Complemento Produto ::"));
        EXPECT_EQ(w.value(), QStringLiteral("0"));
        w.textEdit()->setText(QString::fromUtf8(c.text));
        w.valueEdit()->setText(QString::fromUtf8(c.value));
        w.confirm();
        EXPECT_EQ(w.value(), QString::fromUtf8(c.gives)) << c.value;
        EXPECT_EQ(w.text(), QString::fromUtf8(c.textGiven)) << c.text;
    }
}

namespace {
struct Pizzeria {
    TestStation st;
    ScriptedDialogs script;
    Pizzeria()
    {
        registerProgramWindows();
        st.openCashShift(1);
        st.addUser(QStringLiteral("GERENTE"), QStringLiteral("1"), QStringLiteral("S"), 65535);
        st.addUser(QStringLiteral("CAIXA"), QStringLiteral("1"), QStringLiteral("N"), 0);
        seeds::sizes(st.logon(), {QStringLiteral("FAMILIA"), QStringLiteral("MEDIA"), QStringLiteral("GRANDE")});
        seeds::sizedProduct(st.logon(), QStringLiteral("000012"), QStringLiteral("CALABRESA"), money(6000), money(3000),
                            money(4500), Decimal(0), Decimal(0), QStringLiteral("0"));
        seeds::product(st.logon(), {QStringLiteral("000015"), QStringLiteral("MUSSARELA"), money(4100)});
        seeds::waiter(st.logon(), 3, QStringLiteral("JOAO"));
    }
    void openTab(TFormBalcao& w)
    {
        script.answerMessages({QStringLiteral("S")});
        type(edit(w, "tabNumberEdit"), QStringLiteral("7"));
        type(edit(w, "waiterEdit"), QStringLiteral("3"));
    }
};
} // namespace

TEST(BalcaoTabService, ATwoFlavourPizzaOfAChosenSize)
{
    Pizzeria p;
    TFormBalcao w(p.st.logon());
    showActive(w);
    p.openTab(w);
    p.script.onWindow(QStringLiteral("TFormFracao"), [](QDialog& d) {
        auto& f = static_cast<TFormFracao&>(d);
        f.codeBox(0)->setText(QStringLiteral("15"));
        f.codeBoxLeft(0);
        f.codeBox(1)->setText(QStringLiteral("12"));
        f.codeBoxLeft(1);
        f.confirm();
        return d.result();
    });
    type(edit(w, "productCodeEdit"), QStringLiteral("/"));
    EXPECT_EQ(edit(w, "productCodeEdit")->text(), QStringLiteral("/15/12/"));
    EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("productNameLabel"))->text(), QStringLiteral("1/2-MUSSARELA 1/2-CALABRESA"));
    auto* sizes = w.findChild<QComboBox*>(QStringLiteral("sizeBox"));
    ASSERT_TRUE(sizes->isVisible());
    EXPECT_EQ(sizes->itemText(2), QStringLiteral("3 GRANDE"));
    EXPECT_EQ(edit(w, "priceEdit")->text(), QStringLiteral("50,50"));   // MUSSARELA 41,00 and CALABRESA FAMILIA 60,00
    sizes->setCurrentIndex(1);
    w.sizeChosen();
    EXPECT_EQ(edit(w, "priceEdit")->text(), QStringLiteral("35,50"));
    EXPECT_TRUE(edit(w, "quantityEdit")->hasFocus());
    w.confirmItem();
    EXPECT_EQ(p.st.count(QStringLiteral("select count(*) from mesa where mesa = '000007' and codigo = '/15/12/' "
                                        "and nomep = 'MEDIA  1/2-MUSSARELA 1/2-CALABRESA' and valor = 35.5")), 1);
    EXPECT_TRUE(p.script.errors.isEmpty()) << p.script.errors.join(u' ').toStdString();
}

TEST(BalcaoTabService, KitchenOrderWithoutATabAndTheReportsGates)
{
    Pizzeria p;
    TFormBalcao w(p.st.logon());
    showActive(w);
    w.printKitchenOrder();
    EXPECT_EQ(p.script.messageTexts().last(), QStringLiteral(" Informar comanda  "));

    // the report of open and closed tables asks a supervisor with the cash-report right
    supervisor(p.script, "CAIXA");
    p.script.windowsShown.clear();
    p.st.logon().run(QStringLiteral("update contcaixa set caixa = 0"));
    w.reloadCashState();
    p.script.messages.clear();
    // cash closed: only the message, before any prompt
    for (QToolButton* b : w.ribbon()->findChildren<QToolButton*>())
        if (b->accessibleName() == QStringLiteral("Mesas abertas e fechadas no caixa"))
            b->click();
    EXPECT_EQ(p.script.messageTexts(), QStringList{QStringLiteral("|         Caixa Fechado, Abrir primeiro o caixa      |")});
    EXPECT_FALSE(p.script.windowsShown.contains(QStringLiteral("TFormAcessos")));
    p.st.logon().run(QStringLiteral("update contcaixa set caixa = 1"));
    w.reloadCashState();
    p.script.messages.clear();
    for (QToolButton* b : w.ribbon()->findChildren<QToolButton*>())
        if (b->accessibleName() == QStringLiteral("Mesas abertas e fechadas no caixa"))
            b->click();
    EXPECT_EQ(p.script.messageTexts(), QStringList{QStringLiteral("     Usuario não autorizado      ")});
}

TEST(BalcaoTabService, TheMonitorPageDeletesWhatItShows)
{
    Pizzeria p;
    auto add = [&](const char* product) {
        p.st.logon().run(QStringLiteral("Insert Into cozinha2 (id,hora,mesa,garcom,caixa,produto,quant,compl) "
                                        "values (GEN_ID(COZINHA2,1),'11/12/26 20:00:00','000007','3',1,?,1,'')"),
                         {QString::fromLatin1(product)});
    };
    add("PICANHA");
    add("ARROZ");
    TFormBalcao w(p.st.logon());
    showActive(w);
    auto* pages = w.findChild<QTabWidget*>(QStringLiteral("mainPages"));
    pages->setCurrentWidget(w.findChild<QWidget*>(QStringLiteral("kitchenPage")));
    KitchenMonitorPage* page = w.kitchenMonitor();
    ASSERT_EQ(page->grid()->rowCount(), 2);
    EXPECT_EQ(page->grid()->item(0, 3)->text(), QStringLiteral("PICANHA"));

    // "Não" keeps everything
    p.script.answerMessages({QStringLiteral("N")});
    page->deleteSelected();
    EXPECT_EQ(p.st.count(QStringLiteral("select count(*) from cozinha2")), 2);
    // a user who is no supervisor cannot clear the queue
    supervisor(p.script, "CAIXA");
    p.script.answerMessages({QStringLiteral("S")});
    page->deleteAll();
    EXPECT_EQ(p.script.messageTexts().last(), QStringLiteral("     Usuario não autorizado      "));
    EXPECT_EQ(p.st.count(QStringLiteral("select count(*) from cozinha2")), 2);
    // the selected row goes; another station's new row stays through "Excluir Todos"
    p.script.answerMessages({QStringLiteral("S")});
    page->grid()->selectRow(1);
    page->deleteSelected();
    EXPECT_EQ(p.st.count(QStringLiteral("select count(*) from cozinha2 where produto = 'ARROZ'")), 0);
    add("FEIJAO");
    supervisor(p.script, "GERENTE");
    p.script.answerMessages({QStringLiteral("S")});
    page->deleteAll();
    EXPECT_EQ(p.st.count(QStringLiteral("select count(*) from cozinha2")), 1);
    EXPECT_EQ(page->grid()->rowCount(), 1);
    EXPECT_EQ(page->grid()->item(0, 3)->text(), QStringLiteral("FEIJAO"));
}

TEST(BalcaoTabService, TheReprintWindowPrintsTheChosenItems)
{
    Pizzeria p;
    TabOpening(p.st.logon()).open(QStringLiteral("000007"));
    seeds::tabItem(p.st.logon(), QStringLiteral("000007"), QStringLiteral("000015"), QStringLiteral("MUSSARELA"), Decimal(1),
                   money(4100), QStringLiteral("1"));
    seeds::tabItem(p.st.logon(), QStringLiteral("000007"), QStringLiteral("000012"), QStringLiteral("CALABRESA"), Decimal(1),
                   money(3000), QStringLiteral("1"));
    seeds::setup(p.st, {{13, QStringLiteral("Informa porta")}});
    const QString port = seeds::portToFile(p.st, QStringLiteral("LPT1"), QStringLiteral("cozinha.txt"));
    TFormReCozinha w(p.st.logon(), QStringLiteral("000007"));
    ASSERT_EQ(w.grid()->rowCount(), 2);
    w.toggle(1);
    EXPECT_EQ(w.grid()->item(1, 0)->text(), QStringLiteral("SIM"));
    w.print();
    ClosePrinterPort();
    QFile f(port);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray ticket = f.readAll();
    EXPECT_TRUE(ticket.contains("PEDIDO       : REIMPRESSAO\r\n"));
    EXPECT_TRUE(ticket.contains("1 CALABRESA\r\n"));
    EXPECT_FALSE(ticket.contains("MUSSARELA"));
    EXPECT_EQ(w.result(), QDialog::Accepted);
}

// ---- the scale ----------------------------------------------------------------------------

namespace {

// socat's pseudo-terminal pair: the program's end and the simulator's end.
struct ScaleLine {
    QTemporaryDir dir;
    QProcess socat;
    QString programEnd, simulatorEnd;
    bool ready = false;
    ScaleLine()
    {
        const QString exe = QStandardPaths::findExecutable(QStringLiteral("socat"));
        if (exe.isEmpty())
            return;
        programEnd = dir.filePath(QStringLiteral("scale"));
        simulatorEnd = dir.filePath(QStringLiteral("sim"));
        socat.start(exe, {QStringLiteral("pty,raw,echo=0,link=") + programEnd, QStringLiteral("pty,raw,echo=0,link=") + simulatorEnd});
        for (int i = 0; i < 100 && !(QFile::exists(programEnd) && QFile::exists(simulatorEnd)); ++i)
            QTest::qWait(50);
        ready = QFile::exists(programEnd) && QFile::exists(simulatorEnd);
    }
    ~ScaleLine()
    {
        socat.terminate();
        socat.waitForFinished(3000);
    }
};

// Answers each ENQ with the next scripted frame; an empty frame is silence.
class ScaleSimulator : public QObject {
public:
    explicit ScaleSimulator(const QString& device)
    {
        m_port.setPortName(device);
        m_port.open(QIODevice::ReadWrite);
        connect(&m_port, &QSerialPort::readyRead, this, [this] {
            const QByteArray got = m_port.readAll();
            for (char c : got) {
                if (c != '\x05')
                    continue;
                ++requests;
                const QByteArray answer = answers.empty() ? QByteArray() : answers.front();
                if (!answers.empty())
                    answers.erase(answers.begin());
                if (!answer.isEmpty())
                    m_port.write(answer);
            }
        });
    }
    bool isOpen() const { return m_port.isOpen(); }
    std::vector<QByteArray> answers;
    int requests = 0;

private:
    QSerialPort m_port;
};

QByteArray frame(const char* body) { return QByteArray("\x02") + body + QByteArray("\x03"); }

} // namespace

TEST(ScaleOnThePseudoTerminal, WeightsUnstableOverloadAndSilence)
{
    ScaleLine line;
    if (!line.ready)
        GTEST_SKIP() << "socat cannot make a pseudo-terminal pair here";
    for (const char* model : {"Toledo", "Filizola"}) {
        ScaleSimulator sim(line.simulatorEnd);
        ASSERT_TRUE(sim.isOpen());
        ScaleReader reader;
        QString error;
        ASSERT_TRUE(reader.activate(QString::fromLatin1(model), line.programEnd, 2400, 8, &error)) << error.toStdString();
        QSignalSpy weights(&reader, &ScaleReader::weightRead);
        QSignalSpy failed(&reader, &ScaleReader::readFailed);
        sim.answers = {frame("01500"), frame("IIIII"), frame("SSSSS"), QByteArray(), frame("00250")};
        const Decimal expected[] = {Decimal::fromThousandths(1500), Decimal(-1), Decimal(-10)};
        for (const Decimal& w : expected) {
            reader.requestWeight(2000);
            ASSERT_TRUE(weights.wait(3000)) << model;
            EXPECT_EQ(weights.takeFirst().at(0).value<Decimal>(), w) << model;
        }
        // silence: the request returns at once and the failure comes later
        reader.requestWeight(300);
        EXPECT_TRUE(weights.isEmpty());
        ASSERT_TRUE(failed.wait(3000));
        reader.requestWeight(2000);
        ASSERT_TRUE(weights.wait(3000));
        EXPECT_EQ(weights.takeFirst().at(0).value<Decimal>(), Decimal::fromThousandths(250));
        reader.deactivate();
    }
}

TEST(ScaleOnThePseudoTerminal, TheQuantityFieldTakesTheWeight)
{
    ScaleLine line;
    if (!line.ready)
        GTEST_SKIP() << "socat cannot make a pseudo-terminal pair here";
    Pizzeria p;
    p.st.writeFile(QStringLiteral("c:\\Miltrex\\vavoz\\dispositivos.INI"), {QStringLiteral("COM1=") + line.programEnd,
                                                                            QStringLiteral("COM2=/nonexistent/sabrel22/ttyS9")});
    p.st.writeFile(QStringLiteral("c:\\Miltrex\\vavoz\\confBalanca.ini"),
                   {QStringLiteral("2"), QStringLiteral("0"), QStringLiteral("4"), QStringLiteral("3"), QStringLiteral("0"),
                    QStringLiteral("0"), QStringLiteral("0")});
    ScaleSimulator sim(line.simulatorEnd);
    TFormBalcao w(p.st.logon());
    showActive(w);
    p.openTab(w);
    EXPECT_EQ(w.scalePanel()->model(), QStringLiteral("Toledo"));
    w.scaleSwitch()->setChecked(true);
    w.activateScale();
    EXPECT_TRUE(p.script.errors.isEmpty()) << p.script.errors.join(u' ').toStdString();
    QLineEdit* quantity = edit(w, "quantityEdit");

    // the focus elsewhere: no weight is asked for
    edit(w, "productCodeEdit")->setFocus(Qt::OtherFocusReason);
    w.pollScale();
    QTest::qWait(50);
    EXPECT_EQ(sim.requests, 0);

    quantity->setFocus(Qt::OtherFocusReason);
    sim.answers = {frame("01500"), frame("IIIII")};
    w.pollScale();
    QTRY_COMPARE(quantity->text(), QStringLiteral("1,500"));
    w.pollScale();
    QTRY_COMPARE(quantity->text(), QStringLiteral("0"));   // unstable reads 0

    // a port that cannot be opened: the error box, the switch stays on
    w.scalePanel()->portBox()->setCurrentIndex(1);
    w.activateScale();
    EXPECT_EQ(p.script.errors.size(), 1);
    EXPECT_TRUE(w.scaleSwitch()->isChecked());
    // a model whose protocol this program does not speak says so
    w.scalePanel()->modelBox()->setCurrentText(QStringLiteral("Urano"));
    w.activateScale();
    EXPECT_EQ(p.script.messageTexts().last(), scalemsg::notSupported(QStringLiteral("Urano")));
}

TEST(ScaleSettingsPanel, WritesTheSevenPositions)
{
    TestStation st;
    ScriptedDialogs script;
    ScalePanel panel;
    panel.open();
    panel.modelBox()->setCurrentText(QStringLiteral("Toledo"));
    panel.portBox()->setCurrentIndex(0);
    panel.baudBox()->setCurrentText(QStringLiteral("2400"));
    panel.save();
    EXPECT_EQ(st.readFile(QStringLiteral("c:\\Miltrex\\vavoz\\confBalanca.ini")),
              (QStringList{QStringLiteral("2"), QStringLiteral("0"), QStringLiteral("4"), QStringLiteral("3"),
                           QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")}));
    EXPECT_FALSE(panel.isVisible());
    // a port typed by hand is kept as -1 and is gone at the next reading
    panel.open();
    panel.portBox()->setEditText(QStringLiteral("/dev/ttyUSB7"));
    panel.save();
    EXPECT_EQ(st.readFile(QStringLiteral("c:\\Miltrex\\vavoz\\confBalanca.ini")).value(1), QStringLiteral("-1"));
    EXPECT_EQ(panel.port(), QString());
    // a line that is no number stops the reading there
    st.writeFile(QStringLiteral("c:\\Miltrex\\vavoz\\confBalanca.ini"), {QStringLiteral("1"), QStringLiteral("x"), QStringLiteral("9")});
    panel.open();
    EXPECT_EQ(panel.model(), QStringLiteral("Filizola"));
    EXPECT_EQ(panel.baud(), 2400);
}

TEST(BalcaoTabService, ACustomerAttachedToTheTab)
{
    Pizzeria p;
    seeds::customer(p.st.logon(), 55, QStringLiteral("MARIA DAS DORES SILVA"));
    TFormBalcao w(p.st.logon());
    showActive(w);
    p.openTab(w);
    auto click = [&](const QString& caption) {
        for (QToolButton* b : w.ribbon()->findChildren<QToolButton*>())
            if (b->accessibleName() == caption) {
                b->click();
                return;
            }
        ADD_FAILURE() << "no button " << caption.toStdString();
    };
    // without the registers right, a supervisor without it is refused
    ctx::op().LoginRights = 0;
    supervisor(p.script, "CAIXA");
    p.script.onWindow(QStringLiteral("TFormCliente"), [](QDialog& d) {
        ctx::lookup().LookupCode = QStringLiteral("55");   // the customer the register showed last
        return QDialog::Accepted;
    });
    click(QStringLiteral("Cadastro de Clientes"));
    EXPECT_EQ(p.script.messageTexts().last(), QStringLiteral("       Acesso não autorizado         "));
    EXPECT_EQ(p.st.count(QStringLiteral("select count(*) from cabmesa where cliente = 55")), 0);
    // with the right the register opens and the tab takes the customer it showed
    ctx::op().LoginRights = 8;
    click(QStringLiteral("Cadastro de Clientes"));
    EXPECT_EQ(p.st.count(QStringLiteral("select count(*) from cabmesa where mesa = '000007' and cliente = 55")), 1);
    EXPECT_EQ(w.customerText(), QStringLiteral("MARIA DAS DORES"));
    // the lookup closed without a choice changes nothing
    p.script.onWindow(QStringLiteral("TFormBusca"), [](QDialog& d) {
        d.reject();
        return d.result();
    });
    click(QStringLiteral("Pesquisa Cliente"));
    EXPECT_EQ(p.st.count(QStringLiteral("select count(*) from cabmesa where cliente = 55")), 1);
    EXPECT_TRUE(p.script.errors.isEmpty()) << p.script.errors.join(u' ').toStdString();
}
