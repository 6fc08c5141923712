#include "words/unicode_order.h"

#include <unicode/coll.h>
#include <unicode/unistr.h>

#include <memory>

#include "base/settings_record.h"
#include "words/chars.h"
#include "words/word_table.h"

namespace lexicount {

std::string UnicodeCollationLanguage(const SettingsRecord& settings) {
    if (!IsOn(settings.chkIgnoreCommonWords)) return "";
    const std::string& path = settings.txbCommonWordsFile;
    const size_t slash = path.find_last_of("/\\");
    const std::string name = LowerCaseLatin(slash == std::string::npos ? path : path.substr(slash + 1));
    // "cwds_xx.txt": one language; the combined files name several.
    if (name.size() == 11 && name.rfind("cwds_", 0) == 0 && name.ends_with(".txt")) return name.substr(5, 2);
    return "";
}

void SetUnicodeSortKeys(WordTable& table, std::string_view language) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale locale =
        language.empty() ? icu::Locale::getRoot() : icu::Locale(std::string(language).c_str());
    std::unique_ptr<icu::Collator> collator(icu::Collator::createInstance(locale, status));
    auto& records = table.Records();
    std::string key;
    for (size_t i = 1; i < records.size(); ++i) {
        WordRecord& r = records[i];
        key.clear();
        if (collator && U_SUCCESS(status)) {
            const icu::UnicodeString word = icu::UnicodeString::fromUTF8(
                icu::StringPiece(r.Word.data(), static_cast<int32_t>(r.Word.size())));
            // The key ends with a zero byte and holds none before it.
            key.resize(static_cast<size_t>(collator->getSortKey(word, nullptr, 0)));
            collator->getSortKey(word, reinterpret_cast<uint8_t*>(key.data()),
                                 static_cast<int32_t>(key.size()));
        }
        key += r.Word;
        r.SortKey.swap(key);
    }
}

}  // namespace lexicount
