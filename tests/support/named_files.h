#pragma once

#include <string>
#include <utility>
#include <vector>

#include "engine/input_entry.h"

// Tests name their files by code page 932 text, which names them exactly.
inline CFileName Named(const std::string& text) {
    return CFileName::FromText(text);
}

// An input named by text: one the user named, or one found in a folder.
struct TextInput {
    TextInput(std::string path, bool inFolder = false)
        : path(std::move(path)), inFolder(inFolder) {}
    TextInput(const char* path, bool inFolder = false) : path(path), inFolder(inFolder) {}
    std::string path;
    bool inFolder;
};

inline CInputList InputsOf(const std::vector<TextInput>& inputs) {
    CInputList list;
    for (const TextInput& input : inputs) {
        list.push_back({Named(input.path), input.inFolder});
    }
    return list;
}
