// The digital menu's windows and the outflow per cost centre as a user drives
// them: groups and products turned on and off, descriptions, pictures, the menu's
// options, the table card; hostile values typed in each entry window; every window
// whole on a 1366 x 768 screen; the sales screen's four buttons open them.
#include "ProgramStyle.h"
#include "LoginFixtures.h"
#include "PreviewCapture.h"
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "WindowLook.h"
#include "app/ProgramWindows.h"
#include "platform/StationPaths.h"
#include "platform/Style.h"
#include "sales/SalesRibbon.h"
#include "shell/WindowRegistry.h"
#include "stock/UnitBalCen.h"
#include "menu/UnitCardConfig.h"
#include "menu/UnitCardGrupo.h"
#include "menu/UnitCardQrCode.h"
#include "menu/UnitCardapio.h"

#include <QApplication>
#include <QImageReader>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString S(const char* text) { return QString::fromUtf8(text); }

class MenuWindows : public ::testing::Test {
protected:
    void SetUp() override
    {
        registerProgramWindows();
        TLogon& db = st.logon();
        db.run(S("insert into TIPOS (ID, CODIGO, NOME, ATIVO) values (31, 7, 'PRATOS', 'N')"));
        db.run(S("insert into TIPOS (ID, CODIGO, NOME, ATIVO) values (32, 8, 'BEBIDAS', 'S')"));
        db.run(S("insert into PRODUTOS (ID, CODIGO, NOME, CLASSE, VALOR, CUSTO) values (10, '000123', 'FILÉ', 7, 39.9, 20)"));
        db.run(S("insert into PRODUTOS (ID, CODIGO, NOME, CLASSE, VALOR, CUSTO) values (11, '000124', 'ARROZ', 7, 8, 2)"));
        db.run(S("insert into PRODUTOS (ID, CODIGO, NOME, CLASSE, VALOR, CUSTO) values (12, '000200', 'SUCO', 8, 6.5, 1)"));
    }
    QString picture(QSize size, const char* format = "PNG")
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::blue);
        const QString file = m_dir.filePath(QStringLiteral("escolhida%1.%2").arg(++m_pictures).arg(S(format).toLower()));
        EXPECT_TRUE(image.save(file, format));
        return file;
    }
    QString text(const char* sql) { return textOf(st.scalar(S(sql))); }

    TestStation st;
    ScriptedDialogs ui;
    QTemporaryDir m_dir;
    int m_pictures = 0;
};

} // namespace

TEST_F(MenuWindows, TheSalesScreensFourButtonsAndTheRegistryOpenTheRealWindows)
{
    salesribbon::Context context;
    context.logon = &st.logon();
    struct Case { const char* caption; const char* window; };
    for (const Case& c : {Case{"Grupo  Cardapio", "TFormCardGrupo"}, Case{"Produtos Cardapio", "TFormCardapio"},
                          Case{"Gerar QrCode", "TFormCardQrCode"}, Case{"Configuração", "TFormCardConfig"}}) {
        bool real = false;
        ui.onWindow(S(c.window), [&](QDialog& w) {
            real = !qobject_cast<PlaceholderWindow*>(&w) && QString::fromLatin1(w.metaObject()->className()) == S(c.window);
            return int(QDialog::Rejected);
        });
        salesribbon::run(S(c.caption), context);
        EXPECT_TRUE(real) << c.caption;
        EXPECT_EQ(ui.windowsShown.last(), S(c.window));
    }
    // The windows nothing opens are there by name for the registry.
    for (const char* name : {"TFormBalCen", "TFormEtiqueta", "TFormMalaDir", "TFormRelAniCas", "TFormItemExcluidos",
                             "TFormExpExcel", "TFormImporta"}) {
        bool real = false;
        ui.onWindow(S(name), [&](QDialog& w) {
            real = !qobject_cast<PlaceholderWindow*>(&w);
            return int(QDialog::Rejected);
        });
        windows::open(S(name));
        EXPECT_TRUE(real) << name;
    }
}

