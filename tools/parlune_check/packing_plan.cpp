#include "packing_plan.h"

#include <map>
#include <set>

#include "ascii_case.h"
#include "language_names.h"
#include "nsis_quoted.h"

namespace {

// What the checker read of a file that the installer loads.
struct FileFacts {
    std::string id;    // the file's own NsisLanguageId, else "" (a file beyond the table: its language's)
    std::string name;  // the file's own LanguageName, else "" (beyond the table: its language's)
    int coverage = -1;  // percent of en.json's texts it translates; -1 without en.json
};

FileFacts FactsOf(const FileReport& file, std::size_t englishTexts) {
    FileFacts facts;
    facts.id = IsAsciiDigits(file.nsisLanguageId) ? file.nsisLanguageId : "";
    facts.name = file.languageName;
    if (file.beyondTable) {
        if (facts.id.empty()) facts.id = file.tagLanguage.nsisId;
        if (facts.name.empty()) facts.name = file.tagLanguage.ownName.empty() ? file.baseName : file.tagLanguage.ownName;
    }
    if (englishTexts > 0) facts.coverage = static_cast<int>(file.translated * 100 / englishTexts);
    return facts;
}

std::vector<PlanMember> StandInMembers(const std::string& id, const std::string& tag) {
    std::vector<PlanMember> members = {{"ParluneId", id, ""}};
    if (!tag.empty()) members.push_back({"ParluneFile", tag, ""});
    return members;
}

// Builds the map, where the first member of a name is the one the plug-in
// finds: a name written before without a condition is left out.
class MapWriter {
public:
    explicit MapWriter(std::vector<PlanMember>& map) : map_(map) {}
    void Add(const std::string& key, const std::string& value, const std::string& condition = "") {
        if (key.empty() || settled_.count(AsciiLower(key)) != 0) return;
        if (condition.empty()) settled_.insert(AsciiLower(key));
        map_.push_back({key, value, condition});
    }

private:
    std::vector<PlanMember>& map_;
    std::set<std::string> settled_;
};

}  // namespace

PackingPlan PlanPacking(const FolderReport& report, int minCoverage, const std::vector<NsisTable>& tables,
                        const std::string& tablePrefix) {
    PackingPlan plan;
    std::map<std::string, const FileReport*> files;  // loadable files by tag
    for (const FileReport& file : report.files) {
        if (!file.baseName.empty()) files[file.baseName] = &file;
        if (file.beyondTable) plan.beyond.push_back(file.baseName);
    }
    std::map<std::string, std::string> ownTableIds;
    for (const NsisTable& table : tables) {
        if (table.own) ownTableIds[table.tag] = table.id;
    }
    const auto offer = [&](const std::string& tag, const FileFacts& facts, const std::string& tableName) {
        ++plan.files;
        const bool partial = minCoverage >= 0 && facts.coverage >= 0 && facts.coverage < minCoverage && tag != "en";
        if (partial) {
            plan.partial.push_back(tag);
        } else {
            plan.dialogRows.push_back({tag, facts.name.empty() ? tableName : facts.name});
        }
    };

    MapWriter map(plan.map);
    map.Add("ParluneMap", "");
    // The table's rows: a stand-in for each file; for each NSIS language of
    // the installer that no file has, one in "extra", which only a tag no
    // file answers reaches. Ids read back as the first row that takes them.
    std::set<std::string> nsisLanguages;  // those that a file or an extra stands for
    std::vector<std::pair<const TableRow*, std::string>> rows;  // with their condition
    for (const TableRow& row : TableRows()) {
        const auto file = files.find(row.tag);
        const bool hasFile = file != files.end() && !file->second->beyondTable;
        if (!hasFile && (row.nsisLanguage.empty() || nsisLanguages.count(row.nsisLanguage) != 0)) continue;
        nsisLanguages.insert(row.nsisLanguage);
        const std::string condition = hasFile ? "" : "LANG_" + row.nsisLanguage;
        rows.emplace_back(&row, condition);
        std::string id = row.ids.empty() ? "" : row.ids.front();
        map.Add(id, row.tag, condition);
        if (!hasFile) {
            plan.standIns.push_back({"extra\\" + row.tag + ".json", StandInMembers(id, ""), condition});
            continue;
        }
        if (!plan.beyond.empty()) {
            // a candidate that selects a file of the table: the plug-in has picked it
            for (const std::string& code : row.codes) map.Add("=" + code, "-");
        }
        const FileFacts facts = FactsOf(*file->second, report.englishTexts);
        if (!facts.id.empty()) id = facts.id;
        const auto own = ownTableIds.find(row.tag);
        if (own != ownTableIds.end()) {
            id = own->second;
            map.Add(id, row.tag);
        }
        offer(row.tag, facts, row.ownName);
        if (row.tag == "en") {
            for (const PlanMember& member : StandInMembers(id, row.tag)) map.Add(member.key, member.value);
        } else {
            plan.standIns.push_back({row.tag + ".json", StandInMembers(id, row.tag), ""});
        }
    }
    for (const auto& [row, condition] : rows) {
        for (std::size_t i = 1; i < row->ids.size(); ++i) map.Add(row->ids[i], row->tag, condition);
    }
    // Files beyond the table: the tag selects the file ("=cy"), which has its
    // id (":cy"); the id, as NSIS found the user's language, selects it too.
    for (const std::string& tag : plan.beyond) {
        const FileFacts facts = FactsOf(*files.at(tag), report.englishTexts);
        offer(tag, facts, tag);
        map.Add("=" + tag, tag);
        std::string id = facts.id;
        const auto own = ownTableIds.find(tag);
        if (own != ownTableIds.end()) id = own->second;
        if (id.empty()) continue;
        map.Add(":" + tag, id);
        map.Add("=" + id, tag);
        map.Add(id, tag);
    }

    // Modern UI's languages: English first, as NSIS falls back to the first;
    // then each NSIS language a file has, once; then the tables of their own.
    std::set<std::string> inserted = {"English"};
    plan.muiLanguages.push_back({"English", "", false});
    for (const TableRow& row : TableRows()) {
        if (files.count(row.tag) == 0 || row.nsisLanguage.empty() || !inserted.insert(row.nsisLanguage).second) continue;
        plan.muiLanguages.push_back({row.nsisLanguage, row.ids.front(), false});
    }
    for (const std::string& tag : plan.beyond) {
        const std::string& language = files.at(tag)->tagLanguage.nsisLanguage;
        if (!language.empty() && inserted.insert(language).second) plan.muiLanguages.push_back({language, "", false});
    }
    for (const NsisTable& table : tables) {
        if (table.own) plan.muiLanguages.push_back({NsisTableName(table, tablePrefix), "", true});
    }
    return plan;
}

