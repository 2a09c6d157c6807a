// The digital menu on a real database: groups and products shown or not, product
// descriptions, the menu's pictures and options, the table cards (their QR code
// read back by zbarimg) and the stock outflow per cost centre.
#include "CodeReading.h"
#include "TestStation.h"
#include "platform/StationPaths.h"
#include "reports/ReportRenderer.h"
#include "stock/CostCentreOutflow.h"
#include "menu/DigitalMenu.h"
#include "menu/TableQrCard.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <gtest/gtest.h>

namespace {

QString S(const char* text) { return QString::fromUtf8(text); }
Decimal D(const char* text) { return *Decimal::parse(QString::fromUtf8(text)); }

void addGroup(TLogon& db, int id, int code, const QString& name, const QVariant& ativo)
{
    db.run(S("insert into TIPOS (ID, CODIGO, NOME, ATIVO) values (?, ?, ?, ?)"), {id, code, name, ativo});
}

void addProduct(TLogon& db, int id, const QString& code, const QString& name, int group, const char* cost = "0")
{
    db.run(S("insert into PRODUTOS (ID, CODIGO, NOME, CLASSE, VALOR, CUSTO) values (?, ?, ?, ?, ?, ?)"),
           {id, code, name, group, D("10,50"), D(cost)});
}

QString picturePath(const QString& windowsName)
{
    return station::path(windowsName);
}

QString savedPicture(const QTemporaryDir& dir, const char* name, QSize size, const char* format)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    const QString file = dir.filePath(S(name));
    EXPECT_TRUE(picture.save(file, format));
    return file;
}

} // namespace

TEST(DigitalMenu, GroupsAreShownOrNotByTheirOwnFlag)
{
    TestStation st;
    DigitalMenu menu(st.logon());
    addGroup(st.logon(), 31, 7, S("PIZZAS"), S("S"));
    addGroup(st.logon(), 32, 8, S("BEBIDAS"), S("N"));
    addGroup(st.logon(), 33, 9, S("AÇAÍ"), QVariant());

    RowSet groups = menu.groups();
    QStringList names;
    while (groups.next())
        names << groups.text(u"NOME");
    EXPECT_EQ(names, (QStringList{S("AÇAÍ"), S("BEBIDAS"), S("PIZZAS")}));

    // Shown twice: "S", then the empty text (a group the sales screen still lists).
    for (const auto& [id, expected] : std::vector<std::pair<int, QString>>{{31, S("")}, {31, S("S")}, {32, S("S")}, {33, S("S")}}) {
        const QVariant now = st.scalar(S("select ATIVO from TIPOS where ID = ?"), {id});
        menu.setGroupShown(id, !DigitalMenu::isShown(now));
        EXPECT_EQ(textOf(st.scalar(S("select ATIVO from TIPOS where ID = ?"), {id})), expected) << id;
    }
    // The sales screen hides only "N": a group turned off here keeps its button there.
    menu.setGroupShown(32, false);
    EXPECT_EQ(st.count(S("select count(*) from tipos where ATIVO <> 'N'")), 3);
}

TEST(DigitalMenu, AProductKeepsItsDescriptionWithItsLineEndsAndTheFlagGoesWithIt)
{
    TestStation st;
    DigitalMenu menu(st.logon());
    addGroup(st.logon(), 1, 7, S("PRATOS"), S("S"));
    addProduct(st.logon(), 10, S("000123"), S("FILÉ"), 7);
    addProduct(st.logon(), 11, S("000124"), S("ARROZ"), 7);
    addProduct(st.logon(), 12, S("000125"), S("OUTRO GRUPO"), 8);

    RowSet products = menu.products(7);
    EXPECT_EQ(products.size(), 2);

    menu.saveProduct(10, S("Arroz e feijão"), true);
    EXPECT_EQ(textOf(st.scalar(S("select DESCRICAO from PRODUTOS where ID = 10"))), S("Arroz e feijão\r\n"));
    EXPECT_EQ(textOf(st.scalar(S("select ATIVO from PRODUTOS where ID = 10"))), S("S"));
    // Turning it off saves the description typed too.
    menu.saveProduct(10, S("Com farofa d'água\nE salada"), false);
    EXPECT_EQ(textOf(st.scalar(S("select DESCRICAO from PRODUTOS where ID = 10"))), S("Com farofa d'água\r\nE salada\r\n"));
    EXPECT_EQ(textOf(st.scalar(S("select ATIVO from PRODUTOS where ID = 10"))), S(""));

    // Hostile descriptions: refused before anything is written, or stored whole.
    struct Case { QString memo; bool stored; };
    const Case cases[] = {
        {QString(78, u'x'), true},                        // 78 + CR LF = 80
        {QString(79, u'x'), false},                       // 81
        {S("linha\n").repeated(12) + S("x"), false},      // 12 x 7 + 3
        {S("'; drop table produtos; --"), true},
        {S("Robert'); DELETE FROM PRODUTOS;--"), true},
        {S("cerveja 🍺"), false},
        {S("1e20"), true},
        {S("-5"), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.memo.toStdString());
        const QVariant before = st.scalar(S("select DESCRICAO from PRODUTOS where ID = 11"));
        if (c.stored) {
            menu.saveProduct(11, c.memo, true);
            EXPECT_EQ(textOf(st.scalar(S("select DESCRICAO from PRODUTOS where ID = 11"))), DigitalMenu::descriptionOf(c.memo));
        } else {
            EXPECT_THROW(menu.saveProduct(11, c.memo, true), MenuRefused);
            EXPECT_EQ(st.scalar(S("select DESCRICAO from PRODUTOS where ID = 11")), before);
        }
    }
    EXPECT_EQ(st.count(S("select count(*) from PRODUTOS")), 3);
}

