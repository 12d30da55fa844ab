#include "themes/StoredFlag.h"

#include "framework/Stream.h"

bool ReadStoredFlag(TStream& stream)
{
    char flag = 0;
    stream.ReadBuffer(&flag, 1);
    return flag != 0;
}

void WriteStoredFlag(TStream& stream, bool value)
{
    const char flag = value ? 1 : 0;
    stream.WriteBuffer(&flag, 1);
}
