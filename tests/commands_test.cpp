#include "main_window/commands.h"

#include <gtest/gtest.h>

namespace ws {
namespace {

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
