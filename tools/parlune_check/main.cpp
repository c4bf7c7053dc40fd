// parlune-check: shows translators and installer authors what the installer
// will make of their language files.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "declared_texts.h"
#include "file_reading.h"
#include "folder_check.h"
#include "language_file_check.h"
#include "nsis_tables.h"
#include "console.h"
#include "packing_plan.h"
#include "platform/platform.h"
#include "pseudo_locale.h"
#include "reports.h"
#include "resolve.h"
#include "std_interop.h"

namespace {

constexpr int kExitClean = 0;
constexpr int kExitProblems = 1;
constexpr int kExitUsage = 2;

const char kUsage[] =
    "usage: parlune-check [--json] [--strict | --quiet] [--string-size N] [--declared FILE]\n"
    "                     [--plan FILE [--plan-number N] [--min-coverage N] [--nsisdir DIR]] FOLDER\n"
    "       parlune-check --resolve [TAG] FOLDER\n"
    "       parlune-check --pseudo FOLDER\n"
    "\n"
    "Checks every *.json in FOLDER the way the Parlune plug-in reads it and reports,\n"
    "per file, its language, its keys and the share of en.json it translates, then\n"
    "its problems as FILE:LINE:COLUMN: error|warning: what the installer will do.\n"
    "\n"
    "  --json            the same report as JSON\n"
    "  --strict          count warnings as errors\n"
    "  --quiet           no report and no verdict: exit 0 whatever the files hold\n"
    "                    (for --plan alone)\n"
    "  --string-size N   the installer's string size (default 1024; 8192 for the\n"
    "                    large-strings NSIS build): longer texts are cut to N - 1\n"
    "  --declared FILE   the texts the script declares, one name a line: a name\n"
    "                    en.json lacks is an error, an en.json key none names a\n"
    "                    warning (Parlune.nsh passes it while compiling)\n"
    "  --plan FILE       write how Parlune.nsh packs the folder (the stand-ins the\n"
    "                    plug-in picks among, the language dialog's list, Modern\n"
    "                    UI's languages) as a makensis include, its names\n"
    "                    numbered N (default 1); a file translating less than\n"
    "                    --min-coverage percent of en.json is left out of the\n"
    "                    dialog; with --nsisdir, the include also puts the files'\n"
    "                    texts for NSIS's and Modern UI's own into the installer's\n"
    "                    language tables, and beside it go the tables of languages\n"
    "                    NSIS lacks, built from the language files of NSIS in DIR\n"
    "  --resolve [TAG]   show which file the installer loads for TAG, or without a\n"
    "                    TAG for this user's preferred UI language\n"
    "  --pseudo          write FOLDER/en-xm.json, the pseudo-locale, from en.json\n"
    "                    and NSIS's own English texts:\n"
    "                    accented, a third longer, bracketed (run with /LANG=en-XM)\n"
    "  --help            this text\n"
    "\n"
    "Exit status: 0 no errors, 1 errors (or warnings with --strict), 2 bad usage.\n";

int Usage(const std::string& complaint) {
    if (!complaint.empty()) std::fprintf(stderr, "parlune-check: %s\n", complaint.c_str());
    std::fputs(kUsage, stderr);
    return kExitUsage;
}

void Print(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stdout); }

// Empty when path is a folder; else why not.
std::string WhyNoFolder(const std::string& path) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(std::filesystem::u8path(path), error);
    if (error == std::errc::too_many_symbolic_link_levels) return "a symbolic link that loops: " + path;
    if (error || !std::filesystem::exists(status)) return "no such folder: " + path;
    return std::filesystem::is_directory(status) ? std::string() : "not a folder: " + path;
}

int WritePseudoLocale(const std::string& folder) {
    const std::filesystem::path base = std::filesystem::u8path(folder);
    std::string bytes, reason;
    if (!ReadWholeFile((base / "en.json").u8string(), bytes, reason)) {
        std::fprintf(stderr, "parlune-check: cannot read %s: %s\n", (base / "en.json").u8string().c_str(), reason.c_str());
        return kExitProblems;
    }
    const LanguageFileCheck english = CheckLanguageFile(bytes, kNsisStringSize);
    if (!english.readable) {
        std::fprintf(stderr, "parlune-check: %s has no readable en.json; check it first\n", folder.c_str());
        return kExitProblems;
    }
    const std::filesystem::path target = base / "en-xm.json";
    const std::string text = PseudoLocaleFile(english);
    std::ofstream out(target, std::ios::binary);
    out << text;
    if (!out.flush()) {
        std::fprintf(stderr, "parlune-check: cannot write %s\n", target.u8string().c_str());
        return kExitProblems;
    }
    Print("Wrote " + target.u8string() + ": " + std::to_string(CountTexts(english)) +
          " texts of en.json and NSIS's and Modern UI's own, pseudo-localized; run the installer with /LANG=en-XM\n");
    return kExitClean;
}

// A whole number from 0 up to a million, else -1.
long NumberOf(const std::string& text) {
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    return text.empty() || *end != '\0' || value < 0 || value > 1000000 ? -1 : value;
}