TEST_F(MenuWindows, GroupsTurnOnAndOffByADoubleClickAndTakeASquarePicture)
{
    TFormCardGrupo w(st.logon());
    ASSERT_EQ(w.groupCount(), 2);
    w.setCurrentGroup(1);   // PRATOS, "N"
    w.toggleCurrent();
    EXPECT_EQ(text("select ATIVO from TIPOS where ID = 31"), S("S"));
    w.toggleCurrent();
    EXPECT_EQ(text("select ATIVO from TIPOS where ID = 31"), S(""));
    EXPECT_FALSE(w.pictureShown());

    ui.answerFileDialog(picture(QSize(800, 400)));
    w.changePicture();
    EXPECT_TRUE(w.pictureShown());
    EXPECT_EQ(QImageReader(station::path(u"C:\\Miltrex\\webserver\\www\\cardapio\\image\\grupo31.jpg")).size(), QSize(180, 180));
    // A cancelled dialog does nothing; a file that is no picture is the error box.
    w.changePicture();
    EXPECT_TRUE(ui.errors.isEmpty());
    const QString broken = m_dir.filePath(S("nada.jpg"));
    { QFile f(broken); f.open(QIODevice::WriteOnly); f.write("x"); }
    ui.answerFileDialog(broken);
    w.changePicture();
    EXPECT_EQ(ui.errors.size(), 1);
    EXPECT_TRUE(w.pictureShown());
}

