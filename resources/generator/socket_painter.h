#pragma once

#include "picture_table.h"

#include <QImage>

inline constexpr int kPictureWidth = 114;
inline constexpr int kPictureHeight = 266;

// A socket picture: the ZIF socket with its lever, and the chip where the line says;
// `scale` pixels for each of the picture's kPictureWidth x kPictureHeight units.
QImage PaintChipPicture(const ChipPicture& picture, int scale);

// The in-circuit programming picture: the header with its signals named.
QImage PaintICSPPicture(int scale);

// The program's icon "Proj": a chip in a ZIF socket.
QImage PaintProjIcon(int size);

// The picture reduced to the sixteen colours of the palette.
QImage ToSixteenColours(const QImage& picture);
