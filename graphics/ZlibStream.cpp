#include "graphics/ZlibStream.h"

TCustomZlibStream::TCustomZlibStream(TStream& stream) : stream_(stream), streamPosition_(stream.Position()) {}

void TCustomZlibStream::Progress()
{
    if (OnProgress)
        OnProgress(this);
}

void TCustomZlibStream::ReturnToStreamPosition()
{
    if (stream_.Position() != streamPosition_)
        stream_.SetPosition(streamPosition_);
}
