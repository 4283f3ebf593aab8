#pragma once

#include <list>
#include <memory>

#include "main_window/text_file.h"

namespace ws {

// The desktop's own opener for the file, xdg-open. It runs on
// when the program ends; an opener that ends with an error is told as soon as it does.
class QtEditor final : public Editor {
 public:
  QtEditor();
  ~QtEditor() override;
  QtEditor(const QtEditor&) = delete;
  QtEditor& operator=(const QtEditor&) = delete;

  std::optional<std::string> start(const std::string& path, Failed failed) override;
  // Whether some opener has not yet told how it ended.
  bool waiting() const { return !watches_.empty(); }

 private:
  struct Watch;
  void report(Watch* watch);

  std::list<std::unique_ptr<Watch>> watches_;
};

}  // namespace ws
