#include "fuse_test_rows.h"
#include "fuses/edit_fuses.h"
#include "fuses/fuse_messages.h"
#include "platform/scripted_dialogs.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// Stands in for the dialog: the user's actions run inside RunModal.
class FakeFuseChooser : public FuseChooser {
public:
    FuseRows rows;
    std::string id;
    std::function<bool(FakeFuseChooser&)> user = [](FakeFuseChooser&) { return true; };
    int runs = 0;

    FuseRows ReadFuseRows() const override { return rows; }
    void ApplySelections(const FuseRows& r) override {
        for (size_t n = 0; n < rows.size(); ++n)
            rows[n].selected = r[n].selected;
    }
    std::string IDText() const override { return id; }
    void SetIDText(const std::string& text) override { id = text; }
    bool RunModal() override {
        ++runs;
        return user(*this);
    }
};

ChipRecord ButtChip14() {
    ChipRecord chip;
    chip.WordMask = 0x3FFF;
    chip.FuseBlank = {0, 0x3FFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF};
    return chip;
}

struct FuseButtTest : ::testing::Test {
    ScriptedDialogs dialogs;
    FakeFuseChooser editor;
    ChipRecord chip = ButtChip14();
    FuseWords words{0, 0x3FFB, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF};

    void SetUp() override {
        editor.rows[1] = MakeFuseRow("WDT", {{"Enabled", "3FFF"}, {"Disabled", "3FFB"}}, 1);
        editor.rows[2] = MakeFuseRow("PWRTE", {{"Disabled", "3FFF"}, {"Enabled", "3FF7"}}, 0);
        editor.id = "12";
    }
};

bool UserChangesEverythingThenCancels(FakeFuseChooser& e) {
    e.rows[1].selected = 0;
    e.rows[2].selected = 1;
    e.id = "ABCD";
    return false;
}

} // namespace

TEST_F(FuseButtTest, NoChipSelectedOnlyTellsTheUser) {
    EditFuses(dialogs, false, chip, words, editor);
    EXPECT_EQ(dialogs.shown,
              (std::vector<ScriptedDialogs::Shown>{{"information", SelectChipText}}));
    EXPECT_EQ(std::string(SelectChipText), "Please select a chip");
    EXPECT_EQ(editor.runs, 0);
}

TEST_F(FuseButtTest, CancelOnSixteenBitCoreDecomposesEachRowsWord) {
    chip.WordMask = 0xFFFF;
    chip.FuseListWord[1] = 1;
    chip.FuseListWord[2] = 5;
    editor.rows[1] = MakeFuseRow("A", {{"Off", "FFFF"}, {"On", "FFFE"}}, 0);
    editor.rows[2] = MakeFuseRow("B", {{"Off", "FFFF"}, {"On", "FFFE"}}, 0);
    words = {0, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFE, 0xFFFF, 0xFFFF};
    editor.user = [](FakeFuseChooser& e) {
        e.rows[1].selected = 1;
        return false;
    };
    EditFuses(dialogs, true, chip, words, editor);
    EXPECT_EQ(editor.rows[1].selected, 0);
    EXPECT_EQ(editor.rows[2].selected, 1);
    EXPECT_EQ(words[5], 0xFFFE);
}

TEST_F(FuseButtTest, CancelWithoutEditableFusesRestoresOnlyWordsAndID) {
    chip.WordMask = 0xFF;
    editor.user = UserChangesEverythingThenCancels;
    EditFuses(dialogs, true, chip, words, editor);
    EXPECT_EQ(words[1], 0x3FFB);
    EXPECT_EQ(editor.id, "12");
    EXPECT_EQ(editor.rows[1].selected, 0); // as the user left it
}
