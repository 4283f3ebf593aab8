#include <array>
#include <cassert>

#include "pages/page_kind.h"
#include "pages/page_units.h"

namespace ws {

namespace {

struct Window {
  const char* form;
  const char* printItem;
  int clientWidth;
};

// The common worksheet window of each kind, in the order of PageKind.
constexpr std::array<Window, kPageKindCount> kWindows{{
    {"Form2", "mnuyazdır", 10380},
    {"Form3", "nuyazdır", 10380},
    {"Form4", "nuyazdır", 10380},
    {"Form5", "mnuyazdır", 10380},
    {"Form6", "mnuyazdır", 10875},
    {"Form7", "mnuyazdır", 10380},
    {"Form8", "mnuyazdır", 10875},
    {"Form9", "nuyazdır", 10875},
    {"Form10", "mnuyazdır", 10875},
    {"Form11", "mnuyazdır", 10875},
    {"Form12", "mnuyazdır", 10875},
    {"Form13", "mnuyazdır", 10875},
    {"Form14", "mnuyazdır", 10875},
    {"Form15", "mnuyazdır", 10875},
    {"Form16", "mnuyazdır", 10875},
    {"Form17", "mnuyazdır", 10875},
    {"Form18", "mnuyazdır", 10875},
    {"Form19", "mnuyazdır", 10875},
}};

}  // namespace

std::string_view formName(PageKind kind) { return kWindows[static_cast<int>(kind)].form; }

Page blankPage(PageKind kind) {
  const Window& window = kWindows[static_cast<int>(kind)];
  Page page;
  page.form = window.form;
  page.printItem = window.printItem;
  page.clientWidth = window.clientWidth;
  page.clientHeight = 12150;
  return page;
}

const PageDefinition& pageDefinition(PageKind kind) {
  static const std::array<PageDefinition, kPageKindCount> definitions{
      form2Definition(),  form3Definition(),  form4Definition(),  form5Definition(),
      form6Definition(),  form7Definition(),  form8Definition(),  form9Definition(),
      form10Definition(), form11Definition(), form12Definition(), form13Definition(),
      form14Definition(), form15Definition(), form16Definition(), form17Definition(),
      form18Definition(), form19Definition(),
  };
  const PageDefinition& definition = definitions[static_cast<int>(kind)];
  assert(definition.kind == kind);
  return definition;
}

}  // namespace ws
