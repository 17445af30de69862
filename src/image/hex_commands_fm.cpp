// Loading, merging and saving HEX files, the listing and user mode.
#include "app/proj_fm.h"

void TProjFm::LoadButtClick() {}
void TProjFm::Merge1Click() {}
void TProjFm::SaveButtClick() {}
bool TProjFm::OpenTheHexFile(const std::string&) {
    return false;
}
