#pragma once
// Where the fixed elements of the table lie, in twips (15 twips are one pixel at 100 %).
// Elements inside a frame are placed relative to the frame.
namespace solo::layout {

struct Rect {
  int left, top, width, height;
};

constexpr int kTwipsPerPixel = 15;
// The client area the window shows: the table's width (the window is 14532 twips wide with
// its frame), and room below the lowest element.
constexpr int kTableWidth = 14400;
constexpr int kTableHeight = 10020;

// A card picture is 71 by 96 pixels; a gathered card lies sideways.
constexpr int kCardWidth = 71 * kTwipsPerPixel, kCardHeight = 96 * kTwipsPerPixel;

constexpr Rect kNameCaptions[4] = {{4800, 8160, 1296, 276}, {252, 1920, 888, 276}, {2040, 720, 948, 276}, {8160, 720, 792, 276}};
constexpr Rect kTrumpsCaption = {240, 9240, 792, 288};
constexpr Rect kTrumpsSign = {1320, 9120, 615, 495};
constexpr Rect kPlayedList = {11280, 240, 2892, 7584};
constexpr Rect kPointsPanel = {11040, 7920, 3255, 1932};
constexpr Rect PointsNameRect(int seat) { return {120, 360 + 360 * seat, 1335, 255}; }
constexpr Rect PointsRect(int seat) { return {1680, 360 + 360 * seat, 1455, 255}; }
constexpr Rect kBidPanel = {2400, 1080, 6012, 5532};
constexpr Rect kTrumpsPanel = {3720, 3120, 2895, 2205};
constexpr Rect kTrickArea = {2880, 2640, 5532, 3852};

}  // namespace solo::layout
