#pragma once
// A bitmap's drawing flag as packed styles and skins store it: one byte, set when not zero.
class TStream;

bool ReadStoredFlag(TStream& stream);
void WriteStoredFlag(TStream& stream, bool value);
