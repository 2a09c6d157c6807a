// The pre-bill, the payment's first step and the two settings windows, on tabs
// seeded by SQL; hostile values in their entry fields.
#include "ClosingSeeds.h"
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "closing/UnitConsumacao.h"
#include "closing/UnitFecSimples.h"
#include "closing/UnitFechaSim.h"
#include "closing/UnitRecDin.h"
#include "platform/Win1252.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using seeds::D;

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }
QLineEdit* E(QWidget& w, const char* name) { return w.findChild<QLineEdit*>(QString::fromLatin1(name)); }
const QString kTab = QStringLiteral("000012");

class PreBillTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        port = devices.filePath(S("conferencia.prn"));
        QFile(port).open(QIODevice::WriteOnly);
        st.writeFile(S("c:\\Miltrex\\vavoz\\dispositivos.INI"), {S("LPT1=") + port});
        QStringList setup(23);
        setup[0] = S("Servico 10%");
        setup[1] = S("10");
        setup[2] = S("3,00");
        setup[3] = S("S");
        setup[12] = S("Informa porta");
        setup[22] = S("Couvert");
        st.writeFile(S("c:\\Miltrex\\vavoz\\setup.INI"), setup);
        TLogon& l = st.logon();
        l.run(S("update EMPRESA set EMPRESA = 'BAR DO ZE', FAX = '3333-4444'"));
        seeds::addWaiter(l, 4, S("CARLOS"));
        seeds::openTab(l, kTab, 4);
        l.run(S("update CABMESA set CLIMESA = 2"));
        seeds::addItem(l, kTab, S("000001"), S("CERVEJA"), D("4"), D("10"), 4);
    }
    QString printed() const
    {
        QFile f(port);
        return f.open(QIODevice::ReadOnly) ? fromWin1252(f.readAll()) : QString();
    }
    int status() { return int(integerOf(st.scalar(S("select STATUS from CABMESA where MESA = ?"), {kTab}))); }

    TestStation st;
    ScriptedDialogs ui;
    QTemporaryDir devices;
    QString port;
};

} // namespace

TEST_F(PreBillTest, PrintsThePreBillAndMarksTheTab)
{
    TFormFecSimples w(st.logon());
    w.preBill().setClock([] { return QDateTime(QDate(2026, 3, 5), QTime(22, 0, 1)); });
    w.setTab(S("12"), kTab + S(" - CONSUMIDOR"));
    w.tabLeft();
    EXPECT_EQ(E(w, "tabEdit")->text(), kTab);
    EXPECT_EQ(E(w, "personsEdit")->text(), S("2"));
    EXPECT_EQ(E(w, "coverSwitchEdit")->text(), S("S"));
    EXPECT_EQ(E(w, "serviceSwitchEdit")->text(), S("S"));
    w.printPreBill();
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_EQ(status(), 1);
    const QStringList lines = printed().split(S("\r\n"));
    ASSERT_GT(lines.size(), 20);
    EXPECT_EQ(lines[0], S("      PRE – FECHAMENTO DA CONTA"));
    EXPECT_TRUE(lines.contains(S("MESA.:000012")));
    EXPECT_TRUE(lines.contains(S("Garcom....:CARLOS")));
    EXPECT_TRUE(lines.contains(S("Fechamento:05/03/26   22:00:01")));
    EXPECT_TRUE(lines.contains(S("Servico 10%                     4,00")));
    EXPECT_TRUE(lines.contains(S("Couvert                         6,00")));
    EXPECT_TRUE(lines.contains(S("A Receber                      50,00")));
    EXPECT_TRUE(lines.contains(S("Desp p/Pessoas [2] 25,00")));

    // a pre-billed tab is not pre-billed again unless the options say so
    QFile(port).resize(0);
    TFormFecSimples again(st.logon());
    again.setTab(kTab);
    again.printPreBill();
    EXPECT_EQ(ui.messageTexts().last(), S("  Comanda Fechada..  "));
    EXPECT_TRUE(printed().isEmpty());
}

