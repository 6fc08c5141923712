#include "input/document_language.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace lexicount {
namespace {

using test::TempDir;

constexpr const char* kAllowed = "en_de_es_pt_it_fr";

std::string Blank(int lines) {
    return std::string(static_cast<size_t>(lines), '\n');
}

std::string NonEmpty(int lines) {
    std::string text;
    for (int i = 0; i < lines; ++i) text += "<p>text</p>\r\n";
    return text;
}

TEST(GetDocumentLanguage, DeclaredLanguage) {
    struct Case {
        const char* name;
        std::string content;
        const char* allowed;
        const char* expected;
    };
    const Case cases[] = {
        {"HtmlLang", "<!DOCTYPE html>\r\n<html lang=\"de\">\r\n", kAllowed, "de"},
        {"LangWithRegion", "<html lang=\"fr-ca\">\r\n", kAllowed, "fr"},
        {"UnlistedLanguage", "<html lang=\"nl\">\r\n", kAllowed, "en"},
        {"NoDeclaration", "<html>\r\n<body>Hallo</body>\r\n", kAllowed, "en"},
        {"MetaContent", "<meta http-equiv=\"content-language\" content=\"es\">\r\n", kAllowed, "es"},
        {"UpperCase", "<HTML LANG=\"PT\">\r\n", kAllowed, "pt"},
        {"XmlLang", "<?xml version=\"1.0\"?>\n<doc xml:lang=\"it\">\n", kAllowed, "it"},
        {"FirstDeclarationWins", "<html lang=\"pt\">\n<p lang=\"de\">\n", kAllowed, "pt"},
        {"QuotedBeatsLooseEarlier", "<html lang=fr-ca>\n<p lang=\"de\">\n", kAllowed, "de"},
        {"LangBeatsContent", "<meta content=\"es\">\n<html lang=\"it\">\n", kAllowed, "it"},
        {"LangAtEndOfText", "<html lang=", kAllowed, "en"},
        {"AnyCodeWithoutList", "<html lang=\"nl\">\r\n", "", "nl"},
        {"LooseCodeWithoutList", "<html lang='sv-se'>\r\n", "", "sv"},
        {"CodeAcrossTwoListItems", "<html lang=\"e_\">\r\n", kAllowed, "en"},
        {"TenthNonEmptyLine", Blank(5) + NonEmpty(9) + Blank(3) + "<p lang=\"fr\">\n", kAllowed, "fr"},
        {"EleventhNonEmptyLine", NonEmpty(10) + "<p lang=\"fr\">\n", kAllowed, "en"},
    };
    TempDir dir;
    for (const Case& c : cases) {
        const std::string path = dir.Write("doc.htm", c.content).string();
        EXPECT_EQ(GetDocumentLanguage(path, c.allowed, "en"), c.expected) << c.name;
    }
}

TEST(GetDocumentLanguage, UnreadableFileGivesTheDefault) {
    TempDir dir;
    EXPECT_EQ(GetDocumentLanguage((dir.path() / "missing.htm").string(), kAllowed, "en"), "en");
    EXPECT_EQ(GetDocumentLanguage(dir.path().string(), kAllowed, "de"), "de");
    EXPECT_EQ(GetDocumentLanguage("", "", "en"), "en");
}

}  // namespace
}  // namespace lexicount
