// Complements and the system options on a real database.
#include "WidgetSteps.h"
#include "RegisterSeeds.h"
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "registers/ComplementStore.h"
#include "registers/PickList.h"
#include "registers/RegisterSql.h"
#include "registers/SystemOptions.h"
#include "registers/UnitComplemento.h"
#include "registers/UnitConfSis.h"
#include "platform/StationPaths.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {


void fill(TFormComplemento& w, const QString& code, const QString& name, int groupIndex, const QString& value)
{
    edit(w, "codeEdit")->setText(code);
    edit(w, "nameEdit")->setText(name);
    w.findChild<QComboBox*>(QStringLiteral("groupCombo"))->setCurrentIndex(groupIndex);
    edit(w, "valueEdit")->setText(value);
}

} // namespace

TEST(Complements, NewConfirmUpdateAndDelete)
{
    TestStation st;
    ScriptedDialogs d;
    seeds::addGroup(st.logon(), 4, QStringLiteral("PIZZAS"));
    TFormComplemento w(st.logon());
    w.newComplement();
    EXPECT_EQ(edit(w, "codeEdit")->text(), QStringLiteral("000001"));
    fill(w, QStringLiteral("7"), QStringLiteral("borda recheada"), 1, QStringLiteral("2,5"));
    w.confirm();
    registers::Rows r = registers::run(st.logon(), QStringLiteral("SELECT CODIGO, NOME, GRUPO, VALOR FROM COMPLEMENTO"));
    ASSERT_EQ(r.size(), 1);
    r.next();
    EXPECT_EQ(r.integer(u"CODIGO"), 7);
    EXPECT_EQ(r.text(u"NOME"), QStringLiteral("BORDA RECHEADA"));
    EXPECT_EQ(r.integer(u"GRUPO"), 4);
    EXPECT_EQ(r.decimal(u"VALOR"), Decimal::fromCents(250));
    EXPECT_EQ(edit(w, "nameEdit")->text(), QStringLiteral("borda recheada"));   // the fields keep what was typed

    w.newComplement();
    EXPECT_EQ(edit(w, "codeEdit")->text(), QStringLiteral("000008"));
    fill(w, QStringLiteral("000007"), QStringLiteral("BORDA"), 0, QStringLiteral("x"));
    w.confirm();   // same code: the row is updated, a value that is no number is 0
    EXPECT_EQ(st.count(QStringLiteral("SELECT COUNT(*) FROM COMPLEMENTO WHERE CODIGO = 7 AND NOME = 'BORDA' AND GRUPO = 0 AND VALOR = 0")), 1);

    auto* list = w.findChild<PickList*>(QStringLiteral("complementList"));
    list->setCurrentRowIndex(0);
    w.showCurrent();
    EXPECT_EQ(edit(w, "codeEdit")->text(), QStringLiteral("000007"));
    d.answerMessages({QStringLiteral("S")});
    w.removeCurrent();
    EXPECT_EQ(d.messages.back().text, complement::text::confirmDelete);
    EXPECT_EQ(d.messages.back().kind, QStringLiteral("1"));
    EXPECT_EQ(st.count(QStringLiteral("SELECT COUNT(*) FROM COMPLEMENTO")), 0);
}

TEST(Complements, HostileEntriesWriteNothingOrOnlyWhatFits)
{
    struct Case { QString code, name, value; int rows; bool told; };
    const Case cases[] = {
        {QStringLiteral("0"), QStringLiteral("NADA"), QStringLiteral("1"), 0, false},
        {QStringLiteral("abc"), QStringLiteral("NADA"), QStringLiteral("1"), 0, false},
        {QStringLiteral("'; DELETE FROM COMPLEMENTO; --"), QStringLiteral("NADA"), QStringLiteral("1"), 0, false},
        {QStringLiteral("1e20"), QStringLiteral("NADA"), QStringLiteral("1"), 0, false},
        {QStringLiteral("99999999999"), QStringLiteral("NADA"), QStringLiteral("1"), 0, false},
        {QStringLiteral("-3"), QStringLiteral("NADA"), QStringLiteral("1"), 0, false},   // a code has no sign
        {QStringLiteral("5"), QStringLiteral("MOLHO 😀"), QStringLiteral("1"), 0, true},
        {QStringLiteral("5"), QStringLiteral("NADA"), QStringLiteral("-1"), 0, true},
        {QStringLiteral("5"), QStringLiteral("NADA"), QStringLiteral("99999999999999"), 0, true},
        {QStringLiteral("5"), QStringLiteral("D'AGUA \"X\" '; DROP TABLE TIPOS; --"), QStringLiteral("1"), 1, false},
        {QStringLiteral("5"), QString(200, QLatin1Char('N')), QStringLiteral("1"), 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code.toStdString() + " / " + c.name.toStdString() + " / " + c.value.toStdString());
        TestStation st;
        ScriptedDialogs d;
        TFormComplemento w(st.logon());
        fill(w, c.code, c.name, 0, c.value);
        w.confirm();
        EXPECT_EQ(st.count(QStringLiteral("SELECT COUNT(*) FROM COMPLEMENTO")), c.rows);
        EXPECT_EQ(!d.messages.empty(), c.told);
        EXPECT_TRUE(d.errors.isEmpty()) << d.errors.join(QLatin1Char('|')).toStdString();
        if (c.rows) {
            EXPECT_EQ(st.scalar(QStringLiteral("SELECT NOME FROM COMPLEMENTO")).toString(), c.name.toUpper().left(30));
        }
    }
}

