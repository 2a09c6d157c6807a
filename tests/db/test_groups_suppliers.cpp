// The product groups and the supplier register on a real database, with their
// pictures as real JPEG files.
#include "RegisterSeeds.h"
#include "ReportReading.h"
#include "ScriptedDialogs.h"
#include "SeedValues.h"
#include "TestStation.h"
#include "platform/StationPaths.h"
#include "registers/Lookups.h"
#include "registers/PickList.h"
#include "registers/UnitBuscaForne.h"
#include "registers/UnitTipos.h"
#include "registers/Unitforne.h"

#include <QImage>
#include <QImageReader>
#include <QLineEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using seeds::D;

namespace {

QString jpeg(const QTemporaryDir& dir, const char* name, int width, int height, Qt::GlobalColor color)
{
    QImage img(width, height, QImage::Format_RGB32);
    img.fill(color);
    const QString path = dir.filePath(QString::fromLatin1(name));
    img.save(path, "JPG");
    return path;
}

QSize pictureSize(const QString& stationName)
{
    return QImageReader(station::path(stationName)).size();
}

} // namespace

TEST(ProductGroups, NewProposesTheHighestCodePlusOneAndACodeIsRenamedByReusingIt)
{
    TestStation st;
    ScriptedDialogs d;
    {
        TFormTipos w(st.logon());
        w.newGroup();
        EXPECT_EQ(w.codeField()->text(), QStringLiteral("000001"));   // an empty table
    }
    seeds::addGroup(st.logon(), 41, QStringLiteral("AAA BEBIDAS"));
    seeds::addGroup(st.logon(), 3, QStringLiteral("ZZZ PORCOES"));
    TFormTipos w(st.logon());
    EXPECT_EQ(w.groupList()->currentText(u"NOME"), QStringLiteral("AAA BEBIDAS"));   // listed by name
    w.newGroup();
    EXPECT_EQ(w.codeField()->text(), QStringLiteral("000042"));
    EXPECT_TRUE(w.nameField()->text().isEmpty());

    // saving an existing code renames that group and sets its flag: no second row
    w.codeField()->setText(QStringLiteral("3"));
    w.nameField()->setText(QStringLiteral("PORCOES E PETISCOS DA CASA"));   // 26: the field takes 20
    w.setActive(false);
    EXPECT_TRUE(w.confirm());
    EXPECT_EQ(st.count(QStringLiteral("select count(*) from TIPOS where CODIGO = 3")), 1);
    EXPECT_EQ(st.scalar(QStringLiteral("select NOME from TIPOS where CODIGO = 3")).toString(), QStringLiteral("PORCOES E PETISCOS D"));
    EXPECT_EQ(st.scalar(QStringLiteral("select ATIVO from TIPOS where CODIGO = 3")).toString(), QStringLiteral("N"));
    EXPECT_EQ(w.groupList()->currentText(u"CODIGO"), QStringLiteral("3"));

    // a new code adds a row with a flag; a group whose flag is empty shows "SIM"
    w.codeField()->setText(QStringLiteral("42"));
    w.nameField()->setText(QStringLiteral("DOCES"));
    w.setActive(true);
    EXPECT_TRUE(w.confirm());
    EXPECT_EQ(st.scalar(QStringLiteral("select ATIVO from TIPOS where CODIGO = 42")).toString(), QStringLiteral("S"));
    st.logon().run(QStringLiteral("update TIPOS set ATIVO = null where CODIGO = 41"));
    TFormTipos again(st.logon());
    again.setActive(false);
    again.chooseRow();
    EXPECT_EQ(again.codeField()->text(), QStringLiteral("000041"));
    EXPECT_TRUE(again.activeShown());

    // deleting a group deletes its row only: its products keep the code
    seeds::addProduct(st.logon(), QStringLiteral("000001"), QStringLiteral("AGUA"), D("3"));
    st.logon().run(QStringLiteral("update PRODUTOS set CLASSE = 41"));
    d.answerMessages({QStringLiteral("S")});
    again.deleteGroup();
    EXPECT_EQ(st.count(QStringLiteral("select count(*) from TIPOS where CODIGO = 41")), 0);
    EXPECT_EQ(st.count(QStringLiteral("select count(*) from PRODUTOS where CLASSE = 41")), 1);
}

