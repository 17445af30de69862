#include "chipdb/socket_picture.h"

#include "platform/style_numbers.h"

namespace {

// Alder, Birch_B and Cedar boards take the first picture of a pair; Birch_A and Elm
// (and unknown styles, which behave as Elm) take the second.
bool UsesFirstOfPair(int programmerStyle) {
    return programmerStyle == kAlderStyle || programmerStyle == kBirchBStyle ||
           programmerStyle == kCedarStyle;
}

} // namespace

std::string SocketPictureName(int socketLayout, int programmerStyle) {
    const bool first = UsesFirstOfPair(programmerStyle);
    switch (socketLayout) {
    case 1:
        return first ? "PIN813" : "PIN811";
    case 2:
        return "PIN18";
    case 3:
        return "PIN28N";
    case 4:
        return "PIN28W";
    case 5:
        return "PIN40";
    case 8:
        return first ? "PIN1413" : "PIN1411";
    case 9:
        return first ? "PIN837" : "PIN840";
    default:
        return {};
    }
}

std::string PCBlabelText(int programmerStyle) {
    if (programmerStyle == kBirchAStyle)
        return "A";
    if (programmerStyle == kBirchBStyle)
        return "B";
    return {};
}

SocketView ChooseSocketView(bool chipSelected, int socketLayout, int programmerStyle,
                            bool icspMode) {
    SocketView view;
    if (chipSelected) {
        view.FillBlack = true;
        view.PlayClick = true;
        if (icspMode) {
            // The in-circuit header is the same on every board: no variant letter.
            view.Picture = kICSPPicture;
            return view;
        }
        view.Picture = SocketPictureName(socketLayout, programmerStyle);
    } else {
        view.Picture = kBlankSocketPicture;
    }
    view.PCBlabelText = PCBlabelText(programmerStyle);
    view.PCBlabelVisible = !view.PCBlabelText.empty();
    return view;
}
