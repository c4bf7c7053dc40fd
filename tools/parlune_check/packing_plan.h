// How Parlune.nsh packs a folder of language files, planned from what the
// checker read: the stand-ins among which the plug-in picks as among the
// files, the map that weighs files beyond the code table and reads NSIS ids
// back as tags, the language dialog's list and Modern UI's languages. It
// reaches makensis as one generated include (PackingPlanInclude).
#pragma once

#include <string>
#include <vector>

#include "folder_check.h"
#include "nsis_tables.h"

// The names the generated include gives makensis, each followed by the
// plan's number (and the file's tag, where it says so); Packing.nsh lists
// them where it includes the plan.
namespace plan_names {
inline constexpr char kFiles[] = "_PARLUNE_FILES_";      // how many files the dialog offers
inline constexpr char kBeyond[] = "_PARLUNE_BEYOND_";    // "|cy|haw": files beyond the code table
inline constexpr char kPartial[] = "_PARLUNE_PARTIAL_";  // "|ja": files below PARLUNE_MIN_COVERAGE
inline constexpr char kStandIns[] = "_ParluneStandIns_";  // macro: writes the stand-ins into $OUTDIR
inline constexpr char kDialogRows[] = "_ParluneDialogRows_";    // macro: pushes tag and name per file
inline constexpr char kMuiLanguages[] = "_ParluneMuiLanguages_";  // macro: Modern UI's languages
}  // namespace plan_names

// One member of a stand-in's JSON text. A member with a condition is written
// only where makensis has it defined: the NSIS language an extra stand-in
// stands for, which the script may or may not have loaded.
struct PlanMember {
    std::string key, value, condition;
};

struct PlanStandIn {
    std::string fileName;  // "de.json", "extra\\it.json"; en.json is the map
    std::vector<PlanMember> members;
    std::string condition;
};

struct PlanDialogRow {
    std::string tag, name;
};

// Modern UI's language for a file: NSIS's name of it and the id that
// Parlune's table expects NSIS to give it (empty: no expectation); or, with
// ownTable, the name of a table the checker wrote beside the include.
struct PlanMuiLanguage {
    std::string nsisLanguage, tableId;
    bool ownTable = false;
};

struct PackingPlan {
    std::vector<PlanStandIn> standIns;
    std::vector<PlanMember> map;  // the stand-in en.json
    std::vector<PlanDialogRow> dialogRows;
    std::size_t files = 0;
    std::vector<std::string> beyond;
    std::vector<std::string> partial;
    std::vector<PlanMuiLanguage> muiLanguages;
};

// minCoverage: PARLUNE_MIN_COVERAGE, or -1. tables: the NSIS tables the
// script gets for the folder (ParluneMuiLanguages), whose own ids the
// stand-ins then take; tablePrefix names the tables of their own.
PackingPlan PlanPacking(const FolderReport& report, int minCoverage, const std::vector<NsisTable>& tables,
                        const std::string& tablePrefix);

// The makensis include: the plan's defines and macros, named by planNumber;
// tablesInclude (the NSIS tables' hooks, or "") and tablesFolder (where
// their own tables lie) go with it.
std::string PackingPlanInclude(const PackingPlan& plan, int planNumber, const std::string& tablesInclude,
                               const std::string& tablesFolder);
