#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>
#include <functional>
#include <vector>

namespace strumix {

class Document;
class MainWindow;
class ToolPalette;
class UserFlows;

// One entry of the menu bar, in order: a menu (`kind` Menu, opened under `parent`, or on the bar
// when `parent` is empty), an item, or a separator, each with the name it is known by.
struct MenuEntry {
    enum class Kind { Menu, Item, Separator };
    Kind kind = Kind::Item;
    const char* parent = "";
    const char* name = "";
    const char* text = "";
    QList<QKeySequence> shortcuts;
    // The help context number of a menu (or an item that has its own); 0 for none.
    int help = 0;
    bool checkable = false;
    bool checked = false;
    // Items that exclude each other share a group name.
    const char* group = "";
    // What choosing the item does (its check state, for a checkable one).
    std::function<void(bool checked)> run;
};

// The whole menu bar, every entry with what it runs: the one place the menus are made and
// wired.
std::vector<MenuEntry> main_menus(MainWindow& window, ToolPalette& tools, Document& document,
                                  UserFlows& flows);

}  // namespace strumix
