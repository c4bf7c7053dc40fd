/* window_texts: prints what an installer's windows show, for host tests
 * that read a GUI installer's pages under Wine.
 *
 *   window_texts.exe [CLICK_ID]
 *
 * Prints one line per visible child of every visible dialog window (class
 * #32770): "class<TAB>text", text in UTF-8 with line breaks as "\n" (a
 * combo box's: its selected item); then,
 * given CLICK_ID, presses that button of the first dialog that has one (1
 * Next/Install/Finish, 2 Cancel, 3 Back). Exits 1 when no dialog shows. */
#include <windows.h>
#include <fcntl.h>
#include <io.h>
#include <stdio.h>
#include <stdlib.h>

enum { kTextUnits = 4096 };

static HWND frame;
static int dialogs;

static void PrintUtf8(const wchar_t *text) {
    char utf8[kTextUnits * 3];
    int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, NULL, NULL);
    if (size <= 0) return;
    for (const char *c = utf8; *c != '\0'; ++c) {
        if (*c == '\r') continue;
        if (*c == '\n') fputs("\\n", stdout);
        else putchar(*c);
    }
}

static BOOL CALLBACK PrintChild(HWND child, LPARAM unused) {
    (void)unused;
    if (!IsWindowVisible(child)) return TRUE;
    wchar_t name[256], text[kTextUnits];
    GetClassNameW(child, name, 256);
    GetWindowTextW(child, text, kTextUnits);
    /* a drop-down list shows its selected item, which is no window text */
    if (lstrcmpW(name, L"ComboBox") == 0) {
        LRESULT selected = SendMessageW(child, CB_GETCURSEL, 0, 0);
        text[0] = L'\0';
        if (selected != CB_ERR && SendMessageW(child, CB_GETLBTEXTLEN, selected, 0) < kTextUnits) {
            SendMessageW(child, CB_GETLBTEXT, selected, (LPARAM)text);
        }
    }
    PrintUtf8(name);
    putchar('\t');
    PrintUtf8(text);
    putchar('\n');
    return TRUE;
}

static BOOL CALLBACK PrintDialog(HWND window, LPARAM unused) {
    (void)unused;
    wchar_t name[256], caption[kTextUnits];
    if (!IsWindowVisible(window) || !GetClassNameW(window, name, 256) || lstrcmpW(name, L"#32770") != 0) return TRUE;
    ++dialogs;
    GetWindowTextW(window, caption, kTextUnits);
    fputs("window\t", stdout);
    PrintUtf8(caption);
    putchar('\n');
    EnumChildWindows(window, PrintChild, 0);
    if (frame == NULL) frame = window;
    return TRUE;
}

int main(int argc, char **argv) {
    _setmode(_fileno(stdout), _O_BINARY);  /* "\n" alone, as the test reads lines */
    EnumWindows(PrintDialog, 0);
    fflush(stdout);
    if (dialogs == 0) return 1;
    if (argc > 1) {
        HWND button = GetDlgItem(frame, atoi(argv[1]));
        if (button == NULL) return 1;
        SendMessageW(button, BM_CLICK, 0, 0);
    }
    return 0;
}
