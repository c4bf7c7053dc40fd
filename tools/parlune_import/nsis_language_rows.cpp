#include "nsis_languages.h"

const std::vector<NsisLanguageRow>& NsisLanguageRows() {
    static const std::vector<NsisLanguageRow> rows = {
#include "language_nsis_rows.inc"
    };
    return rows;
}
