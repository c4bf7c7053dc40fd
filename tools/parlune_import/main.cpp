// parlune-import: turns the LangString lines of NSIS scripts into Parlune
// language files, one per language, named as the plug-in looks them up.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "folder_check.h"
#include "import_report.h"
#include "language_files_import.h"
#include "platform/console.h"
#include "script_encoding.h"

namespace {

constexpr int kExitImported = 0;
constexpr int kExitNothingImported = 1;
constexpr int kExitUsage = 2;

const char kUsage[] =
    "usage: parlune-import --out FOLDER SCRIPT...\n"
    "\n"
    "Reads the LangString lines of NSIS scripts and include files (UTF-8, or\n"
    "UTF-16LE with a byte-order mark) and writes FOLDER/en.json from English and\n"
    "one file per language under the name Parlune looks for (de.json, pt-br.json,\n"
    "zh-cn.json ...). NSIS escapes become their characters; $VAR, $(String),\n"
    "${DEFINE} and $%ENV% inside a text become {{placeholders}}, listed with the\n"
    "${ParluneFormat} line that fills each.\n"
    "\n"
    "Exit status: 0 imported, 1 nothing could be imported, 2 bad usage.\n";

int Usage(const std::string& complaint) {
    if (!complaint.empty()) std::fprintf(stderr, "parlune-import: %s\n", complaint.c_str());
    std::fputs(kUsage, stderr);
    return kExitUsage;
}

int Failure(const std::string& complaint) {
    std::fprintf(stderr, "parlune-import: %s\n", complaint.c_str());
    return kExitNothingImported;
}

void Print(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stdout); }

}  // namespace

int main(int argc, char** argv) {
    platform::PrepareUtf8Console();
    const std::vector<std::string> arguments = platform::Utf8Arguments(argc, argv);
    std::string outFolder;
    std::vector<std::string> scriptPaths;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            Print(kUsage);
            return kExitImported;
        } else if (argument == "--out") {
            if (i + 1 >= arguments.size()) return Usage("--out needs a FOLDER");
            outFolder = arguments[++i];
        } else if (argument.size() > 1 && argument[0] == '-') {
            return Usage("unknown option " + argument);
        } else {
            scriptPaths.push_back(argument);
        }
    }
    if (outFolder.empty()) return Usage("name the FOLDER to write with --out");
    if (scriptPaths.empty()) return Usage("name at least one SCRIPT");

    std::vector<ScriptSource> scripts;
    for (const std::string& path : scriptPaths) {
        std::error_code error;
        if (!std::filesystem::is_regular_file(std::filesystem::u8path(path), error)) {
            return Failure("cannot read " + path + ": no such file");
        }
        ScriptSource script{path, {}};
        std::string complaint;
        if (!DecodeScript(ReadBytes(path), script.utf8, complaint)) return Failure("cannot read " + path + ": " + complaint);
        scripts.push_back(script);
    }

    const LanguageImport result = ImportLangStrings(scripts);
    if (result.English() == nullptr) {
        Print(ImportReport(result, outFolder, false));
        return Failure(result.files.empty()
                           ? "found no LangString of a language Parlune has a file for; nothing written"
                           : "found no English LangString (${LANG_ENGLISH} or 1033), and en.json is the file every "
                             "language falls back to; nothing written");
    }
    const std::filesystem::path folder = std::filesystem::u8path(outFolder);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    for (const ImportedFile& file : result.files) {
        const std::filesystem::path target = folder / (file.tag + ".json");
        std::ofstream out(target, std::ios::binary);
        out << LanguageFileText(file);
        if (!out.flush()) return Failure("cannot write " + target.u8string());
    }
    Print(ImportReport(result, outFolder, true));
    return kExitImported;
}
