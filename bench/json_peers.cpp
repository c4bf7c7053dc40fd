#include "json_peers.h"

#include <cstring>
#include <fstream>
#include <sstream>

#include <nlohmann/json.hpp>
#include <rapidjson/document.h>
#include <simdjson.h>

#include "json/json_document.h"
#include "json/json_parser.h"

namespace {

std::size_t ParluneParser(const std::string& text) {
    JsonArena arena;
    JsonParseStop stop;
    const JsonNode* root = ParseJsonText(text.c_str(), text.size(), arena, stop);
    return root != nullptr ? static_cast<std::size_t>(root->kind) : 0;
}

std::size_t ParluneDocument(const std::string& text) {
    const CJSonObject document(text.c_str(), text.size());
    return document.Root() != nullptr ? static_cast<std::size_t>(document.Root()->kind) : 0;
}

// The document and its first lookup, which builds the lookup index.
std::size_t ParluneIndexedDocument(const std::string& text) {
    const CJSonObject document(text.c_str(), text.size());
    const char* value = document.FindStringValue("WelcomeTitle0");
    return value != nullptr ? std::strlen(value) : 1;
}

std::size_t RapidJsonDom(const std::string& text) {
    rapidjson::Document document;
    document.Parse(text.data(), text.size());
    return document.HasParseError() ? 0 : document.MemberCount();
}

std::size_t NlohmannJson(const std::string& text) {
    const nlohmann::json document = nlohmann::json::parse(text);
    return document.size();
}

// simdjson is meant to be used with one parser that keeps its buffers from
// one document to the next; from a std::string it copies the text into its
// own padded buffer first, as it would for a file read into a string.
std::size_t SimdjsonDomWith(simdjson::dom::parser& parser, const std::string& text) {
    simdjson::dom::object object;
    if (parser.parse(text).get(object) != simdjson::SUCCESS) return 0;
    return object.size();
}

std::size_t SimdjsonDom(const std::string& text) {
    static simdjson::dom::parser parser;
    return SimdjsonDomWith(parser, text);
}

std::size_t SimdjsonDomCold(const std::string& text) {
    simdjson::dom::parser parser;
    return SimdjsonDomWith(parser, text);
}

}  // namespace

const std::vector<JsonParserUnderTest>& JsonParsersUnderTest() {
    static const std::vector<JsonParserUnderTest> parsers = {
        {"Parlune parser", ParluneParser, ParluneParser},
        {"Parlune document", ParluneDocument, ParluneDocument},
        {"Parlune + index", ParluneIndexedDocument, ParluneIndexedDocument},
        {"RapidJSON DOM", RapidJsonDom, RapidJsonDom},
        {"nlohmann::json", NlohmannJson, NlohmannJson},
        {"simdjson DOM", SimdjsonDom, SimdjsonDomCold},
    };
    return parsers;
}

std::size_t RapidJsonReadFileAndDom(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return RapidJsonDom(text.str());
}
