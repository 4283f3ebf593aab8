#pragma once

// Test doubles for the core's interfaces to the outside world.

#include <deque>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "main_window/command_runner.h"
#include "main_window/questions.h"
#include "main_window/text_file.h"
#include "pages/hand_over.h"

namespace ws::test {

// Answers questions from a script and records what was asked. A missing answer
// is a test failure, not a silent cancel.
class ScriptedQuestioner final : public Questioner {
 public:
  struct Asked {
    std::string prompt, title, defaultAnswer;
  };

  explicit ScriptedQuestioner(std::vector<std::string> answers = {})
      : answers_(answers.begin(), answers.end()) {}

  void script(std::vector<std::string> answers) { answers_.assign(answers.begin(), answers.end()); }

  std::string ask(std::string_view prompt, std::string_view title,
                  std::string_view defaultAnswer) override {
    asked.push_back({std::string(prompt), std::string(title), std::string(defaultAnswer)});
    if (answers_.empty()) throw std::logic_error("unexpected question: " + std::string(prompt));
    std::string answer = std::move(answers_.front());
    answers_.pop_front();
    return answer;
  }

  std::vector<Asked> asked;

 private:
  std::deque<std::string> answers_;
};

class RecordingMessages final : public Messages {
 public:
  void warn(std::string_view title, std::string_view text) override {
    shown.emplace_back(std::string(title), std::string(text));
  }
  std::vector<std::pair<std::string, std::string>> shown;
};

class RecordingPrinter final : public PagePrinter {
 public:
  void print(const Page& page) override {
    printed.push_back(page);
    printedInBatch += inBatch;
  }
  void beginBatch() override {
    ++batches;
    inBatch = true;
  }
  void endBatch() override { inBatch = false; }

  std::vector<Page> printed;
  int batches = 0, printedInBatch = 0;
  bool inBatch = false;
};

// The text file and its editor, in memory: the lines a sheet wrote, how often the file was
// opened and the editor started.
class TextInMemory : public TextFile, public Editor {
 public:
  std::string path() const override { return "ruvakto.txt"; }
  std::optional<TextFileFault> open() override {
    ++opened;
    return std::nullopt;
  }
  void writeLine(std::string_view line) override { lines.emplace_back(line); }
  std::optional<TextFileFault> close() override { return std::nullopt; }
  std::optional<std::string> start(const std::string&, Failed) override {
    ++editors;
    return std::nullopt;
  }

  std::vector<std::string> lines;
  int opened = 0, editors = 0;
};

// Page windows without a screen: remembers which page of each kind stands open.
class RecordingPageHost final : public PageHost {
 public:
  bool isOpen(PageKind kind) const override { return open.count(kind) > 0; }
  void unload(PageKind kind) override {
    open.erase(kind);
    ++unloads;
  }
  void show(PageKind kind, Page page) override { open.insert_or_assign(kind, std::move(page)); }

  std::map<PageKind, Page> open;
  int unloads = 0;
};

}  // namespace ws::test