TEST(Complements, PictureOfTheCodeScaledAndKeptAfterDelete)
{
    TestStation st;
    ScriptedDialogs d;
    TFormComplemento w(st.logon());
    fill(w, QStringLiteral("7"), QStringLiteral("BACON"), 0, QStringLiteral("3"));
    w.confirm();
    QImage picture(800, 600, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    const QString file = st.root() + QStringLiteral("/bacon.jpg");
    ASSERT_TRUE(picture.save(file, "JPG"));
    d.answerFileDialog(file);
    w.changePicture();
    const QString target = station::path(u"c:\\Miltrex\\vavoz\\imagens\\CP000007.jpg");
    EXPECT_EQ(QImage(target).size(), QSize(62, 47));
    d.answerMessages({QStringLiteral("S")});
    w.removeCurrent();
    EXPECT_TRUE(QImage(target).size() == QSize(62, 47));
}

TEST(SystemOptions, TickedBoxesMakeTheWordsAndTheTitle)
{
    TestStation st;
    ScriptedDialogs d;
    {
        TFormConfSis w(st.logon());
        for (const char* name : {"waiterPasswordCheck", "cnpjOnReceiptCheck", "noBillSplitCheck",
                                 "deleteItemFreeCheck", "highestFlavourPriceCheck", "hideUnitPriceCheck"})
            w.findChild<QCheckBox*>(QString::fromLatin1(name))->setChecked(true);
        edit(w, "titleEdit")->setText(QStringLiteral("comanda"));
        w.confirm();
        EXPECT_EQ(w.result(), QDialog::Accepted);
    }
    registers::Rows r = registers::run(st.logon(), QStringLiteral("SELECT SCC5, SCC4, TITULO FROM EMPRESA"));
    ASSERT_TRUE(r.next());
    EXPECT_EQ(r.integer(u"SCC5"), 4225);
    EXPECT_EQ(r.integer(u"SCC4"), 577);
    EXPECT_EQ(r.text(u"TITULO"), QStringLiteral("COMANDA"));

    // Bits no box stands for are dropped by the next save; a blank title is MESA.
    registers::run(st.logon(), QStringLiteral("UPDATE EMPRESA SET SCC5 = SCC5 + 8192, SCC4 = SCC4 + 1024"));
    TFormConfSis w(st.logon());
    EXPECT_TRUE(w.findChild<QCheckBox*>(QStringLiteral("noBillSplitCheck"))->isChecked());
    EXPECT_FALSE(w.findChild<QCheckBox*>(QStringLiteral("changePriceCheck"))->isChecked());
    edit(w, "titleEdit")->setText(QStringLiteral("   "));
    w.confirm();
    EXPECT_EQ(st.scalar(QStringLiteral("SELECT SCC5 FROM EMPRESA")).toInt(), 4225);
    EXPECT_EQ(st.scalar(QStringLiteral("SELECT SCC4 FROM EMPRESA")).toInt(), 577);
    EXPECT_EQ(st.scalar(QStringLiteral("SELECT TITULO FROM EMPRESA")).toString().trimmed(), QStringLiteral("MESA"));
}

TEST(SystemOptions, HostileTitlesAndCancel)
{
    struct Case { QString typed; QString stored; bool accepted; };
    const Case cases[] = {
        {QStringLiteral("'; DELETE FROM EMPRESA; --"), QStringLiteral("'; DELET"), true},
        {QStringLiteral("D'\"X"), QStringLiteral("D'\"X"), true},
        {QString(200, QLatin1Char('t')), QStringLiteral("TTTTTTTT"), true},
        {QStringLiteral("MESA😀"), QStringLiteral("MESA"), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        TestStation st;
        ScriptedDialogs d;
        TFormConfSis w(st.logon());
        edit(w, "titleEdit")->setText(c.typed);
        w.confirm();
        EXPECT_EQ(w.result() == QDialog::Accepted, c.accepted);
        EXPECT_EQ(st.count(QStringLiteral("SELECT COUNT(*) FROM EMPRESA")), 1);
        const QString stored = st.scalar(QStringLiteral("SELECT TITULO FROM EMPRESA")).toString().trimmed();
        EXPECT_EQ(stored.isEmpty() ? QStringLiteral("MESA") : stored, c.stored);
    }
    TestStation st;
    ScriptedDialogs d;
    TFormConfSis w(st.logon());
    w.findChild<QCheckBox*>(QStringLiteral("waiterPasswordCheck"))->setChecked(true);
    w.reject();
    EXPECT_EQ(st.scalar(QStringLiteral("SELECT COALESCE(SCC5, 0) FROM EMPRESA")).toInt(), 0);
}
