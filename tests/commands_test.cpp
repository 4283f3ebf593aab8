#include "main_window/commands.h"

#include <gtest/gtest.h>

#include <set>

namespace ws {
namespace {

TEST(MenuBar, HoldsEveryCommandOnceUnderItsMenuBetweenItsSeparators) {
  std::string menus;
  std::set<std::string_view> items;
  int separators = 0;
  for (const Menu& menu : menuBar()) {
    menus += std::string(menu.item) + ' ';
    for (const MenuEntry& entry : menu.entries) {
      EXPECT_TRUE(items.insert(entry.item).second) << entry.item;
      EXPECT_EQ(entry.command == nullptr, entry.item.starts_with("mnucizgi")) << entry.item;
      if (!entry.command) {
        EXPECT_EQ(entry.item, "mnucizgi" + std::to_string(++separators));
        continue;
      }
      EXPECT_EQ(entry.command, findCommand(entry.item));
      EXPECT_EQ(entry.command->available, entry.item != "mnuyanyanaondalıktoplamabil");
    }
  }
  EXPECT_EQ(menus, "mnutoplama mnuçıkarma mnucarpma mnubolme mnudiger ");
  EXPECT_EQ(separators, 4);
  EXPECT_EQ(allCommands().size(), 46u);
  EXPECT_EQ(items.size(), 50u);
}

// A command that forgets the picture question, or writes its answer where the page does not
// look, prints every sheet of that kind without its pictures or with pictures nobody asked for.
TEST(PageCommands, AskForPicturesExactlyWhereTheirPageReadsTheAnswer) {
  for (const Command* command : allCommands()) {
    SCOPED_TRACE(command->item);
    ASSERT_FALSE(command->questions.empty());
    EXPECT_EQ(command->questions.back().prompt, Prompt::Count);
    EXPECT_FALSE(command->questions.back().target);
    if (command->isTextSheet()) continue;
    std::optional<Field> asked;
    for (const Question& question : command->questions) {
      if (question.prompt == Prompt::Pictures) asked = question.target;
    }
    EXPECT_EQ(asked, pageDefinition(std::get<PageKind>(command->output)).pictureSwitch);
  }
}

}  // namespace
}  // namespace ws
