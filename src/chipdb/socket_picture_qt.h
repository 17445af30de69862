#pragma once

#include <QImage>

#include <string>

// The program's embedded pictures live in a static library, whose resource table the
// linker only keeps when something asks for it: call this before loading ":/NAME" directly
// (the window icon ":/Proj", for instance). Calling it again does nothing.
void EnsureProgramResources();

// The embedded socket picture `name` ("SOCKETS", "ICSP", "PIN813", ...); a null image when
// no picture has that name.
QImage LoadSocketPicture(const std::string& name);
