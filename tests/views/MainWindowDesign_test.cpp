#include "views/MainWindowDesign.h"

#include <gtest/gtest.h>

#include "link/LinkState.h"
#include "views/MainLayout.h"

namespace taviron {
namespace {

// A shortcut runs its command only while its menu item can be chosen: the item and its menu.
TEST(MainWindowDesignTest, ShortcutsFollowTheMenusOfTheLayout) {
  struct Row {
    int linkState;
    MenuCommand command;
    bool enabled;
  };
  const Row rows[] = {
      {kLinkConnected, MenuCommand::kRefresh, true},
      {kLinkDisconnect, MenuCommand::kRefresh, false},  // the View menu is disabled
      {kLinkConnected, MenuCommand::kFileSave, true},
      {kLinkCommunicationFailure, MenuCommand::kFileOpen, false},
      {kLinkDisconnect, MenuCommand::kConnect, true},
      {kLinkConnected, MenuCommand::kConnect, false},
      {kLinkDisconnect, MenuCommand::kClose, true},
      {kLinkDisconnect, MenuCommand::kAbout, true},
      {kLinkDisconnect, MenuCommand::kNone, false},
  };
  for (const Row& row : rows) {
    MainView view;
    ApplyLinkState(view, row.linkState);
    EXPECT_EQ(MenuCommandEnabled(view, row.command), row.enabled)
        << row.linkState << " " << static_cast<int>(row.command);
  }
}

}  // namespace
}  // namespace taviron
