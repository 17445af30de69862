#pragma once

#include <string>

// A temporary program folder with ports/ in it, removed with the object.
struct ProgramFolder {
    ProgramFolder();
    ~ProgramFolder();
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;
    std::string dir; // ends in '/'

    void LinkCom(int n, const std::string& target) const;
    void WriteCom(int n, const std::string& text) const;
};
