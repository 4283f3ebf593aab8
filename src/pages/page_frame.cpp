#include "pages/page_frame.h"

namespace ws {

Page drawPage(PageKind kind, const LoadContext& context) {
  const PageDefinition& definition = pageDefinition(kind);
  Page page = definition.design();
  if (definition.pictureSwitch) {
    // Only a single capital E shows the pictures: "e", " E" and "Evet" hide them.
    const bool show = context.block.get(*definition.pictureSwitch) == "E";
    for (Picture& picture : page.pictures) {
      if (picture.switched) picture.visible = show;
    }
  }
  definition.draw(page, context);
  return page;
}

PageFrame::PageFrame(LoadContext context, PagePrinter& printer,
                     std::function<void()> bringMainWindowToFront)
    : context_(context),
      printer_(printer),
      bringMainWindowToFront_(std::move(bringMainWindowToFront)) {}

Page PageFrame::load(PageKind kind) {
  Page page = drawPage(kind, context_);
  if (context_.numbers.read(context_.block.get(Field::Label9)) != 1) {
    printer_.print(page);
    if (bringMainWindowToFront_) bringMainWindowToFront_();
  }
  return page;
}

}  // namespace ws
