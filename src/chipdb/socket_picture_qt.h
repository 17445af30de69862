#pragma once

#include <QImage>

#include <string>

// The program's embedded pictures live in a static library, whose resource table the
// linker only keeps when something asks for it: call this before loading ":/NAME" directly
// (the window icon ":/Proj", for instance). Calling it again does nothing.
void EnsureProgramResources();

// The embedded socket picture `name` ("SOCKETS", "ICSP", "PIN813", ...); a null image when
// no picture has that name. Each picture is embedded drawn at 1x, 2x and 3x: a screen of
// `pixelRatio` gets the smallest drawing with at least as many pixels as it shows, its
// device pixel ratio set, so that it always covers 114 x 266 of the widget's pixels.
QImage LoadSocketPicture(const std::string& name, qreal pixelRatio = 1.0);
