// "Abrir Gaveta": model, port and command string drive the drawer through the
// port; gaveta.INI keeps its six lines.
#include "ReportReading.h"
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "cash/CashDrawer.h"
#include "cash/GAVTeste1.h"

#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString devicePath(const QTemporaryDir& dir)
{
    const QString path = dir.filePath("gaveta.dev");
    writeBytes(path, QByteArray());   // the device exists; the window never creates one
    return path;
}

// The station points its drawer port at the device, as a station does with
// dispositivos.INI.
void mapPort(TestStation& st, const QString& port, const QString& device)
{
    st.writeFile("c:\\Miltrex\\vavoz\\dispositivos.INI", {port + "=" + device});
}

} // namespace

TEST(CashDrawer, EachCommandStringReachesThePortAsItsBytes)
{
    TestStation st(false);
    QTemporaryDir dir;
    const QString device = devicePath(dir);
    mapPort(st, "LPT2", device);
    struct Case { int command; QByteArray bytes; };
    const std::vector<Case> cases = {
        {0, QByteArray("\x1B\x70\x30\x32", 4)},
        {1, QByteArray("\x1B" "p" "\x00\x32\xC8", 5)},
        {2, QByteArray("\x1B" "p0" "\x32\xC8", 5)},
        {3, QByteArray("\x1Bv\x8C", 3)},
        {4, QByteArray("\xFE", 1)},
    };
    for (const Case& c : cases) {
        ScriptedDialogs script;
        writeBytes(device, QByteArray());
        TForm1 w;
        w.setModel(drawer::gavImpressoraComum);
        w.setPort("LPT2");
        w.setCommand(drawer::commands().at(c.command));
        w.openDrawer();
        EXPECT_TRUE(script.errors.isEmpty()) << c.command << script.errors.join("|").toStdString();
        EXPECT_EQ(bytesOf(device), c.bytes) << c.command;
        EXPECT_TRUE(w.findChild<QPushButton*>("openButton")->isEnabled());
    }
}

TEST(CashDrawer, ChoicesAreKeptInSixLinesAndChosenAgain)
{
    TestStation st(false);
    {
        TForm1 w;
        EXPECT_EQ(w.model(), drawer::gavSerialGerbo);   // no file yet
        EXPECT_EQ(w.command(), drawer::commands().at(4));
        w.setModel(drawer::gavImpressoraComum);
        w.setPort("COM3");
        w.setCommand(drawer::commands().at(3));
        w.accept();
    }
    EXPECT_EQ(st.readFile(drawer::kSettingsFile),
              (QStringList{"4", "2", "gavImpressoraComum", "COM3", "3", "#027,v,#140 | Bematech"}));
    TForm1 again;
    EXPECT_EQ(again.model(), drawer::gavImpressoraComum);
    EXPECT_EQ(again.port(), "COM3");
    EXPECT_EQ(again.command(), drawer::commands().at(3));

    // Lines that are not indexes leave the defaults.
    st.writeFile(drawer::kSettingsFile, {"abc", "x", "", "LPT2", "99", ""});
    TForm1 odd;
    EXPECT_EQ(odd.model(), drawer::gavSerialGerbo);
    EXPECT_EQ(odd.port(), "LPT2");
    EXPECT_EQ(odd.command(), drawer::commands().at(4));
}

