#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "framework/file_name.h"

// What proves that two handles reach one file, by whichever path or link:
// the file's id on its volume, or, under Wine, the Unix device and inode
// the host gives it. Identities of different kinds never compare equal.
struct FileIdentity {
    enum class Kind : std::uint8_t { WindowsVolume, UnixDevice };
    Kind kind = Kind::WindowsVolume;
    std::uint64_t volume = 0;  // volume serial, or Unix device
    std::array<std::uint8_t, 16> id = {};
    bool operator==(const FileIdentity&) const = default;
};

// The identity of an open file, or nothing when the system cannot prove
// one: a volume it cannot name (Wine's answer for a file a Unix shell
// redirected to) is no proof.
std::optional<FileIdentity> IdentityOf(void* file);

// The identity of the file or folder path names, or nothing.
std::optional<FileIdentity> IdentityOfFileAt(const CFileName& path);

// The final name of the file an open handle reaches (not a path), or
// nothing when the system cannot tell it.
std::optional<std::wstring> FinalNameOf(void* file);
