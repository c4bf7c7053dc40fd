#include "language/language_code_table.h"

namespace {

// Tested in this order; codes of one file stand together, the code that names
// the file first. No code occurs twice, so the order never changes a result.
constexpr LanguageCodeRow kLanguageCodes[] = {
    {"AR", "ar"},
    {"AZ", "az"},
    {"BG", "bg"},
    {"BN", "bn"},
    {"CA", "ca"},
    {"CHR", "chr"},
    {"CS", "cs"},
    {"DA", "da"},
    {"DE", "de"},
    {"EL", "el"},
    {"EN-GB", "en-gb"}, {"EN-AG", "en-gb"}, {"EN-AI", "en-gb"}, {"EN-AT", "en-gb"}, {"EN-AU", "en-gb"},
    {"EN-BB", "en-gb"}, {"EN-BE", "en-gb"}, {"EN-BS", "en-gb"}, {"EN-BW", "en-gb"}, {"EN-BZ", "en-gb"},
    {"EN-CA", "en-gb"}, {"EN-CC", "en-gb"}, {"EN-CH", "en-gb"}, {"EN-CK", "en-gb"}, {"EN-CM", "en-gb"},
    {"EN-CX", "en-gb"}, {"EN-CY", "en-gb"}, {"EN-DE", "en-gb"}, {"EN-DG", "en-gb"}, {"EN-DK", "en-gb"},
    {"EN-DM", "en-gb"}, {"EN-FI", "en-gb"}, {"EN-FJ", "en-gb"}, {"EN-FK", "en-gb"}, {"EN-FM", "en-gb"},
    {"EN-GD", "en-gb"}, {"EN-GG", "en-gb"}, {"EN-GH", "en-gb"}, {"EN-GY", "en-gb"}, {"EN-HK", "en-gb"},
    {"EN-IE", "en-gb"}, {"EN-IL", "en-gb"}, {"EN-IM", "en-gb"}, {"EN-IN", "en-gb"}, {"EN-IO", "en-gb"},
    {"EN-JE", "en-gb"}, {"EN-KI", "en-gb"}, {"EN-KN", "en-gb"}, {"EN-KY", "en-gb"}, {"EN-LC", "en-gb"},
    {"EN-LR", "en-gb"}, {"EN-LS", "en-gb"}, {"EN-MG", "en-gb"}, {"EN-MO", "en-gb"}, {"EN-MS", "en-gb"},
    {"EN-MT", "en-gb"}, {"EN-MU", "en-gb"}, {"EN-MW", "en-gb"}, {"EN-MY", "en-gb"}, {"EN-NA", "en-gb"},
    {"EN-NF", "en-gb"}, {"EN-NG", "en-gb"}, {"EN-NL", "en-gb"}, {"EN-NR", "en-gb"}, {"EN-NU", "en-gb"},
    {"EN-NZ", "en-gb"}, {"EN-PG", "en-gb"}, {"EN-PH", "en-gb"}, {"EN-PK", "en-gb"}, {"EN-PN", "en-gb"},
    {"EN-PW", "en-gb"}, {"EN-RW", "en-gb"}, {"EN-SB", "en-gb"}, {"EN-SC", "en-gb"}, {"EN-SD", "en-gb"},
    {"EN-SE", "en-gb"}, {"EN-SG", "en-gb"}, {"EN-SH", "en-gb"}, {"EN-SI", "en-gb"}, {"EN-SL", "en-gb"},
    {"EN-SS", "en-gb"}, {"EN-SX", "en-gb"}, {"EN-SZ", "en-gb"}, {"EN-TC", "en-gb"}, {"EN-TK", "en-gb"},
    {"EN-TO", "en-gb"}, {"EN-TT", "en-gb"}, {"EN-TV", "en-gb"}, {"EN-TZ", "en-gb"}, {"EN-UG", "en-gb"},
    {"EN-VC", "en-gb"}, {"EN-VG", "en-gb"}, {"EN-VU", "en-gb"}, {"EN-WS", "en-gb"}, {"EN-ZA", "en-gb"},
    {"EN-ZM", "en-gb"}, {"EN-ZW", "en-gb"},
    {"EN", "en"}, {"EN-AS", "en"}, {"EN-BI", "en"}, {"EN-GU", "en"}, {"EN-MH", "en"}, {"EN-MP", "en"},
    {"EN-PR", "en"}, {"EN-UM", "en"}, {"EN-VI", "en"}, {"EN-US", "en"},
    {"EN-XM", "en-xm"},
    {"ES-419", "es-419"}, {"ES-AR", "es-419"}, {"ES-BZ", "es-419"}, {"ES-VE", "es-419"}, {"ES-BO", "es-419"},
    {"ES-BR", "es-419"}, {"ES-CL", "es-419"}, {"ES-CO", "es-419"}, {"ES-CR", "es-419"}, {"ES-CU", "es-419"},
    {"ES-DO", "es-419"}, {"ES-EC", "es-419"}, {"ES-SV", "es-419"}, {"ES-GT", "es-419"}, {"ES-HN", "es-419"},
    {"ES-MX", "es-419"}, {"ES-NI", "es-419"}, {"ES-PA", "es-419"}, {"ES-PY", "es-419"}, {"ES-PE", "es-419"},
    {"ES-US", "es-419"}, {"ES-UY", "es-419"},
    {"ES", "es"},
    {"ET", "et"},
    {"FA", "fa"},
    {"FI", "fi"},
    {"FIL", "fil"},
    {"FR-CA", "fr-ca"},
    {"FR", "fr"},
    {"HE", "he"},
    {"HI", "hi"},
    {"HR", "hr"},
    {"HU", "hu"},
    {"ID", "id"},
    {"IT", "it"},
    {"JA", "ja"},
    {"KGP", "kgp"},
    {"KM", "km"},
    {"KO", "ko"},
    {"LT", "lt"},
    {"LV", "lv"},
    {"MI", "mi"},
    {"MK", "mk"},
    {"MR", "mr"},
    {"MS", "ms"},
    {"MY", "my"},
    {"NB", "nb"},
    {"NL", "nl"},
    {"PL", "pl"},
    {"PT-BR", "pt-br"},
    {"PT", "pt"}, {"PT-PT", "pt"}, {"PT-AO", "pt"}, {"PT-CV", "pt"}, {"PT-GQ", "pt"}, {"PT-GW", "pt"},
    {"PT-LU", "pt"}, {"PT-MO", "pt"}, {"PT-MZ", "pt"}, {"PT-ST", "pt"}, {"PT-CH", "pt"}, {"PT-TL", "pt"},
    {"RO", "ro"},
    {"RU", "ru"},
    {"SI", "si"},
    {"SK", "sk"},
    {"SL", "sl"},
    {"SR", "sr"},
    {"SR-LATN", "sr-latn"}, {"SR-LATN-RS", "sr-latn"}, {"SR-LATN-BA", "sr-latn"}, {"SR-LATN-ME", "sr-latn"},
    {"SV", "sv"},
    {"TA", "ta"},
    {"TH", "th"},
    {"TR", "tr"},
    {"UK", "uk"},
    {"UR", "ur"},
    {"VI", "vi"},
    {"YRL", "yrl"},
    {"ZH-CN", "zh-cn"}, {"ZH-SG", "zh-cn"}, {"ZH-HANS-CN", "zh-cn"}, {"ZH-HANS-HK", "zh-cn"},
    {"ZH-HANS-MO", "zh-cn"}, {"ZH-HANS-SG", "zh-cn"},
    {"ZH-TW", "zh-tw"}, {"ZH-HK", "zh-tw"}, {"ZH-MO", "zh-tw"}, {"ZH-HANT-HK", "zh-tw"},
    {"ZH-HANT-MO", "zh-tw"}, {"ZH-HANT-TW", "zh-tw"},
};

static_assert(sizeof(kLanguageCodes) / sizeof(kLanguageCodes[0]) == 200, "the table holds 200 codes");

}  // namespace

LanguageCodeTable LanguageCodeRows() { return {kLanguageCodes, sizeof kLanguageCodes / sizeof kLanguageCodes[0]}; }

// The input is upper-cased on the fly, ASCII letters only, so nothing is copied.
const char* MapLanguageCode(const char* tag, std::size_t length) {
    for (const LanguageCodeRow& row : kLanguageCodes) {
        std::size_t matched = 0;
        for (; matched < length && row.code[matched] != '\0'; ++matched) {
            char byte = tag[matched];
            if (byte >= 'a' && byte <= 'z') byte = static_cast<char>(byte - ('a' - 'A'));
            if (byte != row.code[matched]) break;
        }
        if (matched == length && row.code[matched] == '\0') return row.baseName;
    }
    return "";
}
