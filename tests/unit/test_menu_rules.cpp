// The rules of the digital menu and the tables' QR cards that need no database.
#include "menu/DigitalMenu.h"
#include "menu/TableQrCard.h"

#include <gtest/gtest.h>

namespace {
QString S(const char* text) { return QString::fromUtf8(text); }
}

TEST(DigitalMenuRules, TheMemoBecomesLinesEachEndedByCrLfAndComesBackTheSame)
{
    struct Case { const char* memo; const char* stored; };
    const Case cases[] = {
        {"", ""},
        {"Arroz e feijão", "Arroz e feijão\r\n"},                      // 14 characters stored as 16
        {"Arroz\nFeijão\nFarofa", "Arroz\r\nFeijão\r\nFarofa\r\n"},
        {"Arroz\n", "Arroz\r\n"},                                        // the last break ends the line
        {"Arroz\n\n", "Arroz\r\n\r\n"},
        {"\n", "\r\n"},
        {"Arroz\r\nFeijão", "Arroz\r\nFeijão\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.memo);
        const QString stored = DigitalMenu::descriptionOf(S(c.memo));
        EXPECT_EQ(stored, S(c.stored));
        EXPECT_EQ(DigitalMenu::descriptionOf(DigitalMenu::memoTextOf(stored)), stored);
    }
    EXPECT_EQ(DigitalMenu::descriptionOf(S("Arroz e feijão")).size(), 16);
}

TEST(DigitalMenuRules, PictureFilesAndOptions)
{
    EXPECT_EQ(DigitalMenu::groupPictureFile(31), S("C:\\Miltrex\\webserver\\www\\cardapio\\image\\grupo31.jpg"));
    EXPECT_EQ(DigitalMenu::productPictureFile(S("000123")),
              S("C:\\Miltrex\\webserver\\www\\cardapio\\image\\card000123.jpg"));
    for (const char* code : {"", "  ", "12/3", "..\\x", "a:b", ".oculto"})
        EXPECT_TRUE(DigitalMenu::productPictureFile(S(code)).isEmpty()) << code;
    EXPECT_EQ(DigitalMenu::logoFile(), S("C:\\Miltrex\\webserver\\www\\cardapio\\image\\logo.jpg"));
    EXPECT_EQ(DigitalMenu::optionsOf(false, false), 0);
    EXPECT_EQ(DigitalMenu::optionsOf(true, false), 1);
    EXPECT_EQ(DigitalMenu::optionsOf(false, true), 2);
    EXPECT_EQ(DigitalMenu::optionsOf(true, true), 3);
}

TEST(TableQrCardRules, TheAddressUsesTheTableAsTyped)
{
    EXPECT_EQ(TableQrCard::tableAddress(S("192.168.0.10"), S("7")), S("http://192.168.0.10/cardapio.php?mesa=7"));
    EXPECT_EQ(TableQrCard::tableAddress(S("192.168.0.10"), S("007")), S("http://192.168.0.10/cardapio.php?mesa=007"));
    EXPECT_EQ(TableQrCard::tableAddress(S("192.168.0.10"), S("")), S("http://192.168.0.10/cardapio.php?mesa="));
    EXPECT_EQ(TableQrCard::networkLine({S("1.2.3.4"), S("Bar do Zé"), S("s3nh@")}), S("Rede : Bar do Zé  Senha : s3nh@"));
}
