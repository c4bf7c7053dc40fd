#include "plugin/document_slots.h"

#include "json/json_document.h"

CJSonObject* LanguageDocument = nullptr;
CJSonObject* BaseDocument = nullptr;

bool ReplaceDocument(CJSonObject*& slot, const ByteString& text) {
    delete slot;
    slot = CJSonObject::Create(text);
    return slot != nullptr;
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
