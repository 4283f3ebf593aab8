#include <string>

#include "common/number_draw.h"
#include "pages/artwork.h"
#include "pages/page_units.h"

namespace ws {

namespace {

// Nine blank clock faces, three by three, each with the time to draw written under it.
constexpr int kColumnLefts[] = {720, 4080, 7440};
constexpr int kRowTops[] = {720, 4560, 8400};
constexpr int kClocks = 9;
constexpr int kFaceWidth = 2535;
constexpr int kFaceHeight = 2685;
constexpr int kTimeDrop = 2760;  // from the top of a face to its time

constexpr double kHourBound = 100;
constexpr double kMinuteBound = 10;
constexpr double kMinuteStep = 5;

// The sheet kind comes as a word; anything but these two is the ordinary clock sheet.
enum class Mode { Normal, FullHours, FullHalfQuarter };

Mode modeOf(const std::string& word) {
  if (word == "TAM") return Mode::FullHours;
  if (word == "TAMYARIMCEYREK") return Mode::FullHalfQuarter;
  return Mode::Normal;
}

Page design() {
  Page page = blankPage(PageKind::Form9);

  page.texts.push_back(caption("Label1", kSingle, {480, 120, 9735, 375},
                               "ALTLARINDA YAZAN SAATLERİ ÇİZEREK GÖSTER."));

  for (int k = 0; k < kClocks; ++k) {
    const int left = kColumnLefts[k % 3];
    const int top = kRowTops[k / 3];
    page.pictures.push_back(
        picture("Picture1", k, artwork::kClockFace, {left, top, kFaceWidth, kFaceHeight}, false));

    const int timeTop = top + kTimeDrop;
    page.texts.push_back(numberCell("Label2", k, {left, timeTop, 1095, 495}, Align::Right));
    page.texts.push_back(caption("Label3", k, {left + 1080, timeTop, 255, 495}, ":"));
    page.texts.push_back(numberCell("Label4", k, {left + 1320, timeTop, 1215, 495}, Align::Left));
  }
  return page;
}

bool acceptableHour(double hour, Mode mode) {
  if (hour > 23) return false;
  if (mode == Mode::FullHours && (hour > 12 || hour == 0)) return false;
  return true;
}

bool acceptableMinute(double minute, Mode mode) {
  return mode != Mode::FullHalfQuarter || minute == 0 || minute == 15 || minute == 30 ||
         minute == 45;
}

// Minutes under ten keep their leading zero, as a clock shows them; hours do not.
std::string minuteText(double minute, const NumberText& numbers) {
  if (minute == 5) return "05";
  if (minute == 0) return "00";
  return numbers.caption(minute);
}

void draw(Page& page, const LoadContext& context) {
  const Mode mode = modeOf(context.block.get(Field::Label1));
  for (int k = 0; k < kClocks; ++k) {
    // Hours are drawn from 0 to 100 and redrawn until they fit the sheet kind.
    double hour;
    do {
      hour = drawNumber(context.random, kHourBound);
    } while (!acceptableHour(hour, mode));
    page.text("Label2", k).caption = context.numbers.caption(hour);

    if (mode == Mode::FullHours) {
      page.text("Label4", k).caption = "00";
      continue;
    }
    double minute;
    do {
      minute = drawNumber(context.random, kMinuteBound) * kMinuteStep;
    } while (!acceptableMinute(minute, mode));
    page.text("Label4", k).caption = minuteText(minute, context.numbers);
  }
}

}  // namespace

PageDefinition form9Definition() { return {PageKind::Form9, design, std::nullopt, draw}; }

}  // namespace ws
