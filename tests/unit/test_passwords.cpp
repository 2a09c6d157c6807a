// Passwords as the database keeps them: salted digests of the upper-cased text.
#include "shell/Credentials.h"

#include <gtest/gtest.h>

TEST(Passwords, ADigestMatchesThePasswordWhateverItsCaseAndNothingElse)
{
    const QString stored = passwords::digest(QStringLiteral("Senha1"));
    EXPECT_TRUE(passwords::isDigest(stored)) << stored.toStdString();
    EXPECT_FALSE(stored.contains(QLatin1String("SENHA1"), Qt::CaseInsensitive));
    EXPECT_LE(stored.size(), 100);   // the width of MILTREX.SENHA and VENDEDOR.CEP
    struct Case { const char* typed; bool matches; };
    const Case cases[] = {
        {"Senha1", true}, {"SENHA1", true}, {"senha1", true}, {"  senha1 ", true},
        {"senha2", false}, {"", false}, {"senha1x", false}, {"Senha", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(passwords::matches(QString::fromUtf8(c.typed), stored), c.matches) << c.typed;
    // Salted: the same password never gives the same text twice.
    EXPECT_NE(passwords::digest(QStringLiteral("Senha1")), stored);
}

TEST(Passwords, NoPasswordStaysEmptyAndOlderRowsAreComparedAsBefore)
{
    EXPECT_TRUE(passwords::digest(QStringLiteral("   ")).isEmpty());
    EXPECT_TRUE(passwords::matches(QString(), QString()));
    EXPECT_TRUE(passwords::matches(QStringLiteral(" "), QString()));
    EXPECT_FALSE(passwords::matches(QStringLiteral("1"), QString()));
    // A row a station of an older version wrote as typed, until the next start converts it.
    EXPECT_TRUE(passwords::matches(QStringLiteral("abc"), QStringLiteral("ABC")));
    EXPECT_FALSE(passwords::matches(QStringLiteral("abd"), QStringLiteral("ABC")));
}

TEST(Passwords, AnythingButAWellFormedDigestIsNoDigest)
{
    const QString good = passwords::digest(QStringLiteral("1234"));
    QString tampered = good;
    tampered[tampered.size() - 2] = tampered.at(tampered.size() - 2) == u'A' ? u'B' : u'A';
    EXPECT_FALSE(passwords::matches(QStringLiteral("1234"), tampered));
    for (const char* text : {"1234", "pbkdf2-sha256$", "pbkdf2-sha256$x$y$z", "pbkdf2-sha256$0$AAAA$AAAA",
                             "md5$1$aa$bb", "pbkdf2-sha256$20000$$"}) {
        EXPECT_FALSE(passwords::isDigest(QString::fromLatin1(text))) << text;
    }
}
