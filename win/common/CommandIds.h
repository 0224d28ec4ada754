#pragma once

#include "views/MainWindowDesign.h"

namespace taviron {

// The identifier of a menu command in the main window's menu, shortcuts and toolbar.
inline constexpr int kFirstCommandId = 1000;
inline constexpr int kLastCommandId = kFirstCommandId + static_cast<int>(MenuCommand::kAbout);

inline int CommandId(MenuCommand command) {
  return kFirstCommandId + static_cast<int>(command);
}
inline bool IsCommandId(int id) {
  return id > kFirstCommandId && id <= kLastCommandId;
}
inline MenuCommand CommandOfId(int id) {
  return static_cast<MenuCommand>(id - kFirstCommandId);
}

}  // namespace taviron
