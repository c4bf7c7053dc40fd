#include "script_reading.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

#include "ascii_case.h"
#include "file_reading.h"
#include "console.h"
#include "script_encoding.h"

namespace {

namespace fs = std::filesystem;

std::string MakensisFileName() {
#ifdef _WIN32
    return "makensis.exe";
#else
    return "makensis";
#endif
}

// A LangFile.nsh language file ("!insertmacro LANGFILE ..." first) is no
// script of its own: makensis reads it through LangFile.nsh's macro.
bool IsLangFile(const std::string& utf8) {
    std::size_t at = utf8.find("!insertmacro");
    while (at != std::string::npos) {
        std::size_t word = at + 12;
        while (word < utf8.size() && (utf8[word] == ' ' || utf8[word] == '\t')) ++word;
        for (const std::string macro : {"LANGFILE", "LANGFILE_EXT", "\"LANGFILE\"", "\"LANGFILE_EXT\""}) {
            const std::size_t end = word + macro.size();
            if (utf8.compare(word, macro.size(), macro) == 0 && end < utf8.size() && (utf8[end] == ' ' || utf8[end] == '\t')) {
                return true;
            }
        }
        at = utf8.find("!insertmacro", word);
    }
    return false;
}

// The script that reads a language file through LangFile.nsh. The features
// the file tests with !ifdef (MUI_WELCOMEPAGE ...) are all defined: each of
// its texts is one some installer holds.
std::string LangFileWrapper(const std::string& absolutePath, const std::string& utf8) {
    std::string wrapper;
    std::set<std::string> defined;
    for (std::size_t at = utf8.find("!ifdef"); at != std::string::npos; at = utf8.find("!ifdef", at + 6)) {
        std::size_t start = at + 6;
        while (start < utf8.size() && (utf8[start] == ' ' || utf8[start] == '\t')) ++start;
        std::size_t end = start;
        while (end < utf8.size() && utf8[end] > ' ') ++end;
        const std::string name = utf8.substr(start, end - start);
        if (end > start && at + 6 < start && defined.insert(name).second) wrapper += "!define " + name + "\n";
    }
    return wrapper + "!include LangFile.nsh\n!insertmacro LANGFILE_INCLUDE \"" + absolutePath + "\"\n";
}

// A script in a temporary folder, removed when it goes out of scope.
class TemporaryScript {
public:
    explicit TemporaryScript(const std::string& text) {
        std::error_code error;
        std::random_device random;
        path_ = fs::temp_directory_path(error) / ("parlune-import-" + std::to_string(random()) + ".nsi");
        std::ofstream out(path_, std::ios::binary);
        out << "\xEF\xBB\xBF" << text;
        written_ = static_cast<bool>(out.flush());
    }
    ~TemporaryScript() {
        std::error_code error;
        fs::remove(path_, error);
    }
    TemporaryScript(const TemporaryScript&) = delete;
    TemporaryScript& operator=(const TemporaryScript&) = delete;

    bool Written() const { return written_; }
    std::string Path() const { return path_.u8string(); }

private:
    fs::path path_;
    bool written_ = false;
};

// The folder of a script as makensis is to read it when files in it are
// ANSI (neither UTF-8 nor UTF-16, and no --codepage): a copy in which those
// files are UTF-8 with their upper bytes marked for each language's code
// page, and the others are the originals (linked where links need no rights).
class AnsiMirror {
public:
    static constexpr std::size_t kMaxEntries = 20000;  // a folder larger than a project's is not copied

    AnsiMirror() = default;
    AnsiMirror(const AnsiMirror&) = delete;
    AnsiMirror& operator=(const AnsiMirror&) = delete;
    ~AnsiMirror() {
        std::error_code error;
        if (!root_.empty()) fs::remove_all(root_, error);
    }

