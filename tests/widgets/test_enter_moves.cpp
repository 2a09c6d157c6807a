// Enter, one rule for the whole program (core/EnterMoves): in a field that does
// nothing with it, Enter moves to the next field, so that it reaches the button that
// runs the window; a field, a list or a window whose Enter does something of its own
// keeps it, and a multi-line editor keeps its new line. Real key events to the
// focused control of a shown, active window.
#include "KeyboardUse.h"
#include "SeedValues.h"
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "cash/CashShift.h"
#include "cash/UnitAbrFec.h"
#include "core/EnterMoves.h"
#include "core/FieldEvents.h"
#include "core/Globals.h"
#include "salesreports/UnitDeb.h"
#include "cashoffice/UnitDesp.h"
#include "salesreports/UnitRelVenGar.h"
#include "stock/UnitBalCen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace keyboard;

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

// A window of every kind of field, in order, ending on the button that runs it.
struct EveryField : QDialog {
    QLineEdit* text = add<QLineEdit>("text");
    QDateEdit* date = add<QDateEdit>("date");
    QComboBox* list = add<QComboBox>("list");
    QComboBox* typedList = add<QComboBox>("typedList");
    QSpinBox* number = add<QSpinBox>("number");
    QCheckBox* box = add<QCheckBox>("box");
    QListWidget* rows = add<QListWidget>("rows");
    QPushButton* run = add<QPushButton>("run");
    int runs = 0;

    EveryField()
    {
        list->addItems({S("001  CAIXA"), S("002  COZINHA")});
        typedList->setEditable(true);
        typedList->addItems({S("0000 - Todos"), S("0001 - ANA")});
        rows->addItems({S("A"), S("B")});
        run->setAutoDefault(false);
        connect(run, &QPushButton::clicked, this, [this] { ++runs; });
    }

    template <class W>
    W* add(const char* name)
    {
        if (!layout())
            new QVBoxLayout(this);
        auto* w = new W(this);
        w->setObjectName(S(name));
        layout()->addWidget(w);
        return w;
    }
};

} // namespace

TEST(EnterMoves, EnterInAFieldThatDoesNothingWithItMovesToTheNextFieldAndReachesTheButton)
{
    EveryField w;
    ASSERT_TRUE(showActive(w));
    for (Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter}) {
        SCOPED_TRACE(enter);
        w.runs = 0;
        w.text->setFocus(Qt::TabFocusReason);
        for (const char* next : {"date", "list", "typedList", "number", "box", "rows", "run"}) {
            press(enter);
            EXPECT_EQ(focusedName(), S(next));
        }
        EXPECT_EQ(w.runs, 0) << "a field's Enter pressed the button";
        press(enter);
        EXPECT_EQ(w.runs, 1) << "Enter on the button runs the window";
    }
    // what was typed stays; a check box is not ticked, a list keeps its row
    w.typedList->setFocus(Qt::TabFocusReason);
    selectAllAndType(S("0001 - ANA"));
    press(Qt::Key_Return);
    EXPECT_EQ(w.typedList->currentText(), S("0001 - ANA"));
    EXPECT_FALSE(w.box->isChecked());
    // a held key moves once
    w.text->setFocus(Qt::TabFocusReason);
    QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(w.text, &held);
    EXPECT_EQ(focusedName(), S("text"));
}