// Only "S" charges: a switch emptied, "X" or "0" stores "N" and prints no charge,
// so the payment that follows does not charge the customer for it either.
TEST_F(PreBillTest, OnlyASwitchHoldingSChargesTheCustomer)
{
    struct Case { const char* typed; const char* stored; } cases[] = {
        {"", "N"}, {" ", "N"}, {"X", "N"}, {"0", "N"}, {"N", "N"}, {"😀", "N"}, {"S", "S"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        st.logon().run(S("update CABMESA set STATUS = 0, COUVER = 'S', TAXA = 'S'"));
        QFile(port).resize(0);
        TFormFecSimples w(st.logon());
        w.setTab(kTab);
        E(w, "coverSwitchEdit")->setText(S(c.typed));
        E(w, "serviceSwitchEdit")->setText(S(c.typed));
        w.printPreBill();
        EXPECT_EQ(st.scalar(S("select COUVER || TAXA from CABMESA")).toString(), S(c.stored) + S(c.stored));
        const QStringList lines = printed().split(S("\r\n"));
        const bool charged = QByteArray(c.stored) == "S";
        EXPECT_EQ(lines.contains(S("Servico 10%                     4,00")), charged);
        EXPECT_EQ(lines.contains(S("Couvert                         6,00")), charged);
        EXPECT_TRUE(lines.contains(charged ? S("A Receber                      50,00") : S("A Receber                      40,00")));
    }
    EXPECT_TRUE(ui.errors.isEmpty()) << ui.errors.join(S("|")).toStdString();
}

TEST_F(PreBillTest, FirstStepStoresTheSwitchesAndSettingsWindowsSaveTheirLine)
{
    TFormRecDin step(st.logon());
    step.setTab(S("12"));
    step.tabLeft();
    EXPECT_EQ(E(step, "coverSwitchEdit")->text(), S("S"));
    E(step, "serviceSwitchEdit")->setText(S("n"));
    step.confirm();
    EXPECT_EQ(step.tab(), kTab);
    EXPECT_EQ(step.joinedTabs(), QStringList{kTab});
    EXPECT_EQ(st.scalar(S("select TAXA from CABMESA")).toString(), S("N"));
    EXPECT_EQ(st.scalar(S("select COUVER from CABMESA")).toString(), S("S"));

    TFormConsumacao minimum;
    EXPECT_EQ(E(minimum, "minimumEdit")->text(), S("0"));
    E(minimum, "minimumEdit")->setText(S("12,5"));
    minimum.confirm();
    EXPECT_EQ(st.readFile(S("c:\\Miltrex\\vavoz\\Consumacao.INI")), QStringList{S("12,5")});

    TFormFechasim required;
    EXPECT_EQ(E(required, "requiredEdit")->text(), S("S")) << "no file: required";
    E(required, "requiredEdit")->setText(S("n"));
    required.confirm();
    EXPECT_EQ(st.readFile(S("c:\\Miltrex\\vavoz\\fechasim.INI")), QStringList{S("N")});
    TFormFechasim again;
    E(again, "requiredEdit")->setText(S("x"));
    again.confirm();
    EXPECT_EQ(st.readFile(S("c:\\Miltrex\\vavoz\\fechasim.INI")), QStringList{S("S")});
}

TEST_F(PreBillTest, HostileValuesInTheEntryFields)
{
    const QStringList hostile = {S("'; delete from MESA; --"), S("abc"), S("1e20"), S("-5"), QString(300, QLatin1Char('7')),
                                 S("😀"), S(""), S("1' or '1'='1")};
    for (const QString& value : hostile) {
        SCOPED_TRACE(value.toStdString());
        // the pre-bill: persons, discount, switches, tab
        for (const char* field : {"personsEdit", "discountEdit", "coverSwitchEdit", "serviceSwitchEdit",
                                  "ingredientsSwitchEdit", "tabEdit"}) {
            st.logon().run(S("update CABMESA set STATUS = 0"));
            TFormFecSimples w(st.logon());
            w.setTab(kTab);
            E(w, field)->setText(value);
            w.tabLeft();
            w.personsLeft();
            w.discountLeft();
            w.printPreBill();
            EXPECT_TRUE(ui.errors.isEmpty()) << field << " " << ui.errors.join(S("|")).toStdString();
            ui.errors.clear();
            EXPECT_EQ(st.count(S("select count(*) from MESA")), 1);
            EXPECT_EQ(st.count(S("select count(*) from CABMESA")), 1);
        }
        // the first step's tab field and switches
        TFormRecDin step(st.logon());
        step.setTab(value);
        E(step, "serviceSwitchEdit")->setText(value);
        step.tabLeft();
        step.confirm();
        EXPECT_TRUE(ui.errors.isEmpty()) << ui.errors.join(S("|")).toStdString();
        ui.errors.clear();
        // the minimum consumption
        TFormConsumacao minimum;
        E(minimum, "minimumEdit")->setText(value);
        minimum.confirm();
        const QString saved = st.readFile(S("c:\\Miltrex\\vavoz\\Consumacao.INI")).value(0);
        EXPECT_TRUE(saved == S("0") || saved == value) << saved.toStdString();
        EXPECT_NE(saved, S("-5"));
    }
    EXPECT_EQ(st.count(S("select count(*) from MESA")), 1);
}

TEST_F(PreBillTest, DeliveryTabPrintsCustomerComplementsAndChange)
{
    TLogon& l = st.logon();
    seeds::addSaleCustomer(l, 50, S("ANA ENTREGA"));
    l.run(S("update CLIENTES set ENDERECO = 'RUA A, 10', CIDADE = 'SANTOS', ESTADO = 'SP', REF = 'PORTAO AZUL' "
            "where CODIGO = 50"));
    l.run(S("update CABMESA set CLIENTE = 50, EDELIVERY = 'S', VALORDELIVERY = 50, PAGADELIVARY = 'Dinheiro'"));
    const qint64 item = integerOf(st.scalar(S("select first 1 ID from MESA")));
    l.run(S("insert into ACOMPMESA (ID, CODIGO, QUANT, PRODUTO) values (1, ?, 1, 'sem gelo')"), {QString::number(item)});
    TFormFecSimples w(st.logon());
    w.setTab(kTab);
    EXPECT_EQ(E(w, "deliveryFlagEdit")->text(), S("S"));
    w.printPreBill();
    const QStringList lines = printed().split(S("\r\n"));
    EXPECT_TRUE(lines.contains(S("Cliente.:ANA ENTREGA")));
    EXPECT_TRUE(lines.contains(S(":SANTOS - SP")));
    EXPECT_TRUE(lines.contains(S("Referenc:PORTAO AZUL")));
    EXPECT_TRUE(lines.contains(S("  1x SEM GELO")));
    EXPECT_TRUE(lines.contains(S("Sub-Total                      40,00")));
    EXPECT_TRUE(lines.contains(S("Troco                          10,00")));
    EXPECT_FALSE(lines.contains(S("Garcom....:CARLOS")));
    EXPECT_EQ(decimalOf(st.scalar(S("select DELIVERY from CABMESA"))), D("0,01"));
    EXPECT_EQ(status(), 1);
}