    // True when the folder has ANSI scripts and the copy is made.
    bool Build(const fs::path& folder) {
        std::vector<fs::path> files;
        std::vector<std::string> copied;  // a script's bytes as the copy holds them; "" for a link
        bool ansi = false;
        std::error_code error;
        fs::recursive_directory_iterator entries(folder, fs::directory_options::skip_permission_denied, error);
        for (; !error && entries != fs::recursive_directory_iterator(); entries.increment(error)) {
            if (files.size() == kMaxEntries) return false;
            if (!entries->is_regular_file(error)) continue;
            files.push_back(entries->path());
            // scripts are copied, since makensis finds includes beside a
            // script's real path; other files are linked
            std::string text;
            const std::string extension = AsciiLower(entries->path().extension().u8string());
            if (extension == ".nsi" || extension == ".nsh") {
                std::string bytes, reason, ignored;
                ScriptCharset charset = ScriptCharset::Utf8;
                if (ReadWholeFile(entries->path().u8string(), bytes, reason)) {
                    const bool decoded = DecodeScript(bytes, kNoCodePage, text, ignored, &charset);
                    ansi = ansi || (decoded && charset == ScriptCharset::AnsiMarked);
                    text = decoded && charset == ScriptCharset::AnsiMarked ? "\xEF\xBB\xBF" + text : bytes;
                }
            }
            copied.push_back(text);
        }
        if (error || !ansi) return false;
        std::random_device random;
        root_ = fs::temp_directory_path(error) / ("parlune-import-" + std::to_string(random()));
        for (std::size_t i = 0; i < files.size(); ++i) {
            const fs::path target = root_ / fs::relative(files[i], folder, error);
            fs::create_directories(target.parent_path(), error);
            if (!copied[i].empty()) {
                std::ofstream(target, std::ios::binary) << copied[i];
            } else {
#ifdef _WIN32
                fs::copy_file(files[i], target, error);
#else
                fs::create_symlink(fs::absolute(files[i]), target, error);
#endif
            }
        }
        return true;
    }

    fs::path Place(const fs::path& file, const fs::path& folder) const {
        std::error_code error;
        return root_ / fs::relative(file, folder, error);
    }

private:
    fs::path root_;
};

// makensis's preprocessor output of a script, without running the script's
// own !system or !execute commands.
bool Preprocess(const ScriptReader& reader, const std::string& path, const std::string& inputCharset,
                std::string& output, std::string& complaint) {
    std::vector<std::string> arguments = {"-OUTPUTCHARSET", "UTF8"};
    if (!inputCharset.empty()) arguments.insert(arguments.end(), {"-INPUTCHARSET", inputCharset});
    arguments.insert(arguments.end(), reader.options.begin(), reader.options.end());
    arguments.insert(arguments.end(), {"-SAFEPPO", path});
    console::ProgramRun run = console::RunProgram(reader.makensis, arguments);
    if (!run.started) {
        complaint = "makensis (" + reader.makensis + ") does not start";
        return false;
    }
    if (run.exitCode != 0) {
        while (!run.errors.empty() && (run.errors.back() == '\n' || run.errors.back() == '\r')) run.errors.pop_back();
        complaint = "makensis stops on it, so no installer holds its texts:\n" +
                    (run.errors.empty() ? "(makensis said nothing, exit " + std::to_string(run.exitCode) + ")"
                                        : run.errors);
        return false;
    }
    output.swap(run.output);
    return true;
}

// A path that makensis printed, as this program opens it: a Windows makensis
// run under Wine elsewhere prints its drives, Z: being "/" and the others
// the prefix's dosdevices.
std::string LocalPath(const std::string& printed) {
#ifdef _WIN32
    return printed;
#else
    const bool drive = printed.size() >= 3 && std::isalpha(static_cast<unsigned char>(printed[0])) &&
                       printed[1] == ':' && (printed[2] == '\\' || printed[2] == '/');
    if (!drive) return printed;
    std::string rest = printed.substr(2);
    std::replace(rest.begin(), rest.end(), '\\', '/');
    const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(printed[0])));
    if (letter == 'z') return rest;
    const char* prefix = std::getenv("WINEPREFIX");
    const char* home = std::getenv("HOME");
    const std::string root = prefix != nullptr ? prefix : std::string(home != nullptr ? home : "") + "/.wine";
    return root + "/dosdevices/" + letter + ":" + rest;
#endif
}

}  // namespace

std::string ScriptReader::Description() const {
    if (!makensis.empty()) {
        return "Read through makensis " + version + " (" + makensis +
               "): includes, defines, macros and conditions as the installer holds them.";
    }
    return "Read without makensis (put it on PATH or name it with --makensis PATH): includes are not followed, "
           "LangStrings inside macros are skipped, and only the named files' own defines and plain conditions are "
           "filled in.";
}

