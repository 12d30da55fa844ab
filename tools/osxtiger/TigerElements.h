#pragma once
// The element groups of the OSXTiger style; each adds its pictures and sections.
class TTigerStyle;

namespace tiger {

// Window metrics shared by the frame pictures and the "SysMetrics" section.
inline constexpr int kCaptionBarHeight = 22;
inline constexpr int kBorderWidth = 4;
inline constexpr int kSmallCaptionBarHeight = 17;
inline constexpr int kSmallBorderWidth = 3;

void AddMetrics(TTigerStyle& style);
void AddWindowFrame(TTigerStyle& style);
void AddCaptionButtons(TTigerStyle& style);
void AddButtons(TTigerStyle& style);
void AddCheckBoxes(TTigerStyle& style);
void AddScrollBars(TTigerStyle& style);
void AddProgressAndTrackBars(TTigerStyle& style);
void AddFields(TTigerStyle& style);
void AddLists(TTigerStyle& style);
void AddBars(TTigerStyle& style);
// After AddCaptionButtons: it shares the small close light.
void AddRollPanel(TTigerStyle& style);

}  // namespace tiger
