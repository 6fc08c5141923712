#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <new>

#include "input/docx_reader.h"
#include "input/file_helpers.h"
#include "input/file_lines.h"
#include "input/line_splitter.h"
#include "output/counts_file.h"
#include "output/export.h"
#include "output/output_file.h"
#include "run/main_controller.h"
#include "run/parallel_count.h"
#include "run/piece_count.h"
#include "run/run_error.h"
#include "run/text_count.h"
#include "words/chars.h"
#include "words/number_format.h"

namespace lexicount {
namespace {

constexpr const char* kLargeInputQuestion =
    "The input file is quite large.  It is advisable to specify an output file before continuing, in case "
    "the "
    "text window will not hold the result. Do you wish to specify an output file?";

// Why a file of many was not counted, from the box it was refused with: its
// first line without the file's name ("is an RTF file."); "declined" when
// the box was a question.
std::string RefusalReason(const std::optional<MessageBox>& box, const std::string& path) {
    if (!box) return "";
    if (box->buttons != Buttons::Ok) return "declined";
    std::string text = box->text;
    for (const std::string& name : {"File " + path, path}) {
        for (size_t at = text.find(name); at != std::string::npos; at = text.find(name))
            text.erase(at, name.size());
    }
    size_t start = text.find_first_not_of(" \r\n");
    if (start == std::string::npos) return "";
    const size_t end = text.find_first_of("\r\n", start);
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

// Files queued between two looks at the window, as long as none waits.
constexpr size_t kFilesPerIdle = 16;

}  // namespace

bool MainController::IsInputFile(const std::string& path) const {
    if (path.empty()) return false;
    auto same = [&path](const std::string& input) {
        return !input.empty() && SameFile(PathFromUtf8(input), PathFromUtf8(path));
    };
    // The files of the last count of many, and those of the next.
    const std::vector<std::string> next =
        commandLineInput_.files.empty() ? ChosenFiles() : commandLineInput_.files;
    return same(countedInputFile_) || std::any_of(countedPaths_.begin(), countedPaths_.end(), same) ||
           std::any_of(next.begin(), next.end(), same) ||
           (settings_.source == SourceOption::optInFile && same(settings_.txbFile[0]));
}

bool MainController::RefuseInputAsOutput(const std::string& outputPath) {
    if (!IsInputFile(outputPath)) return false;
    ShowWarning(Text(34), "Output file cannot be the same as the input file.");
    return true;
}

bool MainController::DoItFromFile() {
    const std::string path = settings_.txbFile[0];
    std::int64_t size = 0;
    ExtractedXml extracted;
    if (!CheckFileInput(path, size, extracted) || !AskForOutputFileIfLarge(size)) return false;
    const bool document = state_.blnInputIsDocx || state_.blnInputIsOdt;
    TextCount& count = StartFileCount(InputExtension(path), size, document);
    try {
        if (document) {
            if (!ScanDocument(count, *scanHooks_, path, extracted.xml)) return false;
        } else {
            ScanPlainText(count, path, size);
        }
    } catch (const std::bad_alloc&) {
        ReportError(kErrOutOfMemory, "Out of memory", "DoItFromFile");
    }
    FinishFileScan();
    return true;
}

bool MainController::CheckFileInput(const std::string& path, std::int64_t& size, ExtractedXml& extracted) {
    TextBox& box = view_.OutputBox();
    auto fail = [&box] {
        box.SetText("");
        box.Repaint();
        return false;
    };
    box.SetText("Now processing input file ...");
    box.Repaint();
    state_.blnInputIsDocx = IsDocxFile(path);
    state_.blnInputIsOdt = !state_.blnInputIsDocx && IsOdtFile(path);
    countedInputFile_ = path;
    // Checked for every kind of input and by identity, not by spelling; a
    // run over many files checks them all at once, before the first.
    if (answersToAll_ == nullptr && RefuseInputAsOutput(settings_.txbFile[1])) return fail();
    if (!state_.blnInputIsDocx && !state_.blnInputIsOdt) {
        if (!CheckPlainTextInput(path, size)) return fail();
    } else {
        const DocumentKind kind = state_.blnInputIsDocx ? DocumentKind::Docx : DocumentKind::Odt;
        extracted = ExtractXMLFileFromDocXFile(PathFromUtf8(path), kind, true, true, FileQuestions());
        if (extracted.result < 0) {
            RefuseDocument(path, extracted.result);
            return fail();
        }
        size = extracted.result;
    }
    box.SetText("");
    box.Repaint();
    return true;
}

bool MainController::AskForOutputFileIfLarge(std::int64_t size) {
    // The question is about the text box's limit: a box without one needs no output file.
    if (!settings_.txbFile[1].empty() || size <= kLargeInputThreshold || view_.OutputBoxCapacity() == 0) {
        return true;
    }
    const Answer answer = view_.Show(
        MessageBox{std::string(kLargeInputTitle), kLargeInputQuestion, Icon::None, Buttons::YesNoCancel, 0});
    if (answer == Answer::Cancel) return false;
    if (answer == Answer::Yes) {
        cmdFile_Click(1);
        if (RefuseInputAsOutput(settings_.txbFile[1])) {
            view_.OutputBox().SetText("");
            view_.OutputBox().Repaint();
            return false;
        }
    }
    return true;
}

std::string MainController::InputExtension(const std::string& path) const {
    const std::string& type = commandLineInput_.type;
    return type.empty() ? GetFileExtension(path, true) : LowerCaseLatin(type);
}

// Standard input is read as it comes: it cannot be classified beforehand,
// and its size is not known.
bool MainController::DoItFromStandardInput() {
    countedInputFile_.clear();
    state_.blnInputIsDocx = false;
    state_.blnInputIsOdt = false;
    state_.intLineEndingType = 0;
    TextCount& count = StartFileCount(InputExtension("txt"), 0, false);
    LineSplitter splitter([&count](std::string& line) { return count.CountFileLine(line, false); });
    if (!SplitStream(stdin, splitter)) {
        const std::error_code error(errno, std::generic_category());
        ReportError(ErrorNumberFor(error), error.message(), "DoItFromStandardInput");
    }
    FinishFileScan();
    return true;
}

bool MainController::DoItFromCounts() {
    countedInputFile_.clear();
    state_.blnInputIsDocx = false;
    state_.blnInputIsOdt = false;
    const CountsFile header = CountsHeader(settings_, commonWords_);
    CountsFile counts;
    std::int64_t instances = 0;
    for (const std::string& path : commandLineInput_.countsFiles) {
        std::string problem = ReadCountsFile(PathFromUtf8(path), counts);
        if (problem.empty()) {
            const std::string differs = CountsMismatch(counts, header);
            if (!differs.empty()) problem = "counted under other settings: " + differs;
        }
        // Each file's numbers are bounded; so many files that their sum is
        // not are refused rather than counted wrong.
        if (problem.empty() && (__builtin_add_overflow(instances, counts.instances, &instances) ||
                                instances > (std::int64_t{1} << 62))) {
            problem = "together with the files before it, more instances than can be counted";
        }
        if (!problem.empty()) {
            ShowWarning("Merge counts", path + ": " + problem + ".");
            return false;
        }
    }
    // Read again to be counted: only one file's words are held at a time.
    TextCount& count = StartFileCount("txt", 0, false);
    for (const std::string& path : commandLineInput_.countsFiles) {
        const std::string problem = ReadCountsFile(PathFromUtf8(path), counts);
        if (!problem.empty()) throw RunError(kErrPathFileAccess, path + ": " + problem);
        count.AddCounts(counts);
    }
    FinishFileScan();
    return true;
}

bool MainController::DoItFromFileList() {
    const std::vector<std::string>& files = ListedFiles();
    const std::int16_t utf8 = settings_.chkUTF8;
    // The output file is checked against all the files at once, before the
    // first; the check of each file leaves it out.
    if (RefuseInputAsOutput(settings_.txbFile[1])) return false;
    TextCount& count = StartFileCount(InputExtension(files.front()), 0, false);
    count.MarkScanStart();
    // A column for each file only for as many as a table can show.
    const bool byFile = perFileColumns_ && files.size() <= kMaxFileColumns;
    countedPaths_ = files;
    if (fileColumns_) {
        count.KeepFiles();
        countedFiles_ = NamesBelowCommonFolder(files);
        if (byFile) countedFileColumns_ = countedFiles_;
    }
    AnswersToAll answers(view_);
    if (commandLineInput_.answersBySetting) {
        answers.AnswerAll(std::string(kUtf8OrAnsiTitle), IsOn(utf8) ? Answer::Yes : Answer::No);
    }
    answersToAll_ = &answers;
    ParallelCount workers(
        ListJobs(),
        [this, &count, byFile] {
            auto worker = std::make_unique<TextCount>(count.Settings(), allowedExtraChars_, wordsToIgnore_,
                                                      commonWords_);
            if (fileColumns_) worker->TellFilesApart(byFile);
            return worker;
        },
        TextFileRules{IsOn(settings_.chkUnicodeWords), utf8, false});
    // The window shows the progress and takes a stop while the workers count.
    const auto idle = [this, &workers, total = files.size()] {
        ShowFilesProgress(workers, total);
        if (context_.StopRequested()) workers.Stop();
    };
    std::vector<FileNote> refused;
    for (size_t index = 0; index < files.size() && !context_.StopRequested(); ++index) {
        settings_.chkUTF8 = utf8;  // each file is asked about as if alone
        // Progress, and a stop, also while the files come faster than the
        // workers wait for them.
        if (index % kFilesPerIdle == kFilesPerIdle - 1) idle();
        answers.ForgetLast();
        std::optional<FileJob> job = ListedFileJob(files[index], answers);
        if (job) {
            job->index = index;
            workers.Add(std::move(*job), idle);
        } else {
            refused.push_back(FileNote{
                index, files[index], true, RefusalReason(answers.LastShown(), files[index]), {}, false});
        }
    }
    answersToAll_ = nullptr;
    settings_.chkUTF8 = utf8;
    if (context_.StopRequested()) workers.Stop();
    workers.FinishInto(count, idle);
    count.SortFiles();
    FinishFileScan();
    const size_t notCounted = ReportListedFiles(refused, workers.Notes(), files.size());
    return notCounted < files.size();
}

// A plain-text file goes to the workers unchecked once the answer to its
// question is known: it is then read once, where it is counted.
std::optional<FileJob> MainController::ListedFileJob(const std::string& path, const AnswersToAll& answers) {
    const std::string extension = GetFileExtension(path, true);
    const std::optional<Answer> utf8 = answers.AnswerFor(std::string(kUtf8OrAnsiTitle));
    if (!utf8 || extension == "docx" || extension == "odt") return CheckListedFile(path);
    FileJob job;
    job.path = path;
    job.extension = InputExtension(path);
    job.checkHere = true;
    job.utf8Answer = *utf8 == Answer::Yes;
    return job;
}

void MainController::ShowFilesProgress(const ParallelCount& workers, size_t total) {
    const size_t done = workers.FilesDone();
    view_.OutputBox().SetText("Counting files: " + FormatGrouped(static_cast<std::int64_t>(done)) + " of " +
                              FormatGrouped(static_cast<std::int64_t>(total)) + " done (" +
                              FormatFileSize(workers.BytesDone()) + ")");
    view_.OutputBox().Repaint();
    view_.Yield();
}

// The boxes the workers' checks would have shown, in the order of the
// files, then the list of the files not counted.
size_t MainController::ReportListedFiles(std::vector<FileNote> refused, const std::vector<FileNote>& notes,
                                         size_t total) {
    for (FileNote note : notes) {
        for (const MessageBox& box : note.boxes) view_.Show(box);
        if (note.reason.empty() && !note.boxes.empty())
            note.reason = RefusalReason(note.boxes.front(), note.path);
        if (note.crOnly && !classifyState_.macNoticeShown) {
            view_.Show(*ClassificationMessage(note.path, TextScan{kTextCr}));
            classifyState_.macNoticeShown = true;
        }
        if (note.refused) refused.push_back(std::move(note));
    }
    if (refused.empty()) return 0;
    std::stable_sort(refused.begin(), refused.end(),
                     [](const FileNote& a, const FileNote& b) { return a.index < b.index; });
    std::string list;
    for (const FileNote& note : refused) {
        list += "\r\n" + note.path + (note.reason.empty() ? "" : " (" + note.reason + ")");
    }
    ShowWarning("Files not counted", FormatGrouped(static_cast<std::int64_t>(refused.size())) + " of " +
                                         FormatGrouped(static_cast<std::int64_t>(total)) +
                                         " files could not be counted:" + list);
    return refused.size();
}

Dialogs& MainController::FileQuestions() {
    if (answersToAll_ != nullptr) return *answersToAll_;
    return view_;
}

std::optional<FileJob> MainController::CheckListedFile(const std::string& path) {
    std::int64_t size = 0;
    ExtractedXml extracted;
    if (!CheckFileInput(path, size, extracted)) return std::nullopt;
    FileJob job;
    job.path = path;
    job.extension = InputExtension(path);
    job.document = state_.blnInputIsDocx || state_.blnInputIsOdt;
    job.kind = state_.blnInputIsDocx ? DocumentKind::Docx : DocumentKind::Odt;
    job.lineEndingType = job.document ? kTextCrLf : state_.intLineEndingType;
    job.utf8 = IsOn(settings_.chkUTF8);
    job.xml = std::move(extracted.xml);
    job.size = size;
    job.utf16 = utf16Input_;
    return job;
}

TextCount& MainController::StartFileCount(const std::string& extension, std::int64_t size, bool document) {
    TextBox& box = view_.OutputBox();
    box.SetText("Now processing input file ...");
    box.Repaint();
    view_.SetLabel(StatusLabel::lblSizeOfClipboardContents, "");
    ConcealNumWords(true);
    view_.Repaint();
    state_.strClipboardText.clear();
    clipboardRaw_.clear();
    if (!state_.blnInputIsDocx) cmdClearOutput_Click();
    state_.intSuppressWordsSaved = settings_.chkSuppressWords;
    scanHooks_ = std::make_unique<ScanHooks>(context_, document ? 0 : size);
    NewCount(*scanHooks_);
    TextCount& count = *state_.count;
    count.BeginFile(extension, document ? kTextCrLf : state_.intLineEndingType);
    state_.blnStop = false;
    view_.SetCountButtonCaption(busyCaption_);
    view_.EnableControls(false);
    if (size > kProgressBarThreshold) SetTotalNumOccurrencesForFileProgressBar();
    return count;
}

void MainController::FinishFileScan() {
    scanHooks_->Flush();
    ResetProgressLabel();
    if (settings_.chkSuppressWords != state_.intSuppressWordsSaved) {
        settings_.chkSuppressWords = state_.intSuppressWordsSaved;
        view_.SettingsChanged();
    }
    view_.SetLabel(StatusLabel::lblTwirler, " ");
}

bool MainController::CheckPlainTextInput(const std::string& path, std::int64_t& size) {
    view_.SetLabel(StatusLabel::lblXMLsize, "");
    state_.intLineEndingType = 0;
    if (!CheckInputFile(path)) return false;
    if (AcceptUtf16Input(path, size)) return true;
    const Classification classification = ClassifyInputFile(path);
    if (!classification.ok) return false;
    state_.intLineEndingType = classification.intFileType;

    const std::string question = Utf8OrAnsiQuestion(settings_.chkUTF8, classification.blnIsUTF8);
    if (!question.empty()) {
        const Answer answer = FileQuestions().Show(
            MessageBox{std::string(kUtf8OrAnsiTitle), question, Icon::None, Buttons::YesNoCancel, 0});
        if (answer == Answer::Cancel) return false;
        if (answer == Answer::Yes) {
            settings_.chkUTF8 = 1;
            settings_.chkOnly7bitASCII = 0;
        } else {
            settings_.chkUTF8 = 0;
        }
        view_.SettingsChanged();
    }
    std::error_code error;
    size = static_cast<std::int64_t>(std::filesystem::file_size(PathFromUtf8(path), error));
    if (error) size = 0;
    return true;
}

// A document refused or declined (a negative result of the extraction):
// the input is forgotten, so the user has to choose a file again.
void MainController::RefuseDocument(const std::string& path, long result) {
    if (result == kMemberTooLarge) {
        FileQuestions().Show(MessageBox{"File too big", ExtractionFailureText(result, PathFromUtf8(path)),
                                        Icon::Information, Buttons::Ok, 0});
    }
    // One of many files is only left out; the run goes on.
    if (answersToAll_ != nullptr) return;
    view_.SetLabel(StatusLabel::lblXMLsize, "");
    view_.SetLabel(StatusLabel::lblFilesize, "");
    view_.SetTimerRunning(false);
    state_.blnElapsedTimeRunning = false;
    settings_.txbFile[0].clear();
    view_.SettingsChanged();
}

bool MainController::ScanDocument(TextCount& count, ScanHooks& hooks, const std::string& path,
                                  const std::string& xml) {
    TextBox& box = view_.OutputBox();
    box.SetText("Processing input file ...\r\n\r\n");
    box.Repaint();
    SetTotalNumOccurrencesForFileProgressBar();
    view_.ShowSuppressWordsBox(false);
    DocumentHooks documentHooks(context_);
    DocumentText text =
        GetLineFromXMLFile(xml, state_.blnInputIsDocx ? DocumentKind::Docx : DocumentKind::Odt, documentHooks,
                           view_, {}, count.DocumentTextEncoding());
    view_.ShowSuppressWordsBox(true);
    if (text.stopped) state_.blnStop = true;
    const auto endWithoutCount = [&] {
        box.SetText("");
        box.Repaint();
        state_.blnStop = false;
        view_.EnableControls(true);
        view_.SetCountButtonCaption(Text(73));
        ResetProgressLabel();
        return false;
    };
    if (state_.blnStop) return endWithoutCount();
    // The text can be far larger than its member: the same limits hold for it.
    const long checked = CheckDocumentText(PathFromUtf8(path), xml.size(), text, true, view_);
    if (checked < 0) {
        RefuseDocument(path, checked);
        return endWithoutCount();
    }
    box.SetText("");
    box.Repaint();
    const auto size = static_cast<std::int64_t>(text.text.size());
    view_.SetLabel(StatusLabel::lblXMLsize, "Text: " + FormatFileSize(size));
    state_.intLineEndingType = kTextCrLf;
    hooks.SetProgressSize(size);
    if (size > kProgressBarThreshold) {
        SetTotalNumOccurrencesForFileProgressBar();
    } else {
        ResetProgressLabel();
    }
    if (CountsInPieces(size)) {
        ScanInPieces(count, [&count, &text](PieceCount& pieces, const std::function<void()>& idle) {
            pieces.CountText(text.text, true, count, idle);
            return std::error_code{};
        });
    } else {
        count.CountText(text.text, true);
    }
    return true;
}

// Words in any script take UTF-16 files too, which the Western text model
// refuses: they are read as they are converted, without the classification
// of 8-bit text.
bool MainController::AcceptUtf16Input(const std::string& path, std::int64_t& size) {
    utf16Input_ = kHeaderNone;
    if (!IsOn(settings_.chkUnicodeWords)) return false;
    const std::int16_t header = CheckFileHeader(path, true);
    if (header != kHeaderUtf16Le && header != kHeaderUtf16Be) return false;
    utf16Input_ = header;
    std::error_code error;
    size = static_cast<std::int64_t>(std::filesystem::file_size(PathFromUtf8(path), error));
    if (error) size = 0;
    return true;
}

void MainController::ScanPlainText(TextCount& count, const std::string& path, std::int64_t size) {
    std::error_code error;
    if (utf16Input_ == kHeaderNone && CountsInPieces(size)) {
        error = ScanInPieces(count, [&count, &path](PieceCount& pieces, const std::function<void()>& idle) {
            return pieces.CountFile(path, count, idle);
        });
    } else {
        LineSplitter splitter([&count](std::string& line) { return count.CountFileLine(line, false); });
        error = SplitTextFile(path, utf16Input_, splitter);
    }
    if (error) {
        ReportError(ErrorNumberFor(error), error.message(), "DoItFromFile");
    }
}

bool MainController::CountsInPieces(std::int64_t size) const {
    return PieceCount::Worthwhile(size, ListJobs()) &&
           !(settings_.chkSuppressWords == 0 && view_.ShowsWordsAsFound());
}

std::error_code MainController::ScanInPieces(TextCount& count, const PieceScan& scan) {
    PieceCount pieces(ListJobs(), [this, &count] {
        return std::make_unique<TextCount>(count.Settings(), allowedExtraChars_, wordsToIgnore_,
                                           commonWords_);
    });
    count.MarkScanStart();
    // A stop is confirmed as in a scan of one piece, once the words found
    // so far are known: the workers wait for the answer.
    const auto idle = [this, &pieces, &count] {
        scanHooks_->LineRead(pieces.BytesDone());
        scanHooks_->LineYield();
        if (pieces.Stopped() || !context_.StopRequested() || !pieces.Pause()) return;
        const std::int64_t words = pieces.WordsSoFar(count);
        if (words < kStopConfirmationWords || scanHooks_->ConfirmStop(words)) {
            pieces.Stop();
            count.MarkStopped();
        } else {
            scanHooks_->ClearStop();
            pieces.Resume();
        }
    };
    return scan(pieces, idle);
}

void MainController::SetTotalNumOccurrencesForFileProgressBar() {
    view_.SetProgressBarLook(true);
    view_.ShowLabel(StatusLabel::lblTotalNumOccurrences, true);
    view_.SetLabel(StatusLabel::lblTotalNumOccurrences,
                   "[" + std::string(static_cast<size_t>(kProgressBarWidth), ' ') + "]");
}

void MainController::ResetProgressLabel() {
    view_.SetProgressBarLook(false);
    view_.ShowLabel(StatusLabel::lblTotalNumOccurrences, true);
    view_.SetLabel(StatusLabel::lblTotalNumOccurrences, "");
}

}  // namespace lexicount
