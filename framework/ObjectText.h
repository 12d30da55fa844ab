#pragma once
// The text form of stored descriptions and its conversion to and from the binary form:
//   object Form1: TForm1
//     Caption = 'Trackwell'#13#10
//     Font.Style = [fsBold]
//     Items = (
//       'first'
//       'second')
//     Themes = <
//       item
//         Tag = 1
//       end>
//     Data = {
//       0A0B0C}
//     object Button1: TButton
//       OnClick = Button1Click
//     end
//   end
// Text converted to binary and back comes out exactly as this conversion writes it.
#include <QString>

#include "framework/Stream.h"

// Reads one binary description at input's position and writes its text at output's position.
void ObjectBinaryToText(TStream& input, TStream& output);
// Reads one text description (UTF-8) at input's position and writes its binary form at output's.
// Syntax errors raise EParserError with the line.
void ObjectTextToBinary(TStream& input, TStream& output);
// The same for text already in memory.
void ObjectTextToBinary(const QString& text, TStream& output);
// The same for Latin-1 text, one character a byte.
void ObjectLatin1TextToBinary(const QByteArray& text, TStream& output);
