#include "views/MainWindowDesign.h"

namespace taviron {

bool MenuCommandEnabled(const MainView& view, MenuCommand command) {
  if (command == MenuCommand::kNone) return false;  // a separator
  for (const MenuDesign& menu : kMainMenu) {
    for (const MenuItemDesign& item : menu.items) {
      if (item.command != command) continue;
      return (menu.enabled == nullptr || view.*menu.enabled) &&
             (item.enabled == nullptr || view.*item.enabled);
    }
  }
  return false;
}

}  // namespace taviron
