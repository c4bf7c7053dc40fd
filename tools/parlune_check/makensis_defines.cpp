#include "makensis_defines.h"

#include "ascii_case.h"

std::string NsisQuoted(const std::string& utf8) {
    std::string quoted;
    for (const char c : utf8) {
        switch (c) {
            case '$': quoted += "$$"; break;
            case '"': quoted += "$\\\""; break;
            case '\n': quoted += "$\\n"; break;
            case '\r': quoted += "$\\r"; break;
            case '\t': quoted += "$\\t"; break;
            default:
                if (static_cast<unsigned char>(c) >= 0x20) quoted += c;
        }
    }
    return quoted;
}

namespace {

// A define with a value, else none (a value of an earlier folder goes).
std::string Fact(const std::string& name, const std::string& value) {
    if (!value.empty()) return "!define /redef " + name + " \"" + value + "\"\n";
    return "!ifdef " + name + "\n!undef " + name + "\n!endif\n";
}

}  // namespace

// The code table's files take the table's id and name where the file gives
// none, which Parlune.nsh has already; a file beyond it takes what the
// tables know of its tag, and its NSIS language too.
std::string MakensisDefines(const FolderReport& report) {
    std::string facts, beyond;
    for (const FileReport& file : report.files) {
        if (file.baseName.empty()) continue;
        std::string id = IsAsciiDigits(file.nsisLanguageId) ? file.nsisLanguageId : "";
        std::string name = file.languageName;
        if (file.beyondTable) {
            beyond += "|" + file.baseName;
            if (id.empty()) id = file.tagLanguage.nsisId;
            if (name.empty()) name = file.tagLanguage.ownName.empty() ? file.baseName : file.tagLanguage.ownName;
            facts += Fact("_PARLUNE_FACT_NSIS_" + file.baseName, file.tagLanguage.nsisLanguage);
        }
        facts += Fact("_PARLUNE_FACT_ID_" + file.baseName, id);
        facts += Fact("_PARLUNE_FACT_NAME_" + file.baseName, NsisQuoted(name));
        // the share of en.json's texts it translates, for PARLUNE_MIN_COVERAGE
        if (report.englishTexts > 0) {
            facts += Fact("_PARLUNE_FACT_COVERAGE_" + file.baseName,
                          std::to_string(file.translated * 100 / report.englishTexts));
        }
    }
    return facts + Fact("_PARLUNE_FACT_BEYOND", beyond);
}
