#include "reports.h"

#include "json_quoted.h"
#include "nsis_language_files.h"
#include "report_text.h"
#include "std_interop.h"

namespace {

const char* SeverityName(Severity severity) { return severity == Severity::Error ? "error" : "warning"; }

std::string Share(const FileReport& file, std::size_t englishTexts) {
    if (englishTexts == 0 || file.baseName.empty()) return "not compared with en.json";
    std::string share = std::to_string(file.translated * 100 / englishTexts) + "% of en.json";
    if (file.untranslated > 0) share += ", " + std::to_string(file.untranslated) + " untranslated";
    return share;
}

// NSIS's own texts, counted apart from the script's: NSIS has them in its
// languages already.
std::string NsisShare(const FileReport& file) {
    if (file.nsisTexts.empty()) return "";
    return ", " + std::to_string(file.nsisTexts.size()) + " of NSIS's " + std::to_string(NsisEnglishTexts().size()) +
           " own texts";
}

// A file's broken UTF-8, quoted in a message or a name, as U+FFFD: the
// report stays valid JSON whatever the files hold.
std::string Quoted(const std::string& text) { return JsonQuoted(ToUtf8(FromUtf8(text))); }

std::string JsonProblem(const Problem& problem, const std::string& file) {
    return "{\"severity\": \"" + std::string(SeverityName(problem.severity)) + "\", \"kind\": " +
           Quoted(problem.kind) + ", \"file\": " + Quoted(file) + ", \"line\": " +
           std::to_string(problem.line) + ", \"column\": " + std::to_string(problem.column) +
           ", \"message\": " + Quoted(problem.message) + "}";
}

}  // namespace

std::string TextReport(const FolderReport& report) {
    std::string out = "Checking " + report.folder + " (texts up to " + std::to_string(report.stringSize - 1) +
                      " UTF-16 characters)\n\n";
    for (const Problem& problem : report.folderProblems) {
        out += report.folder + ": " + SeverityName(problem.severity) + ": " + problem.message + "\n";
    }
    for (const FileReport& file : report.files) {
        out += Padded(file.fileName, 14) + Padded(file.language.empty() ? "(not loaded)" : file.language, 26) +
               Counted(file.texts, "key") + ", " + Share(file, report.englishTexts) + NsisShare(file) +
               (file.selectedBy.empty() ? "" : "; tags " + file.selectedBy) + "\n";
        if (!file.untranslatedKeys.empty()) {
            out += "  untranslated (en.json's text or \"\"):";
            for (std::size_t k = 0; k < file.untranslatedKeys.size(); ++k) out += (k > 0 ? ", " : " ") + file.untranslatedKeys[k];
            out += "\n";
        }
        for (const Problem& problem : file.problems) {
            out += "  " + file.fileName + ":" + std::to_string(problem.line) + ":" + std::to_string(problem.column) +
                   ": " + SeverityName(problem.severity) + ": " + problem.message + "\n";
        }
    }
    out += "\n" + Counted(report.files.size(), "file") + ", " + Counted(report.errors, "error") + ", " +
           Counted(report.warnings, "warning") + "\n";
    return out;
}

std::string JsonReport(const FolderReport& report) {
    std::string out = "{\n  \"folder\": " + Quoted(report.folder) +
                      ",\n  \"stringSize\": " + std::to_string(report.stringSize) +
                      ",\n  \"englishKeys\": " + std::to_string(report.englishTexts) + ",\n  \"problems\": [";
    for (std::size_t i = 0; i < report.folderProblems.size(); ++i) {
        out += (i > 0 ? ", " : "") + JsonProblem(report.folderProblems[i], "");
    }
    out += "],\n  \"files\": [";
    for (std::size_t i = 0; i < report.files.size(); ++i) {
        const FileReport& file = report.files[i];
        out += std::string(i > 0 ? "," : "") + "\n    {\"file\": " + Quoted(file.fileName) +
               ", \"baseName\": " + Quoted(file.baseName) + ", \"language\": " + Quoted(file.language) +
               ", \"tags\": " + Quoted(file.selectedBy) +
               ", \"keys\": " + std::to_string(file.texts) + ", \"translated\": " + std::to_string(file.translated) +
               ", \"untranslated\": " + std::to_string(file.untranslated) + ", \"untranslatedKeys\": [";
        for (std::size_t k = 0; k < file.untranslatedKeys.size(); ++k) {
            out += (k > 0 ? ", " : "") + Quoted(file.untranslatedKeys[k]);
        }
        out += std::string("]") +
               ", \"nsisTexts\": " + std::to_string(file.nsisTexts.size()) + ", \"problems\": [";
        for (std::size_t k = 0; k < file.problems.size(); ++k) {
            out += std::string(k > 0 ? "," : "") + "\n      " + JsonProblem(file.problems[k], file.fileName);
        }
        out += "]}";
    }
    out += "\n  ],\n  \"errors\": " + std::to_string(report.errors) + ",\n  \"warnings\": " +
           std::to_string(report.warnings) + "\n}\n";
    return out;
}
