// The style's colours, fonts and window metrics.
#include "tools/osxtiger/TigerElements.h"
#include "tools/osxtiger/TigerPalette.h"
#include "tools/osxtiger/TigerStyle.h"

namespace tiger {

void AddMetrics(TTigerStyle& style)
{
    style.Section(QStringLiteral("SysMetrics"),
                  {
                      {"Window", "255 255 255"},
                      {"BtnFace", IniColour(kFace)},
                      {"Highlight", IniColour(kSelection)},
                      {"BtnShadow", "160 160 160"},
                      {"HighlightText", "255 255 255"},
                      {"Menu", "248 248 248"},
                      {"MenuHilight", IniColour(kSelection)},
                      {"CaptionText", IniColour(kInk)},
                      {"InactiveCaptionText", "128 128 128"},
                      // A face every Debian desktop has; the program asks for it by name.
                      {"CaptionFont", "DejaVu Sans, 9"},
                      {"MsgBoxFont", "DejaVu Sans, 8"},
                      {"CaptionBarHeight", QString::number(kCaptionBarHeight)},
                      {"SMCaptionBarHeight", QString::number(kSmallCaptionBarHeight)},
                      {"BorderWidth", QString::number(kBorderWidth)},
                      {"SMBorderWidth", QString::number(kSmallBorderWidth)},
                  });
}

}  // namespace tiger
