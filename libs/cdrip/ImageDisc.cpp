#include "ImageDisc.h"

#include "ImageSectorSource.h"

namespace cdrip {

TImageDisc::TImageDisc(const std::string& sheet, TImageLayout layout) : TDisc(sheet, layout.Toc), FLayout(std::move(layout))
{
    SetExtras(FLayout.Extras);
}

std::unique_ptr<TSectorSource> TImageDisc::OpenSource(bool, int, uint32_t, uint32_t)
{
    return std::make_unique<TImageSectorSource>(FLayout);
}

}
