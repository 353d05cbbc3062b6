#include <gtest/gtest.h>

#include "platform/dialog_template.h"
#include "platform/text_format.h"

namespace {

TEST(DialogUnits, MapEachEdgeWithRounding) {
  // The summary page template, 323 x 151 units.
  EXPECT_EQ(platform::DialogUnitsToPixelsX(323), 485);
  EXPECT_EQ(platform::DialogUnitsToPixelsY(151), 245);
  EXPECT_EQ(platform::DialogUnitsToPixels(135, 4, 179, 28), (platform::Rect{203, 7, 471, 52}));
}

TEST(Format, PrintfFormatsAndLongOutput) {
  EXPECT_EQ(platform::Format("%% n = %d (length of message) %%\n", 5),
            "% n = 5 (length of message) %\n");
  EXPECT_EQ(platform::Format("%s", std::string(5000, 'x').c_str()).size(), 5000u);
  EXPECT_EQ(platform::Format("%s", ""), "");
}

}  // namespace
