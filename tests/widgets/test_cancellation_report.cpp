// "Relatório de Cancelamentos de Comandas/ Itens": the LOG rows of one cash shift
// as the roll text in the preview or as the A4 report; the shift field and its picker.
#include "RegisterSeeds.h"
#include "ReportReading.h"
#include "ScriptedDialogs.h"
#include "ShiftReportSeeds.h"
#include "TestStation.h"
#include "cash/UnitRelCan.h"
#include "printing/UnitVisao.h"
#include "reports/ReportExport.h"
#include "reports/UnitVisaoRelatorio.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

void seedLog(TestStation& st)
{
    seeds::setCompany(st, "BAR DO ZE", "RUA A, 10", "RECIFE", "PE", "12.345.678/0001-90");
    seeds::addCancellation(st, "10/12/2026 21:15:03", "MARIA", "CLIENTE DESISTIU", 5, "Cmd Excl :");
    seeds::addCancellation(st, "10/12/2026 22:40:00", "SUPERVISOR", "ITEM ERRADO NO PEDIDO DA MESA 12",
                           5, "C:000012 UN:1 R$:59,90 PD:PICANHA");
    seeds::addCancellation(st, "11/12/2026 20:00:00", "JOAO", "OUTRO CAIXA", 6, "Cmd Excl :");
    seeds::addCancellation(st, "01/12/2026 08:00:00", "ANA", "CAIXA ZERO", 0, "Cmd Excl :");
}


} // namespace

TEST(CancellationReport, RollTextOfTheShiftGoesToThePreviewAndTheWindowCloses)
{
    TestStation st;
    seedLog(st);
    ScriptedDialogs script;
    QStringList shown;
    script.onWindow("TFormVisao", [&](QDialog& d) {
        shown = static_cast<TFormVisao&>(d).lines();
        return int(QDialog::Accepted);
    });
    // The preview whatever the closing printer's slot says.
    st.writeFile("c:\\Miltrex\\vavoz\\setup.INI", QStringList(16, "Nao Imprimir"));
    TFormRelCan w(st.logon());
    w.setShiftText("5");
    w.confirm();
    const QStringList expected = {
        "Relatório de Itens Cancelados",
        "=============================",
        "BAR DO ZE",
        "RUA A, 10",
        "RECIFE Estado.:PE",
        "======================================",
        "Caixa/Data     Operador/Mesa/Motivo",
        "======================================",
        "5/10/12/2026 21: MARIA/CLIENTE DESISTIU",
        "5/10/12/2026 22: SUPERVISOR/ITEM ERRADO",
        "======================================",
    };
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(w.result(), int(QDialog::Accepted));
    EXPECT_TRUE(script.errors.isEmpty());
}

TEST(CancellationReport, PageReportListsTheShiftUnderTheCompanyHeader)
{
    TestStation st;
    seedLog(st);
    ScriptedDialogs script;
    QStringList page;
    QByteArray csv;
    int pages = 0;
    script.onWindow("TFormVisaoRelatorio", [&](QDialog& d) {
        const auto& w = static_cast<TFormVisaoRelatorio&>(d);
        pages = w.pageCount();
        page = report::pageTextLines(w.layout(), 0);
        csv = report::spreadsheetDocument(w.layout());
        return int(QDialog::Accepted);
    });
    TFormRelCan w(st.logon());
    w.setShiftText("5");
    w.choosePageReport(true);
    w.confirm();
    ASSERT_EQ(pages, 1);
    const QString text = page.join('\n');
    EXPECT_TRUE(text.contains("Relatório de Itens Cancelados"));
    EXPECT_TRUE(text.contains("EMPRESA")) << text.toStdString();
    EXPECT_TRUE(text.contains("BAR DO ZE"));
    EXPECT_TRUE(text.contains("12.345.678/0001-90"));
    EXPECT_FALSE(text.contains("OUTRO CAIXA"));
    const QByteArray expected = "CAIXA;DATA;OPERADOR;MOTIVO;OCORR\xCANCIA\r\n"
                                "5;10/12/2026 21:15:03;MARIA;CLIENTE DESISTIU;Cmd Excl :\r\n"
                                "5;10/12/2026 22:40:00;SUPERVISOR;ITEM ERRADO NO PEDIDO DA MESA 12;"
                                "C:000012 UN:1 R$:59,90 PD:PICANHA\r\n";
    EXPECT_EQ(csv, expected);
}

TEST(CancellationReport, AShiftThatIsNotANumberIsShiftZero)
{
    TestStation st;
    seedLog(st);
    for (const QString& typed : {QString("abc"), QString("'; delete from LOG; --"), QString("1e20"),
                                 QString("99999999999"), QString("5 or 1=1"), QString::fromUtf8("5😀"), QString()}) {
        ScriptedDialogs script;
        QStringList shown;
        script.onWindow("TFormVisao", [&](QDialog& d) {
            shown = static_cast<TFormVisao&>(d).lines();
            return int(QDialog::Accepted);
        });
        TFormRelCan w(st.logon());
        w.setShiftText(typed);
        w.confirm();
        EXPECT_TRUE(script.errors.isEmpty()) << typed.toStdString();
        ASSERT_EQ(shown.size(), 10) << typed.toStdString();
        EXPECT_TRUE(shown.at(8).startsWith("0/01/12/2026 08: ANA/CAIXA ZERO")) << typed.toStdString();
    }
    EXPECT_EQ(st.count("select count(*) from LOG"), 4);
}

TEST(CancellationReport, PickerFillsTheChosenShiftOrZero)
{
    TestStation st;
    seeds::addCashShiftDay(st.logon(), 7, QDate(2026, 12, 1));
    seeds::addCashShiftDay(st.logon(), 8, QDate(2026, 12, 2));
    struct Case { bool choose; QString field; };
    for (const Case& c : {Case{true, "8"}, Case{false, "0"}}) {
        ScriptedDialogs script;
        script.onWindow("TFormVerCaixa", [&](QDialog& d) {
            if (!c.choose)
                return int(QDialog::Rejected);
            d.show();
            auto* list = d.findChild<QAbstractItemView*>("shiftList");
            list->setFocus();
            QTest::keyClick(list, Qt::Key_Return);   // the newest shift is the first row
            return d.result();
        });
        TFormRelCan w(st.logon());
        w.setShiftText("3");
        w.pickShift();
        EXPECT_EQ(w.shiftText(), c.field);
        EXPECT_EQ(script.windowsShown, QStringList{"TFormVerCaixa"});
    }
}

TEST(CancellationReport, EnterInTheShiftFieldMovesToConfirm)
{
    TestStation st;
    ScriptedDialogs script;
    TFormRelCan w(st.logon());
    w.show();
    auto* edit = w.findChild<QLineEdit*>("shiftEdit");
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_TRUE(script.windowsShown.isEmpty());
    EXPECT_EQ(w.focusWidget(), w.findChild<QWidget*>("confirmButton"));
}
