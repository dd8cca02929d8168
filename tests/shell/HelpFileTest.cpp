#include <gtest/gtest.h>

#include "shell/HelpFile.h"

// A topic number given twice (the later text replaces the earlier) is one
// entry of the contents and one place Find lists, not two.
TEST(HelpFileTest, ATopicNumberGivenTwiceIsListedAndFoundOnce) {
    const HelpFile help = HelpFile::parse(QStringLiteral(
        "== Start\n@1 First\nOld words.\n@2 Other\nMore words.\n@1 Again\nNew words.\n"));
    ASSERT_EQ(help.sections().size(), 1u);
    EXPECT_EQ(help.sections()[0].topics, (std::vector<int>{1, 2}));
    EXPECT_EQ(help.find(QStringLiteral("words")), (std::vector<int>{1, 2}));
    EXPECT_EQ(help.topic(1)->title, QStringLiteral("Again"));
}
