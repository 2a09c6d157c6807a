// The closing receipt, read back byte for byte from the file a port points at;
// a closing that fails prints nothing.
#include "DeviceBytes.h"
#include "ClosingSeeds.h"
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "closing/TabClosing.h"
#include "core/Globals.h"
#include "platform/Win1252.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using seeds::D;

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }
const QString kTab = QStringLiteral("000012");

class ClosingReceiptTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        st.openCashShift(7);
        port = devices.filePath(S("recibo.prn"));
        QFile(port).open(QIODevice::WriteOnly);
        st.writeFile(S("c:\\Miltrex\\vavoz\\dispositivos.INI"), {S("LPT2=") + port});
        st.writeFile(S("c:\\Miltrex\\vavoz\\portas.INI"), {S("LPT1"), S("LPT2")});
        QStringList setup(23);
        setup[0] = S("Taxa Servico");
        setup[6] = S("S");
        setup[9] = S("3");
        setup[15] = S("Informa porta");
        setup[22] = S("Couvert");
        st.writeFile(S("c:\\Miltrex\\vavoz\\setup.INI"), setup);
        st.writeFile(S("c:\\Miltrex\\vavoz\\MensagemCupom.INI"), {S("Volte sempre!"), S("  "), S("Obrigado")});
        TLogon& l = st.logon();
        l.run(S("update EMPRESA set EMPRESA = 'BAR DO ZÉ', FAX = '3333-4444', SCC5 = 2048"));
        seeds::addWaiter(l, 4, S("CARLOS"));
        seeds::addProduct(l, S("000001"), S("CERVEJA"), D("10"));
        seeds::addProduct(l, S("000002"), S("PORÇÃO FRITAS"), D("24"));
        seeds::openTab(l, kTab, 4);
        seeds::addItem(l, kTab, S("000001"), S("CERVEJA"), D("1"), D("10"), 4);
        seeds::addItem(l, kTab, S("000002"), S("PORÇÃO FRITAS"), D("0,5"), D("24"), 4);
        seeds::addItem(l, kTab, S("000001"), S("CERVEJA"), D("2"), D("10"), 4);
    }
    ClosingRequest request() const
    {
        ClosingRequest r =
            seeds::consumerClosing(kTab, {SalePayment{1, S("Dinheiro"), D("50"), true, false}}, QDate::currentDate());
        r.persons = 2;
        r.servicePercent = D("10");
        return r;
    }
    QByteArray printed() const
    {
        QFile f(port);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    TestStation st;
    ScriptedDialogs ui;
    QTemporaryDir devices;
    QString port;
};

} // namespace

TEST_F(ClosingReceiptTest, ReceiptOnThePortByteForByte)
{
    TabClosing closing(st.logon());
    closing.setClock([] { return QDateTime(QDate(2026, 3, 5), QTime(21, 7, 9)); });
    const ClosingResult r = closing.close(request());
    EXPECT_TRUE(printed().isEmpty()) << "nothing printed inside the closing";
    TabClosing::printReceipt(r);

    const QString n = QStringLiteral("%1").arg(r.saleNumber, 6, 10, QLatin1Char('0'));
    const QStringList lines = {
        S("        FECHAMENTO DA CONTA"),
        S("******* Documento nao fiscal ********"),
        S("           Seja Bem Vindo"),
        S("             BAR DO ZÉ"),
        S("        Telefone : 3333-4444"),
        S("-------------------------------------"),
        S("MESA.:000012 Cupom:") + n,
        S("Garcom....:CARLOS"),
        S("Cliente...:CLIENTE CONSUMIDOR"),
        S("Abertura..:12:30:00"),
        S("05/03/26  -  21:07:09"),
        S("====================================="),
        S("DESCRICAO          QTD  VALOR  TOTAL"),
        S("====================================="),
        S("CERVEJA             3  10,00   30,00"),
        S("PORÇÃO FRITAS     0,5  24,00   12,00"),
        S("====================================="),
        S("Total                          42,00"),
        S("Taxa Servico                    4,20"),
        S("                        ------------"),
        S("Total                          46,20"),
        S("Valor Pago                     50,00"),
        S("Dinheiro                       50,00"),
        S("Troco                           3,80"),
        S(""),
        S("Desp p/Pessoas [2]             23,10"),
        S(""),
        S("-------------------------------------"),
        S("Volte sempre!"),
        S("Obrigado"),
        S("-------------------------------------"),
        S("."),
        S("."),
        S("."),
    };
    const QByteArray expected = deviceBytes(lines) + QByteArray("\x1b\x76\x64\r\n");
    EXPECT_EQ(printed(), expected);
}

TEST_F(ClosingReceiptTest, NoReceiptWhenLineSixIsNotSAndNoneForAFailedClosing)
{
    QStringList setup = st.readFile(S("c:\\Miltrex\\vavoz\\setup.INI"));
    // a closing that fails in the middle prints nothing
    st.logon().run(S("alter table FATURA add constraint CK_TESTE_FATURA check (VALOR < 0)"));
    TabClosing closing(st.logon());
    try {
        TabClosing::printReceipt(closing.close(request()));
        ADD_FAILURE() << "closed";
    } catch (const DbError&) {
    }
    EXPECT_TRUE(printed().isEmpty());
    st.logon().run(S("alter table FATURA drop constraint CK_TESTE_FATURA"));
    setup[6] = S("N");
    st.writeFile(S("c:\\Miltrex\\vavoz\\setup.INI"), setup);
    const ClosingResult r = closing.close(request());
    EXPECT_FALSE(r.printReceipt);
    TabClosing::printReceipt(r);
    EXPECT_TRUE(printed().isEmpty());
    EXPECT_EQ(st.count(S("select count(*) from FATURA")), 1);
}