// The plan's include at planPath; with nsisDir, the NSIS tables' hooks in
// it and the tables of their own beside it, named after it. Returns "" or
// what went wrong.
std::string WritePlan(const FolderReport& report, const std::string& planPath, int planNumber, int minCoverage,
                      const std::string& nsisDir) {
    const std::filesystem::path path = std::filesystem::u8path(planPath);
    const std::string tablesFolder = path.parent_path().u8string();
    const std::string prefix = path.stem().u8string();
    std::vector<NsisTable> tables;
    if (!nsisDir.empty()) {
        tables = PlanNsisTables(report);
        const std::string failure = WriteNsisTables(tables, nsisDir, tablesFolder, prefix);
        if (!failure.empty()) return failure;
    }
    const PackingPlan plan = PlanPacking(report, minCoverage, tables, prefix);
    std::ofstream out(path, std::ios::binary);
    out << PackingPlanInclude(plan, planNumber, nsisDir.empty() ? "" : NsisTablesInclude(tables, prefix), tablesFolder);
    return out.flush() ? std::string() : "cannot write " + planPath;
}

}  // namespace

int Run(int argc, char** argv) {
    console::PrepareUtf8Console();
    const std::vector<std::string> arguments = console::Utf8Arguments(argc, argv);
    bool json = false, strict = false, quiet = false, resolve = false, pseudo = false;
    int stringSize = kNsisStringSize;
    int planNumber = 1, minCoverage = -1;
    std::string declaredFile, planFile, nsisDir;
    std::vector<std::string> operands;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            Print(kUsage);
            return kExitClean;
        } else if (argument == "--json") {
            json = true;
        } else if (argument == "--strict") {
            strict = true;
        } else if (argument == "--quiet") {
            quiet = true;
        } else if (argument == "--resolve") {
            resolve = true;
        } else if (argument == "--pseudo") {
            pseudo = true;
        } else if (argument == "--declared") {
            if (i + 1 >= arguments.size()) return Usage("--declared needs a FILE");
            declaredFile = arguments[++i];
        } else if (argument == "--plan" || argument == "--nsisdir") {
            if (i + 1 >= arguments.size()) return Usage(argument + (argument == "--nsisdir" ? " needs a DIR" : " needs a FILE"));
            (argument == "--nsisdir" ? nsisDir : planFile) = arguments[++i];
        } else if (argument == "--plan-number" || argument == "--min-coverage") {
            const long value = i + 1 < arguments.size() ? NumberOf(arguments[++i]) : -1;
            if (value < 0) return Usage(argument + " takes a number from 0 up");
            (argument == "--plan-number" ? planNumber : minCoverage) = static_cast<int>(value);
        } else if (argument == "--string-size") {
            if (i + 1 >= arguments.size()) return Usage("--string-size needs a number");
            char* end = nullptr;
            const long value = std::strtol(arguments[++i].c_str(), &end, 10);
            if (*end != '\0' || value < 2 || value > 1 << 20) return Usage("--string-size takes a number from 2 up");
            stringSize = static_cast<int>(value);
        } else if (argument.size() > 1 && argument[0] == '-') {
            return Usage("unknown option " + argument);
        } else {
            operands.push_back(argument);
        }
    }

    if (resolve) {
        if (operands.empty() || operands.size() > 2) return Usage("--resolve takes an optional TAG and a FOLDER");
        const std::string& folder = operands.back();
        if (!WhyNoFolder(folder).empty()) return Usage(WhyNoFolder(folder));
        Print(ResolveReport(operands.size() == 2 ? FromUtf8(operands[0]) : std::u16string(), folder));
        return kExitClean;
    }
    if (operands.size() != 1) return Usage(operands.empty() ? "name a FOLDER" : "name one FOLDER");
    if (!WhyNoFolder(operands[0]).empty()) return Usage(WhyNoFolder(operands[0]));
    if (pseudo) return WritePseudoLocale(operands[0]);
    if (planFile.empty() && !nsisDir.empty()) return Usage("--nsisdir goes with --plan");

    std::vector<std::string> declared;
    if (!declaredFile.empty()) {
        std::string text, reason;
        if (!ReadWholeFile(declaredFile, text, reason)) return Usage("cannot read " + declaredFile + ": " + reason);
        declared = DeclaredNames(text);
    }
    const FolderReport report = CheckFolder(operands[0], stringSize, declaredFile.empty() ? nullptr : &declared);
    if (!quiet) Print(json ? JsonReport(report) : TextReport(report));
    if (!planFile.empty()) {
        const std::string failure = WritePlan(report, planFile, planNumber, minCoverage, nsisDir);
        if (!failure.empty()) {
            std::fprintf(stderr, "parlune-check: %s\n", failure.c_str());
            return kExitProblems;
        }
    }
    if (quiet) return kExitClean;
    return report.errors > 0 || (strict && report.warnings > 0) ? kExitProblems : kExitClean;
}

int main(int argc, char** argv) { return console::RunTool("parlune-check", Run, argc, argv, kExitProblems); }