TEST(ProductGroups, HostileCodesAndNamesAreRefusedOrStoredAsTyped)
{
    TestStation st;
    seeds::addGroup(st.logon(), 5, QStringLiteral("BEBIDAS"));
    struct Case { const char* label; QString code; QString name; bool stored; bool databaseError; };
    const Case cases[] = {
        {"letters as code", QStringLiteral("ABC"), QStringLiteral("X"), false, false},
        {"code 0", QStringLiteral("0"), QStringLiteral("X"), false, false},
        {"negative code", QStringLiteral("-7"), QStringLiteral("X"), false, false},
        {"fraction as code", QStringLiteral("12,5"), QStringLiteral("X"), false, false},
        {"1e20 as code", QStringLiteral("1e20"), QStringLiteral("X"), false, false},
        {"sql in the code", QStringLiteral("5; DELETE FROM TIPOS"), QStringLiteral("X"), false, false},
        {"quotes in the name", QStringLiteral("5"), QStringLiteral("D'AGUA \"GELADA\""), true, false},
        {"sql in the name", QStringLiteral("5"), QStringLiteral("'); DROP TABLE TIPOS;"), true, false},
        {"emoji in the name", QStringLiteral("5"), QStringLiteral("CAFES \u2615"), false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ScriptedDialogs d;
        TFormTipos w(st.logon());
        const QString before = st.scalar(QStringLiteral("select NOME from TIPOS where CODIGO = 5")).toString();
        w.codeField()->setText(c.code);
        w.nameField()->setText(c.name);
        EXPECT_EQ(w.confirm(), c.stored);
        EXPECT_EQ(st.count(QStringLiteral("select count(*) from TIPOS")), 1);
        if (c.stored) {
            EXPECT_EQ(st.scalar(QStringLiteral("select NOME from TIPOS where CODIGO = 5")).toString(),
                      c.name.left(w.nameField()->maxLength()));
        } else {
            EXPECT_EQ(c.databaseError ? d.errors.size() : qsizetype(d.messages.size()), 1);
            if (!c.databaseError) {
                EXPECT_EQ(d.messageTexts(), QStringList{groups::text::invalidCode});
            }
            EXPECT_EQ(w.codeField()->text(), c.code.left(w.codeField()->maxLength()));   // what was typed stays
            EXPECT_EQ(st.scalar(QStringLiteral("select NOME from TIPOS where CODIGO = 5")).toString(), before);
        }
    }
}

TEST(ProductGroups, APictureIsScaledTo47PixelsHighWrittenWholeAndAnUnreadableOneKeepsTheOld)
{
    TestStation st;
    ScriptedDialogs d;
    QTemporaryDir files;
    seeds::addGroup(st.logon(), 12, QStringLiteral("CARNES"));
    const QString stored = QStringLiteral("c:\\Miltrex\\vavoz\\imagens\\G000012.jpg");
    TFormTipos w(st.logon());
    EXPECT_EQ(w.codeField()->text(), QStringLiteral("000012"));
    EXPECT_FALSE(w.pictureShown());

    d.answerFileDialog(jpeg(files, "grande.jpg", 800, 600, Qt::red));
    w.changePicture();
    EXPECT_EQ(pictureSize(stored), QSize(62, 47));   // 600 / 47 → 13; 800 / 13 → 62
    EXPECT_TRUE(w.pictureShown());
    const QByteArray good = bytesOf(station::path(stored));

    // a picture smaller than the scaling expects never divides by zero
    d.answerFileDialog(jpeg(files, "minima.jpg", 10, 10, Qt::blue));
    w.changePicture();
    EXPECT_EQ(pictureSize(stored), QSize(10, 47));
    const QByteArray small = bytesOf(station::path(stored));
    EXPECT_NE(small, good);

    // an unreadable file: the error box, and the picture stays what it was
    const QString broken = files.filePath(QStringLiteral("quebrada.jpg"));
    writeBytes(broken, QByteArray("isto nao e um jpeg"));
    d.answerFileDialog(broken);
    w.changePicture();
    EXPECT_EQ(d.errors.size(), 1);
    EXPECT_EQ(bytesOf(station::path(stored)), small);
    // cancelling the file dialog does nothing
    d.answerFileDialog(QString());
    w.changePicture();
    EXPECT_EQ(bytesOf(station::path(stored)), small);
    // no temporary file is left beside it
    const QDir folder = QFileInfo(station::path(stored)).dir();
    EXPECT_EQ(folder.entryList(QDir::Files), QStringList{QStringLiteral("G000012.jpg")});
}

TEST(Suppliers, CreatedFoundByNameRenumberedAndDeleted)
{
    TestStation st;
    ScriptedDialogs d;
    TFormForne w(st.logon());
    d.answerMessages({});
    w.deleteSupplier();   // an empty table asks nothing
    EXPECT_TRUE(d.messages.empty());
    w.newSupplier();
    EXPECT_EQ(w.field("CODIGO")->text(), QStringLiteral("1"));
    w.field("CODIGO")->setText(QStringLiteral("7"));
    d.answerMessages({QStringLiteral("S")});
    w.leaveCode();
    EXPECT_EQ(d.messageTexts(), QStringList{supplierText::notFoundRegister});
    EXPECT_EQ(w.field("CODIGO")->text(), QStringLiteral("000007"));
    w.field("NOME")->setText(QStringLiteral("DISTRIBUIDORA D'OESTE"));
    w.field("EMAIL")->setText(QStringLiteral("vendas@oeste.com.br"));
    ASSERT_TRUE(w.saveSupplier());
    EXPECT_EQ(st.count(QStringLiteral("select count(*) from FORNECEDOR where CODIGO = 7 and ID is not null")), 1);
    EXPECT_FALSE(w.idShown().isEmpty());
    seeds::addSupplier(st.logon(), 9, QStringLiteral("ATACADO NORTE"));

    // found by some letters of its name in the supplier search
    d.onWindow(QStringLiteral("TFormBuscaForne"), [](QDialog& window) {
        auto& s = static_cast<TFormBuscaForne&>(window);
        EXPECT_EQ(s.list()->count(), 2);   // the first 20 by name
        s.searchField()->setText(QStringLiteral("oes"));
        EXPECT_EQ(s.list()->count(), 1);
        return window.result();
    });
    EXPECT_EQ(findSupplier(st.logon()), QStringLiteral("7"));
    d.onWindow(QStringLiteral("TFormBuscaForne"), [](QDialog& window) {
        static_cast<TFormBuscaForne&>(window).searchField()->setText(QStringLiteral("NINGUEM"));
        return window.result();
    });
    EXPECT_EQ(findSupplier(st.logon()), QStringLiteral("0"));   // nothing listed: "0"

    // renumbered: a code nobody has, typed over the supplier shown
    ASSERT_TRUE(w.suppliers().moveToCode(7));
    w.field("CODIGO")->setText(QStringLiteral("70"));
    w.field("CODIGO")->setModified(true);
    w.leaveCode();
    ASSERT_TRUE(w.saveSupplier());
    EXPECT_EQ(st.count(QStringLiteral("select count(*) from FORNECEDOR where CODIGO = 70 and NOME = 'DISTRIBUIDORA D''OESTE'")), 1);
    // another supplier's code shows that supplier
    w.field("CODIGO")->setText(QStringLiteral("9"));
    w.leaveCode();
    EXPECT_EQ(w.field("NOME")->text(), QStringLiteral("ATACADO NORTE"));

    // "Não" on "Cadastra?" drops the new row and writes nothing
    w.newSupplier();
    w.field("CODIGO")->setText(QStringLiteral("80"));
    d.answerMessages({QStringLiteral("N")});
    w.leaveCode();
    EXPECT_EQ(w.field("NOME")->text(), QStringLiteral("DISTRIBUIDORA D'OESTE"));
    EXPECT_TRUE(w.step(RecordRegister::Step::Last));
    EXPECT_EQ(st.count(QStringLiteral("select count(*) from FORNECEDOR")), 2);

    d.answerMessages({QStringLiteral("S")});
    w.deleteSupplier();
    EXPECT_EQ(st.count(QStringLiteral("select count(*) from FORNECEDOR where CODIGO = 9")), 0);
    EXPECT_EQ(d.messageTexts().last(), supplierText::askDelete);
}

TEST(Suppliers, AChangePendingAtAMoveIsSavedAndARefusedSaveKeepsWhatWasTyped)
{
    TestStation st;
    ScriptedDialogs d;
    seeds::addSupplier(st.logon(), 1, QStringLiteral("PRIMEIRO"));
    seeds::addSupplier(st.logon(), 2, QStringLiteral("SEGUNDO"));
    TFormForne w(st.logon());
    w.field("FONE")->setText(QStringLiteral("(81) 3333-4444"));
    EXPECT_TRUE(w.step(RecordRegister::Step::Next));
    EXPECT_EQ(w.field("NOME")->text(), QStringLiteral("SEGUNDO"));
    EXPECT_EQ(st.scalar(QStringLiteral("select FONE from FORNECEDOR where CODIGO = 1")).toString(), QStringLiteral("(81) 3333-4444"));

    // the database refuses: its message, the fields and the row on screen stay
    st.logon().run(QStringLiteral("alter table FORNECEDOR add constraint CK_TESTE_CIDADE check (CIDADE <> 'PROIBIDA')"));
    w.field("CIDADE")->setText(QStringLiteral("PROIBIDA"));
    w.field("NOME")->setText(QStringLiteral("SEGUNDO ALTERADO"));
    EXPECT_FALSE(w.saveSupplier());
    EXPECT_EQ(d.errors.size(), 1);
    EXPECT_EQ(w.field("NOME")->text(), QStringLiteral("SEGUNDO ALTERADO"));
    EXPECT_FALSE(w.step(RecordRegister::Step::First));   // the pending change cannot go: no move
    EXPECT_EQ(w.field("CIDADE")->text(), QStringLiteral("PROIBIDA"));
    EXPECT_EQ(st.scalar(QStringLiteral("select NOME from FORNECEDOR where CODIGO = 2")).toString(), QStringLiteral("SEGUNDO"));
}

TEST(Suppliers, HostileValuesAreStoredAsTypedOrRefusedWithNothingChanged)
{
    TestStation st;
    seeds::addSupplier(st.logon(), 2, QStringLiteral("BAR SUPRIMENTOS"));
    struct Case { const char* label; const char* column; QString value; bool stored; bool databaseError; };
    const Case cases[] = {
        {"apostrophes and quotes", "NOME", QStringLiteral("D'ÁVILA \"O REI\""), true, false},
        {"sql fragment", "ENDERECO", QStringLiteral("RUA A'); DELETE FROM FORNECEDOR;--"), true, false},
        {"over-long name cut by the field", "NOME", QString(60, u'X'), true, false},
        {"letters as code", "CODIGO", QStringLiteral("ABC"), false, false},
        {"code 0", "CODIGO", QStringLiteral("0"), false, false},
        {"code too big", "CODIGO", QStringLiteral("99999999999"), false, false},
        {"emoji", "CIDADE", QStringLiteral("RECIFE \U0001F600"), false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ScriptedDialogs d;
        TFormForne w(st.logon());
        ASSERT_EQ(w.field("CODIGO")->text(), QStringLiteral("2"));
        w.field(c.column)->setText(c.value);
        EXPECT_EQ(w.saveSupplier(), c.stored);
        EXPECT_EQ(st.count(QStringLiteral("select count(*) from FORNECEDOR")), 1);
        if (c.stored) {
            EXPECT_EQ(st.scalar(QStringLiteral("select %1 from FORNECEDOR where CODIGO = 2").arg(QLatin1String(c.column))).toString(),
                      c.value.left(w.field(c.column)->maxLength()));
        } else {
            EXPECT_EQ(c.databaseError ? d.errors.size() : qsizetype(d.messages.size()), 1);
            EXPECT_EQ(w.field(c.column)->text(), c.value);
            EXPECT_EQ(st.count(QStringLiteral("select count(*) from FORNECEDOR where CODIGO = 2")), 1);
        }
    }
}
