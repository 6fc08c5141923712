#include "input/extraction_hooks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input/docx_reader.h"

namespace lexicount {
namespace {

class RecordingHooks : public ExtractionHooks {
public:
    bool StopRequested() override {
        ++polls;
        return stop || (stopAtPoll > 0 && polls >= stopAtPoll);
    }
    long SecondsElapsed() override { return seconds; }
    void StopWithdrawn() override {
        ++withdrawn;
        stop = false;
    }
    void ShowPiece(std::string_view text, bool clearFirst) override {
        pieces.emplace_back(text);
        if (clearFirst) ++clears;
    }
    void ShowProgressBar(std::string_view caption) override { bars.emplace_back(caption); }

    bool stop = false;
    int stopAtPoll = 0;
    long seconds = 0;
    int polls = 0;
    int withdrawn = 0;
    int clears = 0;
    std::vector<std::string> pieces;
    std::vector<std::string> bars;
};

class CountingDialogs : public Dialogs {
public:
    explicit CountingDialogs(Answer answer) : answer_(answer) {}
    Answer Show(const MessageBox& box) override {
        shown.push_back(box);
        return answer_;
    }
    std::vector<MessageBox> shown;

private:
    Answer answer_;
};

const std::string kDocx = "<w:p><w:r><w:t>one.</w:t></w:r></w:p><w:p><w:r><w:t>two.</w:t></w:r></w:p>";
const std::string kOdt = "<text:p>one.</text:p><text:p>two.</text:p>";

struct StopCase {
    const char* label;
    long seconds;
    Answer answer;
    bool stopped;
    std::size_t questions;
};

class StopTest : public ::testing::TestWithParam<std::tuple<StopCase, DocumentKind>> {};

TEST_P(StopTest, ConfirmsOnlyAfterNineSeconds) {
    const auto& [c, kind] = GetParam();
    RecordingHooks hooks;
    hooks.stop = true;
    hooks.seconds = c.seconds;
    CountingDialogs dialogs(c.answer);
    const DocumentText got =
        GetLineFromXMLFile(kind == DocumentKind::Docx ? kDocx : kOdt, kind, hooks, dialogs);
    EXPECT_EQ(got.stopped, c.stopped);
    ASSERT_EQ(dialogs.shown.size(), c.questions);
    if (c.questions > 0) {
        EXPECT_EQ(dialogs.shown[0].title, "Stop");
        EXPECT_EQ(dialogs.shown[0].text,
                  "Many different words have been found.\r\nDo you really wish to stop?");
        EXPECT_EQ(dialogs.shown[0].buttons, Buttons::YesNo);
    }
    EXPECT_EQ(hooks.withdrawn, c.stopped ? 0 : 1);
    if (!c.stopped) {
        EXPECT_EQ(got.text, kind == DocumentKind::Docx ? "one. \r\ntwo.\r\n" : "one.\r\ntwo.\r\n");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, StopTest,
    ::testing::Combine(::testing::Values(StopCase{"NineSecondsStopsAtOnce", 9, Answer::No, true, 0},
                                         StopCase{"LaterYesStops", 10, Answer::Yes, true, 1},
                                         StopCase{"LaterNoGoesOn", 10, Answer::No, false, 1}),
                       ::testing::Values(DocumentKind::Docx, DocumentKind::Odt)),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).label) +
               (std::get<1>(info.param) == DocumentKind::Docx ? "Docx" : "Odt");
    });

TEST(StopTest, StopBetweenElementsKeepsTheTextBefore) {
    RecordingHooks hooks;
    hooks.stopAtPoll = 2;
    CountingDialogs dialogs(Answer::Yes);
    const DocumentText got = GetLineFromXMLFile(kDocx, DocumentKind::Docx, hooks, dialogs);
    EXPECT_TRUE(got.stopped);
    EXPECT_EQ(got.text, "one. \r\n");
}

TEST(ProgressTest, LargeMemberShowsEveryTwentiethPieceAndTheBar) {
    std::string xml;
    const int count = 100000;
    for (int i = 1; i <= count; ++i) xml += "<w:t>w" + std::to_string(i) + "</w:t>";
    ASSERT_GT(xml.size(), 1024000u);
    RecordingHooks hooks;
    DefaultAnswers dialogs;
    GetLineFromXMLFile(xml, DocumentKind::Docx, hooks, dialogs);
    ASSERT_EQ(hooks.pieces.size(), static_cast<size_t>(count / 20));
    EXPECT_EQ(hooks.pieces[0], "w20\r\n");
    EXPECT_EQ(hooks.pieces[1], "w40\r\n");
    EXPECT_EQ(hooks.clears, count / 400);
    ASSERT_EQ(hooks.bars.size(), 38u);  // every place of the bar, shown once
    EXPECT_EQ(hooks.bars.front(), "[>" + std::string(37, ' ') + "]");
    EXPECT_EQ(hooks.bars.back(), "[" + std::string(36, '-') + ">]");
}

TEST(ProgressTest, SmallMemberShowsNothing) {
    std::string xml;
    for (int i = 0; i < 1000; ++i) xml += "<w:t>w</w:t>";
    RecordingHooks hooks;
    DefaultAnswers dialogs;
    GetLineFromXMLFile(xml, DocumentKind::Docx, hooks, dialogs);
    EXPECT_TRUE(hooks.pieces.empty());
    EXPECT_TRUE(hooks.bars.empty());
}

TEST(ProgressTest, BarCaptions) {
    EXPECT_EQ(ExtractionBarCaption(0), "[>" + std::string(37, ' ') + "]");
    EXPECT_EQ(ExtractionBarCaption(1), "[>" + std::string(36, ' ') + "]");
    EXPECT_EQ(ExtractionBarCaption(18), "[" + std::string(17, '-') + ">" + std::string(19, ' ') + "]");
    EXPECT_EQ(ExtractionBarCaption(37), "[" + std::string(36, '-') + ">]");
}

}  // namespace
}  // namespace lexicount