TEST(EnterMoves, AFieldOrAWindowThatUsesEnterKeepsIt)
{
    // each case: the field, what its window makes of Enter; the field where the focus
    // must be afterwards and how many times the field's own Enter ran
    struct Case {
        const char* what;
        std::function<QWidget*(EveryField&, int&)> prepare;
        const char* focusAfter;
        int ownRuns;
    };
    const std::vector<Case> cases = {
        {"a line whose Enter runs something", [](EveryField& w, int& n) {
             QObject::connect(w.text, &QLineEdit::returnPressed, &w, [&n] { ++n; });
             return w.text;
         }, "text", 1},
        {"a line whose Enter goes elsewhere", [](EveryField& w, int& n) {
             QObject::connect(w.text, &QLineEdit::returnPressed, &w, [&w, &n] {
                 ++n;
                 w.box->setFocus(Qt::TabFocusReason);
             });
             return w.text;
         }, "box", 1},
        {"a field with its window's own Enter", [](EveryField& w, int& n) {
             auto* events = new FieldEvents(&w);
             events->onEnter(w.date, [&w, &n] {
                 ++n;
                 w.run->setFocus(Qt::TabFocusReason);
             });
             return w.date;
         }, "run", 1},
        {"a list that picks with Enter", [](EveryField& w, int& n) {
             QObject::connect(w.rows, &QListWidget::activated, &w, [&n] { ++n; });
             w.rows->setCurrentRow(1);
             return w.rows;
         }, "rows", 1},
        {"a list that filters by typing, opted out", [](EveryField& w, int&) {
             EnterMoves::keepOwnEnter(w.list);
             return w.list;
         }, "list", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EveryField w;
        int own = 0;
        QWidget* field = c.prepare(w, own);
        ASSERT_TRUE(showActive(w));
        field->setFocus(Qt::TabFocusReason);
        press(Qt::Key_Return);
        EXPECT_EQ(focusedName(), S(c.focusAfter));
        EXPECT_EQ(own, c.ownRuns);
        EXPECT_EQ(w.runs, 0);
    }

    // a window that takes Enter itself and goes where it wants
    struct OwnEnter : EveryField {
        int taken = 0;
        void keyPressEvent(QKeyEvent* e) override
        {
            if (e->key() == Qt::Key_Return) {
                ++taken;
                run->setFocus(Qt::OtherFocusReason);
                return;
            }
            QDialog::keyPressEvent(e);
        }
    } own;
    ASSERT_TRUE(showActive(own));
    own.number->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Return);
    EXPECT_EQ(own.taken, 1);
    EXPECT_EQ(focusedName(), S("run"));
    EXPECT_EQ(own.runs, 0);

    // a multi-line editor: a new line
    QDialog notes;
    auto* layout = new QVBoxLayout(&notes);
    auto* memo = new QPlainTextEdit(&notes);
    auto* after = new QLineEdit(&notes);
    layout->addWidget(memo);
    layout->addWidget(after);
    ASSERT_TRUE(showActive(notes));
    memo->setFocus(Qt::TabFocusReason);
    type(S("um"));
    press(Qt::Key_Return);
    type(S("dois"));
    EXPECT_EQ(QApplication::focusWidget(), memo);
    EXPECT_EQ(memo->toPlainText(), S("um\ndois"));
}

// The windows where Enter did nothing: the expenses' cost-centre list, sales per
// waiter, sales with products, the cost-centre outflow and the cash opening's date.
TEST(EnterMoves, TheListsAndDatesOfTheBackOfficeWindowsMoveOn)
{
    TestStation st;
    ScriptedDialogs d;
    st.openCashShift(4);
    st.logon().run(S("insert into CENTROCUSTO (ID, CODIGO, NOME) values (1, 1, 'COZINHA')"));
    const auto path = [&d](QWidget& w, std::initializer_list<const char*> fields, const char* lands) {
        ASSERT_TRUE(showActive(w));
        w.findChild<QWidget*>(S(*fields.begin()))->setFocus(Qt::TabFocusReason);
        d.messages.clear();   // what leaving the window's first field says
        for (auto it = fields.begin() + 1; it != fields.end(); ++it) {
            press(Qt::Key_Return);
            EXPECT_EQ(focusedName(), S(*it));
        }
        press(Qt::Key_Return);
        EXPECT_EQ(focusedName(), S(lands));
        EXPECT_TRUE(d.messages.empty()) << d.messageTexts().join(S("|")).toStdString();
        w.hide();
    };
    {
        TFormDesp w(st.logon());
        path(w, {"historyEdit", "amountEdit", "costCentreCombo"}, "confirmButton");
    }
    {
        TFormRelVenGar w(st.logon());
        path(w, {"waiterCombo", "groupCombo", "productEdit", "firstShiftEdit", "lastShiftEdit"}, "confirmButton");
    }
    {
        TFormDeb w(st.logon());
        path(w, {"firstDateEdit", "lastDateEdit", "methodCombo"}, "printButton");
    }
    {
        TFormBalCen w(st.logon());
        path(w, {"firstDateEdit", "lastDateEdit", "costCentreCombo"}, "printButton");
    }
    EXPECT_TRUE(d.windowsShown.isEmpty()) << d.windowsShown.join(S(" ")).toStdString();
}

// "Data para abertura do caixa": Enter goes on to "Valor abertura do caixa", and the
// float typed there is the one the shift opens with.
TEST(EnterMoves, TheCashOpeningsDateMovesToItsFloat)
{
    TestStation st;
    ScriptedDialogs d;
    ctx::op().OperatorName = S("ANA");
    TFormAbrFec w(st.logon());
    ASSERT_TRUE(showActive(w));
    w.prepareOpening();
    ASSERT_EQ(focusedName(), S("dateEdit"));
    press(Qt::Key_Return);
    ASSERT_EQ(focusedName(), S("floatEdit"));
    selectAllAndType(S("150,50"));
    press(Qt::Key_Return);
    EXPECT_EQ(focusedName(), S("confirmOpenButton"));
    press(Qt::Key_Return);
    const std::optional<CashShift::Opening> opened = CashShift(st.logon()).opening(1);
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->openingFloat, seeds::D("150,50"));
}
