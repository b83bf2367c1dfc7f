// Finding a model by a name typed with other letter case, blanks or a typing error.
#include "core/ModelName.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

TEST(ModelNameSuggestTest, OnlyCloseNamesAreSuggested)
{
    EXPECT_EQ(SuggestModelName("NYSSA A"), "Nyssa  A");
    EXPECT_EQ(SuggestModelName("  wexa\t3 "), "Wexa  3");
    // Equally close to W1, W2, W3 and WT: the first in catalogue order.
    EXPECT_EQ(SuggestModelName("Kelda W9"), "Kelda W1");
    EXPECT_EQ(SuggestModelName("Dovra 12X"), "Dovra 12");
    EXPECT_EQ(SuggestModelName("Pelm"), "");
    EXPECT_EQ(SuggestModelName("Projector"), "");
    EXPECT_EQ(SuggestModelName("   "), "");
    // Far longer than any name: no hint (and no edit distances over megabytes).
    EXPECT_EQ(SuggestModelName("Kelda W1" + std::string(1 << 20, 'x')), "");
}

} // namespace
