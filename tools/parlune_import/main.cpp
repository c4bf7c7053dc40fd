// parlune-import: turns the LangString lines of NSIS scripts into Parlune
// language files, one per language, named as the plug-in looks them up.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "import_report.h"
#include "language_files_import.h"
#include "console.h"
#include "script_encoding.h"
#include "script_reading.h"

namespace {

constexpr int kExitImported = 0;
constexpr int kExitNothingImported = 1;
constexpr int kExitUsage = 2;

const char kUsage[] =
    "usage: parlune-import [--makensis PATH | --no-makensis] [--codepage N] [-DNAME[=VALUE]] [-XCOMMAND]\n"
    "                      --out FOLDER SCRIPT...\n"
    "\n"
    "Reads the LangStrings (and LangFile.nsh's ${LangFileString} lines) of NSIS\n"
    "scripts and writes FOLDER/en.json from English and one file per language\n"
    "under the name Parlune looks for (de.json, pt-br.json, zh-cn.json ...).\n"
    "\n"
    "Name the installer's main script: makensis's own preprocessor reads it, with\n"
    "its includes, defines, macros and conditions, so the files hold the texts\n"
    "the installer holds. Without makensis the importer reads each named file\n"
    "itself and says what it cannot see. NSIS escapes become their characters;\n"
    "$VAR, $(String), ${DEFINE} and $%ENV% left in a text become {{placeholders}},\n"
    "listed with the one ${ParluneFill} line that fills each name. The script's texts\n"
    "for NSIS's and Modern UI's own (^NextBtn, MUI_TEXT_WELCOME_INFO_TITLE) go into\n"
    "the files under those names, NSIS's references ($(^NameDA)) kept; the ones no\n"
    "file gives (^Name, ^Branding) go to FOLDER/nsis-texts.nsh.\n"
    "\n"
    "  --makensis PATH   the makensis to read with (default: the one on PATH)\n"
    "  --no-makensis     read the files without makensis\n"
    "  --codepage N      the ANSI code page of scripts that are not UTF-8 or\n"
    "                    UTF-16LE (as makensis's -INPUTCHARSET CPN); without it,\n"
    "                    each language's texts in that language's code page\n"
    "  -DNAME[=VALUE], -XCOMMAND\n"
    "                    passed to makensis as the build passes them (without\n"
    "                    makensis, the defines fill ${NAME} too)\n"
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

bool WriteFile(const std::filesystem::path& target, const std::string& text) {
    std::ofstream out(target, std::ios::binary);
    out << text;
    return static_cast<bool>(out.flush());
}

int Run(int argc, char** argv) {
    console::PrepareUtf8Console();
    const std::vector<std::string> arguments = console::Utf8Arguments(argc, argv);
    std::string outFolder, makensis;
    bool noMakensis = false;
    int codePage = kNoCodePage;
    std::vector<std::string> scriptPaths, makensisOptions;
    ScriptDefines defines;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            Print(kUsage);
            return kExitImported;
        } else if (argument == "--out" || argument == "--makensis" || argument == "--codepage") {
            if (i + 1 >= arguments.size()) return Usage(argument + " needs a value");
            const std::string& value = arguments[++i];
            if (argument == "--out") outFolder = value;
            else if (argument == "--makensis") makensis = value;
            else if (value.empty() || value.size() > 5 || value.find_first_not_of("0123456789") != std::string::npos)
                return Usage("--codepage takes a code page number, such as 1252");
            else codePage = std::stoi(value);
        } else if (argument == "--no-makensis") {
            noMakensis = true;
        } else if ((argument.compare(0, 2, "-D") == 0 || argument.compare(0, 2, "-X") == 0) && argument.size() > 2) {
            makensisOptions.push_back(argument);
            if (argument[1] == 'D') {
                const std::size_t equals = argument.find('=');
                defines[argument.substr(2, equals == std::string::npos ? std::string::npos : equals - 2)] =
                    equals == std::string::npos ? std::string() : argument.substr(equals + 1);
            }
        } else if (argument.size() > 1 && argument[0] == '-') {
            return Usage("unknown option " + argument);
        } else {
            scriptPaths.push_back(argument);
        }
    }
    if (outFolder.empty()) return Usage("name the FOLDER to write with --out");
    if (scriptPaths.empty()) return Usage("name at least one SCRIPT");
    if (noMakensis && !makensis.empty()) return Usage("--makensis and --no-makensis exclude each other");

    ScriptReader reader;
    std::string complaint;
    reader.options = makensisOptions;
    if (!ChooseReader(makensis, noMakensis, codePage, reader, complaint)) return Failure(complaint);
    std::vector<ScriptSource> scripts;
    for (const std::string& path : scriptPaths) {
        ScriptSource script;
        if (!ReadScript(reader, path, script, complaint)) return Failure("cannot read " + path + ": " + complaint);
        scripts.push_back(std::move(script));
    }

    const LanguageImport result = ImportLangStrings(scripts, defines);
    if (!result.errors.empty()) {
        std::string errors;
        for (const ImportNote& error : result.errors) errors += "\n  " + ScriptPlace(error.script, error.line) + ": " + error.message;
        return Failure("makensis refuses these lines, so no installer holds their texts; nothing written:" + errors);
    }
    if (result.English() == nullptr) {
        Print(ImportReport(result, outFolder, false, reader.Description()));
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
        if (!WriteFile(target, LanguageFileText(file))) return Failure("cannot write " + target.u8string());
    }
    if (!result.overrides.empty()) {
        const std::filesystem::path target = folder / kOverridesInclude;
        if (!WriteFile(target, OverridesIncludeText(result.overrides))) return Failure("cannot write " + target.u8string());
    }
    Print(ImportReport(result, outFolder, true, reader.Description()));
    return kExitImported;
}

}  // namespace

int main(int argc, char** argv) { return console::RunTool("parlune-import", Run, argc, argv, kExitNothingImported); }
