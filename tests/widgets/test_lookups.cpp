// The customer, product and supplier lookups and the cash-shift picker, driven the
// way a user drives them: typing, Enter, double click, the close button.
#include "RegisterSeeds.h"
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "core/Globals.h"
#include "registers/Lookups.h"
#include "registers/PickList.h"
#include "registers/RegisterSql.h"
#include "registers/UnitVerCaixa.h"
#include "app/ProgramWindows.h"
#include "shell/WindowRegistry.h"

#include <QLabel>

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

template <class W = QWidget>
W* child(QDialog& w, const char* name)
{
    W* c = w.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
}

void type(QDialog& w, const QString& text)
{
    QTest::keyClicks(child<QLineEdit>(w, "searchEdit"), text);
}

void doubleClickRow(PickList* list, int row)
{
    const QRect r = list->visualRect(list->model()->index(row, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, r.center());
}

QStringList column(PickList* list, const char* field)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->rows().value(i, QString::fromLatin1(field)).toString().trimmed();
    return out;
}

} // namespace

TEST(CustomerLookup, TypingNarrowsAndEnterOrDoubleClickChooses)
{
    TestStation st;
    ScriptedDialogs d;
    seeds::addCustomer(st.logon(), 1, QStringLiteral("CONSUMIDOR"));
    seeds::addCustomer(st.logon(), 7, QStringLiteral("JOAO SILVA"), QStringLiteral("RUA A 10"), QStringLiteral("3333-1111"), QStringLiteral("11.222.333/0001-44"));
    seeds::addCustomer(st.logon(), 9, QStringLiteral("MARIA JOANA"), QStringLiteral("AV B 5"), QStringLiteral("4444-2222"));

    QStringList shown;
    d.onWindow(QStringLiteral("TFormBusca"), [&](QDialog& w) {
        w.show();
        type(w, QStringLiteral("joa"));
        auto* list = child<PickList>(w, "customerList");
        shown = column(list, "NOME");
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return);
        return w.result();
    });
    ctx::lookup().LookupCode = QStringLiteral("stale");
    EXPECT_EQ(chooseCustomer(st.logon()), QStringLiteral("9"));
    EXPECT_EQ(shown, (QStringList{QStringLiteral("JOAO SILVA"), QStringLiteral("MARIA JOANA")}));
    EXPECT_EQ(ctx::lookup().LookupCode, QStringLiteral("9"));

    QString detail;
    d.onWindow(QStringLiteral("TFormBusca"), [&](QDialog& w) {
        w.show();
        child<QRadioButton>(w, "byPhoneRadio")->click();
        type(w, QStringLiteral("3333"));
        auto* list = child<PickList>(w, "customerList");
        detail = child<QLabel>(w, "detailLabel")->text();
        doubleClickRow(list, 0);
        return w.result();
    });
    EXPECT_EQ(chooseCustomer(st.logon()), QStringLiteral("7"));
    EXPECT_EQ(detail, QStringLiteral("JOAO SILVA\r\nRUA A 10\r\nCNPJ: 11.222.333/0001-44   Fone: 3333-1111"));
}

TEST(CustomerLookup, ClosedWithoutChoiceGivesEmptyNotZero)
{
    TestStation st;
    ScriptedDialogs d;
    seeds::addCustomer(st.logon(), 1, QStringLiteral("CONSUMIDOR"));
    d.onWindow(QStringLiteral("TFormBusca"), [](QDialog& w) {
        w.show();
        type(w, QStringLiteral("CON"));
        child<QPushButton>(w, "closeButton")->click();
        return w.result();
    });
    ctx::lookup().LookupCode = QStringLiteral("5");
    EXPECT_EQ(chooseCustomer(st.logon()), QString());
    EXPECT_EQ(ctx::lookup().LookupCode, QString());
}

