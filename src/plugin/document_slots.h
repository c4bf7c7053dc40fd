// The two documents that carry state from Init to GetStr and Exit.
#pragma once

#include "base/heap_string.h"
#include "plugin/module_event.h"

class CJSonObject;

extern CJSonObject* LanguageDocument;
extern CJSonObject* BaseDocument;

// Destroys the slot's document, if any, then stores a new one built from text.
// False when there is no memory for the new one: the slot is then left empty.
bool ReplaceDocument(CJSonObject*& slot, const ByteString& text);

// Destroys both documents and empties the slots.
void ReleaseDocuments();

// The slots outlive thread starts and ends (an installer's sections run on a
// thread of their own); the documents are released when the host unloads the
// module, and left alone while the process exits.
void OnModuleEvent(ModuleEvent event);
