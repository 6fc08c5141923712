#include "input/text_file_check.h"

#include <system_error>

namespace lexicount {
namespace {

class BoxRecorder : public Dialogs {
public:
    explicit BoxRecorder(std::vector<MessageBox>& boxes) : boxes_(boxes) {}
    Answer Show(const MessageBox& box) override {
        boxes_.push_back(box);
        return Answer::Ok;
    }

private:
    std::vector<MessageBox>& boxes_;
};

// The box a single input file gets when it cannot be opened.
MessageBox OpenFailure(const std::string& path, std::error_code error) {
    if (IsNotFoundError(error)) return MissingFileBox();
    const std::int16_t code = error == std::errc::permission_denied ? kFilePermissionDenied : kFileCannotOpen;
    return *ClassificationMessage(path, TextScan{code});
}

}  // namespace

MessageBox MissingFileBox() {
    return MessageBox{"File not found", "Input file does not exist.", Icon::Warning, Buttons::Ok, 0};
}

MessageBox EmptyFileBox() {
    return MessageBox{"Empty file", "Input file is zero-length.", Icon::Warning, Buttons::Ok, 0};
}

TextFileCheck CheckTextFile(const std::string& path, const TextFileRules& rules, ReadOnlyFile& file) {
    TextFileCheck check;
    if (const std::error_code error = file.Open(path)) {
        check.boxes.push_back(OpenFailure(path, error));
        return check;
    }
    if (file.size() == 0) {
        check.boxes.push_back(EmptyFileBox());
        return check;
    }
    const auto wanted = static_cast<size_t>(std::min<std::uint64_t>(file.size(), kFirstLinesReadLimit));
    check.buffer = std::make_unique_for_overwrite<char[]>(wanted);
    std::error_code error;
    check.length = file.Read(check.buffer.get(), wanted, error);
    if (error) {
        check.boxes.push_back(OpenFailure(path, error));
        return check;
    }
    const std::int16_t header = CheckHeaderBytes(path, check.Leading(), true);
    if (rules.unicodeWords && (header == kHeaderUtf16Le || header == kHeaderUtf16Be)) {
        check.ok = true;
        check.utf16 = header;
        check.lineEndingType = 0;
        check.utf8 = IsOn(rules.chkUTF8);
        return check;
    }
    ClassifyState silent;
    BoxRecorder recorder(check.boxes);
    const TextScan scan = ScanTextBytes(header, check.Leading(), file.size(), kScanBytes, 0);
    const Classification classification = ClassifyScan(path, scan, true, silent, recorder);
    if (!classification.ok) return check;
    check.ok = true;
    check.lineEndingType = classification.intFileType;
    check.crOnly = classification.intFileType == kTextCr;
    const bool asked = !Utf8OrAnsiQuestion(rules.chkUTF8, classification.blnIsUTF8).empty();
    check.utf8 = asked ? rules.utf8Answer : IsOn(rules.chkUTF8);
    return check;
}

}  // namespace lexicount
