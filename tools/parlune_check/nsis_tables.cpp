#include "nsis_tables.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "ascii_case.h"
#include "file_reading.h"
#include "language_names.h"
#include "nsis_quoted.h"

namespace {

namespace fs = std::filesystem;

// Windows's own ids for languages NSIS has no table of, and for the pseudo-
// locale (qps-ploc), which shares English's otherwise.
const std::map<std::string, std::string> kWindowsIds = {
    {"az", "1068"}, {"bn", "2117"}, {"chr", "1116"}, {"en-xm", "1281"}, {"fil", "1124"}, {"haw", "1141"},
    {"km", "1107"}, {"mi", "1153"},  {"mr", "1102"},  {"my", "1109"},    {"si", "1115"},  {"ta", "1097"},
    {"ur", "1056"},
};

// Languages written right to left, by their first subtag.
const std::set<std::string> kRightToLeft = {"ar", "arc", "ckb", "dv", "fa", "he", "ks", "ps", "sd", "syr", "ug", "ur", "yi"};

// Windows leaves primary languages 0x200 to 0x3FF to custom ones.
constexpr int kFirstCustomId = 0x200;
constexpr int kLastCustomId = 0x3FF;

// The files in the order their NSIS languages are inserted: the code
// table's, then the ones beyond it, each by tag.
std::vector<const FileReport*> InsertionOrder(const FolderReport& report) {
    std::vector<const FileReport*> files;
    for (const FileReport& file : report.files) {
        if (!file.baseName.empty()) files.push_back(&file);
    }
    std::stable_sort(files.begin(), files.end(), [](const FileReport* a, const FileReport* b) {
        return a->beyondTable != b->beyondTable ? b->beyondTable : a->baseName < b->baseName;
    });
    return files;
}

std::string ChooseId(const FileReport& file, std::set<std::string>& used) {
    std::vector<std::string> candidates;
    if (IsAsciiDigits(file.nsisLanguageId)) candidates.push_back(file.nsisLanguageId);
    std::istringstream rowIds(file.tagLanguage.rowIds);
    for (std::string id; rowIds >> id;) candidates.push_back(id);
    const auto windows = kWindowsIds.find(file.baseName);
    if (windows != kWindowsIds.end()) candidates.push_back(windows->second);
    for (const std::string& id : candidates) {
        if (used.insert(id).second) return id;
    }
    for (int id = kFirstCustomId; id <= kLastCustomId; ++id) {
        if (used.insert(std::to_string(id)).second) return std::to_string(id);
    }
    return std::string();
}

// base's texts with over's in their place or after them.
std::vector<NsisText> Overlaid(std::vector<NsisText> base, const std::vector<NsisText>& over) {
    for (const NsisText& text : over) {
        const auto same = std::find_if(base.begin(), base.end(), [&](const NsisText& b) { return b.name == text.name; });
        if (same != base.end()) {
            same->plain = text.plain;
        } else {
            base.push_back(text);
        }
    }
    return base;
}

std::string ValueOf(const NsisText& text) {
    const NsisText* english = FindNsisText(text.name);
    return "\"" + NsisStringOf(text.plain, NsisReferences(english != nullptr ? english->plain : "")) + "\"";
}

bool WriteText(const fs::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    return static_cast<bool>(out.flush());
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text = "\xEF\xBB\xBF";  // NSIS reads a file without one in the system's ANSI code page
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

}  // namespace

std::string NsisTableName(const NsisTable& table, const std::string& prefix) {
    if (!table.own) return table.nsisLanguage;
    std::string tag = table.tag;
    std::replace(tag.begin(), tag.end(), '-', '_');
    return prefix + "_" + tag;
}

std::vector<NsisTable> PlanNsisTables(const FolderReport& report) {
    const std::vector<const FileReport*> files = InsertionOrder(report);
    std::map<std::string, std::string> owners;  // NSIS language to the file that owns its table
    std::set<std::string> used = {"1033"};
    const FileReport* english = nullptr;
    for (const FileReport* file : files) {
        if (file->baseName == "en") english = file;
        const std::string& language = file->tagLanguage.nsisLanguage;
        if (language.empty() || owners.count(language) != 0) continue;
        owners[language] = file->baseName;
        used.insert(file->tagLanguage.nsisId);
    }
    std::vector<NsisTable> tables;
    for (const FileReport* file : files) {
        if (file->nsisTexts.empty()) continue;
        NsisTable table;
        table.tag = file->baseName;
        table.nsisLanguage = file->tagLanguage.nsisLanguage;
        const auto owner = owners.find(table.nsisLanguage);
        if (owner != owners.end() && owner->second == file->baseName) {
            table.texts = file->nsisTexts;
        } else {
            table.own = true;
            table.id = ChooseId(*file, used);
            if (table.nsisLanguage.empty()) {
                table.nsisLanguage = "English";
                table.rightToLeft = kRightToLeft.count(PrimarySubtag(file->baseName)) != 0;
                table.texts = Overlaid(english != nullptr ? english->nsisTexts : std::vector<NsisText>(), file->nsisTexts);
            } else {
                table.texts = file->nsisTexts;
            }
            table.englishName = file->language.empty() ? file->baseName : file->language;
            table.ownName = !file->languageName.empty() ? file->languageName
                            : !file->tagLanguage.ownName.empty() ? file->tagLanguage.ownName : table.englishName;
        }
        tables.push_back(std::move(table));
    }
    return tables;
}

std::string NsisTablesInclude(const std::vector<NsisTable>& tables, const std::string& prefix) {
    std::string out = "; The language files' texts for NSIS's and Modern UI's own.\n";
    for (const NsisTable& table : tables) {
        const std::string name = NsisTableName(table, prefix);
        // Modern UI takes a text defined before its language is inserted,
        // and leaves the define of a page the script has not.
        std::string before, after;
        for (const NsisText& text : table.texts) {
            if (IsModernUiText(text)) {
                before += "  !define /redef " + text.name + " " + ValueOf(text) + "\n";
                after += "  !ifdef " + text.name + "\n    !undef " + text.name + "\n  !endif\n";
            } else {
                after += "  LangString " + text.name + " ${LANG_" + name + "} " + ValueOf(text) + "\n";
            }
        }
        out += "!macro _ParluneNsisBefore_" + name + "\n" + before + "!macroend\n";
        out += "!macro _ParluneNsisAfter_" + name + "\n" + after + "!macroend\n";
    }
    return out;
}

std::string WriteNsisTables(const std::vector<NsisTable>& tables, const std::string& nsisDir,
                            const std::string& tablesFolder, const std::string& prefix) {
    const fs::path folder = fs::u8path(tablesFolder);
    const fs::path languageFiles = fs::u8path(nsisDir) / "Contrib" / "Language files";
    std::vector<std::string> englishNames;
    for (const NsisText& text : ReadNlf(EmbeddedEnglishNlf()).texts) englishNames.push_back(text.name);

    for (const NsisTable& table : tables) {
        if (!table.own) continue;
        const std::string name = NsisTableName(table, prefix);
        std::string nlfBytes, nshBytes, reason;
        const fs::path nlfPath = languageFiles / fs::u8path(table.nsisLanguage + ".nlf");
        const fs::path nshPath = languageFiles / fs::u8path(table.nsisLanguage + ".nsh");
        if (!ReadWholeFile(nlfPath.u8string(), nlfBytes, reason) || !ReadWholeFile(nshPath.u8string(), nshBytes, reason)) {
            return "cannot read NSIS's " + table.nsisLanguage + " language files in " + languageFiles.u8string() + ": " + reason;
        }
        NlfFile nlf = ReadNlf(nlfBytes, &englishNames);
        if (!nlf.complete) {
            return nlfPath.u8string() + " does not hold the " + std::to_string(englishNames.size()) +
                   " texts of the NSIS that built parlune-check; use the package built for this NSIS";
        }
        nlf.lines[nlf.idLine] = table.id;
        if (table.nsisLanguage == "English") nlf.lines[nlf.rtlLine] = table.rightToLeft ? "RTL" : "-";

        std::vector<std::string> nsh = TextLines(nshBytes);
        bool named = false;
        for (std::string& line : nsh) {
            const std::size_t start = line.find_first_not_of(" \t");
            if (named || start == std::string::npos || line.compare(start, 22, "!insertmacro LANGFILE ") != 0) continue;
            line = "!insertmacro LANGFILE \"" + name + "\" \"" + NsisQuoted(table.englishName) + "\" \"" +
                   NsisQuoted(table.ownName) + "\" =";
            named = true;
        }
        if (!named) return nshPath.u8string() + " has no LANGFILE line to name the language by";
        if (!WriteText(folder / fs::u8path(name + ".nlf"), Joined(nlf.lines)) ||
            !WriteText(folder / fs::u8path(name + ".nsh"), Joined(nsh))) {
            return "cannot write the language table " + name + " in " + folder.u8string();
        }
    }
    return std::string();
}
