// The boards' view on a terminal: one status line per board redrawn in place,
// messages scrolling above them. Checked on the screen the escape codes draw.
#include "cli/gang.h"

#include <sstream>

#include <gtest/gtest.h>

namespace {

// The screen's lines after the text: \n, \r, ESC[nA (up), ESC[J (clear to the
// end), ESC[2K (clear the line). Enough of a terminal for the view's codes.
std::vector<std::string> Screen(const std::string& text) {
    std::vector<std::string> lines(1);
    std::size_t row = 0;
    std::size_t column = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\x1b') {
            const std::size_t end = text.find_first_of("AJK", i);
            const std::string number = text.substr(i + 2, end - i - 2);
            if (text[end] == 'A')
                row -= std::stoul(number);
            else if (text[end] == 'J')
                lines.resize(row + 1), lines[row].resize(column);
            else
                lines[row].clear();
            i = end;
        } else if (c == '\n') {
            if (++row == lines.size())
                lines.emplace_back();
            column = 0;
        } else if (c == '\r') {
            column = 0;
        } else {
            lines[row].resize(std::max(lines[row].size(), column + 1));
            lines[row][column++] = c;
        }
    }
    if (lines.back().empty())
        lines.pop_back();
    return lines;
}

TEST(BoardsView, OneStatusLinePerBoardStaysInPlaceUnderTheMessages) {
    std::ostringstream err;
    BoardsView view(err, true, true, {"COM1", "COM2"});
    view.Status(0, "Programming ROM...");
    view.Progress(0, 40);
    view.Status(1, "Waiting for chip insertion...");
    view.Message(1, "error: The board is not responding");
    view.Tally(0, 3, 1);
    view.Progress(0, 41);
    view.Finish(1, 2);
    EXPECT_EQ(Screen(err.str()), (std::vector<std::string>{
                                     "COM2: error: The board is not responding",
                                     "COM1  chips 4  passed 3  failed 1  Programming ROM... 41%",
                                     "COM2  chips 0  passed 0  failed 0  board failed, set aside",
                                 }));
    view.Summary();
    const std::vector<std::string> end = Screen(err.str());
    ASSERT_EQ(end.size(), 3u);
    EXPECT_EQ(end[2],
              "tessaro-cli: COM2: 0 passed, 0 failed; board failed, set aside (exit code 2)");
}

} // namespace