bool ChooseReader(const std::string& named, bool off, int codePage, ScriptReader& reader, std::string& complaint) {
    reader.codePage = codePage;
    if (off) return true;
    reader.makensis = named.empty() ? console::FindProgramOnPath(MakensisFileName()) : named;
    if (reader.makensis.empty()) return true;
    const console::ProgramRun run = console::RunProgram(reader.makensis, {"-VERSION"});
    if (!run.started || run.exitCode != 0) {
        if (named.empty()) {  // one on PATH that does not run: read without it
            reader.makensis.clear();
            return true;
        }
        complaint = "makensis " + named + " does not run";
        return false;
    }
    reader.version = run.output.substr(0, run.output.find_first_of("\r\n"));
    // The names NSIS's own language files give texts, read by makensis itself.
    TemporaryScript folder("Name \"${NSISDIR}\"\n");
    std::string output, ignored, english;
    if (!folder.Written() || !Preprocess(reader, folder.Path(), "", output, ignored)) return true;
    const std::size_t open = output.find('"'), close = output.rfind('"');
    if (open == std::string::npos || close <= open) return true;
    // NSISDIR in makensis's own form, joined the way it writes paths
    const std::string nsisDir = output.substr(open + 1, close - open - 1);
    const char separator = nsisDir.find('\\') != std::string::npos ? '\\' : '/';
    std::string englishPath = nsisDir + separator + "Contrib" + separator + "Language files" + separator + "English.nsh";
    if (!ReadWholeFile(LocalPath(englishPath), english, ignored)) return true;
    TemporaryScript names(LangFileWrapper(englishPath, english));
    if (names.Written() && Preprocess(reader, names.Path(), "", output, ignored)) {
        for (const LangStringLine& line : ReadLangStrings(output, ScriptForm::Preprocessed).langStrings) {
            reader.nsisTextNames.insert(line.name);
        }
    }
    return true;
}

bool ReadScript(const ScriptReader& reader, const std::string& path, ScriptSource& source, std::string& complaint) {
    std::string bytes, reason;
    if (!ReadWholeFile(path, bytes, reason)) {
        complaint = reason;
        return false;
    }
    ScriptCharset charset = ScriptCharset::Utf8;
    std::string utf8;
    const bool decoded = DecodeScript(bytes, reader.codePage, utf8, complaint, &charset);
    source.name = path;
    if (reader.makensis.empty()) {
        if (!decoded) return false;
        source.utf8.swap(utf8);
        source.form = ScriptForm::Source;
        return true;
    }
    // makensis decodes the file itself: the charset tells it what the mark
    // does not.
    std::string inputCharset;
    if (reader.codePage != kNoCodePage) inputCharset = "CP" + std::to_string(reader.codePage);
    else if (charset == ScriptCharset::Utf16leWithoutBom) inputCharset = "UTF16LE";
    else if (!decoded) return false;
    source.form = ScriptForm::Preprocessed;
    std::string absolute = fs::absolute(fs::u8path(path)).u8string();
    AnsiMirror mirror;
    if (reader.codePage == kNoCodePage) {
        const fs::path folder = fs::absolute(fs::u8path(path)).parent_path();
        if (mirror.Build(folder)) {
            absolute = mirror.Place(fs::absolute(fs::u8path(path)), folder).u8string();
            if (charset == ScriptCharset::Utf16leWithoutBom) inputCharset = "UTF16LE";
        }
    }
    if (IsLangFile(decoded ? utf8 : bytes)) {
        TemporaryScript wrapper(LangFileWrapper(absolute, decoded ? utf8 : bytes));
        if (!wrapper.Written()) {
            complaint = "cannot write a temporary script for makensis";
            return false;
        }
        return Preprocess(reader, wrapper.Path(), "", source.utf8, complaint);
    }
    source.nsisTextNames = reader.nsisTextNames;
    if (Preprocess(reader, absolute, inputCharset, source.utf8, complaint)) return true;
    // A fragment of a larger script (it starts with "!insertmacro
    // MUI_LANGUAGE ...") reads with Modern UI around it; one that needs its
    // main script's own macros does not.
    if (complaint.find("macro named") == std::string::npos) return false;
    const std::string includeCharset = inputCharset.empty() ? std::string() : " /CHARSET=" + inputCharset;
    TemporaryScript wrapper("Unicode true\n!include MUI2.nsh\n!include" + includeCharset + " \"" + absolute + "\"\n");
    std::string again;
    if (wrapper.Written() && Preprocess(reader, wrapper.Path(), "", source.utf8, again)) return true;
    if (!again.empty()) complaint = again + " (with Modern UI included first)";
    complaint += "\nIt is a fragment of a larger script, which makensis cannot read alone: name the script that "
                 "includes it (with the -D and -X options the build passes to makensis), or read it with "
                 "--no-makensis.";
    return false;
}
