#pragma once

#include <span>
#include <string_view>

// The pages' pictures, drawn as SVG in pictures/ and compiled in as Qt resources. Each name is the
// resource's base name: the file is ":/pictures/<name>.svg". Every SVG's view box is the picture's
// pixel size and a page stretches it to its box; the drawing inside is made for that box's shape,
// so it comes out undistorted on the sheet.
namespace ws::artwork {

inline constexpr std::string_view kResourcePrefix = ":/pictures/";
inline constexpr std::string_view kResourceSuffix = ".svg";

inline constexpr std::string_view kForm2Image1 = "form2_image1";
inline constexpr std::string_view kForm2Image2 = "form2_image2";
inline constexpr std::string_view kForm3Image1 = "form3_image1";
inline constexpr std::string_view kForm3Image2 = "form3_image2";
inline constexpr std::string_view kForm4Image1 = "form4_image1";
inline constexpr std::string_view kForm5Image1 = "form5_image1";
inline constexpr std::string_view kForm6Image1 = "form6_image1";
inline constexpr std::string_view kForm6Image2 = "form6_image2";
inline constexpr std::string_view kForm7Image1 = "form7_image1";
inline constexpr std::string_view kForm8Image1 = "form8_image1";
inline constexpr std::string_view kForm8Image2 = "form8_image2";
// All nine clock faces of Form9 (Picture1(0) to Picture1(8)) show this one picture, the one the
// painter draws itself (pages/clock_face.h) rather than from a file.
inline constexpr std::string_view kClockFace = "clock_face";
inline constexpr std::string_view kForm10Image1 = "form10_image1";
// The shape-pattern page shows the number-pattern page's picture.
inline constexpr std::string_view kForm11Image1 = kForm10Image1;
inline constexpr std::string_view kForm13Image1_0 = "form13_image1_0";
inline constexpr std::string_view kForm13Image1_1 = "form13_image1_1";
inline constexpr std::string_view kForm14Image1_0 = "form14_image1_0";
inline constexpr std::string_view kForm14Image1_1 = "form14_image1_1";
inline constexpr std::string_view kForm16Image1_0 = "form16_image1_0";
inline constexpr std::string_view kForm16Image1_1 = "form16_image1_1";
inline constexpr std::string_view kForm18Image1_0 = "form18_image1_0";
inline constexpr std::string_view kForm18Image2 = "form18_image2";
// The decimal subtraction page is the decimal addition page's twin, pictures included.
inline constexpr std::string_view kForm19Image1_0 = kForm18Image1_0;
inline constexpr std::string_view kForm19Image2 = kForm18Image2;

// The program's icon: one drawing that reads at 16 x 16 and at 32 x 32 pixels.
inline constexpr std::string_view kIcon = "icon";

struct Slot {
  std::string_view page;
  std::string_view control;
  std::string_view name;
  int pixelWidth;
  int pixelHeight;
};

inline constexpr Slot kSlots[] = {
    {"Form2", "Image1", kForm2Image1, 507, 350},
    {"Form2", "Image2", kForm2Image2, 542, 706},
    {"Form3", "Image1", kForm3Image1, 559, 723},
    {"Form3", "Image2", kForm3Image2, 572, 677},
    {"Form4", "Image1", kForm4Image1, 638, 744},
    {"Form5", "Image1", kForm5Image1, 706, 994},
    {"Form6", "Image1", kForm6Image1, 800, 600},
    {"Form6", "Image2", kForm6Image2, 400, 300},
    {"Form7", "Image1", kForm7Image1, 600, 800},
    {"Form8", "Image1", kForm8Image1, 800, 600},
    {"Form8", "Image2", kForm8Image2, 800, 600},
    {"Form9", "Picture1", kClockFace, 169, 179},
    {"Form10", "Image1", kForm10Image1, 688, 994},
    {"Form11", "Image1", kForm11Image1, 688, 994},
    {"Form13", "Image1(0)", kForm13Image1_0, 770, 768},
    {"Form13", "Image1(1)", kForm13Image1_1, 871, 762},
    {"Form14", "Image1(0)", kForm14Image1_0, 1024, 768},
    {"Form14", "Image1(1)", kForm14Image1_1, 400, 263},
    {"Form16", "Image1(0)", kForm16Image1_0, 616, 600},
    {"Form16", "Image1(1)", kForm16Image1_1, 475, 475},
    {"Form18", "Image1(0)", kForm18Image1_0, 770, 768},
    {"Form18", "Image2", kForm18Image2, 572, 677},
    {"Form19", "Image1(0)", kForm19Image1_0, 770, 768},
    {"Form19", "Image2", kForm19Image2, 572, 677},
};

// Every picture place of every page, with the pixel size its picture is drawn at.
inline std::span<const Slot> allSlots() { return kSlots; }

}  // namespace ws::artwork
