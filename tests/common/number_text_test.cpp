#include <gtest/gtest.h>
#include "common/NumberText.h"
using namespace velomare;
TEST(NumberText, Placeholder) { EXPECT_EQ(IsNumberText("0"), -1); }
