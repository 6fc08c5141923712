#include "settings/words_to_ignore.h"

#include <gtest/gtest.h>

#include <string>

#include "base/settings_record.h"
#include "support/test_support.h"

namespace lexicount {
namespace {

using test::W;

TEST(WordsToIgnoreTest, Normalisation) {
    struct Case {
        const char* typed;  // UTF-8
        const char* list;
    };
    const Case cases[] = {
        {" The, AND  the of", "and of the"},
        {"x,y", "x y"},
        {"the and a", "a and the"},
        {"the", "the"},
        {"  The  ", "the"},
        {"b a b A B", "a b"},
        {"e-mail, E-MAIL,,e-mail", "e-mail"},
        // Ordinal order of the lower-cased words, not the collation key.
        {"Zebra ÉCLAIR Straße STRASSE", "strasse straße zebra éclair"},
        {"ÑANDÚ ñandú", "ñandú"},
        {"", ""},
        {"    ", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NormaliseWordsToIgnore(W(c.typed)), W(c.list)) << c.typed;
    }
}

TEST(WordsToIgnoreTest, FramedForTheAdmissionSearch) {
    EXPECT_EQ(FramedWordsToIgnore("and of the"), " and of the ");
    EXPECT_EQ(FramedWordsToIgnore("x"), " x ");
    EXPECT_EQ(FramedWordsToIgnore(""), "");
}

TEST(WordsToIgnoreTest, ApplyRewritesTheBoxAndFramesTheList) {
    struct Case {
        const char* box;
        const char* boxAfter;
        const char* framed;
    };
    const Case cases[] = {
        {" The, AND  the of", "and of the", " and of the "},
        {"x,y", "x y", " x y "},
        {"   ", "   ", ""},  // an all-blank box keeps its text
        {"", "", ""},
        // Only commas: the normalised list is empty, and that is the box's
        // new text.
        {" , ,", "", ""},
    };
    for (const auto& c : cases) {
        SettingsRecord s;
        s.txbWordsToIgnore = c.box;
        EXPECT_EQ(ApplyWordsToIgnore(s), c.framed) << '"' << c.box << '"';
        EXPECT_EQ(s.txbWordsToIgnore, c.boxAfter) << '"' << c.box << '"';
    }
}

const std::string kLetterTable =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZŠŒŸÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖØÙÚÛÜÝÞ"
    "abcdefghijklmnopqrstuvwxyzšœÿàáâãäåæçèéêëìíîïðñòóôõöøùúûüýþß";

std::string NotAllowed(const std::string& character, bool currentlySet) {
    return "The character " + character + " occurs in some word to ignore\r\nbut is not " +
           (currentlySet ? "currently set as " : "") + "a character allowed in a word.";
}

TEST(CheckAllowedExtraCharsTest, Messages) {
    const std::string comma =
        NotAllowed(",", true) + "\r\n\r\nWords-to-ignore must be separated by a space, not by a comma.";
    struct Case {
        std::string words;  // Windows-1252
        std::string allowed;
        std::string message;  // UTF-8, empty when accepted
    };
    const Case cases[] = {
        {"e-mail", "", NotAllowed("-", true)},
        {"e-mail", "-", ""},
        {"a;b", "-", NotAllowed(";", false)},
        {"x,y", "-", comma},
        {"and/or", "-", NotAllowed("/", true)},
        {"and/or", "/", ""},
        {"a+b", "-", NotAllowed("+", false)},
        {"a<b", "-", NotAllowed("<", false)},
        {"a>b", "-", NotAllowed(">", false)},
        {"say\"", "-", NotAllowed("\"", false)},
        {"r2d2", "-", NotAllowed("2", true)},
        {"r2d2", "0123456789", ""},
        {"don't", "-", NotAllowed("'", true)},
        {"don't " + std::string("\x91tis"), "'\x91", ""},
        {"\x91tis", "'", NotAllowed("‘", true)},
        {"a_b c:d e\\f g.h i@j", "_:\\.@", ""},
        // Only the first offending character is named.
        {"a/b;c", "-", NotAllowed("/", true)},
        {"a;b/c", "-", NotAllowed(";", false)},
        // Not in the letter table.
        {W("Žižka"), "-", NotAllowed("Ž", true)},
        {W("a×b"), "-", NotAllowed("×", true)},
        {W("µm"), "-", NotAllowed("µ", true)},
        {W("ªb"), "-", NotAllowed("ª", true)},
        {"tab\there", "-", NotAllowed("\t", true)},
        {W(kLetterTable) + " " + W(kLetterTable), "", ""},
        {"", "", ""},
        {"   ", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CheckAllowedExtraCharsMessage(c.words, c.allowed), c.message) << c.words;
    }
    EXPECT_EQ(kCharacterNotAllowedTitle, "Character not allowed");
}

TEST(CheckAllowedExtraCharsTest, NormalisedListAgainstTheBoxes) {
    // "x,y" loses its comma before the check runs.
    SettingsRecord s;
    s.txbWordsToIgnore = "x,y";
    ApplyWordsToIgnore(s);
    EXPECT_EQ(CheckAllowedExtraCharsMessage(s.txbWordsToIgnore, BuildAllowedExtraChars(s)), "");

    // Unticking the hyphens makes "e-mail" offend.
    s.txbWordsToIgnore = "E-Mail";
    ApplyWordsToIgnore(s);
    EXPECT_EQ(CheckAllowedExtraCharsMessage(s.txbWordsToIgnore, BuildAllowedExtraChars(s)), "");
    s.chkAllowWordsWithHyphens = 0;
    EXPECT_EQ(CheckAllowedExtraCharsMessage(s.txbWordsToIgnore, BuildAllowedExtraChars(s)),
              NotAllowed("-", true));
}

}  // namespace
}  // namespace lexicount
