#include "FullDisk.h"
#include "platform/LineFile.h"
#include "platform/Win1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

QString S(const char* utf8) { return QString::fromUtf8(utf8); }

QByteArray readAll(const QString& path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    return f.readAll();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

TEST(Win1252, EveryByteRoundTrips)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    const QString text = fromWin1252(all);
    ASSERT_EQ(text.size(), 256);
    bool lossless = false;
    EXPECT_EQ(toWin1252(text, &lossless), all);
    EXPECT_TRUE(lossless);
}

TEST(Win1252, KnownCharacters)
{
    const std::pair<QString, QByteArray> cases[] = {
        {S("Pão"), "\x50\xE3\x6F"},
        {S("€"), "\x80"},
        {S("Š"), "\x8A"},
        {S("Ÿ"), "\x9F"},
        {S("“ok”"), "\x93ok\x94"},
        {S("ÇÃÕÉ°ª"), "\xC7\xC3\xD5\xC9\xB0\xAA"},
        {QString(QChar(0x81)), "\x81"}, // unassigned byte, kept as the control character
        {QString(QChar(0x9D)), "\x9D"},
    };
    for (const auto& [text, bytes] : cases) {
        EXPECT_EQ(toWin1252(text), bytes) << text.toStdString();
        EXPECT_EQ(fromWin1252(bytes), text) << text.toStdString();
        EXPECT_TRUE(fitsWin1252(text)) << text.toStdString();
    }
}

TEST(Win1252, CharactersOutsideBecomeQuestionMarks)
{
    const std::pair<QString, QByteArray> cases[] = {
        {S("a日b"), "a?b"},
        {QString(QChar(0x80)), "?"}, // U+0080 has no byte: 0x80 is the euro sign
        {S("x😀y"), "x?y"},           // a surrogate pair is one character
        {S("Ā"), "?"},
    };
    for (const auto& [text, bytes] : cases) {
        bool lossless = true;
        EXPECT_EQ(toWin1252(text, &lossless), bytes) << text.toStdString();
        EXPECT_FALSE(lossless);
        EXPECT_FALSE(fitsWin1252(text));
    }
}

TEST(LineFileDecode, SplitsOnEveryLineEnd)
{
    const std::pair<QByteArray, QStringList> cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb\rc", {"a", "b", "c"}},
        {"\r\n", {""}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"a\n\r", {"a", ""}},
        {"a\r\r\n", {"a", ""}},
        {"  x  \t\r\n", {"  x  \t"}},
    };
    for (const auto& [bytes, lines] : cases)
        EXPECT_EQ(LineFile::decode(bytes), lines) << bytes.toStdString();
}

TEST(LineFileDecode, ByteOrderMarkChoosesTheEncoding)
{
    const std::pair<QByteArray, QStringList> cases[] = {
        {"P\xE3o\r\n\x80", {S("Pão"), S("€")}},
        {"\xEF\xBB\xBFP\xC3\xA3o\r\n\xE2\x82\xAC", {S("Pão"), S("€")}},
        {QByteArray("\xFF\xFEP\0\xE3\0o\0\r\0\n\0\xAC\x20", 14), {S("Pão"), S("€")}},
        {QByteArray("\xFE\xFF\0P\0\xE3\0o\0\n\x20\xAC", 12), {S("Pão"), S("€")}},
    };
    for (const auto& [bytes, lines] : cases)
        EXPECT_EQ(LineFile::decode(bytes), lines) << bytes.toHex().toStdString();
}

class LineFileOnDisk : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
};

TEST_F(LineFileOnDisk, SaveWritesWin1252WithCrLf)
{
    const QString file = path("setup.INI");
    LineFile::save(file, {S("Pão"), S("€ 5"), "", "  LPT1  "});
    EXPECT_EQ(readAll(file), QByteArray("\x50\xE3\x6F\r\n\x80 5\r\n\r\n  LPT1  \r\n"));

    const auto loaded = LineFile::load(file);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->count(), 4);
    EXPECT_EQ(loaded->line(0), S("Pão"));
    EXPECT_EQ(loaded->line(3), "  LPT1  ");
    EXPECT_EQ(loaded->line(4), "");
    EXPECT_EQ(loaded->line(100), "");
    EXPECT_EQ(loaded->line(-1), "");
}

TEST_F(LineFileOnDisk, SaveReplacesTheWholeFile)
{
    const QString file = path("fonte.INI");
    writeAll(file, "7\r\n14\r\nsobra\r\nsobra\r\n");
    LineFile::save(file, {"9"});
    EXPECT_EQ(readAll(file), QByteArray("9\r\n"));
    LineFile::save(file, {});
    EXPECT_EQ(readAll(file), QByteArray());
}

TEST_F(LineFileOnDisk, LoadReadsBomFiles)
{
    const QString file = path("utf8.INI");
    writeAll(file, "\xEF\xBB\xBF" "Caf\xC3\xA9\n10\n");
    const auto loaded = LineFile::load(file);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->lines(), (QStringList{S("Café"), "10"}));
}

TEST_F(LineFileOnDisk, MissingFileIsNotAnError)
{
    EXPECT_FALSE(LineFile::load(path("nao-existe.INI")));
}

TEST_F(LineFileOnDisk, FailuresNameTheFile)
{
    const QString sub = path("pasta");
    ASSERT_TRUE(QDir().mkpath(sub));
    try {
        LineFile::load(sub);
        FAIL() << "directory was read";
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(S(e.what()), S("Não foi possível ler o arquivo ") + sub);
    }
    const QString target = path("falta/setup.INI");
    try {
        LineFile::save(target, {"x"});
        FAIL() << "file without folder was written";
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(S(e.what()), S("Não foi possível gravar o arquivo ") + target);
    }
}

// A save that fails half-way (here the process may write no more than a few
// bytes to any file, as on a full disk) leaves the old file whole and no
// half-written file beside it.
TEST_F(LineFileOnDisk, InterruptedSaveLeavesTheOldFileWhole)
{
    const QString file = path("setup.INI");
    const QByteArray before("Tx Opcional\r\n10\r\n5,00\r\n");
    writeAll(file, before);
    const QStringList longer{S("Taxa de serviço da casa"), "12", "7,50", "S", "N", QString(200, 'x')};

    bool failed = false;
    {
        const FullDisk full(16);
        try {
            LineFile::save(file, longer);
        } catch (const std::runtime_error& e) {
            failed = true;
            EXPECT_EQ(S(e.what()), S("Não foi possível gravar o arquivo ") + file);
        }
    }

    EXPECT_TRUE(failed) << "a save cut short was reported as done";
    EXPECT_EQ(readAll(file), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"setup.INI"})
        << "the unfinished file was left behind";

    // Once the disk takes the bytes again, the same save goes through.
    LineFile::save(file, longer);
    EXPECT_EQ(LineFile::load(file)->lines(), longer);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"setup.INI"});
}

TEST_F(LineFileOnDisk, SaveKeepsPermissionsAndLinks)
{
    const QString file = path("portas.INI");
    writeAll(file, "LPT1\r\n");
    ASSERT_EQ(::chmod(QFile::encodeName(file).constData(), 0640), 0);
    LineFile::save(file, {"COM2"});
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(file).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);

    // A settings file that is a link to a shared one: the shared file changes,
    // the link stays.
    const QString shared = path("compartilhado.INI");
    const QString link = path("fonte.INI");
    writeAll(shared, "7\r\n6\r\n");
    ASSERT_TRUE(QFile::link(shared, link));
    LineFile::save(link, {"9", "8"});
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(readAll(shared), QByteArray("9\r\n8\r\n"));
}

} // namespace
