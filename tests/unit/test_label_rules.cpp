// The rules of the label sheets and the mailing labels that need no database.
#include "labels/BarcodeLabels.h"
#include "labels/MailingLabels.h"

#include <gtest/gtest.h>

namespace {
QString S(const char* text) { return QString::fromUtf8(text); }
}

TEST(LabelRules, CopyChoicesAndTheirCounts)
{
    const QStringList choices = labeltext::copyChoices();
    ASSERT_EQ(choices.size(), 16);
    EXPECT_EQ(choices.first(), S("01 de cada"));
    EXPECT_EQ(choices.at(1), S("04 de cada"));
    EXPECT_EQ(choices.at(2), S("08 de cada"));
    EXPECT_EQ(choices.last(), S("60 de cada"));
    for (int i = 0; i < choices.size(); ++i)
        EXPECT_EQ(BarcodeLabels::copiesOf(i), choices.at(i).left(2).toInt()) << i;
}

TEST(LabelRules, MailingValuesTakeTheirDefaultsWhenNotAWholeNumberWithinAPage)
{
    struct Case { const char* typed; int height; int margin; int filter; };
    const Case cases[] = {
        {"95", 95, 95, 95},       {" 120 ", 120, 7, 120},   {"abc", 95, 7, 0},
        {"", 95, 7, 0},           {"1e20", 95, 7, 0},       {"-5", 95, 7, 0},
        {"0", 95, 0, 0},          {"99999999999", 95, 7, 0}, {"'; delete from clientes", 95, 7, 0},
        {"12,5", 95, 7, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(MailingLabels::labelHeight(S(c.typed)), c.height);
        EXPECT_EQ(MailingLabels::topMargin(S(c.typed)), c.margin);
        EXPECT_EQ(MailingLabels::filterValue(S(c.typed)), c.filter);
    }
}