namespace {

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// Members as JSON text: names and values are tags, codes and ids, which
// need no escapes.
std::string MemberText(const PlanMember& member) { return Quoted(member.key) + ":" + Quoted(member.value); }

std::string Conditional(const std::string& condition, const std::string& lines) {
    if (condition.empty()) return lines;
    return "  !ifdef " + condition + "\n  " + lines + "  !endif\n";
}

}  // namespace

std::string PackingPlanInclude(const PackingPlan& plan, int planNumber, const std::string& tablesInclude,
                               const std::string& tablesFolder) {
    using namespace plan_names;
    const std::string number = std::to_string(planNumber);
    std::string out = "; How Parlune.nsh packs the folder's language files, planned by parlune-check.\n";
    const auto list = [](const std::vector<std::string>& tags) {
        std::string text;
        for (const std::string& tag : tags) text += "|" + tag;
        return text;
    };
    out += "!define /redef " + std::string(kFiles) + number + " " + std::to_string(plan.files) + "\n";
    out += "!define /redef " + std::string(kBeyond) + number + " \"" + list(plan.beyond) + "\"\n";
    out += "!define /redef " + std::string(kPartial) + number + " \"" + list(plan.partial) + "\"\n";

    out += "!macro " + std::string(kStandIns) + number + "\n";
    for (const PlanStandIn& standIn : plan.standIns) {
        std::string text;
        for (const PlanMember& member : standIn.members) text += (text.empty() ? "{" : ",") + MemberText(member);
        const std::string macro = standIn.condition.empty() ? "_ParluneStandIn" : "_ParluneExtraStandIn";
        out += Conditional(standIn.condition, "  !insertmacro " + macro + " \"" + standIn.fileName + "\" `" + text + "}`\n");
    }
    // the map in pieces, so that a line stays short and a condition can
    // hold one back
    out += "  !insertmacro _ParluneMapBegin\n";
    std::string piece;
    const auto flush = [&] {
        if (!piece.empty()) out += "  !insertmacro _ParluneMapPiece `" + piece + "`\n";
        piece.clear();
    };
    bool first = true;
    for (const PlanMember& member : plan.map) {
        const std::string text = (first ? "{" : ",") + MemberText(member);
        first = false;
        if (!member.condition.empty()) {
            flush();
            out += Conditional(member.condition, "  !insertmacro _ParluneMapPiece `" + text + "`\n");
            continue;
        }
        if (piece.size() + text.size() > 400) flush();
        piece += text;
    }
    piece += "}";
    flush();
    out += "  !insertmacro _ParluneMapEnd\n!macroend\n";

    out += "!macro " + std::string(kDialogRows) + number + "\n";
    for (const PlanDialogRow& row : plan.dialogRows) {
        out += "  Push \"" + row.tag + "\"\n  Push \"" + NsisQuoted(row.name) + "\"\n";
    }
    out += "!macroend\n";

    out += "!macro " + std::string(kMuiLanguages) + number + "\n";
    for (const PlanMuiLanguage& language : plan.muiLanguages) {
        if (language.ownTable) {
            out += "  !insertmacro _ParluneMuiTable \"" + NsisQuoted(tablesFolder) + "\" \"" + language.nsisLanguage + "\"\n";
        } else {
            out += "  !insertmacro _ParluneMuiLanguage " + language.nsisLanguage + " \"" + language.tableId + "\"\n";
        }
    }
    out += "!macroend\n";
    return out + tablesInclude;
}
