#pragma once

#include <QString>
#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace orvosal {

class Session;

// One command of the desktop's menus. Each area contributes its entries to the registry from the
// file that owns the command (a contribute...Menu function next to its window), and the main
// window builds its menu bar from the registry, so that it does not grow with every area.
struct MenuEntry {
  QString menu;       // the menu of the menu bar, with its accelerator: "&Datei", "E&xtras"
  QString name;       // the action's object name: "mnuBenutzerverwaltung"
  QString caption;    // as the menu shows it
  std::string right;  // a right column of `Benutzer` the user must hold; empty when none is needed
  std::function<void(Session& session, QWidget* window)> run;
};

class MenuRegistry {
 public:
  void add(MenuEntry entry) { entries_.push_back(std::move(entry)); }
  // In the order of contribution; menus appear in the order of their first entry.
  const std::vector<MenuEntry>& entries() const { return entries_; }

 private:
  std::vector<MenuEntry> entries_;
};

// The entries that every area of the program contributes.
const MenuRegistry& desktopMenus();

}  // namespace orvosal