TEST(CashDrawer, WhatCannotOpenTheDrawerIsReportedAndTheWindowStaysUsable)
{
    TestStation st(false);
    QTemporaryDir dir;
    const QString device = devicePath(dir);
    st.writeFile("c:\\Miltrex\\vavoz\\dispositivos.INI",
                 {"COM1=" + device, "LPT3=" + dir.filePath("nao/existe")});
    struct Case { int model; QString port; QString command; const char* error; };
    const std::vector<Case> cases = {
        {drawer::gavNenhuma, "COM1", drawer::commands().at(3), "Modelo de gaveta"},
        {drawer::gavImpressoraECF, "COM1", drawer::commands().at(3), "fiscal"},
        {drawer::gavImpressoraComum, "COM1", "#999", "Comando da gaveta"},
        {drawer::gavImpressoraComum, "COM1", "#027,vv,#140", "Comando da gaveta"},
        {drawer::gavImpressoraComum, "COM1", "'; drop table x; --", "Comando da gaveta"},
        {drawer::gavImpressoraComum, "COM1", QString::fromUtf8("#027,😀"), "Comando da gaveta"},
        {drawer::gavImpressoraComum, "COM1", "", "Comando da gaveta"},
        {drawer::gavImpressoraComum, "", "#254", "Porta"},
        {drawer::gavImpressoraComum, "LPT3", "#254", "Não foi possível abrir"},
    };
    for (const Case& c : cases) {
        ScriptedDialogs script;
        TForm1 w;
        w.setModel(c.model);
        w.setPort(c.port);
        w.setCommand(c.command);
        w.openDrawer();
        ASSERT_EQ(script.errors.size(), 1) << c.command.toStdString();
        EXPECT_TRUE(script.errors.first().contains(QString::fromUtf8(c.error))) << script.errors.first().toStdString();
        EXPECT_TRUE(w.findChild<QPushButton*>("openButton")->isEnabled());
        EXPECT_TRUE(bytesOf(device).isEmpty());
    }
}

// The port is a port name the station maps (COM1 to COM7, LPT1 to LPT4), never a
// path: what is typed or kept that is not one of them writes nowhere.
TEST(CashDrawer, ThePortIsAPortNameNeverAPath)
{
    TestStation st(false);
    QTemporaryDir dir;
    const QString device = devicePath(dir);
    mapPort(st, "COM7", device);
    {
        TForm1 w;
        auto* box = w.findChild<QComboBox*>("portCombo");
        ASSERT_TRUE(box);
        EXPECT_FALSE(box->isEditable());
        QStringList listed;
        for (int i = 0; i < box->count(); ++i)
            listed << box->itemText(i);
        EXPECT_EQ(listed, (QStringList{"COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7",
                                       "LPT1", "LPT2", "LPT3", "LPT4"}));
        w.setPort("com7");
        EXPECT_EQ(w.port(), "COM7");
    }

    const QString victim = dir.filePath("vitima.txt");
    writeBytes(victim, "intacto");
    const QString hostile[] = {
        victim, dir.filePath("nova.txt"), "c:\\Miltrex\\vavoz\\setup.INI", "../../etc/passwd", "/dev/null",
        "LPT5", "COM8", "COM0", "PRN", "LPT1; rm -rf /", "COM1'--", QString::fromUtf8("COM😀"), QString(300, 'L'),
    };
    for (const QString& port : hostile) {
        SCOPED_TRACE(port.toStdString());
        // Straight to the drawer: refused by name.
        try {
            drawer::open(drawer::gavImpressoraComum, port, drawer::commands().at(3));
            ADD_FAILURE() << "accepted";
        } catch (const std::runtime_error& e) {
            EXPECT_TRUE(QString::fromUtf8(e.what()).contains("Porta da gaveta")) << e.what();
        }
        // Through the window: the list does not take it, so no port is chosen.
        ScriptedDialogs script;
        TForm1 w;
        w.setModel(drawer::gavImpressoraComum);
        w.setPort(port);
        EXPECT_EQ(w.port(), "");
        w.setCommand(drawer::commands().at(3));
        w.openDrawer();
        ASSERT_EQ(script.errors.size(), 1);
        EXPECT_TRUE(script.errors.first().contains("Porta da gaveta")) << script.errors.first().toStdString();
    }
    EXPECT_EQ(bytesOf(victim), "intacto");
    EXPECT_FALSE(QFile::exists(dir.filePath("nova.txt")));
    EXPECT_TRUE(bytesOf(device).isEmpty());

    // An older station's gaveta.INI holding a path: the window opens with no port.
    st.writeFile(drawer::kSettingsFile, {"4", "-1", "gavImpressoraComum", victim, "3", "#027,v,#140 | Bematech"});
    TForm1 older;
    EXPECT_EQ(older.port(), "");
    EXPECT_EQ(older.model(), drawer::gavImpressoraComum);
}
