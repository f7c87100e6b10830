#include "framework/message_box.h"

#include <utility>

#include "framework/cp932_text.h"

namespace {

MessageBoxHandler g_handler;

}  // namespace

int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type) {
    if (g_handler) {
        return g_handler(owner, text, caption, type);
    }
    return MessageBoxW(owner, WidenText(text).c_str(), WidenText(caption).c_str(), type);
}

void SetMessageBoxHandlerForTesting(MessageBoxHandler handler) {
    g_handler = std::move(handler);
}
