// The window registry and what the README says of it: the windows that no menu or
// control opens are the README's list, word for word, and no ribbon has a button
// for one of them.
#include "app/ProgramWindows.h"
#include "sales/SalesRibbon.h"
#include "shell/Ribbon.h"
#include "shell/WindowRegistry.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

// The class names the README's section "Windows that no menu opens" lists: the
// first name in backticks of each item of the list.
QStringList readmeNoMenuList()
{
    QFile readme(QStringLiteral(SABREL22_SOURCE_DIR "/README.md"));
    if (!readme.open(QIODevice::ReadOnly | QIODevice::Text)) {
        ADD_FAILURE() << "README.md not read";
        return {};
    }
    const QStringList lines = QString::fromUtf8(readme.readAll()).split(QLatin1Char('\n'));
    const QRegularExpression item(QStringLiteral("^- `(TForm\\w+)`"));
    QStringList names;
    bool inSection = false;
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1Char('#'))) {
            inSection = line == QLatin1String("### Windows that no menu opens");
            continue;
        }
        if (const QRegularExpressionMatch m = item.match(line); inSection && m.hasMatch())
            names << m.captured(1);
    }
    names.sort();
    return names;
}

} // namespace

TEST(WindowRegistry, TheReadmeListsEveryWindowNoMenuOpens)
{
    registerProgramWindows();
    const QStringList registered = windows::namesNoMenuOpens();
    const QStringList listed = readmeNoMenuList();
    ASSERT_FALSE(listed.isEmpty()) << "the README's section has no list";
    EXPECT_EQ(listed, registered) << "README: " << listed.join(QLatin1Char(' ')).toStdString()
                                  << "\nregistry: " << registered.join(QLatin1Char(' ')).toStdString();

    QSet<QString> onRibbons;
    for (const ribbon::Button& b : ribbon::buttons())
        onRibbons << QString::fromLatin1(b.opens);
    for (const salesribbon::Button& b : salesribbon::buttons())
        onRibbons << QString::fromLatin1(b.opens);
    for (const QString& name : registered) {
        EXPECT_TRUE(windows::isRegistered(name)) << name.toStdString();
        EXPECT_FALSE(onRibbons.contains(name)) << name.toStdString() << " has a ribbon button";
    }
}