TEST(ProductLookup, ReturnsTheCurrentRowHoweverItCloses)
{
    TestStation st;
    ScriptedDialogs d;
    for (int i = 1; i <= 30; ++i)
        seeds::addProduct(st.logon(), QStringLiteral("%1").arg(i, 6, 10, QLatin1Char('0')),
                          (i <= 3 ? QStringLiteral("COCA %1") : QStringLiteral("AGUA %1")).arg(i, 2, 10, QLatin1Char('0')),
                          Decimal(5));
    seeds::addProduct(st.logon(), QStringLiteral("KIT1"), QStringLiteral("COMBO COCA"), Decimal(20), Decimal(), true);

    int opening = 0;
    d.onWindow(QStringLiteral("TFormLcPro"), [&](QDialog& w) {
        opening = child<PickList>(w, "productList")->count();
        return QDialog::Rejected;   // closed at once
    });
    EXPECT_EQ(chooseProduct(st.logon()), QStringLiteral("000004"));   // AGUA 04: first by name
    EXPECT_EQ(opening, 20);

    QStringList found;
    d.onWindow(QStringLiteral("TFormLcPro"), [&](QDialog& w) {
        w.show();
        type(w, QStringLiteral("coca"));
        auto* list = child<PickList>(w, "productList");
        found = column(list, "NOME");
        QTest::keyClick(child<QLineEdit>(w, "searchEdit"), Qt::Key_Return);   // moves to the list
        EXPECT_EQ(w.focusWidget(), list);
        QTest::keyClick(list, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(list, Qt::Key_Return);
        return w.result();
    });
    EXPECT_EQ(chooseProduct(st.logon()), QStringLiteral("KIT1"));   // a kit comes back as its plain code
    EXPECT_EQ(found.size(), 4);
    EXPECT_EQ(ctx::lookup().ProductLookupCode, QStringLiteral("KIT1"));

    d.onWindow(QStringLiteral("TFormLcPro"), [&](QDialog& w) {
        w.show();
        child<QRadioButton>(w, "byCodeRadio")->click();
        type(w, QStringLiteral("00002"));
        doubleClickRow(child<PickList>(w, "productList"), 1);
        return w.result();
    });
    EXPECT_EQ(chooseProduct(st.logon()), QStringLiteral("000020"));   // 000002, 000020, ...
}

TEST(ProductLookup, AnEmptyListGivesZero)
{
    TestStation st;
    ScriptedDialogs d;
    EXPECT_EQ(chooseProduct(st.logon()), QStringLiteral("0"));
    seeds::addProduct(st.logon(), QStringLiteral("000001"), QStringLiteral("AGUA"), Decimal(2));
    d.onWindow(QStringLiteral("TFormLcPro"), [&](QDialog& w) {
        type(w, QStringLiteral("XYZ"));
        return QDialog::Rejected;
    });
    EXPECT_EQ(chooseProduct(st.logon()), QStringLiteral("0"));
    EXPECT_EQ(ctx::lookup().LookupCode, QStringLiteral("0"));
}

TEST(ProductLookup, HostileSearchTextNeverBreaksTheList)
{
    TestStation st;
    ScriptedDialogs d;
    seeds::addProduct(st.logon(), QStringLiteral("000001"), QStringLiteral("D.AGUA"), Decimal(2));
    const QStringList hostile{QStringLiteral("'"), QStringLiteral("\""), QStringLiteral("'; DELETE FROM PRODUTOS; --"),
                              QString(200, QLatin1Char('A')), QStringLiteral("😀"), QStringLiteral("1e20")};
    for (const QString& text : hostile) {
        d.onWindow(QStringLiteral("TFormLcPro"), [&](QDialog& w) {
            child<QLineEdit>(w, "searchEdit")->setText(text);
            return QDialog::Rejected;
        });
        EXPECT_EQ(chooseProduct(st.logon()), QStringLiteral("0")) << text.toStdString();
    }
    EXPECT_TRUE(d.errors.isEmpty());
    EXPECT_EQ(st.count(QStringLiteral("SELECT COUNT(*) FROM PRODUTOS")), 1);
}

TEST(SupplierLookup, TypingMovesToTheFirstNameBeginningWithIt)
{
    TestStation st;
    ScriptedDialogs d;
    seeds::addSupplier(st.logon(), 3, QStringLiteral("ZECA BEBIDAS"));
    seeds::addSupplier(st.logon(), 5, QStringLiteral("JOSE CARNES"));
    seeds::addSupplier(st.logon(), 8, QStringLiteral("ANA FRIOS"));
    seeds::addSupplier(st.logon(), 2, QStringLiteral("JOAO PEIXES"));

    d.onWindow(QStringLiteral("TFormBuscaFor"), [](QDialog& w) {
        w.show();
        type(w, QStringLiteral("jo"));
        QTest::keyClick(child<QLineEdit>(w, "searchEdit"), Qt::Key_Return);
        return w.result();
    });
    EXPECT_EQ(chooseSupplier(st.logon()), QStringLiteral("2"));

    d.onWindow(QStringLiteral("TFormBuscaFor"), [](QDialog& w) {
        w.show();
        type(w, QStringLiteral("ZE"));
        type(w, QStringLiteral("X"));     // no ZEX: the row stays where it was
        child<QPushButton>(w, "closeButton")->click();
        return w.result();
    });
    EXPECT_EQ(chooseSupplier(st.logon()), QStringLiteral("3"));
    EXPECT_EQ(ctx::lookup().LookupCode, QStringLiteral("3"));
}

TEST(SupplierLookup, NoSuppliersGivesEmpty)
{
    TestStation st;
    ScriptedDialogs d;
    EXPECT_EQ(chooseSupplier(st.logon()), QString());
}

TEST(CashShiftPicker, ListsTheLastSixtyOrAllAndKeepsTheLastClick)
{
    TestStation st;
    ScriptedDialogs d;
    registers::action(st.logon(), [&] {
        for (int s = 1; s <= 200; ++s)
            seeds::addCashShiftDay(st.logon(), s, QDate(2026, 1, 1).addDays(s / 3));
    });

    QStringList last, all;
    d.onWindow(QStringLiteral("TFormVerCaixa"), [&](QDialog& w) {
        w.show();
        auto* list = child<PickList>(w, "shiftList");
        last = column(list, "CAIXA");
        child<QRadioButton>(w, "allShiftsRadio")->click();
        all = column(list, "CAIXA");
        list->moveTo(u"CAIXA", QStringLiteral("120"));
        const QRect r = list->visualRect(list->model()->index(list->currentRowIndex(), 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
        child<QPushButton>(w, "closeButton")->click();
        return w.result();
    });
    EXPECT_EQ(chooseCashShift(st.logon()), 120);
    ASSERT_EQ(last.size(), 60);
    EXPECT_EQ(last.first(), QStringLiteral("200"));
    EXPECT_EQ(last.last(), QStringLiteral("141"));
    EXPECT_EQ(all.size(), 200);

    d.onWindow(QStringLiteral("TFormVerCaixa"), [&](QDialog& w) {
        w.show();
        auto* list = child<PickList>(w, "shiftList");
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return);
        return w.result();
    });
    EXPECT_EQ(chooseCashShift(st.logon()), 199);

    // Closed without a choice: the label keeps "Label1", read as 0.
    d.onWindow(QStringLiteral("TFormVerCaixa"), [](QDialog&) { return int(QDialog::Rejected); });
    EXPECT_EQ(chooseCashShift(st.logon()), 0);
    EXPECT_EQ(TFormVerCaixa::shiftNumberOf(QStringLiteral("Label1")), 0);
}

TEST(CustomerLookup, HostileSearchTextFindsNothingAndChangesNothing)
{
    TestStation st;
    ScriptedDialogs d;
    seeds::addCustomer(st.logon(), 2, QStringLiteral("D'AVILA"));
    const QStringList hostile{QStringLiteral("'; DELETE FROM CLIENTES; --"), QStringLiteral("\""), QStringLiteral("😀"),
                              QString(200, QLatin1Char('A')), QStringLiteral("1e20")};
    for (const QString& text : hostile) {
        d.onWindow(QStringLiteral("TFormBusca"), [&](QDialog& w) {
            child<QLineEdit>(w, "searchEdit")->setText(text);
            EXPECT_EQ(child<PickList>(w, "customerList")->count(), 0) << text.toStdString();
            return int(QDialog::Rejected);
        });
        EXPECT_EQ(chooseCustomer(st.logon()), QString());
    }
    d.onWindow(QStringLiteral("TFormBusca"), [&](QDialog& w) {
        child<QLineEdit>(w, "searchEdit")->setText(QStringLiteral("D'A"));
        return int(QDialog::Rejected);
    });
    chooseCustomer(st.logon());
    EXPECT_TRUE(d.errors.isEmpty());
    EXPECT_EQ(st.count(QStringLiteral("SELECT COUNT(*) FROM CLIENTES")), 2);
}

TEST(Registry, TheRibbonOpensTheRegistersNotThePlaceholder)
{
    registerProgramWindows();
    for (const char* name : {"TFormProd", "TFormKitItens", "TFormBusca", "TFormLcPro", "TFormBuscaFor",
                             "TFormVerCaixa", "TFormComplemento", "TFormConfSis"})
        EXPECT_TRUE(windows::isRegistered(QString::fromLatin1(name))) << name;
}