TEST_F(MenuWindows, ProductsSaveTheirDescriptionWithTheFlagAndRefuseOneTooLong)
{
    TFormCardapio w(st.logon());
    ASSERT_EQ(w.groupCount(), 2);
    w.chooseGroup(1);   // PRATOS by name
    ASSERT_EQ(w.productCount(), 2);
    w.setCurrentProduct(1);
    EXPECT_EQ(w.currentProductName(), S("FILÉ"));

    w.setDescription(S("Arroz e feijão"));
    w.activate();
    EXPECT_EQ(text("select DESCRICAO from PRODUTOS where ID = 10"), S("Arroz e feijão\r\n"));
    EXPECT_EQ(text("select ATIVO from PRODUTOS where ID = 10"), S("S"));
    EXPECT_EQ(w.currentProductName(), S("FILÉ"));   // the list keeps its place
    EXPECT_EQ(w.description(), S("Arroz e feijão"));

    w.setDescription(S("Com salada"));
    w.deactivate();
    EXPECT_EQ(text("select DESCRICAO from PRODUTOS where ID = 10"), S("Com salada\r\n"));
    EXPECT_EQ(text("select ATIVO from PRODUTOS where ID = 10"), S(""));

    // Moving in the list drops what was typed and not saved.
    w.setDescription(S("não gravado"));
    w.setCurrentProduct(0);
    w.setCurrentProduct(1);
    EXPECT_EQ(w.description(), S("Com salada"));

    struct Case { QString typed; bool saved; };
    const Case cases[] = {
        {QString(79, u'x'), false},
        {S("🍔 hambúrguer"), false},
        {S("'; update produtos set valor = 0; --"), true},
        {S("1e20"), true},
        {S("-5"), true},
        {S("letras123"), true},
        {QString(78, u'y'), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        ui.messages.clear();
        w.setDescription(c.typed);
        w.activate();
        if (c.saved) {
            EXPECT_TRUE(ui.messages.empty());
            EXPECT_EQ(text("select DESCRICAO from PRODUTOS where ID = 10"), c.typed + S("\r\n"));
        } else {
            ASSERT_EQ(ui.messages.size(), 1u);
            EXPECT_EQ(w.description(), c.typed);   // kept for the user to shorten
            EXPECT_EQ(w.productCount(), 2);
        }
    }
    EXPECT_EQ(text("select VALOR from PRODUTOS where ID = 10"), S("39.9"));
    EXPECT_TRUE(ui.errors.isEmpty());

    ui.answerFileDialog(picture(QSize(50, 90), "BMP"));
    w.changePicture();
    EXPECT_TRUE(w.pictureShown());
    EXPECT_EQ(QImageReader(station::path(u"C:\\Miltrex\\webserver\\www\\cardapio\\image\\card000123.jpg")).size(),
              QSize(180, 180));
}

TEST_F(MenuWindows, SettingsKeepTheTwoOptionsAndTheLogo)
{
    st.logon().run(S("update EMPRESA set CARDAPIO = 2"));
    {
        TFormCardConfig w(st.logon());
        EXPECT_FALSE(w.orderFromMenu());
        EXPECT_TRUE(w.showConsumption());
        EXPECT_FALSE(w.consumptionVisible());
        EXPECT_FALSE(w.logoShown());
        w.setOrderFromMenu(true);
        EXPECT_TRUE(w.consumptionVisible());
        w.confirm();
        EXPECT_EQ(w.result(), int(QDialog::Accepted));
    }
    EXPECT_EQ(text("select CARDAPIO from EMPRESA"), S("3"));
    {
        // Checked, then hidden by unchecking the first: it still counts.
        TFormCardConfig w(st.logon());
        w.setOrderFromMenu(false);
        EXPECT_FALSE(w.consumptionVisible());
        w.confirm();
    }
    EXPECT_EQ(text("select CARDAPIO from EMPRESA"), S("2"));
    {
        TFormCardConfig w(st.logon());
        w.setShowConsumption(false);
        w.reject();   // "&2-Retornar" saves nothing
        ui.answerFileDialog(picture(QSize(1000, 1000)));
        w.changeLogo();
        EXPECT_TRUE(w.logoShown());
    }
    EXPECT_EQ(text("select CARDAPIO from EMPRESA"), S("2"));
    EXPECT_EQ(QImageReader(station::path(u"C:\\Miltrex\\webserver\\www\\cardapio\\image\\logo.jpg")).size(), QSize(430, 119));
}

TEST_F(MenuWindows, TheQrCardSavesTheFieldsFirstAndRefusesTooLongOnesBeforeAnything)
{
    PreviewCapture previews(ui);
    st.logon().run(S("update EMPRESA set IP = '10.0.0.5', WIFI = 'REDE', SENHA = 'SENHA'"));
    TFormCardQrCode w(st.logon());
    EXPECT_EQ(w.fields().ip, S("10.0.0.5"));
    EXPECT_EQ(w.table(), S(""));
    w.setFields({S("192.168.0.10"), S("BAR DO ZÉ"), S("segredo")});
    w.setTable(S("007"));
    w.makeCard();
    EXPECT_EQ(text("select IP from EMPRESA"), S("192.168.0.10"));
    EXPECT_EQ(text("select WIFI from EMPRESA"), S("BAR DO ZÉ"));
    ASSERT_EQ(previews.reports.size(), 1u);
    const QString card = previews.lastReport().join(S("\n"));
    EXPECT_TRUE(card.contains(S("Acesse nossa WIFI")));
    EXPECT_TRUE(card.contains(S("Rede : BAR DO ZÉ Senha : segredo")));   // blanks folded by the reading
    EXPECT_TRUE(card.contains(S("http://192.168.0.10/cardapio.php?mesa=007")));

    struct Case { WifiCard fields; const char* table; bool made; };
    const Case cases[] = {
        {{QString(31, u'1'), S("REDE"), S("SENHA")}, "1", false},
        {{S("10.0.0.1"), QString(21, u'R'), S("SENHA")}, "1", false},
        {{S("10.0.0.1"), S("REDE"), QString(21, u'S')}, "1", false},
        {{S("10.0.0.1"), S("REDE 📶"), S("SENHA")}, "1", false},
        {{S("10.0.0.1'; --"), S("a\"b"), S("1e20")}, "-5", true},
        {{S("10.0.0.1"), S("REDE"), S("SENHA")}, "🍺 mesa", true},
        {{S("10.0.0.1"), S("REDE"), S("SENHA")}, "", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fields.ip.toStdString() + " " + c.fields.network.toStdString() + " " + c.table);
        const size_t shown = previews.reports.size();
        const QString ipBefore = text("select IP from EMPRESA");
        ui.messages.clear();
        w.setFields(c.fields);
        w.setTable(S(c.table));
        w.makeCard();
        EXPECT_EQ(previews.reports.size(), shown + (c.made ? 1 : 0));
        EXPECT_EQ(ui.messages.size(), c.made ? 0u : 1u);
        EXPECT_EQ(text("select IP from EMPRESA"), c.made ? c.fields.ip : ipBefore);
    }
    EXPECT_TRUE(ui.errors.isEmpty());
}

TEST_F(MenuWindows, TheOutflowReportOnceAValidPeriodIsGiven)
{
    PreviewCapture previews(ui);
    TLogon& db = st.logon();
    db.run(S("insert into GENERO (ID, CODIGO, GENERO) values (1, 3, 'COZINHA')"));
    db.run(S("insert into ESTFIC (ID, CODIGO, DATA, SAIDA, CCUSTO) values (1, '000123', '2024-03-02', 2, 3)"));
    db.run(S("insert into ESTFIC (ID, CODIGO, DATA, SAIDA, CCUSTO) values (2, '000200', '2024-03-03', 4, 3)"));
    TFormBalCen w(db);
    EXPECT_EQ(w.costCentres(), QStringList{S("0003  -  COZINHA")});

    for (const auto& [first, last] : std::vector<std::pair<const char*, const char*>>{
             {"", ""}, {"31/02/24", "01/03/24"}, {"aa/bb/cc", "01/03/24"}, {"01/03/24", "  /  /  "},
             {"'; --", "01/03/24"}, {"99/99/99", "99/99/99"}}) {
        SCOPED_TRACE(std::string(first) + " " + last);
        ui.messages.clear();
        w.setPeriod(S(first), S(last));
        w.print();
        EXPECT_EQ(ui.messages.size(), 1u);
        EXPECT_TRUE(w.printEnabled());
    }
    EXPECT_TRUE(previews.reports.empty());

    w.setPeriod(S("01/03/24"), S("31/03/24"));
    w.print();
    ASSERT_EQ(previews.reports.size(), 1u);
    EXPECT_FALSE(w.printEnabled());
    const QStringList report = previews.lastReport();
    const QString all = report.join(S("\n"));
    EXPECT_TRUE(all.contains(S("Controle de Estoque - Centro de Custo")));
    EXPECT_TRUE(all.contains(S("Periodo de 01/03/24 a 31/03/24")));
    EXPECT_TRUE(all.contains(S("CENTRO DE CUSTO 0003 - COZINHA")));
    EXPECT_TRUE(report.contains(S("GRUPO/FAMILIA : 7")));
    EXPECT_TRUE(report.contains(S("000123 FILÉ 2,0 20,00 40,00")));
    EXPECT_TRUE(report.contains(S("GRUPO/FAMILIA : 8")));
    EXPECT_TRUE(report.contains(S("000200 SUCO 4,0 1,00 4,00")));
    EXPECT_TRUE(report.contains(S("TOTAL GERAL 40,00")));
    EXPECT_TRUE(report.contains(S("TOTAL 6,0 44,00")));
}

TEST_F(MenuWindows, EveryWindowFitsA1366By768ScreenInEveryState)
{
    const ProgramStyle style;
    const QSize screen(1366, 768);
    {
        TFormCardGrupo w(st.logon());
        checkWholeAndSave(w, S("TFormCardGrupo"), screen);
    }
    {
        TFormCardapio w(st.logon());
        w.chooseGroup(1);
        w.setDescription(S("Arroz\nFeijão\nFarofa\nSalada"));
        checkWholeAndSave(w, S("TFormCardapio"), screen);
    }
    for (bool order : {false, true}) {
        TFormCardConfig w(st.logon());
        w.setOrderFromMenu(order);
        checkWholeAndSave(w, order ? S("TFormCardConfig-pedido") : S("TFormCardConfig"), screen);
    }
    {
        TFormCardQrCode w(st.logon());
        checkWholeAndSave(w, S("TFormCardQrCode"), screen);
    }
    {
        TFormBalCen w(st.logon());
        checkWholeAndSave(w, S("TFormBalCen"), screen);
    }
}
