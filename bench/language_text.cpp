#include "language_text.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

const char* const kScreens[] = {"Welcome", "License", "Components", "Directory", "Progress",
                                "Finish",  "Uninstall", "Error", "Update", "Shortcut"};
const char* const kParts[] = {"Title", "Subtitle", "Text", "Button", "Label", "Hint", "Message", "Caption"};

// The texts repeat in turn, so every file mixes all of them in the same shares.
const char* const kTexts[] = {
    u8"Setup will install the application on your computer.",
    u8"Click Next to continue, or Cancel to exit Setup.",
    u8"L’installation de l’application est terminée avec succès.",
    u8"Bitte schließen Sie alle anderen Anwendungen, bevor Sie fortfahren.",
    u8"Программа установки завершена.",
    u8"安装程序将在您的计算机上安装本程序。",
    u8"セットアップを続行するには「次へ」をクリックしてください。",
    u8"Line one\\nLine two: \\\"quoted\\\" path C:\\\\Program Files\\\\App",
    u8"Español con caf\\u00e9 y \\u00bfpreguntas?",
    u8"Zainstaluj program w folderze docelowym. Wymagane miejsce: %s MB.",
};

}  // namespace

std::string LanguageKey(int index) {
    const int screens = static_cast<int>(std::size(kScreens));
    const int parts = static_cast<int>(std::size(kParts));
    return std::string(kScreens[index % screens]) + kParts[(index / screens) % parts] +
           std::to_string(index / (screens * parts));
}

std::string MakeLanguageText(int members) {
    std::string text = "{\n";
    for (int index = 0; index < members; ++index) {
        text += "  \"";
        text += LanguageKey(index);
        text += "\": \"";
        text += kTexts[index % std::size(kTexts)];
        text += index + 1 < members ? "\",\n" : "\"\n";
    }
    text += "}\n";
    return text;
}

std::vector<std::string> ReadExampleTexts(const std::string& folder) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() == ".json") files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    std::vector<std::string> texts;
    for (const auto& file : files) {
        std::ifstream in(file, std::ios::binary);
        texts.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return texts;
}
