#include "plugin/document_slots.h"

#include "json/json_document.h"

CJSonObject* LanguageDocument = nullptr;
CJSonObject* BaseDocument = nullptr;

void ReplaceDocument(CJSonObject*& slot, const std::string& text) {
    delete slot;
    slot = nullptr;
    slot = new CJSonObject(text);
}

void ReleaseDocuments() {
    delete LanguageDocument;
    LanguageDocument = nullptr;
    delete BaseDocument;
    BaseDocument = nullptr;
}

void OnModuleEvent(ModuleEvent event) {
    switch (event) {
        case ModuleEvent::ProcessAttach:
            LanguageDocument = nullptr;
            BaseDocument = nullptr;
            break;
        case ModuleEvent::ProcessUnload:
            ReleaseDocuments();
            break;
        case ModuleEvent::ThreadAttach:
        case ModuleEvent::ThreadDetach:
        case ModuleEvent::ProcessExit:
            break;
    }
}
