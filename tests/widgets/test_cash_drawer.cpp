// "Abrir Gaveta": model, port and command string drive the drawer through the
// port; gaveta.INI keeps its six lines.
#include "ReportReading.h"
#include "ScriptedDialogs.h"
#include "TestStation.h"
#include "cash/CashDrawer.h"
#include "cash/GAVTeste1.h"

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

} // namespace

TEST(CashDrawer, EachCommandStringReachesThePortAsItsBytes)
{
    TestStation st(false);
    QTemporaryDir dir;
    const QString device = devicePath(dir);
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
        w.setPort(device);
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
    struct Case { int model; QString port; QString command; const char* error; };
    const std::vector<Case> cases = {
        {drawer::gavNenhuma, device, drawer::commands().at(3), "Modelo de gaveta"},
        {drawer::gavImpressoraECF, device, drawer::commands().at(3), "fiscal"},
        {drawer::gavImpressoraComum, device, "#999", "Comando da gaveta"},
        {drawer::gavImpressoraComum, device, "#027,vv,#140", "Comando da gaveta"},
        {drawer::gavImpressoraComum, device, "'; drop table x; --", "Comando da gaveta"},
        {drawer::gavImpressoraComum, device, QString::fromUtf8("#027,😀"), "Comando da gaveta"},
        {drawer::gavImpressoraComum, device, "", "Comando da gaveta"},
        {drawer::gavImpressoraComum, "", "#254", "Porta"},
        {drawer::gavImpressoraComum, dir.filePath("nao/existe"), "#254", "Não foi possível abrir"},
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