TEST(DigitalMenu, PicturesAreStretchedToTheirSizeAndAnUnreadableOneKeepsTheOld)
{
    TestStation st;
    QTemporaryDir dir;
    const QString wide = savedPicture(dir, "larga.png", QSize(800, 400), "PNG");
    const QString bmp = savedPicture(dir, "quadro.bmp", QSize(50, 70), "BMP");

    const QString group = DigitalMenu::groupPictureFile(31);
    ASSERT_TRUE(DigitalMenu::storePicture(wide, group, DigitalMenu::kPictureSize).isEmpty());
    QImageReader stored(picturePath(group));
    EXPECT_EQ(stored.format(), QByteArray("jpeg"));
    EXPECT_EQ(stored.size(), QSize(180, 180));
    EXPECT_TRUE(picturePath(group).endsWith(S("/webserver/www/cardapio/image/grupo31.jpg"))) << picturePath(group).toStdString();

    const QString product = DigitalMenu::productPictureFile(S("000123"));
    ASSERT_TRUE(DigitalMenu::storePicture(bmp, product, DigitalMenu::kPictureSize).isEmpty());
    EXPECT_EQ(QImageReader(picturePath(product)).size(), QSize(180, 180));
    EXPECT_TRUE(picturePath(product).endsWith(S("card000123.jpg")));

    ASSERT_TRUE(DigitalMenu::storePicture(wide, DigitalMenu::logoFile(), DigitalMenu::kLogoSize).isEmpty());
    EXPECT_EQ(QImageReader(picturePath(DigitalMenu::logoFile())).size(), QSize(430, 119));

    // A chosen file that is no picture: a message, and the old picture as it was.
    const QByteArray before = [&] { QFile f(picturePath(group)); f.open(QIODevice::ReadOnly); return f.readAll(); }();
    const QString broken = dir.filePath(S("quebrada.jpg"));
    { QFile f(broken); f.open(QIODevice::WriteOnly); f.write("isto não é uma imagem"); }
    EXPECT_FALSE(DigitalMenu::storePicture(broken, group, DigitalMenu::kPictureSize).isEmpty());
    EXPECT_FALSE(DigitalMenu::storePicture(dir.filePath(S("nao-existe.png")), group, DigitalMenu::kPictureSize).isEmpty());
    QFile after(picturePath(group));
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), before);
    EXPECT_EQ(QDir(QFileInfo(picturePath(group)).absolutePath()).entryList(QDir::Files | QDir::Hidden).size(), 3)
        << "a half-written picture was left behind";

    // Missing pictures read as none.
    EXPECT_TRUE(DigitalMenu::loadPicture(DigitalMenu::groupPictureFile(99)).isNull());
    EXPECT_TRUE(DigitalMenu::loadPicture(QString()).isNull());
    EXPECT_FALSE(DigitalMenu::loadPicture(group).isNull());
}

TEST(DigitalMenu, OptionsAreTheTwoBitsOfTheCompanyRow)
{
    TestStation st;
    DigitalMenu menu(st.logon());
    EXPECT_EQ(menu.options(), 0);
    for (int options : {3, 2, 1, 0}) {
        menu.saveOptions(options);
        EXPECT_EQ(menu.options(), options);
    }
}

TEST(TableQrCard, TheFieldsAreSavedAsTypedAndTooLongOnesWriteNothing)
{
    TestStation st;
    TableQrCard cards(st.logon());
    const WifiCard good{S("192.168.0.10"), S("Bar do Zé"), S("s3nh@'x")};
    cards.save(good);
    const WifiCard back = cards.stored();
    EXPECT_EQ(back.ip, good.ip);
    EXPECT_EQ(back.network, good.network);
    EXPECT_EQ(back.password, good.password);

    struct Case { WifiCard card; bool saved; };
    const Case cases[] = {
        {{QString(30, u'9'), QString(20, u'r'), QString(20, u's')}, true},
        {{QString(31, u'9'), S("rede"), S("senha")}, false},
        {{S("10.0.0.1"), QString(21, u'r'), S("senha")}, false},
        {{S("10.0.0.1"), S("rede"), QString(21, u's')}, false},
        {{S("10.0.0.1"), S("rede 📶"), S("senha")}, false},
        {{S("'; update empresa set ip = 'x"), S("a'b"), S("--")}, true},
        {{S(""), S(""), S("")}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.card.ip.toStdString() + " / " + c.card.network.toStdString());
        const WifiCard before = cards.stored();
        if (c.saved) {
            cards.save(c.card);
            EXPECT_EQ(cards.stored().ip, c.card.ip);
            EXPECT_EQ(cards.stored().network, c.card.network);
            EXPECT_EQ(cards.stored().password, c.card.password);
        } else {
            EXPECT_THROW(cards.save(c.card), MenuRefused);
            EXPECT_EQ(cards.stored().ip, before.ip);
            EXPECT_EQ(cards.stored().network, before.network);
            EXPECT_EQ(cards.stored().password, before.password);
        }
    }
    EXPECT_EQ(st.count(S("select count(*) from EMPRESA")), 1);
}

