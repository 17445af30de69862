#pragma once

// The programmer board models by number: the settings file keeps the number,
// the File > Programmer Style menu lists the models in this order. Any number
// outside 0..3 behaves as Elm.
inline constexpr int kAlderStyle = 0;
inline constexpr int kBirchAStyle = 1;
inline constexpr int kBirchBStyle = 2;
inline constexpr int kCedarStyle = 3;
inline constexpr int kElmStyle = 4;
