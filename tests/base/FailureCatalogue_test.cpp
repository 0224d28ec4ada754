// The failure catalogue as a whole: every entry is shaped as the log and the windows need it.
#include "base/FailureCatalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>

namespace taviron::test {
namespace {

bool EndsWithLineEnd(std::string_view text) {
  return text.size() >= 2 && text.substr(text.size() - 2) == "\r\n";
}

TEST(FailureCatalogueTest, EveryEntryIsWhole) {
  for (const Failure* f : failure::kAll) {
    const std::string name = std::to_string(f->code) + " " + std::string(f->box);
    // A box has its caption, and a caption its box.
    EXPECT_EQ(f->box.empty(), f->caption.empty()) << name;
    if (f->code == 0) {
      // Without a code nothing is logged: such a failure is a box only.
      EXPECT_TRUE(f->log.empty() && !f->withCommError) << name;
      EXPECT_FALSE(f->box.empty()) << name;
      continue;
    }
    // Eight digits, "10" first; a message after the code, whose line end the line-error text
    // brings or which carries its own.
    EXPECT_EQ(f->code / 1000000, 10u) << name;
    EXPECT_FALSE(f->log.empty()) << name;
    if (!f->withCommError) {
      EXPECT_TRUE(EndsWithLineEnd(f->log)) << name;
    }
    // Only a failure with a box can show it between its two log writes.
    if (f->order == BoxOrder::kBetweenCodeAndMessage) {
      EXPECT_FALSE(f->box.empty()) << name;
    }
  }
}

TEST(FailureCatalogueTest, TheKindGivesTheToolsExitStatus) {
  EXPECT_EQ(ExitStatusOf(FailureKind::kLink), 1);
  EXPECT_EQ(ExitStatusOf(FailureKind::kRefused), 1);
  EXPECT_EQ(ExitStatusOf(FailureKind::kInput), 2);
  EXPECT_EQ(ExitStatusOf(FailureKind::kFile), 3);
  // The files the operator names (configuration and firmware files) count as files, and the
  // MAC address typed by hand as input.
  const std::uint32_t kFileCodes[] = {10110128, 10110129, 10110130, 10110131, 10110133,
                                      10230610, 10230680, 10230681, 10230682, 10230683};
  for (const Failure* f : failure::kAll) {
    if (f->code == 0) continue;
    bool file =
        std::find(std::begin(kFileCodes), std::end(kFileCodes), f->code) != std::end(kFileCodes);
    bool input = f->code == 10110303 || f->code == 10110304;
    EXPECT_EQ(f->kind == FailureKind::kFile, file) << f->code;
    EXPECT_EQ(f->kind == FailureKind::kInput, input) << f->code;
  }
}

}  // namespace
}  // namespace taviron::test
