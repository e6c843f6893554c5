#include <gtest/gtest.h>

#include <string>

#include "app/model/ProgramOptions.h"
#include "enclosures/model/ComparisonStore.h"

namespace velomare {
namespace {

TEST(ProgramOptionsModel, ShortLabelsOfTheBoxTypesInBothLanguages) {
  const struct {
    int type;
    bool english;
    std::string label;
  } rows[] = {{0, false, "offen:"}, {1, true, "closed:"}, {2, true, "Reflex"}, {2, false, "BR:"},     {3, false, "BP 3.O.:"},
              {4, true, "6th O. BP:"}, {5, true, "-"},    {-1, false, "-"}};
  for (const auto& r : rows) EXPECT_EQ(BoxTypeShortLabel(r.type, r.english), r.label) << r.type << r.english;
}

TEST(ProgramOptionsModel, ASlotFlaggedExactlyHalfCountsAsEmpty) {
  ResetComparisonStore();
  ComparisonHeader header = {};
  header.BoxType = BoxType::Closed;
  header.DriverLabel = "A B";
  ASSERT_TRUE(StoreComparisonCurve(3, ComparisonLevels{}, header));
  EXPECT_EQ(ComparisonSlotText(3, false), "geschl.: A B");
  const_cast<ComparisonCurve&>(ComparisonCurveOf(3))[0] = 0.5;
  EXPECT_EQ(ComparisonSlotText(3, false), "   ");
  EXPECT_EQ(ComparisonSlotText(9, true), "   ");
  ResetComparisonStore();
}

TEST(ProgramOptionsModel, FastFilterStatusComparesTheBoxWithTheStoredValue) {
  EXPECT_STREQ(FastFilterStatusText(true, true, false), "schnelle Simulation (fast)");
  EXPECT_STREQ(FastFilterStatusText(false, false, true), "slow simulation");
  EXPECT_STREQ(FastFilterStatusText(false, true, false), "langsame Simulation nach speichern");
  EXPECT_STREQ(FastFilterStatusText(true, false, true), "fast simulation after save");
}

TEST(ProgramOptionsModel, ReadingTakesTheDefaultsForWordsAndUnknownColours) {
  const platform::IniFile ini("unused", platform::FileBytes{platform::ReadStatus::Ok,
                                                            "[Options]\r\nFastFilter=nein\r\nSaveFilter=-3\r\n"
                                                            "color=2\r\n[Info]\r\nSprache=english\r\n"});
  const ProgramOptions o = ReadProgramOptions(ini);
  EXPECT_TRUE(o.fastFilter);
  EXPECT_TRUE(o.saveFilter);  // any integer but 0 is true
  EXPECT_EQ(o.color, 2);
  EXPECT_EQ(o.language, "english");
  const platform::IniFile other("unused", platform::FileBytes{platform::ReadStatus::Ok, "[options]\r\ncolor=3\r\n"});
  EXPECT_EQ(ReadProgramOptions(other).color, 0);
}

}  // namespace
}  // namespace velomare
