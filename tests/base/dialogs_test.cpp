#include "base/dialogs.h"

#include <gtest/gtest.h>

#include <deque>
#include <vector>

namespace lexicount {
namespace {

class Scripted : public Dialogs {
public:
    Answer Show(const MessageBox& box) override {
        shown.push_back(box);
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::deque<Answer> answers;
    std::vector<MessageBox> shown;
};

MessageBox Question(std::string title, Buttons buttons = Buttons::YesNoCancel, int defaultButton = 0) {
    return MessageBox{std::move(title), "?", Icon::None, buttons, defaultButton};
}

// A question answered for all is asked no more under its title; other
// titles, plain answers and boxes without a choice pass through.
TEST(AnswersToAll, AnAnswerForAllIsKeptByTitle) {
    struct Case {
        std::deque<Answer> given;
        std::vector<Answer> returned;  // for three questions of one title
        size_t shown;
    };
    const std::vector<Case> cases = {
        {{Answer::YesToAll}, {Answer::Yes, Answer::Yes, Answer::Yes}, 1},
        {{Answer::NoToAll}, {Answer::No, Answer::No, Answer::No}, 1},
        {{Answer::Yes, Answer::No, Answer::Cancel}, {Answer::Yes, Answer::No, Answer::Cancel}, 3},
        {{Answer::No, Answer::YesToAll}, {Answer::No, Answer::Yes, Answer::Yes}, 2},
    };
    for (const Case& c : cases) {
        Scripted dialogs;
        dialogs.answers = c.given;
        AnswersToAll toAll(dialogs);
        std::vector<Answer> returned;
        for (int i = 0; i < 3; ++i) returned.push_back(toAll.Show(Question("UTF-8?")));
        EXPECT_EQ(returned, c.returned);
        ASSERT_EQ(dialogs.shown.size(), c.shown);
        EXPECT_EQ(dialogs.shown[0].buttons, Buttons::YesNoToAllCancel);
    }

    Scripted dialogs;
    dialogs.answers = {Answer::YesToAll, Answer::Ok, Answer::No};
    AnswersToAll toAll(dialogs);
    toAll.Show(Question("first"));
    EXPECT_EQ(toAll.Show(Question("notice", Buttons::Ok)), Answer::Ok);
    // What a file was refused with: the last box, unless a question the
    // user went on from.
    ASSERT_TRUE(toAll.LastShown());
    EXPECT_EQ(toAll.LastShown()->title, "notice");
    EXPECT_EQ(toAll.Show(Question("second", Buttons::YesNo)), Answer::No);
    EXPECT_FALSE(toAll.LastShown());
    dialogs.answers = {Answer::Cancel};
    EXPECT_EQ(toAll.Show(Question("third")), Answer::Cancel);
    ASSERT_TRUE(toAll.LastShown());
    EXPECT_EQ(toAll.LastShown()->title, "third");
    ASSERT_EQ(dialogs.shown.size(), 4u);
    EXPECT_EQ(dialogs.shown[1].buttons, Buttons::Ok);
    EXPECT_EQ(dialogs.shown[2].buttons, Buttons::YesNoToAll);
    EXPECT_EQ(toAll.AnswerFor("first"), Answer::Yes);
    EXPECT_EQ(toAll.AnswerFor("second"), std::nullopt);
}

TEST(AnswersToAll, TheDefaultButtonStaysOnItsAnswer) {
    for (const auto& [defaultButton, expected] :
         std::vector<std::pair<int, Answer>>{{0, Answer::Yes}, {1, Answer::No}, {2, Answer::Cancel}}) {
        DefaultAnswers defaults;
        AnswersToAll toAll(defaults);
        EXPECT_EQ(toAll.Show(Question("q", Buttons::YesNoCancel, defaultButton)), expected);
    }
}

}  // namespace
}  // namespace lexicount
