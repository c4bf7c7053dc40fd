// MapLanguageCode against an oracle made here from the published table, not
// from the plug-in's own rows.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <sstream>
#include <string>

#include "language/language_code_table.h"

namespace {

// One line per file base name: the name, then every code that selects it.
const char kPublishedTable[] = R"(ar AR
az AZ
bg BG
bn BN
ca CA
chr CHR
cs CS
da DA
de DE
el EL
en-gb EN-GB EN-AG EN-AI EN-AT EN-AU EN-BB EN-BE EN-BS EN-BW EN-BZ EN-CA EN-CC EN-CH EN-CK EN-CM EN-CX EN-CY EN-DE EN-DG EN-DK EN-DM EN-FI EN-FJ EN-FK EN-FM EN-GD EN-GG EN-GH EN-GY EN-HK EN-IE EN-IL EN-IM EN-IN EN-IO EN-JE EN-KI EN-KN EN-KY EN-LC EN-LR EN-LS EN-MG EN-MO EN-MS EN-MT EN-MU EN-MW EN-MY EN-NA EN-NF EN-NG EN-NL EN-NR EN-NU EN-NZ EN-PG EN-PH EN-PK EN-PN EN-PW EN-RW EN-SB EN-SC EN-SD EN-SE EN-SG EN-SH EN-SI EN-SL EN-SS EN-SX EN-SZ EN-TC EN-TK EN-TO EN-TT EN-TV EN-TZ EN-UG EN-VC EN-VG EN-VU EN-WS EN-ZA EN-ZM EN-ZW
en EN EN-AS EN-BI EN-GU EN-MH EN-MP EN-PR EN-UM EN-VI EN-US
en-xm EN-XM
es-419 ES-419 ES-AR ES-BZ ES-VE ES-BO ES-BR ES-CL ES-CO ES-CR ES-CU ES-DO ES-EC ES-SV ES-GT ES-HN ES-MX ES-NI ES-PA ES-PY ES-PE ES-US ES-UY
es ES
et ET
fa FA
fi FI
fil FIL
fr-ca FR-CA
fr FR
he HE
hi HI
hr HR
hu HU
id ID
it IT
ja JA
kgp KGP
km KM
ko KO
lt LT
lv LV
mi MI
mk MK
mr MR
ms MS
my MY
nb NB
nl NL
pl PL
pt-br PT-BR
pt PT PT-PT PT-AO PT-CV PT-GQ PT-GW PT-LU PT-MO PT-MZ PT-ST PT-CH PT-TL
ro RO
ru RU
si SI
sk SK
sl SL
sr SR
sr-latn SR-LATN SR-LATN-RS SR-LATN-BA SR-LATN-ME
sv SV
ta TA
th TH
tr TR
uk UK
ur UR
vi VI
yrl YRL
zh-cn ZH-CN ZH-SG ZH-HANS-CN ZH-HANS-HK ZH-HANS-MO ZH-HANS-SG
zh-tw ZH-TW ZH-HK ZH-MO ZH-HANT-HK ZH-HANT-MO ZH-HANT-TW
)";

std::map<std::string, std::string> BuildOracle() {
    std::map<std::string, std::string> oracle;
    std::istringstream lines(kPublishedTable);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string baseName, code;
        words >> baseName;
        while (words >> code) oracle.emplace(code, baseName);
    }
    if (oracle.size() != 200) std::abort();
    return oracle;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::map<std::string, std::string> oracle = BuildOracle();
    std::string tag(reinterpret_cast<const char*>(data), size);
    tag = tag.substr(0, tag.find('\0'));  // callers never pass a NUL
    std::string upper = tag;
    for (char& c : upper) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
    const auto found = oracle.find(upper);
    const std::string expected = found == oracle.end() ? std::string() : found->second;
    if (MapLanguageCode(tag.data(), tag.size()) != expected) std::abort();
    return 0;
}
