#pragma once
// The colours of the OSXTiger look, in one place so every element agrees.
#include <QColor>

namespace tiger {

// Brushed metal of the frame and the light caption.
inline const QColor kCaptionTop{242, 242, 242};
inline const QColor kCaptionBottom{212, 212, 212};
inline const QColor kFrameOutline{126, 126, 126};
inline const QColor kInactiveOutline{168, 168, 168};
// The window's face behind the controls.
inline const QColor kFace{230, 230, 230};
// Quiet outlines of wells and buttons.
inline const QColor kEdge{150, 150, 150};
inline const QColor kSoftEdge{186, 186, 186};
// The aqua accent: default button, chunks, thumbs, selections.
inline const QColor kAqua{92, 156, 232};
inline const QColor kAquaPressed{58, 116, 204};
inline const QColor kAquaHot{120, 178, 244};
inline const QColor kAquaEdge{34, 84, 160};
inline const QColor kSelection{56, 117, 215};
// White glossy buttons.
inline const QColor kPearl{250, 250, 250};
inline const QColor kPearlHot{242, 247, 255};
inline const QColor kPearlHotEdge{104, 138, 190};
// Caption lights.
inline const QColor kClose{234, 86, 78};
inline const QColor kCloseEdge{176, 48, 42};
inline const QColor kMinimize{244, 188, 56};
inline const QColor kMinimizeEdge{184, 134, 24};
inline const QColor kZoom{98, 196, 82};
inline const QColor kZoomEdge{46, 136, 40};
inline const QColor kGraphite{150, 160, 176};
inline const QColor kGraphiteEdge{96, 104, 118};
inline const QColor kUnlit{212, 212, 212};
inline const QColor kUnlitEdge{160, 160, 160};
// Text and glyphs.
inline const QColor kInk{34, 34, 34};
inline const QColor kDisabledInk{150, 150, 150};
// Pixels that key-transparent pictures leave out.
inline const QColor kKey{255, 0, 255};

}  // namespace tiger
