#include "support/fake_view.h"

#include <gtest/gtest.h>

#include "settings/program_texts.h"

namespace lexicount::test {

Answer FakeView::Show(const MessageBox& shown) {
    boxes.push_back(shown);
    resultWhenShown[shown.title] = box.Text();
    if (shown.buttons == Buttons::Ok || answers.empty()) return DefaultAnswers().Show(shown);
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<std::string> FakeView::InputBox(const std::string& title, const std::string& prompt,
                                              const std::string& defaultValue) {
    inputBoxes.push_back({title, prompt, defaultValue});
    if (inputBoxAnswers.empty()) return defaultValue;
    std::optional<std::string> answer = inputBoxAnswers.front();
    inputBoxAnswers.pop_front();
    return answer;
}

std::optional<std::string> FakeView::ChooseOutputFile() {
    ++outputChooserCalls;
    return outputFileChoice;
}

std::string FakeView::Label(StatusLabel label) const {
    const auto it = labels.find(label);
    return it == labels.end() ? std::string() : it->second;
}

void FakeView::SetCountButtonCaption(const std::string& text) {
    caption = text;
    captions.push_back(text);
}

void FakeView::Yield() {
    ++yields;
    if (onYield && yields > yieldCallsBeforeAction && (!onYieldWhen || onYieldWhen())) {
        auto action = std::move(onYield);
        onYield = nullptr;
        action();
    }
}

std::vector<std::string> FakeView::Titles() const {
    std::vector<std::string> titles;
    for (const MessageBox& shown : boxes) titles.push_back(shown.title);
    return titles;
}

const MessageBox* FakeView::Find(const std::string& title) const {
    for (const MessageBox& shown : boxes) {
        if (shown.title == title) return &shown;
    }
    return nullptr;
}

}  // namespace lexicount::test

namespace lexicount::test {

ControllerHarness::ControllerHarness(bool startUp) {
    const std::string message = controller.LoadForm(ProgramDataDir(), dir.path() / "tly.usr");
    if (!message.empty()) ADD_FAILURE() << "start-up failed: " << message;
    if (startUp) controller.StartUp();
    view.boxes.clear();
}

std::string ControllerHarness::UseInput(std::string_view name, std::string_view bytes) {
    settings.txbFile[0] = dir.Write(name, bytes).string();
    return settings.txbFile[0];
}

std::string DistinctWords(int n, std::string_view sep) {
    // No Roman-numeral letters and no q in the tail, so no word is dropped
    // as a numeral or as one repeated letter.
    static constexpr std::string_view kLetters = "abefghjknoprstuy";
    std::string text;
    for (int i = 0; i < n; ++i) {
        std::string word = "zq";
        for (int k = i, places = 0; places < 4; ++places, k /= 16)
            word += kLetters[static_cast<size_t>(k % 16)];
        text += word;
        text += sep;
    }
    return text;
}

std::string T(int number) {
    return GetProgramText(number);
}

}  // namespace lexicount::test