TEST(TableQrCard, TheCardsCodeReadsBackAsTheTablesExactAddress)
{
    const WifiCard card{S("192.168.0.10"), S("BAR DO ZE"), S("12345678")};
    for (const char* table : {"7", "007", "", "MESA 12&x=1"}) {
        SCOPED_TRACE(table);
        const TFormImpQrCode form(card, S(table));
        const RowSet none;
        const report::Layout layout(form.definition(), none);
        ASSERT_EQ(layout.pageCount(), 1);
        const QImage page = report::pageImage(layout, 0, 4.0);   // about 100 dots per inch
        EXPECT_EQ(zbarCodes(page), QStringList{S("QR-Code:http://192.168.0.10/cardapio.php?mesa=") + S(table)});
        QStringList texts;
        for (const report::Item& i : form.definition().pageHeader.items)
            texts << i.text;
        EXPECT_TRUE(texts.contains(S("Rede : BAR DO ZE  Senha : 12345678")));
        EXPECT_TRUE(texts.contains(S("http://192.168.0.10/cardapio.php?mesa=") + S(table)));
        EXPECT_TRUE(texts.contains(S("Acesse nossa WIFI")));
    }
}

TEST(CostCentreOutflow, TheOutflowOfTheCentreValuedAtCostOneGroupAfterAnother)
{
    TestStation st;
    TLogon& db = st.logon();
    db.run(S("insert into GENERO (ID, CODIGO, GENERO) values (1, 3, 'COZINHA')"));
    db.run(S("insert into GENERO (ID, CODIGO, GENERO) values (2, 12, 'BAR')"));
    CostCentreOutflow outflow(db);
    EXPECT_EQ(outflow.costCentres(), (QStringList{S("0003  -  COZINHA"), S("0012  -  BAR")}));

    addProduct(db, 1, S("000001"), S("FILE"), 2, "10,00");
    addProduct(db, 2, S("000002"), S("CERVEJA"), 1, "3,50");
    addProduct(db, 3, S("000003"), S("ARROZ"), 2, "1,25");
    auto ledger = [&](int id, const char* code, QDate day, const char* in, const char* out, QVariant centre) {
        db.run(S("insert into ESTFIC (ID, CODIGO, DATA, ENTRADA, SAIDA, CCUSTO) values (?, ?, ?, ?, ?, ?)"),
               {id, S(code), day, D(in), D(out), centre});
    };
    const QDate d1(2024, 3, 1), d2(2024, 3, 2), outside(2024, 4, 1);
    ledger(1, "000001", d1, "0", "2", 3);
    ledger(2, "000002", d1, "0", "5", 3);
    ledger(3, "000003", d2, "10", "0", 3);       // an entry: a line of 0
    ledger(4, "000001", d2, "0", "1,5", 3);
    ledger(5, "000001", d2, "0", "7", 12);       // another centre
    ledger(6, "000001", outside, "0", "9", 3);   // another month
    ledger(7, "999999", d2, "0", "1", 3);        // no product of that code

    const RowSet rows = outflow.lines(d1, QDate(2024, 3, 31), S("0003  -  COZINHA"));
    QStringList got;
    for (int r = 0; r < rows.size(); ++r)
        got << QStringList{textOf(rows.value(r, u"CLASSE")), textOf(rows.value(r, u"CODIGO")),
                           textOf(rows.value(r, u"NOME")), rows.value(r, u"SAIDA").value<Decimal>().toString(),
                           rows.value(r, u"TOTAL").value<Decimal>().toString()}
                   .join(S("|"));
    EXPECT_EQ(got, (QStringList{S("1|000002|CERVEJA|5|17.5"), S("2|000001|FILE|3.5|35"), S("2|000003|ARROZ|0|0"),
                                S("|999999|(produto sem cadastro)|1|0")}));

    // An empty list counts every centre.
    EXPECT_EQ(outflow.lines(d1, QDate(2024, 3, 31), QString()).size(), 4);
    const RowSet all = outflow.lines(d1, QDate(2024, 3, 31), QString());
    EXPECT_EQ(all.value(1, u"SAIDA").value<Decimal>(), D("10,5"));
}
