#include "cdrip/StoredRipSettings.h"

#include "cdrip/CDRIP.h"

void ApplyStoredRipValues(TCDRIP& cdrip)
{
    cdrip.SetCDRomNum(0);
    TDriveTableClass driveTable;
    driveTable.Density = 16777216;
    driveTable.Atapi = true;
    cdrip.SetDriveTable(driveTable);
    cdrip.SetWriteWAV(true);
    cdrip.SetVersion(QStringLiteral("111"));
    cdrip.SetSpeed(32);
}

void ApplyFirstEncoderSettings(TLameCoder& coder)
{
    const TFirstEncoderSettings& first = kFirstEncoderSettings;
    coder.SetSampleRate(first.SampleRate);
    coder.SetBitrate(first.Bitrate);
    coder.SetEnableVBR(first.EnableVBR);
    coder.SetCopyright(first.Copyright);
    coder.SetCRC(first.CRC);
    coder.SetMode(first.Mode);
    coder.SetOriginal(first.Original);
    coder.SetVBRQuality(first.VBRQuality);
}
