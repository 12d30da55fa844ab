// The style's colours, fonts and window metrics.
#include "tools/osxtiger/TigerElements.h"
#include "tools/osxtiger/TigerStyle.h"

namespace tiger {

void AddMetrics(TTigerStyle& style)
{
    style.Section(QStringLiteral("SysMetrics"),
                  {
                      {"Window", "255 255 255"},
                      {"BtnFace", "230 230 230"},
                      {"Highlight", "56 117 215"},
                      {"BtnShadow", "160 160 160"},
                      {"HighlightText", "255 255 255"},
                      {"Menu", "248 248 248"},
                      {"MenuHilight", "56 117 215"},
                      {"CaptionText", "34 34 34"},
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
