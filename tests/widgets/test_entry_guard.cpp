// The windows with an entry being typed ask before they drop it: the entry invoice,
// the stock movement, the purchase order and the delivery men. Esc, the close box
// and "&Retornar" ask the same question; "Não" keeps the window and what was typed,
// "Sim" closes it; with nothing typed, or once the entry is written, they close at
// once as before.
#include "RegisterSeeds.h"
#include "ScriptedDialogs.h"
#include "SeedValues.h"
#include "StockSeeds.h"
#include "TestStation.h"
#include "core/EntryGuard.h"
#include "delivery/UnitEntregador.h"
#include "registers/PickList.h"
#include "stock/UnitCompras.h"
#include "stock/UnitMovEst.h"
#include "stock/UnitNFEntrada.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using seeds::D;

namespace {

// One window: how it is opened, how an entry is typed in it, what of that entry
// shows it is still there, and how the entry is written.
struct GuardedWindow {
    const char* name;
    std::function<std::unique_ptr<QDialog>(TLogon&)> open;
    std::function<void(QDialog&)> typeEntry;
    std::function<bool(QDialog&)> entryKept;
    std::function<bool(QDialog&)> writeEntry;
};

QString S(const char* s)
{
    return QString::fromUtf8(s);
}

std::vector<GuardedWindow> windows()
{
    return {
        {"TFormNFEntrada", [](TLogon& l) -> std::unique_ptr<QDialog> { return std::make_unique<TFormNFEntrada>(l); },
         [](QDialog& d) {
             auto& w = static_cast<TFormNFEntrada&>(d);
             w.field(S("product"))->setText(S("1"));
             w.productLeft();
             w.field(S("quantity"))->setText(S("24"));
             ASSERT_TRUE(w.confirmItem());
         },
         [](QDialog& d) { return static_cast<TFormNFEntrada&>(d).itemList()->count() == 1; },
         [](QDialog& d) {
             auto& w = static_cast<TFormNFEntrada&>(d);
             w.field(S("number"))->setText(S("501"));
             return w.process();
         }},
        {"TFormMovEst", [](TLogon& l) -> std::unique_ptr<QDialog> { return std::make_unique<TFormMovEst>(l); },
         [](QDialog& d) {
             auto& w = static_cast<TFormMovEst&>(d);
             w.field(S("code"))->setText(S("1"));
             w.productLeft();
             w.field(S("kind"))->setText(S("1"));
             w.kindLeft();
             w.field(S("quantity"))->setText(S("5"));
         },
         [](QDialog& d) { return static_cast<TFormMovEst&>(d).field(S("quantity"))->text() == S("5"); },
         [](QDialog& d) { return static_cast<TFormMovEst&>(d).confirm(); }},
        {"TFormCompras", [](TLogon& l) -> std::unique_ptr<QDialog> { return std::make_unique<TFormCompras>(l); },
         [](QDialog& d) { static_cast<TFormCompras&>(d).field(S("observation"))->setText(S("ENTREGAR CEDO")); },
         [](QDialog& d) { return static_cast<TFormCompras&>(d).field(S("observation"))->text() == S("ENTREGAR CEDO"); },
         [](QDialog& d) { return static_cast<TFormCompras&>(d).confirmHeader(); }},
        {"TFormEntregador", [](TLogon& l) -> std::unique_ptr<QDialog> { return std::make_unique<TFormEntregador>(l); },
         [](QDialog& d) {
             auto& w = static_cast<TFormEntregador&>(d);
             w.newMan();
             QTest::keyClicks(w.field(TFormEntregador::Name), S("JOAO"));
         },
         [](QDialog& d) { return static_cast<TFormEntregador&>(d).field(TFormEntregador::Name)->text() == S("JOAO"); },
         [](QDialog& d) { return static_cast<TFormEntregador&>(d).saveMan(); }},
    };
}

enum class Way { Escape, CloseBox, ReturnButton };

const char* nameOf(Way way)
{
    switch (way) {
    case Way::Escape: return "Esc";
    case Way::CloseBox: return "close box";
    case Way::ReturnButton: return "Retornar";
    }
    return "";
}

void leave(QDialog& w, Way way)
{
    switch (way) {
    case Way::Escape: {
        QWidget* at = w.focusWidget() ? w.focusWidget() : static_cast<QWidget*>(&w);
        QTest::keyClick(at, Qt::Key_Escape);
        break;
    }
    case Way::CloseBox:
        w.close();
        break;
    case Way::ReturnButton:
        QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("returnButton")), Qt::LeftButton);
        break;
    }
}

