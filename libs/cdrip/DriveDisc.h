// TDriveDisc: a drive (or an image libcdio reads itself, .nrg) opened through libcdio.
#pragma once

#include "Disc.h"

#include <cdio/cdio.h>

namespace cdrip {

class TDriveDisc : public TDisc {
public:
    // Throws EDiscError naming the device when libcdio cannot open it or read its table of contents.
    explicit TDriveDisc(const std::string& device);

    // Paranoia verifies audio only: it never settles on a data track's sectors, so a range that touches one is
    // read plainly.
    std::unique_ptr<TSectorSource> OpenSource(bool jitterCorrection, int speed, uint32_t first, uint32_t last) override;

private:
    // The catalogue number, ISRCs and pregaps as far as the drive reports them.
    static TDiscExtras ReadExtras(CdIo_t* handle, int tracks);
    // The disc's CD-Text (its first language block) into extras.Texts, when it has any.
    static void ReadCdText(CdIo_t* handle, int tracks, TDiscExtras& extras);

    struct THandleCloser {
        void operator()(CdIo_t* handle) const { cdio_destroy(handle); }
    };
    using THandle = std::unique_ptr<CdIo_t, THandleCloser>;
    struct TOpened {
        THandle Handle;
        std::vector<CR_TocEntry> Toc;
    };
    TDriveDisc(const std::string& device, TOpened opened);
    static TOpened OpenDevice(const std::string& device);

    THandle FHandle;
};

}