void seed(TLogon& l)
{
    seeds::addSupplier(l, 3, QStringLiteral("DISTRIBUIDORA SUL"));
    seeds::addProduct(l, QStringLiteral("000001"), QStringLiteral("CERVEJA LATA"), D("8"), D("4"));
    seeds::addOrder(l, 4, 3);
    l.run(QStringLiteral("insert into DELICAD (ID, CODIGO, NOME) values (GEN_ID(DELICAD,1), 7, 'PEDRO')"));
}

// Every window, left every way: the window on screen and its entry typed (when
// `typed`), handed to the step with the dialogs that answer it.
void eachWindowAndWay(TLogon& l, bool typed,
                      const std::function<void(const GuardedWindow&, QDialog&, Way, ScriptedDialogs&)>& step)
{
    for (const GuardedWindow& g : windows()) {
        for (const Way way : {Way::Escape, Way::CloseBox, Way::ReturnButton}) {
            SCOPED_TRACE(std::string(g.name) + ", " + nameOf(way));
            ScriptedDialogs d;
            const std::unique_ptr<QDialog> w = g.open(l);
            w->show();
            if (typed)
                g.typeEntry(*w);
            d.messages.clear();
            step(g, *w, way, d);
        }
    }
}

} // namespace

TEST(EntryGuard, EscTheCloseBoxAndRetornarAskBeforeTheEntryTypedIsDropped)
{
    TestStation st;
    seed(st.logon());
    eachWindowAndWay(st.logon(), true, [](const GuardedWindow& g, QDialog& w, Way way, ScriptedDialogs& d) {
        // "Não": the window stays with what was typed
        d.answerMessages({QStringLiteral("N")});
        leave(w, way);
        EXPECT_EQ(d.messageTexts(), QStringList{EntryGuard::question});
        EXPECT_TRUE(w.isVisible());
        EXPECT_TRUE(g.entryKept(w));

        // "Sim": the window goes, the entry with it
        d.answerMessages({QStringLiteral("S")});
        leave(w, way);
        EXPECT_EQ(d.messageTexts().size(), 2);
        EXPECT_FALSE(w.isVisible());
    });
    // nothing of it was written
    EXPECT_EQ(st.count(QStringLiteral("select count(*) from ESTFIC")), 0);
    EXPECT_EQ(st.count(QStringLiteral("select count(*) from COMPRAS where OBS = 'ENTREGAR CEDO'")), 0);
    EXPECT_EQ(st.count(QStringLiteral("select count(*) from DELICAD")), 1);
}

TEST(EntryGuard, WithNothingTypedOrTheEntryWrittenTheWindowClosesWithoutAsking)
{
    TestStation st;
    seed(st.logon());
    eachWindowAndWay(st.logon(), false, [](const GuardedWindow&, QDialog& w, Way way, ScriptedDialogs& d) {
        leave(w, way);
        EXPECT_TRUE(d.messages.empty()) << d.messageTexts().join(u'|').toStdString();
        EXPECT_FALSE(w.isVisible());
    });
    eachWindowAndWay(st.logon(), true, [](const GuardedWindow& g, QDialog& w, Way way, ScriptedDialogs& d) {
        ASSERT_TRUE(g.writeEntry(w));
        d.messages.clear();
        leave(w, way);
        EXPECT_TRUE(d.messages.empty()) << d.messageTexts().join(u'|').toStdString();
        EXPECT_FALSE(w.isVisible());
    });
}

